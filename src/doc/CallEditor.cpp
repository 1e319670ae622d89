#include "doc/CallEditor.h"

#include "common/DateText.h"
#include "common/DeviceFs.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/FileReports.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"

namespace kelvo {

namespace {

// Position of the first element for which pred holds; -1 when there is none.
template <class Range, class Pred>
int positionOf(const Range& range, Pred pred) {
    int i = 0;
    for (const auto& element : range) {
        if (pred(element)) {
            return i;
        }
        ++i;
    }
    return -1;
}

// Length of a note in the call file, where each line break takes "\r\n".
std::size_t fileLength(std::string_view note) {
    std::size_t length = note.size();
    for (std::size_t i = 0; i < note.size(); ++i) {
        length += note[i] == '\n' && (i == 0 || note[i - 1] != '\r') ? 1 : 0;
    }
    return length;
}

bool validChoice(int choice, std::size_t count) {
    return choice >= 0 && static_cast<std::size_t>(choice) < count;
}

}  // namespace

std::string contactTitle(const CStop& stop) {
    return format(tr("Stop# %d Account# %.0f").c_str(), static_cast<int>(stop.StopNumber),
                  stop.CustomerNumber);
}

bool CallEditor::Open() {
    const CStop* stop = selectedStop(m_doc);
    m_shown = -1;
    m_changed = false;
    if (!stop) {
        return false;
    }
    CCallList& calls = m_doc.Calls();
    calls.SetPath(m_doc.StorageLocation());
    reportCallsLeftOut(m_doc.Prompt(), m_doc.Route(), calls.Load(m_doc.Fs(), m_doc.Route(), *stop));
    m_shown = calls.Count() > 0 ? 0 : -1;
    return true;
}

std::vector<std::string> CallEditor::PersonNames() const {
    std::vector<std::string> names;
    if (const CStop* stop = selectedStop(m_doc)) {
        for (const CStop::ContactPerson& p : stop->ContactPersons()) {
            names.push_back(p.Name);
        }
    }
    return names;
}

std::vector<std::string> CallEditor::CategoryNames() const {
    std::vector<std::string> names;
    for (const CContactCategory& c : m_doc.ContactCategories()) {
        names.push_back(c.Description);
    }
    return names;
}

std::vector<std::string> CallEditor::StatusNames() {
    std::vector<std::string> names;
    for (std::int32_t status = 1; status <= static_cast<std::int32_t>(kCallStatusNames.size());
         ++status) {
        names.push_back(callStatusName(status));
    }
    return names;
}

std::size_t CallEditor::Count() const {
    return m_doc.Calls().Count();
}

std::array<std::string, 3> CallEditor::Row(std::size_t i) const {
    const CCall& call = m_doc.Calls().At(i);
    std::string person;
    if (const CStop* stop = selectedStop(m_doc)) {
        for (const CStop::ContactPerson& p : stop->ContactPersons()) {
            if (static_cast<std::int32_t>(p.Number) == call.Person) {
                person = p.Name;
                break;
            }
        }
    }
    return {format("%.0f", call.Sequence),
            dayMonthDate(call.IsNew ? m_doc.Route().Date() : call.NewDate), person};
}

bool CallEditor::ShownIsNew() const {
    return m_shown >= 0 && m_doc.Calls().At(static_cast<std::size_t>(m_shown)).IsNew;
}

CallFields CallEditor::Fields() const {
    CallFields fields;
    if (m_shown < 0) {
        return fields;
    }
    const CCall& call = m_doc.Calls().At(static_cast<std::size_t>(m_shown));
    const CStop* stop = selectedStop(m_doc);
    if (call.IsNew) {
        fields.person = stop && !stop->ContactPersons().empty() ? 0 : -1;
        fields.category = m_doc.ContactCategories().IsEmpty() ? -1 : 0;
        fields.status = 0;
        fields.note = tr(kCallNotePrompt);
        return fields;
    }
    if (stop) {
        fields.person = positionOf(stop->ContactPersons(), [&](const CStop::ContactPerson& p) {
            return static_cast<std::int32_t>(p.Number) == call.Person;
        });
    }
    fields.category = positionOf(m_doc.ContactCategories(), [&](const CContactCategory& c) {
        return c.Code == call.Category;
    });
    fields.status = validChoice(call.Status - 1, kCallStatusNames.size()) ? call.Status - 1 : -1;
    fields.note = call.FollowupNotes;
    return fields;
}

std::optional<Message> CallEditor::UnsavedQuestion(bool leaving) const {
    if (!m_changed) {
        return std::nullopt;
    }
    return question(leaving ? tr("Do you want to save ?") : tr("Do you want to save changes ?"),
                    tr("Confirm save"));
}

Outcome CallEditor::AddNew(const CallFields& current, UnsavedCall unsaved) {
    Outcome outcome = Settle(unsaved, current);
    if (!outcome.done) {
        return outcome;
    }
    const std::optional<std::size_t> added = m_doc.Calls().AddNew();
    if (!added) {
        outcome.done = false;
        outcome.notices.push_back(Message{format(tr("The call %s cannot name a file.").c_str(),
                                                 m_doc.Calls().NewCallID().c_str()),
                                          tr("Invalid data"), MessageIcon::Warning});
        return outcome;
    }
    m_shown = static_cast<int>(*added);
    // A recording left behind by a call that was never saved is not this call's.
    m_doc.Calls().DiscardRecording(m_doc.Fs(), *added);
    m_changed = false;
    return outcome;
}

Outcome CallEditor::Select(std::size_t row, const CallFields& current, UnsavedCall unsaved) {
    if (static_cast<int>(row) == m_shown || row >= Count()) {
        return {static_cast<int>(row) == m_shown, {}, {}};
    }
    Outcome outcome = Settle(unsaved, current);
    if (outcome.done) {
        m_shown = static_cast<int>(row);
    }
    return outcome;
}

Outcome CallEditor::Save(const CallFields& fields) {
    CStop* stop = selectedStop(m_doc);
    if (!stop || m_shown < 0) {
        return {};
    }
    const auto i = static_cast<std::size_t>(m_shown);
    const CCall& call = m_doc.Calls().At(i);
    const bool isNew = call.IsNew;
    const auto persons = stop->ContactPersons();
    const std::int32_t person =
        validChoice(fields.person, persons.size())
            ? contactPersonNumber(*stop, persons[static_cast<std::size_t>(fields.person)].Name)
            : call.Person;
    const CContactCategories& categories = m_doc.ContactCategories();
    const std::string category = validChoice(fields.category, categories.Count())
                                     ? categories.At(static_cast<std::size_t>(fields.category)).Code
                                     : call.Category;
    const std::int32_t status =
        validChoice(fields.status, kCallStatusNames.size()) ? fields.status + 1 : call.Status;
    // The prompt a new call's note starts with is no note of the driver's.
    const std::string note = isNew && fields.note == tr(kCallNotePrompt) ? "" : fields.note;
    // The call file's fields keep 255 characters; a longer note would come back cut.
    if (fileLength(note) > kMaxFieldLength) {
        return Outcome::refused(
            Message{tr("The notes can hold at most 255 characters (a line break counts "
                       "as two). Please shorten them."),
                    tr("Invalid data"), MessageIcon::Warning});
    }
    const std::string callFile = callFilePath(m_doc.Calls().DataRoot(), call.CallID);
    const std::string recording = voiceRecordingPath(m_doc.Calls().DataRoot(), call.CallID);
    const bool recorded = m_doc.Fs().isFile(recording);
    const std::string voiceFile = voiceFilePath(m_doc.Calls().DataRoot(), call.CallID);
    if (!m_doc.Calls().Save(m_doc.Fs(), i, *stop, person, category, status, note)) {
        // Reported although the handheld kept quiet: the driver's note must not vanish unseen.
        return Outcome::refused(
            Message{format(tr("%s could not be written.").c_str(), callFile.c_str()),
                    tr("Error data files"), MessageIcon::Warning});
    }
    Outcome outcome{true, {}, {callFile}};
    // The recording became the call's voice message when it is gone now.
    if (recorded && !m_doc.Fs().isFile(recording)) {
        outcome.written.push_back(voiceFile);
    }
    if (isNew) {
        if (m_doc.Route().Save(m_doc.Fs())) {
            outcome.written.push_back(m_doc.Route().FilePath());
        } else {
            outcome.notices.push_back(Message{
                format(tr("%s could not be written.").c_str(), m_doc.Route().FilePath().c_str()),
                tr("Error data files"), MessageIcon::Warning});
        }
    }
    m_changed = false;
    return outcome;
}

void CallEditor::Discard() {
    if (m_shown >= 0) {
        m_doc.Calls().DiscardRecording(m_doc.Fs(), static_cast<std::size_t>(m_shown));
    }
    m_changed = false;
}

Outcome CallEditor::Leave(const CallFields& current, UnsavedCall unsaved) {
    return Settle(unsaved, current);
}

std::string CallEditor::RecordingPath() const {
    if (m_shown < 0) {
        return {};
    }
    return voiceRecordingPath(m_doc.Calls().DataRoot(),
                              m_doc.Calls().At(static_cast<std::size_t>(m_shown)).CallID);
}

Outcome CallEditor::Settle(UnsavedCall unsaved, const CallFields& current) {
    if (!m_changed) {
        return {true, {}, {}};
    }
    if (unsaved == UnsavedCall::Save) {
        return Save(current);
    }
    Discard();
    return {true, {}, {}};
}

}  // namespace kelvo
