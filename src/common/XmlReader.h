#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

    // Calls f(XmlElement) for every child element in document order.
    template <class F>
    void forEachChild(F&& f) const {
        for (pugi::xml_node n = m_node.first_child(); n; n = n.next_sibling()) {
            if (n.type() == pugi::node_element) {
                f(XmlElement(n));
            }
        }
    }

private:
    pugi::xml_node m_node;
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
    pugi::xml_document m_doc;
    bool m_wellFormed = false;
};

}  // namespace kelvo
