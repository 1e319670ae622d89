#include "views/invoice/InvAdjInvLineView.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/Text.h"
#include "doc/AdjustOps.h"
#include "doc/InvoiceSession.h"
#include "doc/InvoiceTexts.h"
#include "doc/KelvoDoc.h"
#include "doc/LineAdjuster.h"
#include "ui/EntryRules.h"
#include "ui/FieldKind.h"

namespace kelvo {

namespace {

// The captions of the Details page, in order; marked for translation in the screen's context,
// where tr() looks them up.
#define KELVO_DETAIL(text) QT_TRANSLATE_NOOP("kelvo::CInvAdjInvLineView", text)
const char* const kDetailCaptions[] = {
    KELVO_DETAIL("Product"),   KELVO_DETAIL("Description"),   KELVO_DETAIL("Wearer"),
    KELVO_DETAIL("Tax"),       KELVO_DETAIL("Billing"),       KELVO_DETAIL("Minimum"),
    KELVO_DETAIL("Frequency"), KELVO_DETAIL("Inventory"),     KELVO_DETAIL("Prebilled Qty"),
    KELVO_DETAIL("Prebilled"), KELVO_DETAIL("Price")};
#undef KELVO_DETAIL

QLineEdit* quantityEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMinimumHeight(FormView::kEntryHeight);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QString number(int v) {
    return QString::number(v);
}

}  // namespace

CInvAdjInvLineView::CInvAdjInvLineView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::InvAdjLine, parent) {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("adjustTabs"));
    m_tabs->addTab(adjustPage(), tr("Adjust"));
    m_tabs->addTab(detailsPage(), tr("Details"));
    m_pickUpPage = pickUpPage();
    body()->addWidget(m_tabs, 1);

    addButton(tr("Cancel"), 0, cmd::LineCancel)->setObjectName(QStringLiteral("cancel"));
    m_ok = addButton(tr("Ok"), 0, cmd::LineOk);
    m_ok->setObjectName(QStringLiteral("ok"));
}

CInvAdjInvLineView::~CInvAdjInvLineView() = default;

QWidget* CInvAdjInvLineView::adjustPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setLabelAlignment(Qt::AlignLeft);
    m_delivered = quantityEdit(QStringLiteral("deliveredAdjustment"), page);
    acceptWholeNumbers(m_delivered, 4, true);
    m_billed = quantityEdit(QStringLiteral("billedAdjustment"), page);
    acceptWholeNumbers(m_billed, 4, true);
    m_amount = new QLabel(page);
    m_amount->setObjectName(QStringLiteral("adjustmentAmount"));
    m_amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_amount->setFont(labelFont(14, true));
    m_reason = new QComboBox(page);
    m_reason->setObjectName(QStringLiteral("adjustmentReason"));
    m_reason->setMinimumHeight(kEntryHeight);
    m_deliveredLabel = new QLabel(tr("&Delivered"), page);
    m_deliveredLabel->setBuddy(m_delivered);
    form->addRow(m_deliveredLabel, m_delivered);
    form->addRow(tr("&Billed"), m_billed);
    form->addRow(tr("Amount"), m_amount);
    form->addRow(tr("&Reason"), m_reason);
    connect(m_delivered, &QLineEdit::textEdited, this, &CInvAdjInvLineView::deliveredEdited);
    connect(m_billed, &QLineEdit::textEdited, this, &CInvAdjInvLineView::billedEdited);
    return page;
}

QWidget* CInvAdjInvLineView::detailsPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->setVerticalSpacing(1);
    form->setLabelAlignment(Qt::AlignLeft);
    for (const char* caption : kDetailCaptions) {
        auto* value = new QLabel(page);
        value->setTextFormat(Qt::PlainText);
        value->setWordWrap(true);
        value->setFont(labelFont(11, true));
        auto* label = new QLabel(tr(caption), page);
        label->setFont(labelFont(11, false));
        form->addRow(label, value);
        m_details.push_back(value);
    }
    const char* names[] = {
        "lineProduct",           "lineDescription",     "lineWearer",    "lineTax",
        "lineBilling",           "lineMinimum",         "lineFrequency", "lineInventory",
        "linePreBilledQuantity", "linePrebilledAmount", "linePrice"};
    for (std::size_t i = 0; i < m_details.size(); ++i) {
        m_details[i]->setObjectName(QString::fromLatin1(names[i]));
    }
    // Eleven rows may not all fit the handheld's screen: the page scrolls.
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return scroll;
}

