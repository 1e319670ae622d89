// kelvo-play: runs a scenario (docs/scenarios.md) with the real program.
//
//   kelvo-play [--root DIR] [--scale N] [--lang L] [--keyboard on|off|auto] [--out DIR]
//              [--strict] [--timings] FILE.scn [Qt options]
//
// The scenario player is a program of its own so that the driver's program carries neither it
// nor Qt Test, whose event helpers it taps and types with.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <filesystem>
#include <string>

#include "frame/CommandLine.h"
#include "scenario/ScenarioPlayer.h"

namespace {

void usage(std::FILE* to) {
    std::fputs(
        "usage: kelvo-play [--root DIR] [--scale N] [--lang L] [--keyboard on|off|auto]\n"
        "                  [--out DIR] [--strict] [--timings] FILE.scn [Qt options]\n"
        "  runs the scenario FILE.scn with the real program on a device folder (use an empty\n"
        "  one) and exits with 0 (passed), 1 (failed) or 2 (not runnable, or a usage error)\n",
        to);
    kelvo::printOptions(
        to, kelvo::KeyboardDefault::Off,
        "  --out DIR    where the scenario's screenshots go (default: beside the scenario)\n"
        "  --strict     fail a scenario that leaves message boxes unchecked\n"
        "  --timings    print how long each step of the scenario took, and the slowest five\n");
    std::fputs("The player takes the device folder as Kelvo does: on a folder in use it exits\n"
               "with 2.\n",
               to);
}

// The player's own options beside the device options.
void addOptions(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("out"), QString(), QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("strict"), QString()});
    parser.addOption({QStringLiteral("timings"), QString()});
}

// One scenario per run.
int checkOptions(const QCommandLineParser& parser) {
    if (parser.isSet(QStringLiteral("help"))) {
        usage(stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::puts("kelvo-play");
        return 0;
    }
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "kelvo-play: %s\n",
                     parser.positionalArguments().isEmpty() ? "needs the scenario to run"
                                                            : "runs one scenario at a time");
        usage(stderr);
        return 2;
    }
    return -1;
}

std::string localPath(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    kelvo::CommandLine line("kelvo-play", addOptions, checkOptions, usage);
    if (const int status = line.checkBeforeApplication(argc, argv); status >= 0) {
        return status;
    }
    if (const int status = line.prepareKeyboard(kelvo::KeyboardDefault::Off); status >= 0) {
        return status;
    }
    QApplication app(argc, argv);
    if (const int status = line.checkAfterApplication(); status >= 0) {
        return status;
    }
    const QCommandLineParser& parser = line.parser();
    // The player takes the device's lock itself, for the run.
    return kelvo::runScenario(line.deviceRoot(),
                              localPath(parser.positionalArguments().constFirst()),
                              localPath(parser.value(QStringLiteral("out"))),
                              parser.isSet(QStringLiteral("strict")),
                              parser.isSet(QStringLiteral("timings")));
}
