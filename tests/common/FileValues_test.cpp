#include "common/FileValues.h"

#include <gtest/gtest.h>

#include <string>

#include "common/Text.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"

using namespace kelvo;

namespace {

// What a reader gets back from <V>...</V> written by the writers.
XmlElement reread(XmlDocument& doc, const std::string& element) {
    doc.parse("<R>" + element + "</R>");
    return doc.root();
}

}  // namespace

TEST(FileValues, TextsReadBackAsKept) {
    const struct {
        std::string read;
        std::string kept;
    } cases[] = {
        {"plain & <marked>", "plain & <marked>"},
        {"a\r\nb\rc\nd", "a\nb\nc\nd"},
        {std::string("x\0y\x01\x1f", 5), "x?y??"},
        {" \t\r\n ", ""},
        {"  padded\t", "  padded\t"},
        {"\xE9t\xE9", "\xE9t\xE9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kept);
        const std::string kept = fileText(c.read);
        EXPECT_EQ(kept, c.kept);
        std::string out;
        appendTextElement(out, "", "V", kept);
        XmlDocument doc;
        EXPECT_EQ(reread(doc, out).text("V"), kept);
    }
}

TEST(FileValues, FlagsReadBackAsKept) {
    const struct {
        char read;
        char kept;
    } cases[] = {{'Y', 'Y'},  {'N', 'N'}, {'&', '&'},  {'<', '<'},   {'\xE9', '\xE9'},
                 {'\0', 'N'}, {' ', 'N'}, {'\t', 'N'}, {'\x01', 'N'}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.read));
        EXPECT_EQ(fileFlag(c.read), c.kept);
        std::string out;
        appendFlagElement(out, "", "V", c.read);
        EXPECT_EQ(out.find('\0'), std::string::npos);
        XmlDocument doc;
        EXPECT_EQ(fileFlag(reread(doc, out).flag("V")), c.kept);
    }
}

TEST(FileValues, NumbersReadBackAsKept) {
    for (const double v : {0.0, -0.0, 7.125, -7.125, 2.675, 0.004, -0.004, 1e9 + 0.005, 1e11 - 0.01,
                           123456789.987654, 1e40, -1e40, 1e-300}) {
        SCOPED_TRACE(v);
        for (const int decimals : {2, 4}) {
            const double kept = fileAmount(v, decimals);
            EXPECT_LE(std::abs(kept), kMaxFileNumber);
            std::string out;
            appendAmountElement(out, "", "V", kept, decimals);
            XmlDocument doc;
            EXPECT_EQ(fileAmount(reread(doc, out).number("V"), decimals), kept) << out;
        }
        const double kept = fileQuantity(v);
        std::string out;
        appendQuantityElement(out, "", "V", kept);
        XmlDocument doc;
        EXPECT_EQ(fileQuantity(reread(doc, out).number("V")), kept) << out;
    }
    EXPECT_EQ(fileAmount(1e40, 2), kMaxFileNumber);
    EXPECT_EQ(fileAmount(-1e40, 2), -kMaxFileNumber);
    EXPECT_EQ(fileAmount(7.125, 2), 7.13);
    EXPECT_EQ(formatQuantity(-0.4), "0");
    EXPECT_EQ(formatQuantity(2.5), "2");  // "%.0f" rounds an exact half to even
    EXPECT_EQ(formatQuantity(-3.0), "-3");
}