QWidget* CInvAdjInvLineView::pickUpPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    m_toPickUp = new QLabel(page);
    m_toPickUp->setObjectName(QStringLiteral("toPickUp"));
    m_toPickUp->setFont(labelFont(14, true));
    m_pickUp = quantityEdit(QStringLiteral("pickUpQuantity"), page);
    // Any character gets in, so that the driver is told why only the digits stay.
    m_pickUp->setMaxLength(4);
    setFieldKind(m_pickUp, FieldKind::Digits);
    form->addRow(tr("To Pick Up"), m_toPickUp);
    form->addRow(tr("&Picked Up"), m_pickUp);
    layout->addLayout(form);
    auto* row = new QHBoxLayout;
    m_decrease = new QPushButton(QStringLiteral("-"), page);
    m_decrease->setObjectName(QStringLiteral("pickUpDecrease"));
    m_increase = new QPushButton(QStringLiteral("+"), page);
    m_increase->setObjectName(QStringLiteral("pickUpIncrease"));
    for (QPushButton* b : {m_decrease, m_increase}) {
        b->setMinimumSize(kButtonWidth, kButtonHeight);
        b->setFont(labelFont(18, true));
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    layout->addLayout(row);
    layout->addStretch(1);
    connect(m_pickUp, &QLineEdit::textEdited, this, &CInvAdjInvLineView::pickUpEdited);
    connect(m_decrease, &QPushButton::clicked, this, [this] { stepPickUp(-1); });
    connect(m_increase, &QPushButton::clicked, this, [this] { stepPickUp(1); });
    return page;
}

void CInvAdjInvLineView::initialUpdate() {
    CKelvoDoc& d = doc();
    const CInvoice& invoice = d.Invoice();
    const int index = d.Invoicing().SelectedLine();
    if (!invoice.HoldsInvoice() || index < 0 || index >= static_cast<int>(invoice.LineCount())) {
        setTitle(QString());
        m_tabs->setEnabled(false);
        m_ok->setEnabled(false);
        return;
    }
    const CInvoiceItem& line = invoice.Line(static_cast<std::size_t>(index));
    m_line = &line;
    setTitle(fromData(format("Invoice# %.0f Line# %d %s", invoice.InvoiceNumber(), line.LineNumber,
                             LineTypeName(line.LineType).c_str())));
    m_adjuster = std::make_unique<LineAdjuster>(line, d.Config());

    const bool readOnly = invoiceReadOnly(d);
    m_deliveredLabel->setVisible(m_adjuster->ShowsDelivered());
    m_delivered->setVisible(m_adjuster->ShowsDelivered());
    m_delivered->setEnabled(!readOnly && m_adjuster->DeliveredAdjustable());
    m_billed->setEnabled(!readOnly);
    m_reason->setEnabled(!readOnly);
    for (const CAdjReason* r : d.AdjReasons().InGroup(AdjReasonGroup::BillingAdj)) {
        m_reason->addItem(fromData(r->ReasonDescription), fromData(r->ReasonCode));
    }
    // The line's reason stays chosen for a second adjustment; read-only, none is chosen, so
    // that Ok keeps only the pick-up quantity.
    m_reason->setCurrentIndex(readOnly || line.AdjustmentReasonCode.empty()
                                  ? -1
                                  : m_reason->findData(fromData(line.AdjustmentReasonCode)));
    m_delivered->setText(number(m_adjuster->Delivered()));
    m_billed->setText(number(m_adjuster->Billed()));
    showAdjustment();
    fillDetails(line);

    const bool pickUp = line.PickUpMode() != PickUp::None;
    if (pickUp) {
        m_tabs->addTab(m_pickUpPage, tr("Pick Up"));
        m_toPickUp->setText(QString::number(line.QtyToPick));
        m_pickUp->setText(fromData(line.PickUpShown()));
        updatePickUpButtons();
    } else {
        m_pickUpPage->hide();
    }
    (readOnly && pickUp ? m_pickUp : m_billed)->setFocus();
}

