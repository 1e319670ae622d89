#include "frame/CommandLine.h"

#include <QApplication>
#include <clocale>

#include "common/DeviceFs.h"
#include "common/Properties.h"
#include "frame/KelvoApp.h"
#include "ui/Language.h"
#include "ui/QtPrompter.h"
#include "ui/TouchInput.h"

namespace kelvo {

void printOptions(std::FILE* to, KeyboardDefault keyboard, const char* ownOptions) {
    std::fputs(
        "  --root DIR   the folder that plays the handheld's file system\n"
        "               (default $KELVO_ROOT, else ~/.local/share/kelvo/device)\n"
        "  --scale N    enlarge the 240 x 320 window N times (default 2)\n"
        "  --lang L     the language of the screens: es (Spanish) or en (English);\n"
        "               default the system's locale\n",
        to);
    std::fputs(
        keyboard == KeyboardDefault::DeviceProperty
            ? "  --keyboard M the on-screen keyboard: on, off, or auto (on with a touch screen "
              "and\n"
              "               no keyboard); default the property Keyboard, else auto\n"
            : "  --keyboard M the on-screen keyboard: on, off or auto (default off, as on a "
              "desktop)\n",
        to);
    std::fputs(ownOptions, to);
    std::fputs(
        "  --version    print the version and exit\n"
        "Qt's own options take one dash, e.g. -platform offscreen.\n",
        to);
}

CommandLine::CommandLine(const char* program, AddOptions addOptions, Check check, Usage usage)
    : m_program(program), m_addOptions(addOptions), m_check(check), m_usage(usage) {}

int CommandLine::check(const QStringList& arguments) {
    m_parser.emplace();
    m_parser->addOption({QStringLiteral("root"), QString(), QStringLiteral("DIR")});
    m_parser->addOption({QStringLiteral("scale"), QString(), QStringLiteral("N")});
    m_parser->addOption({QStringLiteral("lang"), QString(), QStringLiteral("L")});
    m_parser->addOption({QStringLiteral("keyboard"), QString(), QStringLiteral("M")});
    m_parser->addOption({{QStringLiteral("h"), QStringLiteral("help")}, QString()});
    m_parser->addOption({QStringLiteral("version"), QString()});
    m_addOptions(*m_parser);
    if (!m_parser->parse(arguments)) {
        std::fprintf(stderr, "%s: %s\n", m_program,
                     m_parser->errorText().toLocal8Bit().constData());
        m_usage(stderr);
        return 2;
    }
    return m_check(*m_parser);
}

int CommandLine::checkBeforeApplication(int argc, char** argv) {
    const int status = check(withoutQtOptions(argc, argv));
    const QString scale = deviceOptions().scale;
    if (status < 0 && !scale.isEmpty() && scale != QLatin1String("1") &&
        qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", scale.toLocal8Bit());
    }
    return status;
}

// A property that names no mode is said and taken as auto, so that a typing error in the
// device's file never keeps Kelvo from starting; a wrong option is a usage error.
int CommandLine::prepareKeyboard(KeyboardDefault fallback) {
    const QString option = deviceOptions().keyboard;
    std::optional<KeyboardMode> mode = KeyboardMode::Off;
    if (!option.isEmpty()) {
        mode = keyboardModeNamed(option.toStdString());
        if (!mode) {
            std::fprintf(stderr, "%s: --keyboard %s: use on, off or auto\n", m_program,
                         option.toLocal8Bit().constData());
            m_usage(stderr);
            return 2;
        }
    } else if (fallback == KeyboardDefault::DeviceProperty) {
        // A device folder that is not there yet has no property, and is not made here: a
        // usage error found after this must leave no trace.
        const std::filesystem::path root = deviceRoot();
        std::error_code ec;
        const std::string word = std::filesystem::is_directory(root, ec)
                                     ? readProperty(DeviceFs(root), "Keyboard").value_or("auto")
                                     : "auto";
        mode = keyboardModeNamed(word);
        if (!mode) {
            std::fprintf(stderr, "%s: Keyboard=%s in Kelvo.properties: taken as auto\n", m_program,
                         word.c_str());
            mode = KeyboardMode::Auto;
        }
    }
    kelvo::prepareKeyboard(keyboardWanted(*mode));
    return -1;
}

int CommandLine::checkAfterApplication() {
    const int status = check(QApplication::arguments());
    if (status < 0) {
        QApplication::setApplicationName(QStringLiteral("Kelvo"));
        // Data files always carry a '.' decimal point, whatever the desktop's locale says.
        std::setlocale(LC_NUMERIC, "C");
        installQtPlatformHooks();
        installLanguage(deviceOptions().lang);
    }
    return status;
}

DeviceOptions CommandLine::deviceOptions() const {
    DeviceOptions o;
    o.root = m_parser->value(QStringLiteral("root"));
    if (m_parser->isSet(QStringLiteral("scale"))) {
        o.scale = m_parser->value(QStringLiteral("scale"));
    }
    o.lang = m_parser->value(QStringLiteral("lang"));
    o.keyboard = m_parser->value(QStringLiteral("keyboard"));
    return o;
}

std::filesystem::path CommandLine::deviceRoot() const {
    const QString root = deviceOptions().root;
    return root.isEmpty() ? defaultDeviceRoot()
                          : std::filesystem::path(root.toLocal8Bit().toStdString());
}

QStringList withoutQtOptions(int argc, char** argv) {
    QStringList out;
    for (int i = 0; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const bool qtOption = i > 0 && arg.size() > 2 && arg.startsWith(QLatin1Char('-')) &&
                              !arg.startsWith(QLatin1String("--"));
        if (!qtOption) {
            out << arg;
            continue;
        }
        // "-platform offscreen": the value goes with it. A Qt option without a value
        // ("-reverse") followed by a word leaves the word to the check after Qt took its own.
        if (i + 1 < argc && argv[i + 1][0] != '-') {
            ++i;
        }
    }
    return out;
}

}  // namespace kelvo
