#include "views/contact/ContactView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Prompter.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"
#include "ui/ColumnList.h"
#include "ui/EntryRules.h"

namespace kelvo {

namespace {

QComboBox* choiceBox(const char* name, const std::vector<std::string>& names, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumHeight(FormView::kEntryHeight);
    for (const std::string& n : names) {
        box->addItem(fromData(n));
    }
    return box;
}

}  // namespace

CContactView::CContactView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::Contact, parent), m_editor(doc) {
    m_list =
        new ColumnList(QStringLiteral("callList"), {tr("Call#"), tr("Date"), tr("ContactPerson")},
                       {0.2, 0.28, 0.52}, this);
    m_list->setMinimumHeight(48);
    body()->addWidget(m_list, 1);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    m_person = choiceBox("callPerson", m_editor.PersonNames(), this);
    m_category = choiceBox("callCategory", m_editor.CategoryNames(), this);
    m_status = choiceBox("callStatus", CallEditor::StatusNames(), this);
    int row = 0;
    for (auto [caption, box] :
         {std::pair{tr("Person"), m_person}, std::pair{tr("Category"), m_category},
          std::pair{tr("Status"), m_status}}) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row++, 1);
        connect(box, &QComboBox::activated, this, &CContactView::changed);
    }
    // A saved call shows its notes above the field for its follow-up.
    // Two lines of them; longer notes scroll.
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("callOriginalNotes"));
    m_notes->setReadOnly(true);
    m_notes->setFrameShape(QFrame::NoFrame);
    m_notes->setBackgroundRole(QPalette::Window);
    m_notes->setFont(labelFont(11, false));
    m_notes->setFixedHeight(2 * QFontMetrics(m_notes->font()).lineSpacing() + 8);
    m_notes->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(m_notes, row++, 0, 1, 2);
    // The note's caption with the voice recorder under it, beside the note.
    auto* noteSide = new QVBoxLayout;
    noteSide->setSpacing(2);
    m_noteLabel = new QLabel(this);
    m_record = new QPushButton(tr("Rec"), this);
    m_record->setObjectName(QStringLiteral("voiceRecorder"));
    m_record->setToolTip(tr("Voice Message"));
    m_record->setAutoDefault(false);
    m_record->setFont(labelFont(14, true));
    m_record->setFixedSize(kButtonWidth, kEntryHeight);
    noteSide->addWidget(m_noteLabel);
    noteSide->addWidget(m_record);
    noteSide->addStretch(1);
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("callNotes"));
    m_note->setTabChangesFocus(true);
    m_note->setMinimumHeight(kEntryHeight + 16);
    m_noteLabel->setBuddy(m_note);
    acceptFileText(m_note);
    grid->addLayout(noteSide, row, 0);
    grid->addWidget(m_note, row, 1);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
    connect(m_note, &QPlainTextEdit::textChanged, this, &CContactView::changed);
    connect(m_record, &QPushButton::clicked, this, [this] { send(cmd::VoiceRecorder); });

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
    addButton(tr("New"), 0, cmd::ContactAdd)->setObjectName(QStringLiteral("newCall"));
    m_save = addButton(QStringLiteral("V"), 0, cmd::ContactSave);
    m_save->setObjectName(QStringLiteral("saveCall"));
    m_cancel = addButton(tr("Cancel"), 0, cmd::ContactCancel);
    m_cancel->setObjectName(QStringLiteral("cancelCall"));

    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) {
            rowChosen(m_list->indexOfTopLevelItem(item));
        }
    });
    connect(&m_recorder, &VoiceRecorder::stoppedByItself, this,
            [this] { m_record->setText(tr("Rec")); });
}

void CContactView::initialUpdate() {
    const CStop* stop = selectedStop(doc());
    setTitle(stop ? fromData(contactTitle(*stop)) : QString());
    doc().Drafts().call = {m_editor.Open(), -1};
    m_record->setVisible(commandEnabled(cmd::VoiceRecorder));
    fillList();
    showCall();
}