void CInvAdjInvLineView::fillDetails(const CInvoiceItem& line) {
    const ConfigData& config = doc().Config();
    const std::string texts[] = {productText(line),
                                 line.Description,
                                 line.WearerNumber != 0
                                     ? format("%d ", line.WearerNumber) + line.WearerName
                                     : line.WearerName,
                                 TaxTypeName(line.TaxType),
                                 billingText(line),
                                 minimumText(line),
                                 line.FrequencyCode,
                                 formatPrice(line.InventoryQuantity, 0),
                                 formatPrice(line.PreBilledQuantity, 0),
                                 formatPrice(line.PrebilledAmount, 2),
                                 priceText(line.Price, config)};
    for (std::size_t i = 0; i < m_details.size(); ++i) {
        m_details[i]->setText(fromData(texts[i]));
    }
    // Only a Rent line billed on a minimum has one.
    const bool minimum = !texts[5].empty();
    m_details[5]->setVisible(minimum);
    if (auto* form = qobject_cast<QFormLayout*>(m_details[5]->parentWidget()->layout())) {
        if (QWidget* label = form->labelForField(m_details[5])) {
            label->setVisible(minimum);
        }
    }
}

void CInvAdjInvLineView::deliveredEdited(const QString& text) {
    m_adjuster->DeliveredChanged(toWhole(toData(text)), doc().Prompt());
    showAdjustment();
}

void CInvAdjInvLineView::billedEdited(const QString& text) {
    m_adjuster->BilledChanged(toWhole(toData(text)), doc().Prompt());
    showAdjustment();
}

void CInvAdjInvLineView::showAdjustment() {
    // The field being typed in keeps its text ("-" on the way to "-2") unless the value had to
    // be held back.
    auto show = [](QLineEdit* edit, int value) {
        if (toWhole(toData(edit->text())) != value) {
            edit->setText(number(value));
        }
    };
    show(m_delivered, m_adjuster->Delivered());
    show(m_billed, m_adjuster->Billed());
    m_amount->setText(fromData(formatPrice(m_adjuster->Amount(), 2)));
}

void CInvAdjInvLineView::pickUpEdited(const QString& text) {
    const std::string digits = pickUpDigits(doc().Prompt(), toData(text));
    if (fromData(digits) != text) {
        m_pickUp->setText(fromData(digits));
        m_pickUp->setFocus();
    }
    updatePickUpButtons();
}

void CInvAdjInvLineView::stepPickUp(int step) {
    m_pickUp->setText(fromData(pickUpStepped(toData(m_pickUp->text()), step)));
    updatePickUpButtons();
}

void CInvAdjInvLineView::updatePickUpButtons() {
    const std::string text = toData(m_pickUp->text());
    m_decrease->setEnabled(pickUpDecreasable(text));
    m_increase->setEnabled(pickUpIncreasable(text));
}

CommandOutcome CInvAdjInvLineView::handleCommand(CommandId id) {
    return id == cmd::LineOk ? save() : CommandOutcome::proceed();
}

CommandOutcome CInvAdjInvLineView::save() {
    CKelvoDoc& d = doc();
    if (!m_line || !m_adjuster) {
        return CommandOutcome::stay();
    }
    const std::string pickUp = toData(m_pickUp->text());
    if (pickUpMissing(d.Prompt(), *m_line, pickUp)) {
        m_tabs->setCurrentWidget(m_pickUpPage);
        m_pickUp->setFocus();
        return CommandOutcome::stay();
    }
    LineAdjustment a;
    a.amount = m_adjuster->Amount();
    a.billed = m_adjuster->Billed();
    a.delivered = m_adjuster->Delivered();
    a.pickUpQty = pickUp;
    a.reasonCode = toData(m_reason->currentData().toString());  // "" while none is chosen
    m_line = nullptr;  // the save replaces the open invoice's lines
    if (!saveLineAdjustment(d, static_cast<std::size_t>(d.Invoicing().SelectedLine()), a).done) {
        m_line = &d.Invoice().Line(static_cast<std::size_t>(d.Invoicing().SelectedLine()));
        return CommandOutcome::stay();
    }
    return CommandOutcome::proceed();
}

}  // namespace kelvo
