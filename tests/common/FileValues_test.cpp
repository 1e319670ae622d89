#include "common/FileValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "common/Text.h"
#include "common/XmlReader.h"

using namespace kelvo;

namespace {

// What a reader takes back from a number written with formatPrice.
double reread(double value, int decimals) {
    XmlDocument doc;
    doc.parse("<V><N>" + formatPrice(value, decimals) + "</N></V>");
    return doc.root().number("N", decimals);
}

}  // namespace

// Any double, of any size, once brought to what a file carries, is written and read back as
// the same double with every number of decimals the files use.
TEST(FileValues, NumbersComeBackUnchangedForAnyBitPattern) {
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
            const double kept = fileNumber(value, decimals);
            ASSERT_EQ(reread(kept, decimals), kept) << value << " with " << decimals;
        }
    }
}

TEST(FileValues, NumbersAreRoundedAsWrittenAndClampedBeyondFifteenDigits) {
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
    // 1e40 was written with 41 digits and read back from 31 of them as 1e30.
    XmlDocument doc;
    doc.parse("<V><A>1e40</A><B>-1e20</B><C>12</C></V>");
    EXPECT_EQ(doc.root().number("A", 2), kMaxFileNumber);
    EXPECT_EQ(doc.root().number("B", 2), -kMaxFileNumber);
    EXPECT_EQ(doc.root().number("C", 2), 12.0);
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
