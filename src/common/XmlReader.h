#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace kelvo {

class DeviceFs;

// One element of a parsed data file, read the way every loader reads its records: a field
// is the first direct child element with the field's tag; texts keep at most 255 characters;
// numbers come from the first 31 characters; a flag is the first character. Missing
// elements read as "", 0 or '\0'. A null element answers every question with those values.
class XmlElement {
public:
    XmlElement() = default;
    // `latin1`: the document's texts are already the file's bytes (see XmlDocument).
    XmlElement(pugi::xml_node node, bool latin1) : m_node(node), m_latin1(latin1) {}

    // True when the element exists.
    explicit operator bool() const { return bool(m_node); }
    // The element's tag.
    std::string name() const;

    // First direct child element with this tag (null element when there is none).
    XmlElement child(const char* tag) const { return XmlElement(find(tag), m_latin1); }
    // The field's text, at most 255 characters.
    std::string text(const char* tag) const { return child(tag).ownText(); }
    // The field's whole text, however long.
    std::string fullText(const char* tag) const { return child(tag).ownFullText(); }
    // The field as a decimal / whole number.
    double number(const char* tag) const { return child(tag).ownNumber(); }
    std::int32_t whole(const char* tag) const { return child(tag).ownWhole(); }
    // First character of the field's text; `missing` when the element or its text is missing.
    char flag(const char* tag, char missing = '\0') const {
        return child(tag).ownFlag(missing);
    }

    // The same questions asked of the element's own text (all text below it).
    std::string ownText() const;
    std::string ownFullText() const;
    double ownNumber() const;
    std::int32_t ownWhole() const;
    char ownFlag(char missing = '\0') const;

    // Number of child elements.
    std::size_t childCount() const;
    // Calls f(XmlElement) for every child element in document order.
    template <class F>
    void forEachChild(F&& f) const {
        for (pugi::xml_node n = m_node.first_child(); n; n = n.next_sibling()) {
            if (n.type() == pugi::node_element) {
                f(XmlElement(n, m_latin1));
            }
        }
    }

private:
    template <class T>
    friend class XmlRecordReader;

    // The first direct child element with this tag.
    pugi::xml_node find(const char* tag) const {
        return m_node ? m_node.child(tag) : pugi::xml_node();
    }
    // Calls f(std::string_view) with the element's text, without a copy when it can.
    template <class F>
    auto withText(F&& f) const;

    pugi::xml_node m_node;
    bool m_latin1 = true;
};

// Which field each child element of a record is, learnt from the first record and reused
// while the next records have the same tags in the same order (the stops of a route), so that
// a record's children are matched with one comparison each.
class XmlRecordLayout {
public:
    explicit XmlRecordLayout(std::vector<const char*> fieldTags);

    // The field (index into the tags) of the child at `position` whose tag is `tag`; -1 when
    // the tag is no field, or a field already met earlier in the record. Positions are asked
    // in order from 0 for each record.
    int fieldAt(std::size_t position, const char* tag) {
        if (position < m_tags.size() && std::strcmp(m_tags[position].c_str(), tag) == 0) {
            return m_fields[position];
        }
        return learn(position, tag);
    }

private:
    int learn(std::size_t position, const char* tag);

    std::vector<const char*> m_fieldTags;
    std::vector<std::string> m_tags;  // the tags of the last record's children, in order
    std::vector<int> m_fields;        // the field of each of them
};

// Reads records of one kind into a target in one pass over their children: each field's
// reader is called with the first child element that has the field's tag, in document order.
// Fields a record lacks are not called: the target keeps what it had.
template <class Target>
class XmlRecordReader {
public:
    struct Field {
        const char* tag;
        void (*read)(Target&, const XmlElement&);
    };

    template <std::size_t N>
    explicit XmlRecordReader(const std::array<Field, N>& fields)
        : m_fields(fields.begin(), fields.end()), m_layout(tagsOf(m_fields)) {}

    void read(const XmlElement& record, Target& target) {
        std::size_t position = 0;
        for (pugi::xml_node n = record.m_node.first_child(); n; n = n.next_sibling()) {
            if (n.type() != pugi::node_element) {
                continue;
            }
            const int field = m_layout.fieldAt(position++, n.name());
            if (field >= 0) {
                m_fields[static_cast<std::size_t>(field)].read(target,
                                                               XmlElement(n, record.m_latin1));
            }
        }
    }

private:
    static std::vector<const char*> tagsOf(const std::vector<Field>& fields) {
        std::vector<const char*> tags;
        for (const Field& f : fields) {
            tags.push_back(f.tag);
        }
        return tags;
    }

    std::vector<Field> m_fields;
    XmlRecordLayout m_layout;
};

// A data file read whole and parsed. The file is read as ISO-8859-1 bytes; texts come back
// as those bytes (characters beyond U+00FF written as references keep only their low byte).
// Files are parsed where they lie in memory; only a file with both bytes beyond ASCII and
// character references is converted first, and its texts on reading.
class XmlDocument {
public:
    // Reads and parses a device file. False only when the file cannot be opened (missing,
    // unreadable or oversized). A file that is not well formed loads, but has no root
    // element and wellFormed() is false.
    bool load(const DeviceFs& fs, std::string_view devicePath);
    // Parses a text already in memory (same rules as load).
    void parse(std::string_view content);

    // The document element (null when the file did not parse).
    XmlElement root() const;
    // True when the file parsed.
    bool wellFormed() const { return m_wellFormed; }

private:
    void parseBuffer();

    std::string m_buffer;  // the file's bytes, parsed in place
    pugi::xml_document m_doc;
    bool m_latin1 = true;  // the parsed texts are the file's bytes
    bool m_wellFormed = false;
};

}  // namespace kelvo
