// Kelvo: the route driver's handheld program.
//
//   kelvo [--root DIR] [--scale N] [--kiosk] [--keyboard on|off|auto]
//         [--play FILE.scn [--out DIR] [--strict] [--timings]] [Qt options]
//   kelvo check-day DIR [--json]
//   kelvo check-in SENT RETURNED... [--json] [--pdf FILE]
#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "common/Clock.h"
#include "common/DeviceFs.h"
#include "common/DeviceLock.h"
#include "common/Prompter.h"
#include "common/Properties.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/DayCheck.h"
#include "doc/DayReport.h"
#include "frame/KelvoApp.h"
#include "model/ConfigData.h"
#include "scenario/ScenarioPlayer.h"
#include "ui/CheckInCommand.h"
#include "ui/Language.h"
#include "ui/QtPrompter.h"
#include "ui/TouchInput.h"

namespace {

struct Options {
    std::string root;
    std::string scale = "2";  // the 240 x 320 window is tiny on a desktop screen
    std::string play;
    std::string out;
    std::string lang;      // "": the system's locale
    std::string keyboard;  // "": the device's property "Keyboard", else auto
    bool strict = false;
    bool timings = false;
    bool kiosk = false;
};

void usage() {
    std::fputs(
        "usage: kelvo [--root DIR] [--scale N] [--kiosk] [--keyboard on|off|auto]\n"
        "             [--play FILE.scn [--out DIR] [--strict] [--timings]]\n"
        "  --root DIR   the folder that plays the handheld's file system\n"
        "               (default $KELVO_ROOT, else ~/.local/share/kelvo/device)\n"
        "  --scale N    enlarge the 240 x 320 window N times (default 2)\n"
        "  --lang L     the language of the screens: es (Spanish) or en (English);\n"
        "               default the system's locale\n"
        "  --kiosk      full screen without window decorations; only App > Exit ends Kelvo\n"
        "  --keyboard M the on-screen keyboard: on, off, or auto (on with a touch screen and\n"
        "               no keyboard); default the property Keyboard, else auto; scenarios off\n"
        "  --version    print the version and exit\n"
        "  --play FILE  run a scenario and exit with 0 (passed), 1 (failed) or 2 (not runnable)\n"
        "  --out DIR    where the scenario's screenshots go (default: beside the scenario)\n"
        "  --strict     fail a scenario that leaves message boxes unchecked\n"
        "  --timings    print how long each step of the scenario took, and the slowest five\n"
        "Other options go to Qt, e.g. -platform offscreen.\n"
        "One Kelvo works on a device folder at a time: a second one says so and exits with 3.\n"
        "\n"
        "usage: kelvo check-day DIR [--json]\n"
        "  checks a day's import folder before it goes to the device and reports every\n"
        "  finding; exit 0 when Kelvo can work the day, 1 when it cannot, 2 on a usage error\n"
        "\n",
        stdout);
    std::fputs(kelvo::checkInUsage(), stdout);
}

// kelvo check-day DIR [--json]: runs without a display, before any Qt object exists.
int checkDayCommand(int argc, char** argv) {
    std::string folder;
    bool json = false;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--json") {
            json = true;
        } else if (arg == "--help" || arg == "-h") {
            usage();
            return 0;
        } else if (folder.empty() && !arg.starts_with("-")) {
            folder = arg;
        } else {
            std::fprintf(stderr, "kelvo check-day: unexpected argument %s\n", arg.c_str());
            return 2;
        }
    }
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) {
        std::fprintf(stderr, "kelvo check-day: %s\n",
                     folder.empty() ? "needs the folder to check" : "not a folder");
        std::fputs("usage: kelvo check-day DIR [--json]\n", stderr);
        return 2;
    }
    const kelvo::DayCheckResult result = kelvo::checkDay(folder);
    const std::string name = kelvo::utf8ToLatin1(folder);
    const std::string report =
        json ? kelvo::dayReportJson(result, name) : kelvo::dayReportText(result, name);
    std::fputs(report.c_str(), stdout);
    return result.Workable() ? 0 : 1;
}

// A second Kelvo on the same device folder: it says so and touches nothing. The driver who
// tapped the icon twice sees a message box; on a platform without a screen (offscreen, minimal)
// nobody could close one, so there the message goes to standard error only.
int refuseSecondStart(const std::filesystem::path& root, const kelvo::DeviceLock& lock) {
    const std::string text = kelvo::tr("Kelvo is already running on this device.");
    std::fprintf(
        stderr, "kelvo: %s (%s%s)\n", kelvo::latin1ToUtf8(text).c_str(),
        lock.holder() > 0 ? ("process " + std::to_string(lock.holder()) + ", ").c_str() : "",
        root.string().c_str());
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) {
        kelvo::QtPrompter().inform(text, "Kelvo", kelvo::MessageIcon::Warning);
    }
    return 3;
}

