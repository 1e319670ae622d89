#include "views/wearer/AddNewServiceView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "doc/KelvoDoc.h"
#include "doc/ServiceOps.h"
#include "doc/VisitOps.h"
#include "ui/EntryRules.h"
#include "ui/FieldKind.h"

namespace kelvo {

namespace {

// Quantities beyond nine digits are no quantities of flat goods.
constexpr int kServiceQuantityDigits = 9;

void fill(QComboBox* box, const std::vector<std::string>& names) {
    box->clear();
    for (const std::string& name : names) {
        box->addItem(fromData(name));
    }
}

}  // namespace

CAddNewServiceView::CAddNewServiceView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::AddNewService, parent) {
    auto* heading = new QLabel(tr("Add New Service"), this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setFont(labelFont(14, true));
    body()->addWidget(heading);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(6);
    int row = 0;
    auto add = [&](const QString& caption, QWidget* field, const char* name) {
        field->setObjectName(QString::fromLatin1(name));
        field->setMinimumHeight(kEntryHeight);
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row++, 1);
    };
    m_group = new QComboBox(this);
    m_product = new QComboBox(this);
    m_frequency = new QComboBox(this);
    m_quantity = new QLineEdit(this);
    m_price = new QLineEdit(this);
    add(tr("Prod Grp"), m_group, "serviceGroup");
    add(tr("Product"), m_product, "serviceProduct");
    add(tr("Frequency"), m_frequency, "serviceFrequency");
    add(tr("Quantity"), m_quantity, "serviceQuantity");
    add(tr("Price"), m_price, "servicePrice");
    m_quantity->setMaxLength(kServiceQuantityDigits);
    m_quantity->setAlignment(Qt::AlignRight);
    setFieldKind(m_quantity, FieldKind::Digits);
    m_price->setAlignment(Qt::AlignRight);
    setFieldKind(m_price, FieldKind::Number);
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);
    body()->addStretch(1);

    m_save = addButton(tr("Save"), 0, cmd::ServiceSave);
    m_save->setObjectName(QStringLiteral("saveService"));
    addButton(tr("Cancel"), 0, cmd::ServiceCancel)->setObjectName(QStringLiteral("cancel"));

    connect(m_group, &QComboBox::activated, this, &CAddNewServiceView::groupChosen);
    connect(m_product, &QComboBox::activated, this, &CAddNewServiceView::productOrFrequencyChosen);
    connect(m_frequency, &QComboBox::activated, this,
            &CAddNewServiceView::productOrFrequencyChosen);
    connect(m_quantity, &QLineEdit::textEdited, this, &CAddNewServiceView::quantityEdited);
    // The price is checked whenever its text changes: typed, or filled from the catalogue.
    connect(m_price, &QLineEdit::textChanged, this, &CAddNewServiceView::priceEdited);
}

void CAddNewServiceView::initialUpdate() {
    const CStop* stop = selectedStop(doc());
    setTitle(stop ? fromData(stop->CustomerName) : QString());
    openAddService(doc());
    fill(m_group, serviceGroups(doc()));
    m_group->setCurrentIndex(-1);
    fill(m_frequency, serviceFrequencies(doc()));
    m_frequency->setCurrentIndex(m_frequency->count() > 0 ? 0 : -1);
    updateSave();
    m_group->setFocus();
}

CommandOutcome CAddNewServiceView::handleCommand(CommandId id) {
    if (id != cmd::ServiceSave) {
        return CommandOutcome::proceed();
    }
    return showNotices(doc().Prompt(),
                       saveService(doc(), m_group->currentIndex(), m_product->currentIndex(),
                                   m_frequency->currentIndex(), toData(m_quantity->text()),
                                   toData(m_price->text())))
               ? CommandOutcome::proceed()
               : CommandOutcome::stay();
}

void CAddNewServiceView::groupChosen() {
    fill(m_product, serviceProducts(doc(), m_group->currentIndex()));
    m_product->setCurrentIndex(-1);
    updateSave();
}

void CAddNewServiceView::productOrFrequencyChosen() {
    const std::string price = servicePrice(doc(), m_group->currentIndex(),
                                           m_product->currentIndex(), m_frequency->currentIndex());
    if (!price.empty()) {
        m_price->setText(fromData(price));
    }
    updateSave();
}

void CAddNewServiceView::quantityEdited(const QString& text) {
    applyFieldCheck(m_quantity, text, checkServiceQuantity(toData(text)), doc().Prompt());
    updateSave();
}

void CAddNewServiceView::priceEdited(const QString& text) {
    applyFieldCheck(m_price, text, checkServicePrice(doc(), toData(text)), doc().Prompt());
    updateSave();
}

void CAddNewServiceView::updateSave() {
    doc().Drafts().service = {m_group->currentIndex(), m_product->currentIndex(),
                              m_frequency->currentIndex(), toData(m_quantity->text()),
                              toData(m_price->text())};
    m_save->setEnabled(commandEnabled(cmd::ServiceSave));
    documentChanged();
}

}  // namespace kelvo
