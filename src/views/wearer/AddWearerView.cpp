#include "views/wearer/AddWearerView.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/Prompter.h"
#include "doc/AddWearerOps.h"
#include "doc/KelvoDoc.h"
#include "views/wearer/WearerFields.h"

namespace kelvo {

namespace {

constexpr int kNumberDigits = 12;  // the widest number column fits 12 digits
constexpr int kNameLength = 40;    // first and last name together
constexpr int kLockerLength = 20;

}  // namespace

CAddWearerView::CAddWearerView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::AddWearer, parent) {
    const bool dud = doc.Config().IsDud();
    m_lockerList = hasLockerList(doc);
    QFormLayout* form = fieldForm();
    m_number = numberEdit(kNumberDigits, this);
    addField(form, tr("Wearer #"), m_number, QStringLiteral("wearerNumber"));
    m_lastName = textEdit(kNameLength, this);
    addField(form, tr("Last Name"), m_lastName, QStringLiteral("lastName"));
    m_firstName = textEdit(kNameLength, this);
    addField(form, tr("First Name"), m_firstName, QStringLiteral("firstName"));
    m_emblemName = textEdit(kNameLength, this);
    addField(form, tr("Emblem Name"), m_emblemName, QStringLiteral("emblemName"));
    m_department = choiceBox(false, this);
    for (const CDepartment* d : doc.WearerData().Departments.Active()) {
        m_department->addItem(fromData(d->Description), d->DeptID);
    }
    QLabel* departmentLabel =
        addField(form, tr("Department"), m_department, QStringLiteral("department"));

    auto* lockers = new QWidget(this);
    auto* lockerRow = new QHBoxLayout(lockers);
    lockerRow->setContentsMargins(0, 0, 0, 0);
    QWidget* bank = nullptr;
    QWidget* locker = nullptr;
    if (m_lockerList) {
        m_bankChoice = choiceBox(true, lockers);
        for (const std::string& b : doc.WearerData().Lockers.Banks()) {
            m_bankChoice->addItem(fromData(b));
        }
        m_lockerChoice = choiceBox(true, lockers);
        bank = m_bankChoice;
        locker = m_lockerChoice;
        connect(m_bankChoice, &QComboBox::currentTextChanged, this, &CAddWearerView::bankChosen);
        connect(m_bankChoice->lineEdit(), &QLineEdit::editingFinished, this,
                [this] { checkTypedLocker(m_bankChoice, true); });
        connect(m_lockerChoice->lineEdit(), &QLineEdit::editingFinished, this,
                [this] { checkTypedLocker(m_lockerChoice, false); });
        connect(m_lockerChoice, &QComboBox::currentTextChanged, this, &CAddWearerView::refresh);
    } else {
        m_bankText = textEdit(kLockerLength, lockers);
        m_lockerText = textEdit(kLockerLength, lockers);
        bank = m_bankText;
        locker = m_lockerText;
        connect(m_bankText, &QLineEdit::textChanged, this, &CAddWearerView::refresh);
        connect(m_lockerText, &QLineEdit::textChanged, this, &CAddWearerView::refresh);
    }
    locker->setObjectName(QStringLiteral("locker"));
    lockerRow->addWidget(bank, 1);
    lockerRow->addWidget(locker, 1);
    QLabel* lockerLabel = addField(form, tr("Bank/Locker"), lockers, QStringLiteral("lockers"));
    lockerLabel->setBuddy(bank);
    bank->setObjectName(QStringLiteral("bank"));
    body()->addLayout(form);
    body()->addStretch(1);
    // The "DUD" laundry keeps neither departments nor lockers of its wearers.
    for (QWidget* w : {static_cast<QWidget*>(departmentLabel), static_cast<QWidget*>(m_department),
                       static_cast<QWidget*>(lockerLabel), lockers}) {
        w->setVisible(!dud);
    }

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
    m_next = addButton(QStringLiteral("->"), 0, cmd::WearerPage2);
    m_next->setObjectName(QStringLiteral("next"));

    for (QLineEdit* e : {m_number, m_lastName, m_emblemName}) {
        connect(e, &QLineEdit::textChanged, this, &CAddWearerView::refresh);
    }
    connect(m_firstName, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_emblemTyped) {
            m_emblemName->setText(text);
        }
        refresh();
    });
    connect(m_emblemName, &QLineEdit::textEdited, this, [this] { m_emblemTyped = true; });
    connect(m_department, &QComboBox::currentIndexChanged, this, &CAddWearerView::refresh);
}

