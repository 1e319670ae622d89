#pragma once

#include <array>
#include <cstdint>
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
    explicit XmlElement(pugi::xml_node node) : m_node(node) {}
    virtual ~XmlElement() = default;
    XmlElement(const XmlElement&) = default;
    XmlElement& operator=(const XmlElement&) = default;

    // True when the element exists.
    explicit operator bool() const { return bool(m_node); }
    // The element's tag.
    std::string name() const;

    // First direct child element with this tag (null element when there is none).
    XmlElement child(const char* tag) const;
    // The field's text, at most 255 characters.
    std::string text(const char* tag) const;
    // The field's whole text, however long.
    std::string fullText(const char* tag) const;
    // The field as a decimal / whole number.
    double number(const char* tag) const;
    std::int32_t whole(const char* tag) const;
    // First character of the field's text; `missing` when the element or its text is missing.
    char flag(const char* tag, char missing = '\0') const;
    // The element's own text (all text below it), at most 255 characters.
    std::string ownText() const;

    // Number of child elements.
    std::size_t childCount() const;
    // Calls f(XmlElement) for every child element in document order.
    template <class F>
    void forEachChild(F&& f) const {
        for (pugi::xml_node n = m_node.first_child(); n; n = n.next_sibling()) {
            if (n.type() == pugi::node_element) {
                f(XmlElement(n));
            }
        }
    }

protected:
    // The first direct child element with this tag.
    virtual pugi::xml_node find(const char* tag) const;

    pugi::xml_node m_node;
};

// What records of one layout have in common (the stops of a route, the lines of an
// invoice): their tags in order, and where the fields a reader asks for stand. Learnt from the
// first record and reused while the next records have the same tags in the same order.
class XmlRecordLayout {
private:
    friend class XmlFields;
    struct Lookup {
        std::string tag;
        int position;  // index among the record's elements; -1 when the record lacks it
    };
    std::vector<std::string> m_tags;
    std::vector<Lookup> m_lookups;
};

// A record read field by field: the same answers as XmlElement. While records share their
// layout, each field is found where the layout says, so that reading the many fields of a stop
// does not search the record again for each field.
class XmlFields : public XmlElement {
public:
    // Reads `element`, reusing (and learning) the field positions of `layout`.
    XmlFields(const XmlElement& element, XmlRecordLayout& layout);

protected:
    pugi::xml_node find(const char* tag) const override;

private:
    static constexpr std::size_t kMaxFields = 96;
    pugi::xml_node at(int position) const {
        return position < 0 ? pugi::xml_node() : m_children[std::size_t(position)];
    }

    XmlRecordLayout* m_layout = nullptr;  // null: an unusual record, read with plain look-ups
    std::array<pugi::xml_node, kMaxFields> m_children;
    std::size_t m_count = 0;
    mutable std::size_t m_next = 0;  // the layout's lookup expected next
};

// A data file read whole and parsed. The file is read as ISO-8859-1 bytes; texts come back
// as those bytes (characters beyond U+00FF written as references keep only their low byte).
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
    void finish(const pugi::xml_parse_result& result);

    std::string m_buffer;  // the file's bytes, parsed in place when they are ASCII
    pugi::xml_document m_doc;
    bool m_wellFormed = false;
};

}  // namespace kelvo
