#pragma once

#include <array>
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

// A record read field by field: the same answers as XmlElement, but the children are indexed
// by tag once, so that reading the many fields of a stop or an invoice line does not scan
// the record again for each field. Lives on the stack; holds no heap memory.
class XmlFields : public XmlElement {
public:
    explicit XmlFields(const XmlElement& element);

protected:
    pugi::xml_node find(const char* tag) const override;

private:
    static constexpr std::size_t kSlots = 128;
    static constexpr std::size_t kMaxFields = 96;
    struct Slot {
        std::uint32_t hash = 0;
        pugi::xml_node node;
    };
    bool used(std::size_t i) const { return (m_used[i / 64] >> (i % 64)) & 1u; }

    std::array<Slot, kSlots> m_slots;  // only the slots marked in m_used are set
    std::array<std::uint64_t, kSlots / 64> m_used{};
    bool m_indexed = false;
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
