#include "views/wearer/ScanView.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "doc/DraftRules.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"
#include "ui/EntryRules.h"
#include "ui/FieldKind.h"

namespace kelvo {

namespace {

// Remarks and references are texts of the files, which keep 255 characters.
constexpr int kMaxText = 255;

QPushButton* modeButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCheckable(true);
    button->setAutoDefault(false);
    button->setFont(labelFont(15, true));
    button->setMinimumHeight(FormView::kButtonHeight);
    return button;
}

}  // namespace

CScanView::CScanView(CKelvoDoc& doc, QWidget* parent) : FormView(doc, screen::Scan, parent) {
    auto* modes = new QHBoxLayout;
    m_flag = modeButton(tr("Flag"), "flagMode", this);
    m_replace = modeButton(tr("Replace"), "replaceMode", this);
    auto* group = new QButtonGroup(this);
    group->addButton(m_flag);
    group->addButton(m_replace);
    modes->addWidget(m_flag);
    modes->addWidget(m_replace);
    body()->addLayout(modes);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(6);
    m_choiceLabel = new QLabel(this);
    m_choice = new QComboBox(this);
    m_choice->setObjectName(QStringLiteral("scanChoice"));
    m_choice->setMinimumHeight(kEntryHeight);
    m_choiceLabel->setBuddy(m_choice);
    m_textLabel = new QLabel(this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("scanText"));
    m_text->setMinimumHeight(kEntryHeight);
    acceptFileText(m_text, kMaxText);
    m_textLabel->setBuddy(m_text);
    auto* codeLabel = new QLabel(tr("ID-Code"), this);
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("idCode"));
    m_code->setMinimumHeight(kEntryHeight);
    m_code->setFont(labelFont(16, true));
    setFieldKind(m_code, FieldKind::Hex);
    codeLabel->setBuddy(m_code);
    grid->addWidget(m_choiceLabel, 0, 0);
    grid->addWidget(m_choice, 0, 1);
    grid->addWidget(m_textLabel, 1, 0);
    grid->addWidget(m_text, 1, 1);
    grid->addWidget(codeLabel, 2, 0);
    grid->addWidget(m_code, 2, 1);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
    body()->addStretch(1);

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
    m_store = addButton(QStringLiteral("V"), 0, cmd::ScanOk);
    m_store->setObjectName(QStringLiteral("store"));
    addButton(tr("Cancel"), 0, cmd::ScanCancel)->setObjectName(QStringLiteral("cancel"));

    connect(m_flag, &QPushButton::clicked, this, [this] { send(cmd::FlagMode); });
    connect(m_replace, &QPushButton::clicked, this, [this] { send(cmd::ReplaceMode); });
    connect(m_code, &QLineEdit::textEdited, this, &CScanView::codeEdited);
    // The scanner ends each code with Enter.
    connect(m_code, &QLineEdit::returnPressed, this, [this] { send(cmd::ScanOk); });
    // Once the flag or reason is chosen, or the remark typed, the next code may come.
    connect(m_choice, &QComboBox::activated, this, &CScanView::awaitCode);
    connect(m_text, &QLineEdit::returnPressed, this, &CScanView::awaitCode);
}

void CScanView::initialUpdate() {
    CKelvoDoc& d = doc();
    const CStop* stop = selectedStop(d);
    setTitle(stop ? fromData(stop->CustomerName) : QString());
    // The "DUD" laundry has no Flag button.
    m_flag->setVisible(!d.Config().IsDud());
    d.Drafts().scan = {openScan(d), {}};
    if (!scanOpen(d)) {
        for (QWidget* w : {static_cast<QWidget*>(m_flag), static_cast<QWidget*>(m_replace),
                           static_cast<QWidget*>(m_choice), static_cast<QWidget*>(m_text),
                           static_cast<QWidget*>(m_code)}) {
            w->setEnabled(false);
        }
        m_store->setEnabled(false);
        documentChanged();
        return;
    }
    setMode(ScanMode::Flag);
}

CommandOutcome CScanView::handleCommand(CommandId id) {
    switch (id) {
        case cmd::ScanOk:
            store();
            break;
        case cmd::ScanCancel:
            m_text->clear();
            clearCode();
            break;
        case cmd::FlagMode:
            setMode(ScanMode::Flag);
            break;
        case cmd::ReplaceMode:
            setMode(ScanMode::Replace);
            break;
        default:
            return CommandOutcome::proceed();
    }
    return CommandOutcome::stay();
}

void CScanView::setMode(ScanMode mode) {
    m_mode = mode;
    const bool flag = mode == ScanMode::Flag;
    m_flag->setChecked(flag);
    m_replace->setChecked(!flag);
    m_choiceLabel->setText(flag ? tr("Flag") : tr("Replace"));
    m_textLabel->setText(flag ? tr("Remark") : tr("Reference"));
    m_choice->clear();
    for (const std::string& choice : scanChoices(doc(), mode)) {
        m_choice->addItem(fromData(choice));
    }
    // The first flag or reason is chosen, as the handheld's drop-down shows its first entry.
    m_choice->setCurrentIndex(m_choice->count() > 0 ? 0 : -1);
    m_text->clear();
    clearCode();
}

void CScanView::codeEdited(const QString& text) {
    // V follows the field before a message about it shows.
    setCodeDraft(toData(text));
    applyFieldCheck(m_code, text, checkScannedCode(doc(), toData(text)), doc().Prompt());
}

void CScanView::store() {
    if (!showNotices(doc().Prompt(), storeScan(doc(), m_mode, m_choice->currentIndex(),
                                               toData(m_code->text()), toData(m_text->text())))) {
        awaitCode();  // the entry stays for correction
        return;
    }
    clearCode();
}

void CScanView::clearCode() {
    m_code->clear();
    setCodeDraft({});
    awaitCode();
}

void CScanView::setCodeDraft(const std::string& code) {
    doc().Drafts().scan.code = code;
    m_store->setEnabled(commandEnabled(cmd::ScanOk));
    documentChanged();
}

void CScanView::awaitCode() {
    m_code->setFocus();
}

}  // namespace kelvo
