#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "daygen/Text.h"

namespace daygen {

// Free-layout XML writer for the back office's lists: one element per line, tab indentation,
// "\r\n" line breaks, no declaration, no final line break (the same style as the handheld's files).
class XmlText {
public:
    explicit XmlText(std::string root) {
        m_text = "<" + root + ">";
        m_open.push_back(std::move(root));
    }
    void open(const std::string& tag) {
        newLine();
        m_text += "<" + tag + ">";
        m_open.push_back(tag);
    }
    void leaf(const std::string& tag, std::string_view value) {
        newLine();
        m_text += "<" + tag + ">" + esc(value) + "</" + tag + ">";
    }
    void leaf(const std::string& tag, long long value) { leaf(tag, std::to_string(value)); }
    void close() {
        const std::string tag = m_open.back();
        m_open.pop_back();
        newLine();
        m_text += "</" + tag + ">";
    }
    std::string finish() {
        while (!m_open.empty())
            close();
        return m_text;
    }

private:
    void newLine() {
        m_text += "\r\n";
        m_text.append(m_open.size(), '\t');
    }
    std::string m_text;
    std::vector<std::string> m_open;
};

}  // namespace daygen
