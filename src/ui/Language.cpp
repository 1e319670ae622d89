#include "ui/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <vector>

namespace kelvo {

namespace {
std::vector<QTranslator*> g_installed;  // owned by the application object
}

QString installLanguage(const QString& language) {
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) {
        return QStringLiteral("en");
    }
    auto* kelvo = new QTranslator(QCoreApplication::instance());
    // The translations are compiled into the program (src/CMakeLists.txt).
    if (!kelvo->load(locale, QStringLiteral("kelvo"), QStringLiteral("_"),
                     QStringLiteral(":/i18n"))) {
        delete kelvo;
        return QStringLiteral("en");
    }
    QCoreApplication::installTranslator(kelvo);
    g_installed.push_back(kelvo);
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        g_installed.push_back(qt);
    } else {
        delete qt;
    }
    return QLocale::languageToCode(locale.language());
}

void removeLanguage() {
    for (QTranslator* t : g_installed) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    g_installed.clear();
}

}  // namespace kelvo
