#include "model/CallList.h"

#include <algorithm>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileValues.h"
#include "common/Text.h"
#include "common/WaitCursor.h"
#include "common/XmlReader.h"
#include "model/Route.h"

namespace kelvo {

namespace {

void readCall(const XmlElement& e, CCall& c) {
    c.NewDate = e.text("NewDate");
    c.Person = e.whole("Person");
    c.Category = e.text("Category");
    c.Status = e.whole("Status");
    c.Notes = normaliseLineBreaks(e.text("Notes"));
    c.FollowupNotes = normaliseLineBreaks(e.text("FollowupNotes"));
}

bool sequenceBefore(const CCall& a, const CCall& b) {
    return a.Sequence < b.Sequence;
}

}  // namespace

void CCallList::SetPath(const std::string& storageLocation) {
    m_DataRoot = dataRoot(storageLocation);
}

std::vector<CallLeftOut> CCallList::Load(const DeviceFs& fs, const CRoute& route,
                                         const CStop& stop) {
    std::vector<CallLeftOut> leftOut;
    const WaitCursor wait;
    m_calls.clear();
    m_routeDate = route.Date();
    m_prefix = callPrefix(route.Date(), route.RouteNumber(), stop.StopNumber, stop.CustomerNumber);
    m_highest = 0;
    m_calls.reserve(stop.Calls().size());
    for (const CStop::CallRef& ref : stop.Calls()) {
        // A call left out still holds its number: a new call must not take its file.
        m_highest = std::max(m_highest, ref.Sequence);
        const std::string path = callFilePath(m_DataRoot, ref.CallID);
        if (path.empty()) {
            leftOut.push_back({ref.CallID, {}});
            continue;
        }
        // A call file that does not parse is left out like a missing one, so that saving the
        // call cannot replace what the back office wrote with empty fields.
        XmlDocument doc;
        if (!doc.load(fs, path) || !doc.wellFormed()) {
            leftOut.push_back({ref.CallID, path});
            continue;
        }
        CCall call;
        call.CallID = ref.CallID;
        call.Sequence = ref.Sequence;
        readCall(doc.root(), call);
        const auto at = std::upper_bound(m_calls.begin(), m_calls.end(), call, sequenceBefore);
        m_calls.insert(at, std::move(call));
    }
    return leftOut;
}

std::string CCallList::NewCallID() const {
    return makeCallID(m_prefix, m_highest + 1);
}

std::optional<std::size_t> CCallList::AddNew() {
    const auto open =
        std::find_if(m_calls.begin(), m_calls.end(), [](const CCall& c) { return c.IsNew; });
    if (open != m_calls.end()) {
        return static_cast<std::size_t>(open - m_calls.begin());
    }
    CCall call;
    call.Sequence = m_highest + 1;
    call.CallID = NewCallID();
    call.IsNew = true;
    if (!isSafeNamePart(call.CallID)) {
        return std::nullopt;
    }
    m_highest = call.Sequence;
    m_calls.push_back(std::move(call));
    return m_calls.size() - 1;
}

bool CCallList::Save(const DeviceFs& fs, std::size_t i, CStop& stop, std::int32_t person,
                     const std::string& category, std::int32_t status, const std::string& note) {
    CCall call = m_calls.at(i);
    call.Person = person;
    call.Category = fileText(category);
    call.Status = status;
    if (call.IsNew) {
        call.NewDate = m_routeDate;
        call.Notes = normaliseLineBreaks(fileText(note));
    } else {
        call.FollowupNotes = normaliseLineBreaks(fileText(note));
    }
    const WaitCursor wait;
    if (!call.Save(fs, m_DataRoot)) {
        return false;
    }
    if (call.IsNew) {
        stop.AddCall(call.CallID, m_prefix);
        call.IsNew = false;
    }
    const std::string recording = voiceRecordingPath(m_DataRoot, call.CallID);
    if (fs.isFile(recording) &&
        fs.copyFile(recording, voiceFilePath(m_DataRoot, call.CallID), true)) {
        fs.removeFile(recording);
    }
    m_calls[i] = std::move(call);
    return true;
}

void CCallList::DiscardRecording(const DeviceFs& fs, std::size_t i) const {
    const std::string recording = voiceRecordingPath(m_DataRoot, m_calls.at(i).CallID);
    if (!recording.empty()) {
        fs.removeFile(recording);
    }
}

std::int32_t contactPersonNumber(const CStop& stop, std::string_view name) {
    for (const CStop::ContactPerson& p : stop.ContactPersons()) {
        if (p.Name == name) {
            return static_cast<std::int32_t>(p.Number);
        }
    }
    return 0;
}

}  // namespace kelvo
