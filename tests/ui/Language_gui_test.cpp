#include "ui/Language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "common/Text.h"
#include "common/Translate.h"
#include "common/WaitCursor.h"
#include "ui/QtPrompter.h"

using namespace kelvo;

namespace {

// The core's texts as the program looks them up, back in UTF-8 for comparing.
std::string core(const char* text) {
    return latin1ToUtf8(tr(text));
}

QString screenText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

// Spanish for the length of a test; English (and no core hooks) again after it.
struct Spanish : ::testing::Test {
    void SetUp() override { installQtPlatformHooks(); }
    void TearDown() override {
        removeLanguage();
        setTranslator(nullptr);
        WaitCursor::setHooks(nullptr, nullptr);
    }
};

}  // namespace

// The texts of the core are found whichever class or function of the core they are written
// in, and so are the screens' own; a text without a translation stays English.
TEST_F(Spanish, ReachesTheCoreAndTheScreens) {
    ASSERT_EQ(installLanguage(QStringLiteral("es")), QStringLiteral("es"));
    EXPECT_EQ(core("Load Error"), "Error de carga");  // several classes
    EXPECT_EQ(core("Perform safety checks ?"),
              "¿Hacer la revisión de seguridad?");     // free function
    EXPECT_EQ(core("Settled"), "Liquidada");           // a record's member
    EXPECT_EQ(core("&Start Route"), "&Iniciar ruta");  // the screen table
    EXPECT_EQ(core("Dec"), "dic");                     // a table of names
    EXPECT_EQ(core("no route file: Kelvo has no route to offer"),
              "ningún archivo de ruta: Kelvo no tiene ruta que ofrecer");  // the day check
    EXPECT_EQ(core("A text the program never shows"), "A text the program never shows");
    EXPECT_EQ(screenText("kelvo::CKelvoView", "Start Screen"),
              QStringLiteral("Pantalla de inicio"));
    EXPECT_EQ(screenText("kelvo::CStopSelectView", "Undel"), QStringLiteral("No ent."));

    removeLanguage();
    EXPECT_EQ(core("Load Error"), "Load Error");
    EXPECT_EQ(screenText("kelvo::CKelvoView", "Start Screen"), QStringLiteral("Start Screen"));
}

// English, and a language without translations, keep the English texts.
TEST_F(Spanish, EnglishAndUnknownLanguagesKeepTheTexts) {
    EXPECT_EQ(installLanguage(QStringLiteral("en")), QStringLiteral("en"));
    EXPECT_EQ(core("Load Error"), "Load Error");
    EXPECT_EQ(installLanguage(QStringLiteral("fi")), QStringLiteral("en"));
    EXPECT_EQ(core("Load Error"), "Load Error");
}
