#include "common/Text.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

using namespace kelvo;

namespace {

// A text of n letters A..Z, A..Z, ... so that a cut at the wrong place shows.
std::string letters(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
        s.push_back(static_cast<char>('A' + i % 26));
    }
    return s;
}

}  // namespace

TEST(Text, FieldTextKeepsAtMost255Characters) {
    const std::string text300 = letters(300);
    EXPECT_EQ(textFromElement(text300), text300.substr(0, 255));
    EXPECT_EQ(textFromElement(letters(255)), letters(255));
    EXPECT_EQ(textFromElement(""), "");
    EXPECT_EQ(narrowCopy("abcdef", 4), "abc");
    EXPECT_EQ(narrowCopy("abcdef", 1), "");
    EXPECT_EQ(narrowCopy("abcdef", 0), "");
}

TEST(Text, ToDoubleReadsLikeTheStandardConversion) {
    EXPECT_DOUBLE_EQ(toDouble("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(toDouble("  \t12.5"), 12.5);
    EXPECT_DOUBLE_EQ(toDouble("\r\n\v\f12.5"), 12.5);
    EXPECT_EQ(toDouble("\xA0"
                       "12.5"),
              0.0);  // a no-break space is no white space in the files
    EXPECT_EQ(toWhole("\xA0"
                      "12"),
              0);
    EXPECT_DOUBLE_EQ(toDouble("-3.25abc"), -3.25);
    EXPECT_DOUBLE_EQ(toDouble("+7"), 7.0);
    EXPECT_DOUBLE_EQ(toDouble("12.5.6"), 12.5);
    EXPECT_DOUBLE_EQ(toDouble(".5"), 0.5);
    EXPECT_DOUBLE_EQ(toDouble("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(toDouble("4 5"), 4.0);
    // Whole numbers, read without the general parse up to 15 digits, as it reads them.
    for (const char* whole : {"0", "007", "42", "-42", "123456789012345", "-999999999999999",
                              "1234567890123456", "12345678901234567890"}) {
        EXPECT_EQ(toDouble(whole), std::strtod(whole, nullptr)) << whole;
    }
    EXPECT_TRUE(std::signbit(toDouble("-0")));
}

TEST(Text, ToDoubleOfNoNumberIsZero) {
    for (const char* text :
         {"", "   ", "abc", "Y", "-", ".", "- 5", "nan", "NaN", "inf", "-inf", "INFINITY"}) {
        EXPECT_EQ(toDouble(text), 0.0) << text;
    }
    // An amount out of the range of a double must never become infinity.
    EXPECT_TRUE(std::isfinite(toDouble("1e400")));
    EXPECT_TRUE(std::isfinite(toDouble("-1e400")));
}

TEST(Text, NumbersComeFromTheFirst31CharactersOnly) {
    // Blanks count towards the 31 characters.
    EXPECT_DOUBLE_EQ(toDouble(std::string(29, ' ') + "12"), 12.0);
    EXPECT_DOUBLE_EQ(toDouble(std::string(30, ' ') + "12"), 1.0);
    EXPECT_DOUBLE_EQ(toDouble(std::string(31, ' ') + "12"), 0.0);
    EXPECT_EQ(toWhole(std::string(29, ' ') + "12"), 12);
    EXPECT_EQ(toWhole(std::string(30, ' ') + "12"), 1);
    EXPECT_EQ(toWhole(std::string(30, '0') + "123"), 1);
    EXPECT_DOUBLE_EQ(toDouble(std::string(30, '0') + "123"), 1.0);
}

TEST(Text, ToWholeStopsAtTheFirstBadCharacterAndClamps) {
    EXPECT_EQ(toWhole("42"), 42);
    EXPECT_EQ(toWhole("  42abc"), 42);
    EXPECT_EQ(toWhole("-17"), -17);
    EXPECT_EQ(toWhole("+5"), 5);
    EXPECT_EQ(toWhole("12.9"), 12);
    EXPECT_EQ(toWhole("-12.9"), -12);
    EXPECT_EQ(toWhole("words"), 0);
    EXPECT_EQ(toWhole(""), 0);
    EXPECT_EQ(toWhole("2147483647"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(toWhole("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(toWhole("2147483648"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(toWhole("99999999999999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(toWhole("-99999999999999999999"), std::numeric_limits<std::int32_t>::min());
}

TEST(Text, NumberTextIsWhatTheConversionReadsWhole) {
    struct Case {
        const char* text;
        bool whole;
        bool number;
    };
    const Case cases[] = {
        {"", false, true},          {"  ", true, true},          {" 12.50 ", false, true},
        {"-.5", false, true},       {"+3", true, true},          {"1e3", false, true},
        {"12,50", false, false},    {"1.2.3", false, false},     {"12abc", false, false},
        {"inf", false, false},      {"1e400", false, false},     {"12.5", true, false},
        {"2147483647", true, true}, {"-2147483648", true, true}, {"2147483648", true, false},
        {"-", true, false},         {".", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isNumberText(c.text, c.whole), c.number) << '"' << c.text << '"';
    }
    // The conversion sees 31 characters: a longer number is not read whole.
    EXPECT_TRUE(isNumberText(std::string(31, '1'), false));
    EXPECT_FALSE(isNumberText(std::string(32, '1'), false));
}

TEST(Text, FormatPriceRoundsHalvesAwayFromZeroAsTheNumberReads) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {12.125, 2, "12.13"},
        {-12.125, 2, "-12.13"},
        {0.125, 2, "0.13"},
        {2.675, 2, "2.68"},
        {1.005, 2, "1.01"},
        {1e9 + 0.005, 2, "1000000000.01"},
        {99.995, 2, "100.00"},
        {9.5, 0, "10"},
        {-12.5, 0, "-13"},
        {12.4, 0, "12"},
        {0.994, 2, "0.99"},
        {12.345678, 3, "12.346"},
        {3, 3, "3.000"},
        {12.5, 2, "12.50"},
        {1234.25, 1, "1234.3"},
        {-0.001, 2, "0.00"},
        {-0.0, 2, "0.00"},
        {-0.005, 2, "-0.01"},
        {5e-324, 2, "0.00"},
        {1e22, 0, "10000000000000000000000"},
        {123456789012.0, 0, "123456789012"},
        {0.5, 0, "1"},
        {1.23456789012, 12, "1.2345678901"},
        {7.0, -3, "7"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatPrice(c.value, c.decimals), c.text) << format("%.17g", c.value);
    }
    EXPECT_EQ(formatPrice(std::nan(""), 2), "0.00");
    EXPECT_EQ(formatPrice(-HUGE_VAL, 1), "0.0");
    EXPECT_EQ(formatPrice(1e300, 2).size(), 301u + 3u);
}

// What a file says is read back as the same amount: saving it again writes the same digits.
TEST(Text, FormatPriceReadsBackToItself) {
    std::uint64_t x = 88172645463325252ull;  // xorshift: many magnitudes and exact halves
    for (int i = 0; i < 20000; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        const double scale = static_cast<double>(1ull << (x % 50));
        const double value =
            static_cast<double>(static_cast<std::int64_t>(x % 20000001) - 10000000) /
            (i % 2 ? 8.0 : scale);
        const int decimals = static_cast<int>(x % 4);
        const std::string text = formatPrice(value, decimals);
        ASSERT_EQ(formatPrice(toDouble(text), decimals), text) << format("%.17g", value);
        // And it is the nearest amount with that many decimals.
        const double unit = std::pow(10.0, -decimals);
        ASSERT_LE(std::fabs(toDouble(text) - value), unit / 2 + 1e-9 * std::fabs(value))
            << text << " " << format("%.17g", value);
    }
}

TEST(Text, FormatWritesLongTexts) {
    const std::string text = letters(1000);
    EXPECT_EQ(format("<%s>", text.c_str()), "<" + text + ">");
    EXPECT_EQ(format("%.0f|%.1f|%05.2f", 7.0, 12.34, 1.5), "7|12.3|01.50");
}

TEST(Text, NumbersUseAPointWhateverTheLocale) {
    const std::string previous = ::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8",
                             "nl_NL.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8"}) {
        if (::setlocale(LC_NUMERIC, name) && *::localeconv()->decimal_point == ',') {
            comma = name;
            break;
        }
    }
    // scripts/install-deps.sh generates de_DE.UTF-8: the test never runs without a comma.
    ASSERT_NE(comma, nullptr) << "no locale with a decimal comma; run scripts/install-deps.sh";
    const std::string amount = format("%.2f", 1234.5);
    const std::string price = formatPrice(2.25, 3);
    const std::string half = formatPrice(2.675, 2);
    const double read = toDouble("12.75");
    ::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(amount, "1234.50") << comma;
    EXPECT_EQ(price, "2.250") << comma;
    EXPECT_EQ(half, "2.68") << comma;
    EXPECT_DOUBLE_EQ(read, 12.75) << comma;
}

TEST(Text, PadZeros) {
    EXPECT_EQ(padZeros("42", 5), "00042");
    EXPECT_EQ(padZeros("", 2), "00");
    EXPECT_EQ(padZeros("123456", 3), "123456");
    EXPECT_EQ(padZeros("123", 3), "123");
}

TEST(Text, EscapesForLabelsAndDataFiles) {
    // "&" first: an escaped text is escaped again, not left alone.
    EXPECT_EQ(xmlEscape("&lt;"), "&amp;lt;");
    EXPECT_EQ(xmlEscape("Smith & Sons <Ltd> >"), "Smith &amp; Sons &lt;Ltd&gt; &gt;");
    EXPECT_EQ(xmlEscape("plain \"text\" 'x'"), "plain \"text\" 'x'");

    // Texts are scanned eight bytes at a time: a character to escape is found wherever it
    // stands, next to bytes beyond ASCII (which hold the high bit the scan tests) too.
    for (std::size_t length = 1; length <= 20; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            for (const char c : {'&', '<', '>'}) {
                std::string text(length, '\xE6');
                text[at] = c;
                const std::string expected = replaceAll(
                    replaceAll(replaceAll(text, "&", "&amp;"), "<", "&lt;"), ">", "&gt;");
                EXPECT_EQ(xmlEscape(text), expected) << length << " " << at;
            }
        }
    }
    // The bytes next to them in the code table are no markup.
    EXPECT_EQ(xmlEscape("%';=?%';=?%';=?"), "%';=?%';=?%';=?");
}

TEST(Text, ReplaceAllAndLineBreaks) {
    EXPECT_EQ(replaceAll("a-b-c", "-", "--"), "a--b--c");
    EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(normaliseLineBreaks("a\nb\r\nc\n"), "a\r\nb\r\nc\r\n");
    // Every "\r\n" first becomes "\n", then every "\n" "\r\n": other carriage returns stay.
    for (const char* text : {"", "plain", "\r", "a\rb", "\r\r\n", "\n\r", "\r\n\r\n\n", "x\r"}) {
        EXPECT_EQ(normaliseLineBreaks(text),
                  replaceAll(replaceAll(text, "\r\n", "\n"), "\n", "\r\n"))
            << text;
    }
}

TEST(Text, OneDecimalInputCutsBackToTheMileageForm) {
    struct Case {
        const char* typed;
        const char* kept;
        bool secondDecimal;
    };
    const Case cases[] = {
        {"12345.6", "12345.6", false}, {"12.", "12.", false}, {"", "", false},
        {"1a2b", "12", false},         {"-5", "5", false},    {"12.34", "12.3", true},
        {"1.2.3", "1.2", true},        {"1..5", "1.5", false}};
    for (const Case& c : cases) {
        bool secondDecimal = !c.secondDecimal;
        EXPECT_EQ(oneDecimalInput(c.typed, secondDecimal), c.kept) << c.typed;
        EXPECT_EQ(secondDecimal, c.secondDecimal) << c.typed;
    }
}

TEST(Text, CaseInsensitiveComparisonCoversLatin1Letters) {
    EXPECT_TRUE(equalsNoCase("Config.XML", "config.xml"));
    EXPECT_TRUE(equalsNoCase("CAF\xC9", "caf\xE9"));
    EXPECT_FALSE(equalsNoCase("\xD7", "\xF7"));  // multiplication and division sign
    EXPECT_FALSE(equalsNoCase("abc", "abcd"));
    EXPECT_TRUE(containsNoCase("ZZDepartureCheck.xml", "departurecheck"));
    EXPECT_TRUE(containsNoCase("anything", ""));
    EXPECT_FALSE(containsNoCase("Route_1.xml", "Config"));
    EXPECT_EQ(foldCase('\xDF'), '\xDF');  // sharp s has no capital here
}

TEST(Text, Latin1AndUtf8) {
    std::string all;
    for (int c = 1; c < 256; ++c) {
        all.push_back(static_cast<char>(c));
    }
    EXPECT_EQ(utf8ToLatin1(latin1ToUtf8(all)), all);
    EXPECT_EQ(latin1ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(utf8ToLatin1("Caf\xC3\xA9"), "Caf\xE9");
    // Characters the 8-bit files cannot hold read as "?": their low bytes would be a markup
    // character (U+263A: ':') or a NUL (U+1F600), which broke the next save.
    EXPECT_EQ(utf8ToLatin1("\xE2\x98\xBA"), "?");
    EXPECT_EQ(utf8ToLatin1("\xF0\x9F\x98\x80"), "?");
    EXPECT_EQ(utf8ToLatin1("\xC4\x80"), "?");
    // A cut-off sequence at the end is kept byte for byte instead of read past the end.
    EXPECT_EQ(utf8ToLatin1("a\xE2\x98"), "a\xE2\x98");
}