// Takes Kelvo's own options out of argv; the rest is left for Qt. False on a bad option.
bool parseOptions(int& argc, char** argv, Options& o) {
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& target) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "kelvo: %s needs a value\n", arg.c_str());
                return false;
            }
            target = argv[++i];
            return true;
        };
        if (arg == "--root" || arg == "--scale" || arg == "--play" || arg == "--out" ||
            arg == "--lang" || arg == "--keyboard") {
            std::string& target = arg == "--root"       ? o.root
                                  : arg == "--scale"    ? o.scale
                                  : arg == "--play"     ? o.play
                                  : arg == "--lang"     ? o.lang
                                  : arg == "--keyboard" ? o.keyboard
                                                        : o.out;
            if (!value(target)) {
                return false;
            }
        } else if (arg == "--strict") {
            o.strict = true;
        } else if (arg == "--timings") {
            o.timings = true;
        } else if (arg == "--kiosk") {
            o.kiosk = true;
        } else if (arg == "--help" || arg == "-h") {
            usage();
            std::exit(0);
        } else if (arg == "--version") {
            std::printf("kelvo %s\n", kelvo::kAppVersion);
            std::exit(0);
        } else {
            rest.push_back(argv[i]);
        }
    }
    argc = static_cast<int>(rest.size());
    for (int i = 0; i < argc; ++i) {
        argv[i] = rest[static_cast<std::size_t>(i)];
    }
    argv[argc] = nullptr;
    return true;
}

// Decides before Qt starts whether the on-screen keyboard is loaded: the option wins over the
// device's property "Keyboard", else auto. A scenario plays as on a desktop unless it asks for
// the keyboard, so that no scenario depends on the input devices of the machine running it.
// False on an option that names no mode; a property that names none is said and taken as auto,
// so that a typing error in the device's file never keeps Kelvo from starting.
bool prepareKeyboard(const Options& o, const std::filesystem::path& root) {
    std::optional<kelvo::KeyboardMode> mode = kelvo::KeyboardMode::Off;
    if (!o.keyboard.empty()) {
        mode = kelvo::keyboardModeNamed(o.keyboard);
        if (!mode) {
            std::fprintf(stderr, "kelvo: --keyboard %s: use on, off or auto\n", o.keyboard.c_str());
            return false;
        }
    } else if (o.play.empty()) {
        const std::string word =
            kelvo::readProperty(kelvo::DeviceFs(root), "Keyboard").value_or("auto");
        mode = kelvo::keyboardModeNamed(word);
        if (!mode) {
            std::fprintf(stderr, "kelvo: Keyboard=%s in Kelvo.properties: taken as auto\n",
                         word.c_str());
            mode = kelvo::KeyboardMode::Auto;
        }
    }
    kelvo::prepareKeyboard(kelvo::keyboardWanted(*mode));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "check-day") == 0) {
        return checkDayCommand(argc, argv);
    }
    if (argc >= 2 && std::strcmp(argv[1], "check-in") == 0) {
        return kelvo::checkInCommand(argc, argv);
    }
    Options options;
    if (!parseOptions(argc, argv, options)) {
        usage();
        return 2;
    }
    const std::filesystem::path root =
        options.root.empty() ? kelvo::defaultDeviceRoot() : std::filesystem::path(options.root);
    if (!prepareKeyboard(options, root)) {
        usage();
        return 2;
    }
    if (!options.scale.empty() && options.scale != "1" &&
        qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(options.scale));
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvo"));
    // Data files always carry a '.' decimal point, whatever the desktop's locale says.
    std::setlocale(LC_NUMERIC, "C");
    kelvo::installQtPlatformHooks();
    kelvo::installLanguage(QString::fromStdString(options.lang));

    if (!options.play.empty()) {
        return kelvo::runScenario(root, options.play, options.out, options.strict, options.timings);
    }
    // Held until the program ends; the scenario player takes it itself.
    const kelvo::DeviceLock lock(root);
    if (!lock.held()) {
        return refuseSecondStart(root, lock);
    }
    kelvo::CKelvoApp kelvo(root, std::make_unique<kelvo::QtPrompter>(),
                           std::make_unique<kelvo::SystemClock>());
    if (!kelvo.InitInstance(options.kiosk)) {
        return 1;
    }
    return app.exec();
}
