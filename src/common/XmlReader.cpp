#include "common/XmlReader.h"

#include <cstring>

#include "common/DeviceFs.h"
#include "common/Text.h"

namespace kelvo {

namespace {

// Texts are kept in their element (no text node) when the element holds just one text:
// the fields of a data file are read with one look, and the parse builds half the nodes.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_embed_pcdata;

// All text below a node, in document order (the element's text value).
void collectText(pugi::xml_node node, std::string& out) {
    out.append(node.value());  // the leading text, kept in the element itself
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

}  // namespace

template <class F>
auto XmlElement::withText(F&& f) const {
    // The usual field holds one text or none, kept in the element: read it where it lies.
    if (!m_node.first_child()) {
        const std::string_view plain = m_node.value();
        if (m_latin1 || isAscii(plain)) {
            return f(plain);
        }
    }
    return f(std::string_view(ownFullText()));
}

std::string XmlElement::name() const {
    return m_latin1 ? std::string(m_node.name()) : utf8ToLatin1(m_node.name());
}

std::string XmlElement::ownText() const {
    return withText([](std::string_view t) { return textFromElement(t); });
}

std::string XmlElement::ownFullText() const {
    std::string text;
    collectText(m_node, text);
    return m_latin1 ? text : utf8ToLatin1(text);
}

double XmlElement::ownNumber() const {
    return withText([](std::string_view t) { return toDouble(t); });
}

std::int32_t XmlElement::ownWhole() const {
    return withText([](std::string_view t) { return toWhole(t); });
}

char XmlElement::ownFlag(char missing) const {
    return withText([missing](std::string_view t) { return t.empty() ? missing : t.front(); });
}

std::size_t XmlElement::childCount() const {
    std::size_t n = 0;
    for (pugi::xml_node c = m_node.first_child(); c; c = c.next_sibling()) {
        n += c.type() == pugi::node_element ? 1 : 0;
    }
    return n;
}

XmlRecordLayout::XmlRecordLayout(std::vector<const char*> fieldTags)
    : m_fieldTags(std::move(fieldTags)) {}

int XmlRecordLayout::learn(std::size_t position, const char* tag) {
    // The record departs from the last one here: what was learnt for the children before this
    // one still holds (it depends only on the tags before it), the rest is learnt again.
    m_tags.resize(position);
    m_fields.resize(position);
    int field = -1;
    for (std::size_t i = 0; i < m_fieldTags.size(); ++i) {
        if (std::strcmp(m_fieldTags[i], tag) == 0) {
            field = static_cast<int>(i);
            break;
        }
    }
    for (const int earlier : m_fields) {
        if (field >= 0 && earlier == field) {
            field = -1;  // a repeated tag: the first one is the field
        }
    }
    m_tags.emplace_back(tag);
    m_fields.push_back(field);
    return field;
}

bool XmlDocument::load(const DeviceFs& fs, std::string_view devicePath) {
    m_doc.reset();
    m_wellFormed = false;
    if (!fs.readFile(devicePath, m_buffer)) {
        m_buffer.clear();
        return false;
    }
    parseBuffer();
    return true;
}

void XmlDocument::parse(std::string_view content) {
    m_buffer.assign(content);
    parseBuffer();
}

void XmlDocument::parseBuffer() {
    m_doc.reset();
    // Bytes are taken one by one (ISO-8859-1). Parsed as UTF-8 they come out as they went in:
    // the parser passes bytes beyond ASCII through untouched and sees the same markup. Only
    // character references read differently (the parser writes them out as UTF-8): with
    // references, texts are converted on reading, and a file that also has bytes beyond
    // ASCII is converted to UTF-8 before it is parsed.
    m_latin1 = m_buffer.find("&#") == std::string::npos;
    pugi::xml_parse_result result;
    if (m_latin1 || isAscii(m_buffer)) {
        result = m_doc.load_buffer_inplace(m_buffer.data(), m_buffer.size(), kParseOptions,
                                           pugi::encoding_utf8);
    } else {
        result = m_doc.load_buffer(m_buffer.data(), m_buffer.size(), kParseOptions,
                                   pugi::encoding_latin1);
        m_buffer.clear();
    }
    m_wellFormed = bool(result) && m_doc.document_element();
    if (!m_wellFormed) {
        m_doc.reset();
        m_buffer.clear();
    }
}

XmlElement XmlDocument::root() const {
    return XmlElement(m_doc.document_element(), m_latin1);
}

}  // namespace kelvo