CommandOutcome CContactView::handleCommand(CommandId id) {
    switch (id) {
        case cmd::ContactAdd: {
            stopRecording();
            const bool added =
                showNotices(doc().Prompt(), m_editor.AddNew(fields(), unsavedAnswer(false)));
            fillList();
            showCall();
            if (added && m_editor.ShownIsNew()) {
                m_note->selectAll();
                m_note->setFocus();
            }
            break;
        }
        case cmd::ContactSave:
            stopRecording();
            if (showNotices(doc().Prompt(), m_editor.Save(fields()))) {
                m_list->setRow(m_editor.Shown(), m_editor.Row(std::size_t(m_editor.Shown())));
                showCall();
            }
            break;
        case cmd::ContactCancel:
            stopRecording();
            m_editor.Discard();
            showCall();
            break;
        case cmd::VoiceRecorder:
            toggleRecording();
            break;
        default:
            return CommandOutcome::proceed();
    }
    return CommandOutcome::stay();
}

void CContactView::confirmLeave() {
    stopRecording();
    showNotices(doc().Prompt(), m_editor.Leave(fields(), unsavedAnswer(true)));
}

UnsavedCall CContactView::unsavedAnswer(bool leaving) {
    return askFirst(doc().Prompt(), m_editor.UnsavedQuestion(leaving)) == Answer::Yes
               ? UnsavedCall::Save
               : UnsavedCall::Discard;
}

CallFields CContactView::fields() const {
    return {m_person->currentIndex(), m_category->currentIndex(), m_status->currentIndex(),
            toData(m_note->toPlainText())};
}

void CContactView::fillList() {
    m_filling = true;
    m_list->clear();
    for (std::size_t i = 0; i < m_editor.Count(); ++i) {
        m_list->addRow(m_editor.Row(i));
    }
    m_list->fitColumns();
    m_list->selectRow(m_editor.Shown());
    m_filling = false;
}

void CContactView::showCall() {
    m_filling = true;
    const bool shown = m_editor.Shown() >= 0;
    const bool isNew = m_editor.ShownIsNew();
    const CallFields f = m_editor.Fields();
    m_person->setCurrentIndex(f.person);
    m_category->setCurrentIndex(f.category);
    m_status->setCurrentIndex(f.status);
    m_note->setPlainText(fromDataLines(f.note));
    const std::string notes =
        shown && !isNew ? doc().Calls().At(std::size_t(m_editor.Shown())).Notes : std::string();
    m_notes->setPlainText(fromDataLines(notes));
    m_notes->setVisible(shown && !isNew);
    m_noteLabel->setText(isNew || !shown ? tr("Notes") : tr("Follow-up"));
    for (QWidget* w : std::initializer_list<QWidget*>{m_person, m_category, m_status, m_note,
                                                      m_record, m_save, m_cancel}) {
        w->setEnabled(shown);
    }
    doc().Drafts().call.shown = m_editor.Shown();
    documentChanged();
    m_filling = false;
}

void CContactView::rowChosen(int row) {
    if (m_filling || row == m_editor.Shown() || row < 0) {
        return;
    }
    stopRecording();
    if (!showNotices(doc().Prompt(),
                     m_editor.Select(std::size_t(row), fields(), unsavedAnswer(false)))) {
        m_filling = true;
        m_list->selectRow(m_editor.Shown());
        m_filling = false;
        return;
    }
    // A save on the way may have changed the row of the call shown before.
    fillList();
    showCall();
}

void CContactView::changed() {
    if (!m_filling) {
        m_editor.MarkChanged();
    }
}

void CContactView::toggleRecording() {
    if (m_recorder.isRecording()) {
        stopRecording();
        return;
    }
    const QString refusal = m_recorder.start(doc().Fs(), m_editor.RecordingPath());
    if (!refusal.isEmpty()) {
        doc().Prompt().inform(toData(refusal), toData(tr("Voice Message")));
        return;
    }
    m_record->setText(tr("Stop"));
    m_editor.MarkChanged();
}

void CContactView::stopRecording() {
    if (m_recorder.isRecording()) {
        m_recorder.stop();
        m_record->setText(tr("Rec"));
    }
}

}  // namespace kelvo
