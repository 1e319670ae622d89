// Kelvo: the route driver's handheld program.
//
//   kelvo [--root DIR] [--scale N] [--lang L] [--kiosk] [--keyboard on|off|auto] [Qt options]
//   kelvo check-day DIR [--json]
//   kelvo check-in SENT RETURNED... [--json] [--pdf FILE]
//
// Scenarios run with kelvo-play (src/scenario).
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "common/Clock.h"
#include "common/DeviceLock.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/DayCheck.h"
#include "doc/DayReport.h"
#include "frame/CommandLine.h"
#include "frame/KelvoApp.h"
#include "model/ConfigData.h"
#include "ui/CheckInCommand.h"
#include "ui/QtPrompter.h"

namespace {

void usage(std::FILE* to) {
    std::fputs(
        "usage: kelvo [--root DIR] [--scale N] [--lang L] [--kiosk] [--keyboard on|off|auto]\n"
        "             [Qt options]\n",
        to);
    kelvo::printOptions(
        to, kelvo::KeyboardDefault::DeviceProperty,
        "  --kiosk      full screen without window decorations; only App > Exit ends Kelvo\n");
    std::fputs(
        "One Kelvo works on a device folder at a time: a second one says so and exits with 3.\n"
        "Scenarios run with kelvo-play.\n"
        "\n"
        "usage: kelvo check-day DIR [--json]\n"
        "  checks a day's import folder before it goes to the device and reports every\n"
        "  finding; exit 0 when Kelvo can work the day, 1 when it cannot, 2 on a usage error\n"
        "\n",
        to);
    std::fputs(kelvo::checkInUsage(), to);
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
            usage(stdout);
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

// Kelvo's own option beside the device options.
void addOptions(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("kiosk"), QString()});
}

// A word where no command is known is a usage error, so a mistyped command never starts the
// program on the default device.
int checkOptions(const QCommandLineParser& parser) {
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "kelvo: unknown command %s\n",
                     parser.positionalArguments().constFirst().toLocal8Bit().constData());
        usage(stderr);
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        usage(stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("kelvo %s\n", kelvo::kAppVersion);
        return 0;
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    // The back office's commands and every usage error run before any Qt object that needs a
    // display.
    if (argc >= 2 && std::strcmp(argv[1], "check-day") == 0) {
        return checkDayCommand(argc, argv);
    }
    if (argc >= 2 && std::strcmp(argv[1], "check-in") == 0) {
        return kelvo::checkInCommand(argc, argv);
    }
    kelvo::CommandLine line("kelvo", addOptions, checkOptions, usage);
    if (const int status = line.checkBeforeApplication(argc, argv); status >= 0) {
        return status;
    }
    if (const int status = line.prepareKeyboard(kelvo::KeyboardDefault::DeviceProperty);
        status >= 0) {
        return status;
    }
    QApplication app(argc, argv);
    // What Qt did not take must be Kelvo's: "-kiosk" with one dash is refused, not ignored.
    if (const int status = line.checkAfterApplication(); status >= 0) {
        return status;
    }
    const std::filesystem::path root = line.deviceRoot();
    // Held until the program ends.
    const kelvo::DeviceLock lock(root);
    if (!lock.held()) {
        return refuseSecondStart(root, lock);
    }
    kelvo::CKelvoApp kelvo(root, std::make_unique<kelvo::QtPrompter>(),
                           std::make_unique<kelvo::SystemClock>());
    if (!kelvo.InitInstance(line.parser().isSet(QStringLiteral("kiosk")))) {
        return 1;
    }
    return app.exec();
}
