#include "ui/CheckInCommand.h"

#include <QGuiApplication>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "common/Text.h"
#include "doc/CheckIn.h"
#include "doc/CheckInReport.h"
#include "ui/CheckInPdf.h"

namespace kelvo {

namespace {

int usageError(const std::string& what) {
    std::fprintf(stderr, "kelvo check-in: %s\n", what.c_str());
    std::fputs(checkInUsage(), stderr);
    return 2;
}

// Qt's remarks about the platform it paints on (a missing runtime folder, for one) are not the
// cashier's business; failures still end in a message.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "kelvo check-in: %s\n", message.toLocal8Bit().constData());
    }
}

// Paints the sheet on the offscreen platform: a cashier's machine needs no display for it.
bool writeSheet(const char* program, const std::string& file, const CheckInResult& result) {
    qInstallMessageHandler(quietQt);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char* argv[] = {const_cast<char*>(program), nullptr};
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // the figures keep their decimal point
    return writeCheckInPdf(QString::fromStdString(file), checkInSheet(result));
}

}  // namespace

const char* checkInUsage() {
    return "usage: kelvo check-in SENT RETURNED... [--json] [--pdf FILE]\n"
           "  checks in the folders that came back from the handhelds (RETURNED, each an\n"
           "  After Arrival folder) against the folder the office sent (SENT): the money to\n"
           "  receive, what happened to every stop and invoice, the adjustments to approve, the\n"
           "  work to hand on and every inconsistency; --json prints it all as JSON, --pdf\n"
           "  writes the check-in sheet the cashier signs; exit 0 when the day checks in\n"
           "  clean, 1 when it does not, 2 on a usage error\n";
}

int checkInCommand(int argc, char** argv) {
    std::vector<std::filesystem::path> folders;
    std::string pdf;
    bool json = false;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--json") {
            json = true;
        } else if (arg == "--pdf") {
            if (i + 1 >= argc) {
                return usageError("--pdf needs the file to write");
            }
            pdf = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(checkInUsage(), stdout);
            return 0;
        } else if (arg.starts_with("-")) {
            return usageError("unexpected argument " + arg);
        } else {
            folders.emplace_back(arg);
        }
    }
    if (folders.size() < 2) {
        return usageError(folders.empty() ? "needs the folder sent and a folder that came back"
                                          : "needs a folder that came back");
    }
    for (const auto& folder : folders) {
        std::error_code ec;
        if (!std::filesystem::is_directory(folder, ec)) {
            return usageError(folder.string() + ": not a folder");
        }
    }
    const std::vector<std::filesystem::path> returned(folders.begin() + 1, folders.end());
    const CheckInResult result = checkIn(folders.front(), returned);
    const std::string report = json ? checkInJson(result) : checkInText(result);
    std::fputs(report.c_str(), stdout);
    if (!pdf.empty() && !writeSheet(argv[0], pdf, result)) {
        std::fflush(stdout);
        return usageError(pdf + ": the check-in sheet could not be written");
    }
    return result.Clean() ? 0 : 1;
}

}  // namespace kelvo
