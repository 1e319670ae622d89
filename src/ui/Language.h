#pragma once

#include <QString>

namespace kelvo {

// Installs the program's translations for a language ("es"), or for the system's locale when
// `language` is empty; "en" and a language without translations keep the English texts.
// Qt's own texts (the buttons of message boxes) follow where Qt has them. Returns the language
// whose texts are shown ("en" when none was installed). Call once the QApplication exists.
QString installLanguage(const QString& language);

// Removes the translations installed by installLanguage: the texts are English again.
void removeLanguage();

}  // namespace kelvo
