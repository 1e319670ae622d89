#pragma once

#include <string>

// Marks a text kept in a table that tr() translates where it is shown, so that lupdate takes it
// into the translations (its option -tr-function-alias QT_TR_NOOP+=KELVO_TR_NOOP).
#define KELVO_TR_NOOP(text) text

namespace kelvo {

// A user-visible text of the core in the driver's language (ISO-8859-1). The GUI installs a
// translator backed by Qt's translations; without one the text is returned unchanged.
std::string tr(const char* sourceText);

// Installs the translator used by tr().
void setTranslator(std::string (*translator)(const char* sourceText));

}  // namespace kelvo
