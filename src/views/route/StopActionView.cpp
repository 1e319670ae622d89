#include "views/route/StopActionView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "doc/InvoiceOps.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"
#include "ui/NoticePopup.h"

namespace kelvo {

namespace {

// The buttons beside the texts: as high as the bottom row, a little narrower.
constexpr int kSideButtonWidth = 44;

QLabel* textLabel(const QString& text, const char* name, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(labelFont(12, bold));
    return label;
}

// A caption and its value on one line.
QWidget* captioned(const QString& caption, QLabel* value, QWidget* parent) {
    auto* line = new QWidget(parent);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto* label = new QLabel(caption, line);
    label->setFont(value->font());
    layout->addWidget(label);
    layout->addWidget(value);
    layout->addStretch(1);
    return line;
}

void showNotice(QWidget* screen, const Notice& notice) {
    NoticePopup::post(screen, fromData(notice.title), fromDataLines(notice.text),
                      notice.untilOk ? 0 : NoticePopup::kCloseAfterMs);
}

}  // namespace

CStopActionView::CStopActionView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::StopAction, parent) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(0, 1);
    auto place = [this, grid](QWidget* text, int row, std::initializer_list<QPushButton*> side) {
        if (text) {
            grid->addWidget(text, row, 0);
        }
        int col = 1;
        for (QPushButton* b : side) {
            grid->addWidget(b, row, col++);
        }
    };

    m_contacts = textLabel(QString(), "pendingContacts", this);
    place(captioned(tr("Pending Contacts:"), m_contacts, this), 0,
          {addSideButton(QStringLiteral("M"), 1260, cmd::ContactScreen, tr("Contacts and calls")),
           addSideButton(QStringLiteral("CP"), 1222, cmd::ContactPerson, tr("Contact persons"))});

    auto* invoices = new QWidget(this);
    auto* invoiceLines = new QVBoxLayout(invoices);
    invoiceLines->setContentsMargins(0, 0, 0, 0);
    invoiceLines->setSpacing(0);
    m_invoiceLine = textLabel(QString(), "invoiceLine", invoices, true);
    m_totalLine = textLabel(QString(), "totalLine", invoices);
    invoiceLines->addWidget(m_invoiceLine);
    invoiceLines->addWidget(m_totalLine);
    m_settle = addSideButton(QStringLiteral("S"), 1126, 0, tr("Settle the invoices"));
    connect(m_settle, &QPushButton::clicked, this, &CStopActionView::settle);
    place(invoices, 1, {m_settle});

    place(textLabel(tr("Account and instructions"), "accountCaption", this), 2,
          {addSideButton(QStringLiteral("AI"), 1223, cmd::AgingInfo, tr("Aging information")),
           addSideButton(QStringLiteral("I"), 1261, cmd::StopInstructions, tr("Instructions"))});

    m_garments = new QWidget(this);
    auto* garmentLines = new QVBoxLayout(m_garments);
    garmentLines->setContentsMargins(0, 0, 0, 0);
    garmentLines->setSpacing(0);
    garmentLines->addWidget(textLabel(tr("Garments"), "garmentsHeading", m_garments, true));
    m_orders = textLabel(QString(), "createdOrders", m_garments);
    m_flagged = textLabel(QString(), "flaggedGarments", m_garments);
    garmentLines->addWidget(captioned(tr("Created Orders:"), m_orders, m_garments));
    garmentLines->addWidget(captioned(tr("Flagged Garments:"), m_flagged, m_garments));
    m_wearers = addSideButton(QStringLiteral("W"), 1130, cmd::WearerScreen, tr("Wearers"));
    place(m_garments, 3,
          {addSideButton(QStringLiteral("G"), 1129, cmd::ScanScreen, tr("Scan garments")),
           m_wearers});
    grid->setRowStretch(4, 1);
    body()->addLayout(grid, 1);

    m_back = addButton(QStringLiteral("<-"), 1060, cmd::Back);
    m_arrive = addButton(QStringLiteral("A"), 1128, cmd::Arrived);
    m_arrive->setToolTip(tr("Arrived"));
    m_depart = addButton(QStringLiteral("D"), 1127, cmd::Departed);
    m_depart->setToolTip(tr("Departed"));
}

QPushButton* CStopActionView::addSideButton(const QString& caption, int id, CommandId command,
                                            const QString& tip) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::number(id));
    button->setFont(labelFont(15, true));
    button->setFixedSize(kSideButtonWidth, kButtonHeight);
    button->setAutoDefault(false);
    button->setToolTip(tip);
    if (command != 0) {
        connect(button, &QPushButton::clicked, this, [this, command] { send(command); });
    }
    return button;
}

void CStopActionView::initialUpdate() {
    CKelvoDoc& d = doc();
    const CStop* stop = selectedStop(d);
    if (!stop) {
        for (QPushButton* b : findChildren<QPushButton*>()) {
            b->setEnabled(b == m_back);
        }
        return;
    }
    setTitle(fromData(stop->CustomerName));
    m_contacts->setText(QString::number(stop->Calls().size()));
    loadStopInvoices(d);
    const InvoiceSummary summary = summarizeInvoices(d.Invoices());
    m_invoiceLine->setText(fromData(summary.invoiceLine()));
    m_totalLine->setText(fromData(summary.totalLine()));

    const bool garmentOrdering = d.Config().GarmentOrderingActive() == 'Y';
    m_garments->setVisible(garmentOrdering);
    m_wearers->setVisible(garmentOrdering);
    if (garmentOrdering) {
        const GarmentCounts counts = garmentCounts(d, *stop);
        m_orders->setText(QString::number(counts.orders));
        m_flagged->setText(QString::number(counts.flagged));
    }
    refreshButtons();
}

void CStopActionView::refreshButtons() {
    CKelvoDoc& d = doc();
    const CStop* stop = selectedStop(d);
    if (!stop) {
        return;
    }
    m_arrive->setEnabled(commandEnabled(cmd::Arrived));
    m_depart->setEnabled(commandEnabled(cmd::Departed));
    // Between arrival and departure the driver stays at the stop.
    m_back->setEnabled(!stopArrived(*stop) || stopDeparted(*stop));
    m_settle->setEnabled(d.Invoices().Count() > 0);
}

void CStopActionView::settle() {
    send(openStopInvoices(doc()));
}

CommandOutcome CStopActionView::handleCommand(CommandId id) {
    switch (id) {
        case cmd::Arrived:
            for (const Notice& notice : recordArrival(doc())) {
                showNotice(this, notice);
            }
            refreshButtons();
            return CommandOutcome::stay();
        case cmd::Departed: {
            const Notice notice = recordDeparture(doc());
            if (notice.text.empty()) {
                return CommandOutcome::stay();
            }
            showNotice(this, notice);  // it stays over the stop list
            return CommandOutcome::proceed();
        }
        default:
            return CommandOutcome::proceed();
    }
}

}  // namespace kelvo
