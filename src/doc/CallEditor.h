#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "doc/Outcome.h"

namespace kelvo {

class CKelvoDoc;
struct CStop;

// What the contact screen's fields hold for the call it shows: the positions chosen in its
// drop-downs (-1: none) and the note field's text.
struct CallFields {
    int person = -1;    // among the stop's contact persons
    int category = -1;  // among the contact categories
    int status = -1;    // among the call status names
    std::string note;   // Notes of a new call, FollowupNotes of an existing one
};

// The text a new call's note field starts with, selected so that typing replaces it.
inline constexpr const char* kCallNotePrompt = "<Enter text here>";

// The title of the contact screens: "Stop# <StopNumber> Account# <CustomerNumber>".
std::string contactTitle(const CStop& stop);

// What the driver answered to the question about the shown call's unsaved changes
// (CallEditor::UnsavedQuestion).
enum class UnsavedCall { Save, Discard };

// The contact screen's work on the selected stop's calls: which call it shows, whether the
// driver changed it, and the save of a new or existing call with its voice message. The
// operations show nothing: the screen asks the question about unsaved changes before it calls
// them and shows the notices of their outcome.
class CallEditor {
public:
    // The document must outlive the editor.
    explicit CallEditor(CKelvoDoc& doc) : m_doc(doc) {}

    // Loads the selected stop's calls (missing call files are reported by the loader) and
    // shows the first. False without a selected stop: nothing can then be done.
    bool Open();

    // The names the drop-downs offer: the stop's contact persons (Name) in their order, the
    // contact categories (Description) and the four call status names.
    std::vector<std::string> PersonNames() const;
    std::vector<std::string> CategoryNames() const;
    static std::vector<std::string> StatusNames();

    // Number of calls listed.
    std::size_t Count() const;
    // Row i of the call list: "Call#" (Sequence), "Date" ("dd-MMM"; a new call shows the
    // route's date it will get) and "ContactPerson" (the name of the call's person).
    std::array<std::string, 3> Row(std::size_t i) const;
    // The row shown; -1 when the stop has no call.
    int Shown() const { return m_shown; }
    // True while the shown call is new (never saved).
    bool ShownIsNew() const;
    // The fields of the shown call as they were saved (a new call: the first person and
    // category, "New", and the note prompt).
    CallFields Fields() const;

    // The driver changed a field of the shown call (or recorded a voice message).
    void MarkChanged() { m_changed = m_shown >= 0; }
    // True from the first change until a save or a discard.
    bool HasChanges() const { return m_changed; }

    // The question the screen asks before another call is shown, a new one is started
    // ("Do you want to save changes ?") or the screen is left ("Do you want to save ?"),
    // captioned "Confirm save"; nullopt without unsaved changes (nothing is then asked).
    std::optional<Message> UnsavedQuestion(bool leaving) const;

    // Starts a new call and shows it (the one not yet saved, when there is one); done when it
    // is shown. Unsaved changes of the shown call are saved or discarded first as the driver
    // answered; a failed save keeps the shown call. A call whose ID cannot name a file is
    // not made.
    Outcome AddNew(const CallFields& current, UnsavedCall unsaved);
    // Shows row `row`, after saving or discarding the unsaved changes as the driver answered.
    // Not done when the row stays (the save failed).
    Outcome Select(std::size_t row, const CallFields& current, UnsavedCall unsaved);
    // Saves the shown call with the fields: Person, Category and Status from the drop-downs
    // (a drop-down without a choice keeps the call's value), the note as Notes of a new call
    // and FollowupNotes of an existing one. A new call is added to the stop and the route file
    // saved; a recorded voice message becomes the call's. Written: the call file, its voice
    // message, the route. Refused, with the notice that says why, when the note is longer than
    // the file keeps (255 characters, a line break counting two) or the call file could not be
    // written; the changes then stay unsaved. A route file that could not be written is said;
    // the call stays saved.
    Outcome Save(const CallFields& fields);
    // Discards the unsaved changes of the shown call, with its voice recording.
    void Discard();
    // Before the screen is left: unsaved changes are saved or discarded as the driver answered.
    Outcome Leave(const CallFields& current, UnsavedCall unsaved);

    // Device path of the voice recording of the shown call ("" when none is shown).
    std::string RecordingPath() const;

private:
    // Saves or discards the unsaved changes; done unless a save failed.
    Outcome Settle(UnsavedCall unsaved, const CallFields& current);

    CKelvoDoc& m_doc;
    int m_shown = -1;
    bool m_changed = false;
};

}  // namespace kelvo
