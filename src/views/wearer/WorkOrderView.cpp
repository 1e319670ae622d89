#include "views/wearer/WorkOrderView.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "doc/ChangeOps.h"
#include "doc/KelvoDoc.h"
#include "model/AdjReason.h"
#include "views/wearer/WearerFields.h"

namespace kelvo {

namespace {

constexpr int kReferenceLength = 15;
constexpr int kRemarkLength = 80;

QLabel* caption(const QString& text, int id, QWidget* parent) {
    QLabel* label = makeLabel(text, id, parent);
    label->setFont(labelFont(12, false));
    return label;
}

}  // namespace

CWorkOrderView::CWorkOrderView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::WorkOrder, parent) {
    const bool dud = doc.Config().IsDud();
    m_wearer = wearerHeadline(QStringLiteral("1292"), this);
    body()->addWidget(m_wearer);
    QLabel* reason = caption(tr("Reason"), 1267, this);
    m_reason = choiceBox(false, this);
    m_reason->setObjectName(QStringLiteral("1298"));
    reason->setBuddy(m_reason);
    for (const CAdjReason* r : workOrderReasons(doc)) {
        m_reason->addItem(fromData(r->ReasonDescription), fromData(r->ReasonCode));
    }
    QLabel* reference = caption(tr("Reference #"), 1331, this);
    m_reference = textEdit(kReferenceLength, this);
    m_reference->setObjectName(QStringLiteral("1118"));
    reference->setBuddy(m_reference);
    QLabel* remark = caption(tr("Remark"), 1268, this);
    m_remark = remarkEdit(kRemarkLength, this);
    m_remark->setObjectName(QStringLiteral("1275"));
    remark->setBuddy(m_remark);
    for (QWidget* w : {static_cast<QWidget*>(reason), static_cast<QWidget*>(m_reason),
                       static_cast<QWidget*>(reference), static_cast<QWidget*>(m_reference),
                       static_cast<QWidget*>(remark), static_cast<QWidget*>(m_remark)}) {
        body()->addWidget(w);
    }
    body()->setStretchFactor(m_remark, 1);
    // The "DUD" laundry asks for the reason only.
    for (QWidget* w : {static_cast<QWidget*>(reference), static_cast<QWidget*>(m_reference),
                       static_cast<QWidget*>(remark), static_cast<QWidget*>(m_remark)}) {
        w->setVisible(!dud);
    }
    if (dud) {
        body()->addStretch(1);
    }
    connect(m_reason, &QComboBox::currentIndexChanged, this, &CWorkOrderView::refresh);
    connect(m_reference, &QLineEdit::textChanged, this, &CWorkOrderView::refresh);
    connect(m_remark, &QPlainTextEdit::textChanged, this, &CWorkOrderView::refresh);

    addButton(QStringLiteral("<-"), 1299, cmd::Back);
    m_save = addButton(QStringLiteral("->"), 1300, cmd::WorkOrderSave);
}

void CWorkOrderView::initialUpdate() {
    setTitle(tr("Create Work Order"));
    m_wearer->setText(fromData(workOrderWearerLine(doc())));
    m_reason->setCurrentIndex(-1);
    refresh();
    m_reason->setFocus();
}

WorkOrderEntry CWorkOrderView::entry() const {
    return {toData(m_reason->currentData().toString()), toData(m_reference->text()),
            toData(m_remark->toPlainText())};
}

void CWorkOrderView::refresh() {
    doc().WearerData().Drafts.WorkOrder = entry();
    m_save->setEnabled(commandEnabled(cmd::WorkOrderSave));
    documentChanged();
}

void CWorkOrderView::keyPressEvent(QKeyEvent* event) {
    // Escape goes back, as "<-" does.
    if (event->key() == Qt::Key_Escape) {
        send(cmd::Back);
        return;
    }
    FormView::keyPressEvent(event);
}

CommandOutcome CWorkOrderView::handleCommand(CommandId id) {
    if (id != cmd::WorkOrderSave) {
        return CommandOutcome::proceed();
    }
    return showNotices(doc().Prompt(), saveWorkOrder(doc(), entry())) ? CommandOutcome::proceed()
                                                                      : CommandOutcome::stay();
}

}  // namespace kelvo
