#include "common/FileValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "common/Text.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"

using namespace kelvo;

namespace {

// A number element as a writer writes it, read back and written again.
std::string writtenAgain(const std::string& element, int decimals) {
    XmlDocument doc;
    doc.parse("<V>" + element + "</V>");
    std::string again;
    appendFixedElement(again, "", "N", doc.root().number("N"), decimals);
    return again;
}

}  // namespace

// Any double, of any size, written with each number of decimals the files use, reads back as
// a number that is written again with the same digits: what a save writes, loaded and saved
// again, is the same bytes.
TEST(FileValues, AWrittenNumberIsWrittenAgainWithTheSameDigits) {
    std::mt19937_64 random(12345);
    for (int i = 0; i < 20000; ++i) {
        double value;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (i % 2 == 0 && std::isfinite(value)) {
            // Half of them at the sizes amounts and identifiers have, 1e-12 to 1e24.
            int exponent = 0;
            value = std::ldexp(std::frexp(value, &exponent), int(random() % 120) - 40);
        }
        for (const int decimals : {0, 1, 2, 4, 10}) {
            std::string written;
            appendFixedElement(written, "", "N", value, decimals);
            ASSERT_EQ(writtenAgain(written, decimals), written) << value << " with " << decimals;
        }
    }
}

TEST(FileValues, NumbersAreRoundedAsWrittenReadWholeAndClampedBeyondFifteenDigits) {
    EXPECT_EQ(fileNumber(2.675, 2), 2.68);  // as formatPrice rounds: halves away from zero
    EXPECT_EQ(fileNumber(-12.125, 2), -12.13);
    EXPECT_EQ(fileNumber(2.5, 0), 3.0);
    EXPECT_FALSE(std::signbit(fileNumber(-0.001, 2)));
    EXPECT_EQ(fileNumber(123456789012.0, 0), 123456789012.0);  // a 12-digit customer number
    EXPECT_EQ(fileNumber(1e40, 2), kMaxFileNumber);
    EXPECT_EQ(fileNumber(-1e40, 0), -kMaxFileNumber);
    EXPECT_EQ(fileNumber(NAN, 2), 0.0);
    EXPECT_TRUE(exceedsFileNumber(1e15));
    EXPECT_FALSE(exceedsFileNumber(kMaxFileNumber));
    // A reader keeps the value the file gives, clamped beyond what a file carries.
    XmlDocument doc;
    doc.parse("<V><A>1e40</A><B>-1e20</B><C>12</C><D>8.875</D><E>0.12345</E></V>");
    EXPECT_EQ(doc.root().number("A"), kMaxFileNumber);
    EXPECT_EQ(doc.root().number("B"), -kMaxFileNumber);
    EXPECT_EQ(doc.root().number("C"), 12.0);
    EXPECT_EQ(doc.root().number("D"), 8.875);
    EXPECT_EQ(doc.root().number("E"), 0.12345);
    EXPECT_EQ(doc.clampedNumbers(), 2u);
}

TEST(FileValues, TextsAndFlagsAsAFileCarriesThem) {
    const struct {
        std::string in, out;
    } texts[] = {
        {"plain", "plain"},
        {"a\r\nb", "a\nb"},
        {"a\rb", "a\nb"},
        {std::string("a\0b", 3), "a?b"},
        {"\x01\x1F\x7F", "??\x7F"},
        {" \t\r\n", ""},
        {" a ", " a "},
        {"\xE9t\xE9", "\xE9t\xE9"},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(fileText(t.in), t.out) << t.in;
        EXPECT_EQ(fileText(fileText(t.in)), t.out) << t.in;
    }
    EXPECT_EQ(fileFlag('Y'), 'Y');
    EXPECT_EQ(fileFlag('<'), '<');
    EXPECT_EQ(fileFlag(' '), 'N');
    EXPECT_EQ(fileFlag('\0'), 'N');
    EXPECT_EQ(fileFlag('\t', '\0'), '\0');
    std::string out;
    appendFlagElement(out, "", "F", '&');
    appendFlagElement(out, "", "G", '\0');
    EXPECT_EQ(out, "<F>&amp;</F><G>N</G>");
}
