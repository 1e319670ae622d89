#include "common/XmlReader.h"

#include <algorithm>
#include <cstring>

#include "common/DeviceFs.h"
#include "common/FileValues.h"
#include "common/Text.h"

namespace kelvo {

namespace {

thread_local ReadObserver* t_observer = nullptr;

// "/Route/Stops/Stop[2]/CustomerName": the tags from the document element down, with the
// position (from 1) among the siblings of the same tag where there are several.
std::string placeOf(pugi::xml_node node) {
    std::string place;
    for (pugi::xml_node n = node; n && n.type() == pugi::node_element; n = n.parent()) {
        std::size_t index = 0;
        std::size_t same = 0;
        for (pugi::xml_node s = n.parent().first_child(); s; s = s.next_sibling()) {
            if (s.type() == pugi::node_element && std::strcmp(s.name(), n.name()) == 0) {
                ++same;
                if (s == n) {
                    index = same;
                }
            }
        }
        std::string step = "/" + std::string(n.name());
        if (same > 1) {
            step += "[" + std::to_string(index) + "]";
        }
        place.insert(0, step);
    }
    return place;
}

// Texts are kept in their element (no text node) when the element holds just one text:
// the fields of a data file are read with one look, and the parse builds half the nodes.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_embed_pcdata;

// All text below a node, in document order (the element's text value). The walk keeps no
// stack: a file nested hundreds of thousands of levels deep must not exhaust it.
void collectText(pugi::xml_node root, std::string& out) {
    out.append(root.value());  // the leading text, kept in the element itself
    for (pugi::xml_node n = root.first_child(); n;) {
        const pugi::xml_node_type type = n.type();
        if (type == pugi::node_pcdata || type == pugi::node_cdata) {
            out.append(n.value());
        } else if (type == pugi::node_element) {
            out.append(n.value());
            if (const pugi::xml_node first = n.first_child()) {
                n = first;
                continue;
            }
        }
        while (!n.next_sibling()) {
            n = n.parent();
            if (n == root) {
                return;
            }
        }
        n = n.next_sibling();
    }
}

// Deepest nesting and most children of one element a data file may have. The data files nest
// six levels at most, and their longest list (a customer's wearers, the products) holds some
// thousands of records; a file beyond either is damaged, and refusing it keeps the memory a
// load takes in proportion to a sensible file.
constexpr std::size_t kMaxDepth = 64;
constexpr std::size_t kMaxChildren = 50000;

// Stops at the first node below the document that nests deeper than kMaxDepth or that makes
// its parent's children more than kMaxChildren. The library's own walk, without recursion.
class LimitWalker : public pugi::xml_tree_walker {
public:
    bool for_each(pugi::xml_node&) override {
        const int d = depth();
        if (d >= static_cast<int>(kMaxDepth)) {
            return false;
        }
        const auto level = static_cast<std::size_t>(d);
        if (level > m_last) {
            m_children[level] = 0;  // the first child of a new parent
        }
        m_last = level;
        return ++m_children[level] <= kMaxChildren;
    }

private:
    std::size_t m_children[kMaxDepth] = {};  // children seen so far on each level
    std::size_t m_last = 0;
};

bool withinLimits(pugi::xml_document& doc) {
    LimitWalker walker;
    return doc.traverse(walker);
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

// The whole text below a node as the file's bytes.
std::string fullText(pugi::xml_node node, bool latin1) {
    std::string text;
    collectText(node, text);
    return latin1 ? text : utf8ToLatin1(text);
}

// Calls f(std::string_view) with the element's text, without a copy when it can.
template <class F>
auto withText(pugi::xml_node node, bool latin1, F&& f) {
    // The usual field holds one text or none, kept in the element: read it where it lies.
    if (!node.first_child()) {
        const std::string_view plain = node.value();
        if (latin1 || isAscii(plain)) {
            return f(plain);
        }
    }
    return f(std::string_view(fullText(node, latin1)));
}

}  // namespace

ScopedReadObserver::ScopedReadObserver(ReadObserver& observer) : m_previous(t_observer) {
    t_observer = &observer;
}

ScopedReadObserver::~ScopedReadObserver() {
    t_observer = m_previous;
}

pugi::xml_node XmlElement::elementFrom(pugi::xml_node n) {
    while (n && n.type() != pugi::node_element) {
        n = n.next_sibling();
    }
    return n;
}

std::string XmlElement::textOf(pugi::xml_node node, bool latin1) {
    return withText(node, latin1, [](std::string_view t) {
        t = t.substr(0, std::min(t.size(), kMaxFieldLength));
        // The usual text holds no control character or line break and is not blank: nothing to
        // bring to what a file carries back.
        const bool plain = std::none_of(t.begin(), t.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n';
        });
        if (plain && (t.empty() || t.find_first_not_of(" \t\n") != std::string_view::npos)) {
            return std::string(t);
        }
        return fileText(t);
    });
}

double XmlElement::numberOf(pugi::xml_node node, bool latin1) {
    return withText(node, latin1, [](std::string_view t) { return toDouble(t); });
}

std::int32_t XmlElement::wholeOf(pugi::xml_node node, bool latin1) {
    return withText(node, latin1, [](std::string_view t) { return toWhole(t); });
}

char XmlElement::flagOf(pugi::xml_node node, bool latin1, char missing) {
    return withText(node, latin1, [missing](std::string_view t) {
        return t.empty() ? missing : fileFlag(t.front(), missing);
    });
}

double XmlElement::clamped(double value) const {
    if (m_state != nullptr) {
        ++m_state->clamped;
    }
    return fileNumber(value, 0);  // the largest whole number a file carries, with the sign
}

std::string XmlElement::name() const {
    return m_latin1 ? std::string(m_node.name()) : utf8ToLatin1(m_node.name());
}

pugi::xml_node XmlElement::search(const char* tag) const {
    if (!m_cursorSet) {
        m_unread = elementFrom(m_node.first_child());
        m_cursorSet = true;
        if (m_unread && std::strcmp(m_unread.name(), tag) == 0) {
            const pugi::xml_node found = m_unread;
            m_unread = elementFrom(found.next_sibling());
            return found;
        }
    }
    // Every child before m_unread has been returned by an earlier read, for another tag, so
    // the first child with this tag from m_unread on is the first one of the element.
    for (pugi::xml_node n = m_unread; n; n = n.next_sibling()) {
        if (n.type() == pugi::node_element && std::strcmp(n.name(), tag) == 0) {
            return n;
        }
    }
    // A field read again, or fields read in another order than the file's.
    for (pugi::xml_node n = m_node.first_child(); n != m_unread; n = n.next_sibling()) {
        if (n.type() == pugi::node_element && std::strcmp(n.name(), tag) == 0) {
            return n;
        }
    }
    return {};
}

XmlElement XmlElement::child(const char* tag) const {
    return XmlElement(find(tag), m_latin1, m_state);
}

XmlElement XmlElement::firstChild() const {
    return XmlElement(elementFrom(m_node.first_child()), m_latin1, m_state);
}

XmlElement XmlElement::nextSibling() const {
    return XmlElement(elementFrom(m_node.next_sibling()), m_latin1, m_state);
}

std::string XmlElement::ownText() const {
    if (observed()) {
        observeText(m_node);
    }
    return textOf(m_node, m_latin1);
}

std::string XmlElement::ownFullText() const {
    return fileText(fullText(m_node, m_latin1));
}

double XmlElement::ownNumber() const {
    if (observed()) {
        observeNumber(m_node, false);
    }
    return withinFile(numberOf(m_node, m_latin1));
}

std::int32_t XmlElement::ownWhole() const {
    if (observed()) {
        observeNumber(m_node, true);
    }
    return wholeOf(m_node, m_latin1);
}

void XmlElement::observeText(pugi::xml_node node) const {
    const std::size_t length =
        withText(node, m_latin1, [](std::string_view t) { return t.size(); });
    if (length > kMaxFieldLength) {
        m_state->observer->textCut(m_state->path, placeOf(node), length);
    }
}

void XmlElement::observeNumber(pugi::xml_node node, bool whole) const {
    std::string text = withText(node, m_latin1, [](std::string_view t) { return std::string(t); });
    if (!isNumberText(text, whole)) {
        m_state->observer->notANumber(m_state->path, placeOf(node), text);
    }
}

std::size_t XmlElement::childCount() const {
    std::size_t n = 0;
    for (pugi::xml_node c = m_node.first_child(); c; c = c.next_sibling()) {
        n += c.type() == pugi::node_element ? 1 : 0;
    }
    return n;
}

bool XmlDocument::load(const DeviceFs& fs, std::string_view devicePath) {
    m_doc.reset();
    m_wellFormed = false;
    m_state.clamped = 0;
    m_state.observer = t_observer;
    m_state.path.clear();
    if (t_observer != nullptr) {
        m_state.path.assign(devicePath);
    }
    if (!fs.readFile(devicePath, m_buffer)) {
        m_buffer.clear();
        return false;
    }
    parseBuffer();
    return true;
}

void XmlDocument::parse(std::string_view content) {
    m_state.clamped = 0;
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
    m_wellFormed = bool(result) && m_doc.document_element() && withinLimits(m_doc);
    if (!m_wellFormed) {
        m_doc.reset();
        m_buffer.clear();
    }
}

XmlElement XmlDocument::root() const {
    return XmlElement(m_doc.document_element(), m_latin1, &m_state);
}

}  // namespace kelvo
