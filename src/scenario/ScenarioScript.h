#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scenario/ScenarioStep.h"

namespace kelvo {

// A scenario file read into steps. One step per line; "#" at the start of a line, or "#"
// followed by a blank, starts a comment ("#1023" names a widget); texts are in double quotes
// with the escapes \" \\ \t \r \n, except device paths, which are taken as written (their
// backslashes separate folders); numbers are decimal or hexadecimal (0x1f).
// Texts are kept as UTF-8: a file that is not valid UTF-8 is read as ISO-8859-1.
class ScenarioScript {
public:
    // Parses the whole content. On the first line that cannot be read the script holds no
    // steps and error()/errorLine() say why.
    static ScenarioScript parse(std::string_view content);

    // True when every line was understood.
    bool ok() const { return m_errorLine == 0; }
    // The steps in file order, each with its line number.
    const std::vector<ScenarioStep>& steps() const { return m_steps; }
    // The line that could not be read (0 when none) and the reason.
    int errorLine() const { return m_errorLine; }
    const std::string& error() const { return m_error; }

private:
    std::vector<ScenarioStep> m_steps;
    int m_errorLine = 0;
    std::string m_error;
};

}  // namespace kelvo
