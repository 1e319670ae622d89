#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Only the files that read data files include this header, never another header, so that
// pugixml stays inside them (tests/layers.cmake checks it). The accessors a route file's
// reader calls tens of thousands of times are inline.
#include <pugixml.hpp>

#include "common/FileValues.h"

namespace kelvo {

class DeviceFs;

// Told of each value a reader takes from a file otherwise than the file writes it: a text cut
// to the 255 characters a field keeps, a number field whose text is not a number as a whole.
// The program reads without one; the day check installs one (ScopedReadObserver) around the
// very loaders the program runs, so that it finds what they would read differently.
class ReadObserver {
public:
    virtual ~ReadObserver() = default;
    // path: the device path of the file; element: the element's place, such as
    // "/Route/Stops/Stop[2]/CustomerName" (an index only where siblings share the tag).
    virtual void textCut(const std::string& path, const std::string& element,
                         std::size_t length) = 0;
    virtual void notANumber(const std::string& path, const std::string& element,
                            const std::string& text) = 0;
};

// Installs an observer for the documents this thread loads while the scope lasts.
class ScopedReadObserver {
public:
    explicit ScopedReadObserver(ReadObserver& observer);
    ~ScopedReadObserver();
    ScopedReadObserver(const ScopedReadObserver&) = delete;
    ScopedReadObserver& operator=(const ScopedReadObserver&) = delete;

private:
    ReadObserver* m_previous;
};

// What the elements of one document share: the count of clamped numbers and, while a day
// check runs, the observer and the file's path.
struct XmlDocumentState {
    std::size_t clamped = 0;
    ReadObserver* observer = nullptr;
    std::string path;
};

// One element of a parsed data file, read the way every loader reads its records: a field
// is the first direct child element with the field's tag; texts keep at most 255 characters;
// numbers come from the first 31 characters; a flag is the first character. Missing
// elements read as "", 0 or '\0'. A null element answers every question with those values.
//
// Records are read one plain statement per field (`s.CustomerName = e.text("CustomerName")`;
// not several reads in the arguments of one call, whose order of evaluation is not fixed).
// The search for a field starts where the fields read before it end, so a record read in
// the order of its file costs one comparison per field; any other order gives the same
// answers, only slower. Read each field of a record once: a second read of a tag that the
// file repeats may find the repeat.
class XmlElement {
public:
    XmlElement() = default;

    // True when the element exists.
    explicit operator bool() const { return !m_node.empty(); }
    // The element's tag.
    std::string name() const;

    // First direct child element with this tag (null element when there is none).
    XmlElement child(const char* tag) const;
    // The field's text, at most 255 characters.
    std::string text(const char* tag) const {
        const pugi::xml_node node = find(tag);
        if (observed()) [[unlikely]] {
            observeText(node);
        }
        return textOf(node, m_latin1);
    }
    // The field as a decimal number, with the value the file gives: the writers round it as
    // their formats say, the program computes with it whole. A text that is not a number reads
    // as 0; a magnitude beyond what a file carries (kMaxFileNumber in FileValues.h) is clamped,
    // keeping its sign, and counted by the document (XmlDocument::clampedNumbers).
    double number(const char* tag) const {
        const pugi::xml_node node = find(tag);
        if (observed()) [[unlikely]] {
            observeNumber(node, false);
        }
        return withinFile(numberOf(node, m_latin1));
    }
    // The field as a whole number.
    std::int32_t whole(const char* tag) const {
        const pugi::xml_node node = find(tag);
        if (observed()) [[unlikely]] {
            observeNumber(node, true);
        }
        return wholeOf(node, m_latin1);
    }
    // First character of the field's text; `missing` when the element or its text is missing,
    // or the character is white space or a control character (see fileFlag).
    char flag(const char* tag, char missing = '\0') const {
        return flagOf(find(tag), m_latin1, missing);
    }

    // The same questions asked of the element's own text (all text below it).
    std::string ownText() const;
    // The whole text, however long.
    std::string ownFullText() const;
    double ownNumber() const;
    std::int32_t ownWhole() const;

    // Number of child elements.
    std::size_t childCount() const;
    // Calls f(const XmlElement&) for every child element in document order.
    template <class F>
    void forEachChild(F&& f) const {
        for (XmlElement c = firstChild(); c; c = c.nextSibling()) {
            f(static_cast<const XmlElement&>(c));
        }
    }

private:
    friend class XmlDocument;
    XmlElement(pugi::xml_node node, bool latin1, XmlDocumentState* state)
        : m_node(node), m_latin1(latin1), m_state(state) {}
    bool observed() const { return m_state != nullptr && m_state->observer != nullptr; }
    // The value, clamped to kMaxFileNumber (and counted) when it is beyond it.
    double withinFile(double value) const {
        if (value > kMaxFileNumber || value < -kMaxFileNumber) [[unlikely]] {
            return clamped(value);
        }
        return value;
    }
    double clamped(double value) const;
    // Tell the observer of a text beyond 255 characters / a text that is not a number.
    void observeText(pugi::xml_node node) const;
    void observeNumber(pugi::xml_node node, bool whole) const;
    XmlElement firstChild() const;
    XmlElement nextSibling() const;
    // The first child element with this tag, looked for from m_unread on.
    pugi::xml_node find(const char* tag) const {
        // Fields read in the file's order are found at m_unread itself (a null node's name is
        // "", which is no tag).
        if (m_cursorSet && std::strcmp(m_unread.name(), tag) == 0) {
            const pugi::xml_node found = m_unread;
            m_unread = found.next_sibling();
            if (m_unread.type() != pugi::node_element) {
                m_unread = elementFrom(m_unread);
            }
            return found;
        }
        return search(tag);
    }
    pugi::xml_node search(const char* tag) const;
    static pugi::xml_node elementFrom(pugi::xml_node n);
    // The questions asked of an element's own text.
    static std::string textOf(pugi::xml_node node, bool latin1);
    static double numberOf(pugi::xml_node node, bool latin1);
    static std::int32_t wholeOf(pugi::xml_node node, bool latin1);
    static char flagOf(pugi::xml_node node, bool latin1, char missing);

    pugi::xml_node m_node;
    // The first child element that no field read has returned yet: every child before it has
    // been returned, so a field is looked for from here on.
    mutable pugi::xml_node m_unread;
    mutable bool m_cursorSet = false;  // false: no field read yet
    bool m_latin1 = true;              // the texts are already the file's bytes (see XmlDocument)
    XmlDocumentState* m_state = nullptr;  // the document's count of clamped numbers, observer
};

// A data file read whole and parsed. The file is read as ISO-8859-1 bytes; texts come back
// as those bytes, as a file carries them back (fileText: a character beyond U+00FF written as
// a reference reads as "?", a control character as "?"). A file nested deeper than 64 levels
// or with an element of more than 50,000 children is damaged: it does not count as well formed.
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

    // The document element (null when the file did not parse). Valid while the document is.
    XmlElement root() const;
    // True when the file parsed.
    bool wellFormed() const { return m_wellFormed; }
    // Numbers read that were beyond what a file carries and had to be clamped.
    std::size_t clampedNumbers() const { return m_state.clamped; }

private:
    void parseBuffer();

    std::string m_buffer;  // the file's bytes, parsed in place
    pugi::xml_document m_doc;
    bool m_latin1 = true;  // the parsed texts are the file's bytes
    bool m_wellFormed = false;
    mutable XmlDocumentState m_state;
};

}  // namespace kelvo