void CAddWearerView::initialUpdate() {
    // The title's spaces put "Page 1" at the right end of the line.
    setTitle(frameFlags().makeALike ? tr("Make A-Like                      Page 1")
                                    : tr("Add Wearer                       Page 1"));
    const WearerPage1 opened = openWearerPage1(doc());
    fill(opened);
    // Coming back, an emblem name other than the first name is the driver's own.
    m_emblemTyped = !opened.emblemName.empty() && opened.emblemName != opened.firstName;
    refresh();
    m_number->setFocus();
}

WearerPage1 CAddWearerView::page() const {
    WearerPage1 p;
    p.number = toData(m_number->text());
    p.lastName = toData(m_lastName->text());
    p.firstName = toData(m_firstName->text());
    p.emblemName = toData(m_emblemName->text());
    p.department = m_department->currentData().toDouble();  // 0 with none chosen
    p.bank = toData(m_lockerList ? m_bankChoice->currentText() : m_bankText->text());
    p.locker = toData(m_lockerList ? m_lockerChoice->currentText() : m_lockerText->text());
    return p;
}

void CAddWearerView::fill(const WearerPage1& p) {
    m_number->setText(fromData(p.number));
    m_lastName->setText(fromData(p.lastName));
    m_firstName->setText(fromData(p.firstName));
    m_emblemName->setText(fromData(p.emblemName));
    m_department->setCurrentIndex(p.department != 0 ? m_department->findData(p.department) : -1);
    if (m_lockerList) {
        m_bankChoice->setCurrentText(fromData(p.bank));
        bankChosen();
        m_lockerChoice->setCurrentText(fromData(p.locker));
    } else {
        m_bankText->setText(fromData(p.bank));
        m_lockerText->setText(fromData(p.locker));
    }
}

void CAddWearerView::refresh() {
    doc().WearerData().Drafts.Page1 = page();
    m_next->setEnabled(commandEnabled(cmd::WearerPage2));
    documentChanged();
}

void CAddWearerView::bankChosen() {
    // The locker list offers the lockers of the chosen bank.
    const QString locker = m_lockerChoice->currentText();
    m_lockerChoice->blockSignals(true);
    m_lockerChoice->clear();
    for (const CLocker* l :
         doc().WearerData().Lockers.LockersOfBank(toData(m_bankChoice->currentText()))) {
        m_lockerChoice->addItem(fromData(l->Locker));
    }
    m_lockerChoice->setCurrentIndex(-1);
    m_lockerChoice->setCurrentText(locker);
    m_lockerChoice->blockSignals(false);
    refresh();
}

void CAddWearerView::checkTypedLocker(QComboBox* box, bool bank) {
    const std::string text = toData(box->currentText());
    const bool known = bank ? knownBank(doc(), text)
                            : knownLocker(doc(), toData(m_bankChoice->currentText()), text);
    if (known) {
        return;
    }
    box->setCurrentText(QString());
    doc().Prompt().inform(
        bank ? toData(tr("Invalid bank entered!")) : toData(tr("Invalid locker entered!")),
        toData(tr("Invalid data")));
    refresh();
}

CommandOutcome CAddWearerView::handleCommand(CommandId id) {
    if (id != cmd::WearerPage2) {
        return CommandOutcome::proceed();
    }
    const WearerPage1 p = page();
    const Page1Check check = validatePage1(doc(), p);
    if (check.field != Page1Field::None) {
        doc().Prompt().show(check.why);
    }
    switch (check.field) {
        case Page1Field::Number:
            m_number->setFocus();
            return CommandOutcome::stay();
        case Page1Field::LastName:
            m_lastName->setFocus();
            return CommandOutcome::stay();
        case Page1Field::FirstName:
            m_firstName->setFocus();
            return CommandOutcome::stay();
        case Page1Field::Bank:
            (m_lockerList ? static_cast<QWidget*>(m_bankChoice) : m_bankText)->setFocus();
            return CommandOutcome::stay();
        case Page1Field::Locker:
            (m_lockerList ? static_cast<QWidget*>(m_lockerChoice) : m_lockerText)->setFocus();
            return CommandOutcome::stay();
        case Page1Field::None:
            break;
    }
    storePage1(doc(), p);
    if (doc().Config().IsDud()) {
        // The "DUD" laundry has no page 2: on to the products, or their sizes. The product
        // screen then takes a further product rather than showing the last one again.
        frameFlags().wearerFlowResumed = false;
        return CommandOutcome::to(frameFlags().makeALike ? screen::SelectSize : screen::AddProduct);
    }
    return CommandOutcome::proceed();
}

}  // namespace kelvo
