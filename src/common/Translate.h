#pragma once

#include <string>

namespace kelvo {

// A user-visible text of the core in the driver's language (ISO-8859-1). The GUI installs a
// translator backed by Qt's translations; without one the text is returned unchanged.
std::string tr(const char* sourceText);

// Installs the translator used by tr().
void setTranslator(std::string (*translator)(const char* sourceText));

}  // namespace kelvo
