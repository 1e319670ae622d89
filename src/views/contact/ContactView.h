#pragma once

#include "doc/CallEditor.h"
#include "ui/FormView.h"
#include "ui/VoiceRecorder.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kelvo {

class ColumnList;

// The contact screen: the stop's calls, each with the contact person spoken to, a category, a
// status and notes, and optionally a voice message. A new call takes notes; a saved one takes
// follow-up notes. Changes not saved are offered for saving before another call is shown or
// the screen is left.
class CContactView : public FormView {
    Q_OBJECT
public:
    explicit CContactView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;
    void confirmLeave() override;

private:
    CallFields fields() const;
    // Asks the question about the shown call's unsaved changes, if there are any.
    UnsavedCall unsavedAnswer(bool leaving);
    void showCall();
    void fillList();
    void rowChosen(int row);
    void changed();
    void toggleRecording();
    void stopRecording();

    CallEditor m_editor;
    VoiceRecorder m_recorder;
    bool m_filling = false;  // the screen fills the fields: no change of the driver's
    ColumnList* m_list = nullptr;
    QComboBox* m_person = nullptr;
    QComboBox* m_category = nullptr;
    QComboBox* m_status = nullptr;
    QPlainTextEdit* m_notes = nullptr;  // the notes of a saved call, above its follow-up
    QLabel* m_noteLabel = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QPushButton* m_record = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace kelvo
