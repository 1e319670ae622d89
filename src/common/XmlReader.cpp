#include "common/XmlReader.h"

#include <cstring>

#include "common/DeviceFs.h"
#include "common/Text.h"

namespace kelvo {

namespace {

// All text below a node, in document order (the element's text value).
void collectText(pugi::xml_node node, std::string& out) {
    for (pugi::xml_node n = node.first_child(); n; n = n.next_sibling()) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) {
            out.append(n.value());
        } else if (n.type() == pugi::node_element) {
            collectText(n, out);
        }
    }
}

bool isAscii(std::string_view s) {
    // Eight bytes at a time: a whole file is checked before it is parsed.
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080ull) {
            return false;
        }
    }
    for (; i < s.size(); ++i) {
        if (static_cast<unsigned char>(s[i]) >= 0x80) {
            return false;
        }
    }
    return true;
}

// The text of an element that holds one plain ASCII text and nothing else (the common case:
// fields like <PayTotal>12.50</PayTotal>), without copying; false for anything else.
bool plainText(pugi::xml_node node, std::string_view& out) {
    const pugi::xml_node first = node.first_child();
    if (!first) {
        out = {};
        return true;  // an empty element
    }
    if ((first.type() != pugi::node_pcdata && first.type() != pugi::node_cdata) ||
        first.next_sibling()) {
        return false;
    }
    out = first.value();
    return isAscii(out);
}

std::string fullTextOf(pugi::xml_node node) {
    if (!node) {
        return {};
    }
    std::string_view plain;
    if (plainText(node, plain)) {
        return std::string(plain);
    }
    std::string utf8;
    collectText(node, utf8);
    return utf8ToLatin1(utf8);
}

// Calls f with the field's text when it can be read without a copy; else with the full text.
template <class F>
auto withText(pugi::xml_node node, F&& f) {
    std::string_view plain;
    if (!node || plainText(node, plain)) {
        return f(plain);
    }
    const std::string full = fullTextOf(node);
    return f(std::string_view(full));
}

}  // namespace

pugi::xml_node XmlElement::find(const char* tag) const {
    return m_node ? m_node.child(tag) : pugi::xml_node();
}

std::string XmlElement::name() const {
    return m_node ? utf8ToLatin1(m_node.name()) : std::string();
}

XmlElement XmlElement::child(const char* tag) const {
    return XmlElement(find(tag));
}

std::string XmlElement::text(const char* tag) const {
    return withText(find(tag), [](std::string_view t) { return textFromElement(t); });
}

std::string XmlElement::fullText(const char* tag) const {
    return fullTextOf(find(tag));
}

double XmlElement::number(const char* tag) const {
    return withText(find(tag), [](std::string_view t) { return toDouble(t); });
}

std::int32_t XmlElement::whole(const char* tag) const {
    return withText(find(tag), [](std::string_view t) { return toWhole(t); });
}

char XmlElement::flag(const char* tag, char missing) const {
    return withText(find(tag),
                    [missing](std::string_view t) { return t.empty() ? missing : t.front(); });
}

XmlFields::XmlFields(const XmlElement& element, XmlRecordLayout& layout) : XmlElement(element) {
    for (pugi::xml_node n = m_node.first_child(); n; n = n.next_sibling()) {
        if (n.type() != pugi::node_element) {
            continue;
        }
        if (m_count == kMaxFields) {
            return;  // m_layout stays null
        }
        m_children[m_count++] = n;
    }
    bool same = layout.m_tags.size() == m_count;
    for (std::size_t i = 0; same && i < m_count; ++i) {
        same = std::strcmp(layout.m_tags[i].c_str(), m_children[i].name()) == 0;
    }
    if (!same) {
        layout.m_tags.clear();
        for (std::size_t i = 0; i < m_count; ++i) {
            layout.m_tags.emplace_back(m_children[i].name());
        }
        layout.m_lookups.clear();
    }
    m_layout = &layout;
}

pugi::xml_node XmlFields::find(const char* tag) const {
    if (!m_layout) {
        return XmlElement::find(tag);
    }
    auto& lookups = m_layout->m_lookups;
    if (m_next < lookups.size() && std::strcmp(lookups[m_next].tag.c_str(), tag) == 0) {
        return at(lookups[m_next++].position);
    }
    int position = -1;
    for (std::size_t i = 0; i < m_count; ++i) {
        if (std::strcmp(m_children[i].name(), tag) == 0) {
            position = static_cast<int>(i);
            break;
        }
    }
    if (m_next == lookups.size()) {
        lookups.push_back({tag, position});  // the first record teaches the order of the reads
        ++m_next;
    }
    return at(position);
}

std::size_t XmlElement::childCount() const {
    std::size_t n = 0;
    for (pugi::xml_node c = m_node.first_child(); c; c = c.next_sibling()) {
        n += c.type() == pugi::node_element ? 1 : 0;
    }
    return n;
}

std::string XmlElement::ownText() const {
    return textFromElement(fullTextOf(m_node));
}

bool XmlDocument::load(const DeviceFs& fs, std::string_view devicePath) {
    m_doc.reset();
    m_buffer.clear();
    m_wellFormed = false;
    if (!fs.readFile(devicePath, m_buffer)) {
        return false;
    }
    if (isAscii(m_buffer)) {
        // ASCII reads the same in ISO-8859-1 and UTF-8: parse the bytes where they are.
        finish(m_doc.load_buffer_inplace(m_buffer.data(), m_buffer.size(), pugi::parse_default,
                                         pugi::encoding_utf8));
    } else {
        parse(m_buffer);
        m_buffer.clear();
    }
    return true;
}

void XmlDocument::parse(std::string_view content) {
    m_doc.reset();
    finish(m_doc.load_buffer(content.data(), content.size(), pugi::parse_default,
                             pugi::encoding_latin1));
}

void XmlDocument::finish(const pugi::xml_parse_result& result) {
    m_wellFormed = bool(result) && m_doc.document_element();
    if (!m_wellFormed) {
        m_doc.reset();
        m_buffer.clear();
    }
}

XmlElement XmlDocument::root() const {
    return XmlElement(m_doc.document_element());
}

}  // namespace kelvo
