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
    EXPECT_EQ(m_record.fullText("Nope"), "");
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
    const std::string whole = m_record.fullText("Long");
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
    // U+263A cannot be held in one byte: its low byte 0x3A stays.
    EXPECT_EQ(m_record.text("Smiley"), "\x3A");
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

namespace {

struct Abc {
    std::string a, b, c;
};

const auto kAbcFields = std::to_array<XmlRecordReader<Abc>::Field>({
    {"A", [](Abc& r, const XmlElement& e) { r.a = e.ownText(); }},
    {"B", [](Abc& r, const XmlElement& e) { r.b = e.ownText(); }},
    {"C", [](Abc& r, const XmlElement& e) { r.c = std::string(1, e.ownFlag('-')); }},
});

}  // namespace

// Records read through one record reader give the same answers as plain look-ups, whatever
// the next record's order, gaps or repeated tags, and the layout learnt on the way.
TEST(XmlReader, RecordsReadInOnePassLikePlainLookUps) {
    XmlDocument doc;
    doc.parse(
        "<L>"
        "<R><A>1</A><B>b1</B><C>Y</C></R>"
        "<R><A>2</A><B>b2</B><C>N</C></R>"
        "<R><B>b3</B><A>3</A><C>Y</C></R>"
        "<R><A>4</A><C>N</C></R>"
        "<R><B>first</B><A>5</A><B>second</B><C>Y</C><X>unknown</X></R>"
        "<R><A>6</A><B>b6</B><C>N</C></R>"
        "<R><B>first</B><A>7</A><A>again</A><C>Y</C></R>"
        "<R><B>first</B><A>8</A><B>second</B><C></C></R>"
        "<R/>"
        "</L>");
    XmlRecordReader<Abc> reader(kAbcFields);
    std::vector<std::string> seen;
    std::vector<std::string> plain;
    doc.root().forEachChild([&](const XmlElement& record) {
        Abc r{"?", "?", "?"};  // a field the record lacks leaves the target as it was
        reader.read(record, r);
        seen.push_back(r.a + "|" + r.b + "|" + r.c);
        plain.push_back((record.child("A") ? record.text("A") : "?") + "|" +
                        (record.child("B") ? record.text("B") : "?") + "|" +
                        (record.child("C") ? std::string(1, record.flag("C", '-')) : "?"));
    });
    EXPECT_EQ(seen, plain);
    EXPECT_EQ(seen, (std::vector<std::string>{"1|b1|Y", "2|b2|N", "3|b3|Y", "4|?|N", "5|first|Y",
                                              "6|b6|N", "7|first|Y", "8|first|-", "?|?|?"}));
}
