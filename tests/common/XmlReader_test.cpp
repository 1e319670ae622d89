#include "common/XmlReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::fixture;
using kelvo::test::TempDevice;

namespace {

// Loads a fixture of tests/data/xml through a device root, as every loader reads its file.
class XmlReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dev.putFixture("\\VexXml\\Fields.xml", fixture("xml/Fields.xml"));
        ASSERT_TRUE(m_doc.load(m_dev.fs(), "\\VexXml\\Fields.xml"));
        ASSERT_TRUE(m_doc.wellFormed());
        m_record = m_doc.root().child("Record");
        ASSERT_TRUE(m_record);
    }

    TempDevice m_dev;
    XmlDocument m_doc;
    XmlElement m_record;
};

}  // namespace

TEST_F(XmlReaderTest, FieldIsTheFirstDirectChildWithItsTag) {
    EXPECT_EQ(m_doc.root().name(), "Records");
    // "Code" inside <Inner> comes first in the file but is a grandchild.
    EXPECT_EQ(m_record.text("Code"), "child");
    EXPECT_EQ(m_record.child("Inner").text("Code"), "grandchild");
    EXPECT_EQ(m_doc.root().text("Code"), "");
}

TEST_F(XmlReaderTest, RecordsAreTheChildElementsInOrder) {
    std::vector<std::string> codes;
    m_doc.root().forEachChild([&](const XmlElement& record) {
        EXPECT_EQ(record.name(), "Record");
        codes.push_back(record.text("Code"));
    });
    EXPECT_EQ(codes, (std::vector<std::string>{"child", "next"}));
}

TEST_F(XmlReaderTest, MissingFieldsReadAsEmptyZeroOrTheFlagDefault) {
    EXPECT_FALSE(m_record.child("Nope"));
    EXPECT_EQ(m_record.text("Nope"), "");
    EXPECT_EQ(m_record.number("Nope"), 0.0);
    EXPECT_EQ(m_record.whole("Nope"), 0);
    EXPECT_EQ(m_record.flag("Nope"), '\0');
    EXPECT_EQ(m_record.flag("Nope", 'N'), 'N');
    EXPECT_EQ(m_record.flag("Empty", 'N'), 'N');
    EXPECT_EQ(m_record.text("Empty"), "");
    // A null element answers in the same way, however deep the chain.
    const XmlElement none = m_record.child("Nope").child("Deeper");
    EXPECT_EQ(none.name(), "");
    EXPECT_EQ(none.text("Code"), "");
    EXPECT_EQ(none.whole("Code"), 0);
    EXPECT_EQ(none.ownText(), "");
    int calls = 0;
    none.forEachChild([&](const XmlElement&) { ++calls; });
    EXPECT_EQ(calls, 0);
}

TEST_F(XmlReaderTest, NumbersAndFlags) {
    EXPECT_DOUBLE_EQ(m_record.number("Amount"), 12.75);
    EXPECT_EQ(m_record.whole("Amount"), 12);
    EXPECT_EQ(m_record.whole("Quantity"), 42);
    EXPECT_EQ(m_record.flag("Settled"), 'Y');
    EXPECT_EQ(m_record.number("Name"), 0.0);
}

TEST_F(XmlReaderTest, TextsKeepAtMost255CharactersUnlessReadWhole) {
    const std::string whole = m_record.child("Long").ownFullText();
    ASSERT_EQ(whole.size(), 300u);
    EXPECT_EQ(whole.substr(0, 3), "ABC");
    EXPECT_EQ(whole.substr(297), "LMN");
    EXPECT_EQ(m_record.text("Long"), whole.substr(0, 255));
    EXPECT_EQ(m_record.child("Long").ownText(), whole.substr(0, 255));
}

TEST_F(XmlReaderTest, TextsComeBackAsLatin1Bytes) {
    // A Latin-1 byte in the file, and the escapes of the writers, decoded.
    EXPECT_EQ(m_record.text("Name"), "Caf\xE9 & Bar <1>");
    EXPECT_EQ(m_record.text("Accent"), "\xE9");
    // U+263A cannot be held in one byte.
    EXPECT_EQ(m_record.text("Smiley"), "?");
    // The file's CRLF inside an element reads as one line feed.
    EXPECT_EQ(m_record.text("Lines"), "first line\nsecond line");
}

// A file is parsed where it lies unless it has both bytes beyond ASCII and character
// references; the texts must not depend on which way it went.
TEST(XmlReader, TextsAreTheSameBytesWhicheverWayTheFileIsParsed) {
    const char* body =
        "<N>Caf\xE9 &amp; <![CDATA[<Bar>]]> \xFF</N>"
        "<M>one<I>two</I>three</M>"
        "<L>first\r\nsecond\rthird</L>"
        "<\xC4rger>tag</\xC4rger>";
    for (const char* extra : {"", "<Ref>&#233;</Ref>"}) {
        XmlDocument doc;
        doc.parse(std::string("<R>") + body + extra + "</R>");
        ASSERT_TRUE(doc.wellFormed()) << extra;
        const XmlElement r = doc.root();
        EXPECT_EQ(r.text("N"), "Caf\xE9 & <Bar> \xFF") << extra;
        EXPECT_EQ(r.text("M"), "onetwothree") << extra;
        EXPECT_EQ(r.child("M").ownFullText(), "onetwothree") << extra;
        EXPECT_EQ(r.text("L"), "first\nsecond\nthird") << extra;
        std::string names;
        r.forEachChild([&](const XmlElement& e) { names += e.name() + ","; });
        EXPECT_EQ(names.substr(0, 9), "N,M,L,\xC4rg") << extra;
    }

    // An ASCII file with references, parsed in place.
    XmlDocument ascii;
    ascii.parse("<R><A>&#233;t&#xE9;</A><B>plain</B></R>");
    EXPECT_EQ(ascii.root().text("A"), "\xE9t\xE9");
    EXPECT_EQ(ascii.root().text("B"), "plain");
}

