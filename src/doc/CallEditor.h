#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

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

// The contact screen's work on the selected stop's calls: which call it shows, whether the
// driver changed it, and the save of a new or existing call with its voice message. Questions
// and messages go through the document's prompter.
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

    // Starts a new call and shows it (the one not yet saved, when there is one): the row, or
    // -1 after a message when it cannot be made. Unsaved changes of the shown call are offered
    // for saving first, as when another row is chosen.
    int AddNew(const CallFields& current);
    // Shows row `row`. With unsaved changes "Do you want to save changes ?" is asked first:
    // Yes saves them, No discards them. False when the row stays (the save failed).
    bool Select(std::size_t row, const CallFields& current);
    // Saves the shown call with the fields: Person, Category and Status from the drop-downs
    // (a drop-down without a choice keeps the call's value), the note as Notes of a new call
    // and FollowupNotes of an existing one. A new call is added to the stop and the route file
    // saved; a recorded voice message becomes the call's. False, after a message, when the note
    // is longer than the file keeps (255 characters, a line break counting two) or the call
    // file could not be written; the changes then stay unsaved.
    bool Save(const CallFields& fields);
    // Discards the unsaved changes of the shown call, with its voice recording.
    void Discard();
    // Before the screen is left: with unsaved changes asks "Do you want to save ?"; Yes saves,
    // No discards.
    void Leave(const CallFields& current);

    // Device path of the voice recording of the shown call ("" when none is shown).
    std::string RecordingPath() const;

private:
    bool OfferSave(const std::string& question, const CallFields& current);

    CKelvoDoc& m_doc;
    int m_shown = -1;
    bool m_changed = false;
};

}  // namespace kelvo
