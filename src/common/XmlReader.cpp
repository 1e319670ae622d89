#include "common/XmlReader.h"

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

std::string fullTextOf(pugi::xml_node node) {
    if (!node) {
        return {};
    }
    std::string utf8;
    collectText(node, utf8);
    return utf8ToLatin1(utf8);
}

pugi::xml_node childElement(pugi::xml_node node, const char* tag) {
    return node ? node.child(tag) : pugi::xml_node();
}

}  // namespace

std::string XmlElement::name() const {
    return m_node ? utf8ToLatin1(m_node.name()) : std::string();
}

XmlElement XmlElement::child(const char* tag) const {
    return XmlElement(childElement(m_node, tag));
}

std::string XmlElement::text(const char* tag) const {
    return textFromElement(fullText(tag));
}

std::string XmlElement::fullText(const char* tag) const {
    return fullTextOf(childElement(m_node, tag));
}

double XmlElement::number(const char* tag) const {
    return toDouble(fullText(tag));
}

std::int32_t XmlElement::whole(const char* tag) const {
    return toWhole(fullText(tag));
}

char XmlElement::flag(const char* tag, char missing) const {
    const std::string t = fullText(tag);
    return t.empty() ? missing : t.front();
}

std::string XmlElement::ownText() const {
    return textFromElement(fullTextOf(m_node));
}

bool XmlDocument::load(const DeviceFs& fs, std::string_view devicePath) {
    std::string content;
    m_doc.reset();
    m_wellFormed = false;
    if (!fs.readFile(devicePath, content)) {
        return false;
    }
    parse(content);
    return true;
}

void XmlDocument::parse(std::string_view content) {
    m_doc.reset();
    const pugi::xml_parse_result result = m_doc.load_buffer(
        content.data(), content.size(), pugi::parse_default, pugi::encoding_latin1);
    m_wellFormed = bool(result) && m_doc.document_element();
    if (!m_wellFormed) {
        m_doc.reset();
    }
}

XmlElement XmlDocument::root() const {
    return XmlElement(m_doc.document_element());
}

}  // namespace kelvo