// A text nested 100,000 levels deep in a 700 kB Config.xml crashed every start; such a file
// is refused as damaged, and nesting within the limit is read without recursion.
TEST(XmlReader, AbsurdNestingIsRefusedAndDeepNestingReadWithoutExhaustingTheStack) {
    const auto nested = [](int depth) {
        std::string xml = "<R><A>a";
        for (int i = 0; i < depth; ++i) {
            xml += "<B>";
        }
        xml += "b";
        for (int i = 0; i < depth; ++i) {
            xml += "</B>c";
        }
        return xml + "</A></R>";
    };
    XmlDocument doc;
    doc.parse(nested(100000));
    EXPECT_FALSE(doc.wellFormed());
    EXPECT_FALSE(doc.root());
    doc.parse(nested(60));
    ASSERT_TRUE(doc.wellFormed());
    const std::string text = doc.root().child("A").ownFullText();
    EXPECT_EQ(text.size(), 2u + 60);
    EXPECT_EQ(text.substr(0, 4), "abcc");
    // As many records as a list may have, but not more.
    std::string wide = "<R>";
    for (int i = 0; i < 50001; ++i) {
        wide += "<S/>";
    }
    doc.parse(wide + "</R>");
    EXPECT_FALSE(doc.wellFormed());
    doc.parse(wide.substr(0, wide.size() - 4) + "</R>");
    EXPECT_TRUE(doc.wellFormed());
}

TEST(XmlReader, TheFileDeclarationDoesNotChangeTheEncoding) {
    XmlDocument doc;
    doc.parse("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<R><A>Caf\xC3\xA9</A></R>");
    ASSERT_TRUE(doc.wellFormed());
    // The bytes are taken one by one, as the device's code page reads them.
    EXPECT_EQ(doc.root().text("A"), "Caf\xC3\xA9");
}

TEST(XmlReader, ANotWellFormedFileLoadsWithoutRoot) {
    TempDevice dev;
    dev.putFixture("\\VexXml\\Broken.xml", fixture("xml/Broken.xml"));
    XmlDocument doc;
    EXPECT_TRUE(doc.load(dev.fs(), "\\VexXml\\Broken.xml"));
    EXPECT_FALSE(doc.wellFormed());
    EXPECT_FALSE(doc.root());
    EXPECT_EQ(doc.root().text("Record"), "");

    for (const char* content : {"", "   ", "plain text", "<A><B></A>", "<A>x</B>"}) {
        dev.put("\\VexXml\\Bad.xml", content);
        EXPECT_TRUE(doc.load(dev.fs(), "\\VexXml\\Bad.xml")) << content;
        EXPECT_FALSE(doc.wellFormed()) << content;
        EXPECT_FALSE(doc.root()) << content;
    }
}

TEST(XmlReader, AMissingFileDoesNotLoadAndForgetsTheLastDocument) {
    TempDevice dev;
    dev.put("\\VexXml\\Good.xml", "<R><A>1</A></R>");
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dev.fs(), "\\VexXml\\Good.xml"));
    ASSERT_TRUE(doc.root());
    EXPECT_FALSE(doc.load(dev.fs(), "\\VexXml\\Missing.xml"));
    EXPECT_FALSE(doc.wellFormed());
    EXPECT_FALSE(doc.root());
    EXPECT_FALSE(doc.load(dev.fs(), "\\VexXml"));
}

// Fields are looked for from where the fields read before them end; the answers must be
// those of a search from the first child, whatever the order of the reads and of the file,
// gaps, unknown elements and repeated tags.
TEST(XmlReader, FieldsReadInAnyOrderGiveTheFirstChildWithTheirTag) {
    XmlDocument doc;
    doc.parse(
        "<L>"
        "<R><A>1</A><B>b1</B><C>Y</C></R>"
        "<R><B>b2</B><A>2</A><C>N</C></R>"
        "<R><A>3</A><C>N</C></R>"
        "<R><B>first</B><A>4</A><B>second</B><!-- x --><C>Y</C><X>unknown</X></R>"
        "<R><X>unknown</X><A>5</A><A>again</A><C>Y</C><B>b5</B></R>"
        "<R/>"
        "</L>");
    std::vector<std::string> inOrder, reversed;
    doc.root().forEachChild([&](const XmlElement& r) {
        inOrder.push_back(r.text("A") + "|" + r.text("B") + "|" + std::string(1, r.flag("C", '-')));
    });
    doc.root().forEachChild([&](const XmlElement& r) {
        const char c = r.flag("C", '-');
        const std::string b = r.text("B");
        reversed.push_back(r.text("A") + "|" + b + "|" + std::string(1, c));
    });
    const std::vector<std::string> expected = {"1|b1|Y",    "2|b2|N", "3||N",
                                               "4|first|Y", "5|b5|Y", "||-"};
    EXPECT_EQ(inOrder, expected);
    EXPECT_EQ(reversed, expected);

    // A field read a second time is found again.
    const XmlElement first = doc.root().child("R");
    EXPECT_EQ(first.text("A"), "1");
    EXPECT_EQ(first.text("C"), "Y");
    EXPECT_EQ(first.number("A"), 1.0);
    EXPECT_EQ(first.text("Nope"), "");
    EXPECT_EQ(first.text("B"), "b1");
}
