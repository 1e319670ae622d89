#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <filesystem>
#include <optional>

// The command line shared by the programs that open a device folder (kelvo, kelvo-play):
// their own options are checked strictly, Qt's (one dash: "-platform offscreen") go to Qt.
namespace kelvo {

// Where the on-screen keyboard's mode comes from when --keyboard is not given: the device's
// property "Keyboard" (else auto) for the driver's program; off for a scenario, so that no
// scenario depends on the input devices of the machine running it.
enum class KeyboardDefault { DeviceProperty, Off };

// What every program on a device folder is told: --root DIR, --scale N, --lang L,
// --keyboard on|off|auto.
struct DeviceOptions {
    QString root;                         // "": $KELVO_ROOT, else the default folder
    QString scale = QStringLiteral("2");  // the 240 x 320 window is tiny on a desktop screen
    QString lang;                         // "": the system's locale
    QString keyboard;                     // "": as KeyboardDefault says
};

// A program's command line, checked twice: before the QApplication, on argv without what
// looks like Qt's options, so that a usage error is told without a display; and after it, on
// what Qt did not take, which must all be the program's.
class CommandLine {
public:
    // Adds the program's own options beside the device options and --help/-h, --version.
    using AddOptions = void (*)(QCommandLineParser& parser);
    // Looks at what was parsed: the status to exit with (help, version, a wrong argument),
    // or -1 to go on.
    using Check = int (*)(const QCommandLineParser& parser);
    // Prints the usage to `to`.
    using Usage = void (*)(std::FILE* to);

    CommandLine(const char* program, AddOptions addOptions, Check check, Usage usage);

    // Before the QApplication: -1 to go on (with --scale applied), else the exit status (2
    // with the usage on standard error for an unknown option or a missing value).
    int checkBeforeApplication(int argc, char** argv);

    // Before the QApplication: loads the on-screen keyboard or not, as --keyboard says, else
    // as `fallback` says. -1 to go on, else 2 (with the usage) for a word that names no mode.
    int prepareKeyboard(KeyboardDefault fallback);

    // After the QApplication: -1 to go on (with the program's name, the C numbers of the data
    // files and the language of --lang installed), else the exit status.
    int checkAfterApplication();

    // The options of the last check.
    const QCommandLineParser& parser() const { return *m_parser; }

    // The device folder: --root, else $KELVO_ROOT, else the default folder.
    std::filesystem::path deviceRoot() const;

private:
    int check(const QStringList& arguments);
    DeviceOptions deviceOptions() const;

    const char* m_program;
    AddOptions m_addOptions;
    Check m_check;
    Usage m_usage;
    std::optional<QCommandLineParser> m_parser;  // a parser takes its options once
};

// Prints the option lines of a usage: the device options (--keyboard with the default that
// `keyboard` gives), the program's own lines `ownOptions`, --version, and how Qt's options
// are given.
void printOptions(std::FILE* to, KeyboardDefault keyboard, const char* ownOptions);

// argv as a list, without what looks like Qt's options (one dash, with the value that
// follows unless that is an option itself).
QStringList withoutQtOptions(int argc, char** argv);

}  // namespace kelvo
