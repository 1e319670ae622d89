#include "common/FileValues.h"

#include <gtest/gtest.h>

#include <string>

#include "common/Text.h"
#include "common/XmlReader.h"

using namespace kelvo;

// Texts and flags are tried through whole invoice files (Invoice_test.cpp); numbers need a
// wider range of values than a file shows.
TEST(FileValues, NumbersKeptReadBackUnchanged) {
    const auto reread = [](const std::string& written) {
        XmlDocument doc;
        doc.parse("<V>" + written + "</V>");
        return doc.root().ownNumber();
    };
    for (const double v :
         {-0.0, 7.125, -7.125, 2.675, -0.004, 1e9 + 0.005, 123456789.987654, 1e40, -1e40}) {
        SCOPED_TRACE(v);
        for (const int decimals : {2, 4}) {
            const double kept = fileAmount(v, decimals);
            EXPECT_EQ(fileAmount(reread(formatPrice(kept, decimals)), decimals), kept);
        }
        const double kept = fileQuantity(v);
        EXPECT_EQ(fileQuantity(reread(formatQuantity(kept))), kept);
    }
    EXPECT_EQ(fileAmount(-1e40, 2), -kMaxFileNumber);
    EXPECT_EQ(fileAmount(7.125, 2), 7.13);
    EXPECT_EQ(fileQuantity(2.5), 2.0);  // as "%.0f" writes it
    EXPECT_EQ(formatQuantity(-0.4), "0");
}
