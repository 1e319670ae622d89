#include "model/Call.h"

#include "common/FileWriter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr std::string_view kLine = "\r\n\t";

// data root + "\VexXml\Call_" + id + ending; "" for an id that cannot name a file.
std::string callPath(std::string_view dataRoot, std::string_view callId, const char* ending) {
    if (!isSafeNamePart(callId)) {
        return {};
    }
    return std::string(dataRoot) + "\\VexXml\\Call_" + std::string(callId) + ending;
}

}  // namespace

std::string callStatusName(std::int32_t status) {
    if (status < 1 || status > static_cast<std::int32_t>(kCallStatusNames.size())) {
        return {};
    }
    return tr(kCallStatusNames[static_cast<std::size_t>(status - 1)]);
}

std::string CCall::Content() const {
    std::string out = "<Call>";
    appendTextElement(out, kLine, "NewDate", NewDate);
    appendWholeElement(out, kLine, "Person", Person);
    appendTextElement(out, kLine, "Category", Category);
    appendWholeElement(out, kLine, "Status", Status);
    appendTextElement(out, kLine, "Notes", Notes);
    appendTextElement(out, kLine, "FollowupNotes", FollowupNotes);
    out.append("\r\n</Call>");
    return out;
}

bool CCall::Save(const DeviceFs& fs, std::string_view dataRoot, std::string_view name) const {
    const std::string path = callFilePath(dataRoot, name.empty() ? std::string_view(CallID) : name);
    return !path.empty() && writeFileAtomic(fs, path, Content());
}

std::string callPrefix(std::string_view routeDate, std::int32_t routeNumber,
                       std::uint32_t stopNumber, double customerNumber) {
    return std::string(routeDate) + padZeros(format("%d", routeNumber), 4) +
           padZeros(format("%d", static_cast<std::int32_t>(stopNumber)), 4) +
           padZeros(format("%.0f", customerNumber), 12);
}

std::string makeCallID(std::string_view prefix, double sequence) {
    return std::string(prefix) + padZeros(format("%.0f", sequence), 2);
}

std::string callFilePath(std::string_view dataRoot, std::string_view callId) {
    return callPath(dataRoot, callId, ".xml");
}

std::string voiceFilePath(std::string_view dataRoot, std::string_view callId) {
    return callPath(dataRoot, callId, ".wav");
}

std::string voiceRecordingPath(std::string_view dataRoot, std::string_view callId) {
    return callPath(dataRoot, callId, "_T.wav");
}

}  // namespace kelvo
