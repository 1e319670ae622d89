#include "doc/FileReports.h"

#include "common/FileValues.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "model/Route.h"

namespace kelvo {

void reportFileRead(Prompter& prompter, const CustomerFile& file, double custId,
                    const FileRead& read) {
    switch (read.result) {
        case LoadResult::Refused:
            prompter.inform(
                format(tr("The customer number %.0f cannot name a file.").c_str(), custId),
                tr("Load Error"));
            break;
        case LoadResult::Damaged:
            prompter.inform(format(tr("Cannot read %s. The file is kept as it is, and nothing is "
                                      "saved to it until it can be read.")
                                       .c_str(),
                                   file.Path(custId).c_str()),
                            tr("Load Error"));
            break;
        case LoadResult::Read:
            reportClampedNumbers(prompter, file.Path(custId), read.clampedNumbers);
            break;
        default:
            break;
    }
}

std::optional<Message> fileChangeMessage(const CustomerFile& file, FileChange change,
                                         const std::string& duplicate) {
    switch (change) {
        case FileChange::Done:
            return std::nullopt;
        case FileChange::Duplicate:
            return Message{duplicate, tr("Invalid data"), MessageIcon::Warning, MessageButtons::Ok};
        case FileChange::Unreadable:
            return Message{format(tr("%s could not be read, so nothing is saved to it.").c_str(),
                                  file.Path().c_str()),
                           tr("Error data files"), MessageIcon::Warning, MessageButtons::Ok};
        case FileChange::NotWritten:
            return Message{format(tr("%s could not be written.").c_str(), file.Path().c_str()),
                           tr("Error data files"), MessageIcon::Warning, MessageButtons::Ok};
    }
    return std::nullopt;
}

void reportCallsLeftOut(Prompter& prompter, const CRoute& route,
                        const std::vector<CallLeftOut>& leftOut) {
    for (const CallLeftOut& call : leftOut) {
        if (call.path.empty()) {
            prompter.inform(
                format(tr("The call %s in %s cannot name a file and is left out.").c_str(),
                       call.CallID.c_str(), route.FilePath().c_str()),
                tr("Load Error"));
        } else {
            prompter.inform(format(tr("Error Opening call XML: %s").c_str(), call.path.c_str()),
                            tr("Load Error"));
        }
    }
}

}  // namespace kelvo
