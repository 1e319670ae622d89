#include "views/route/StopInstructionView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"

namespace kelvo {

namespace {

QString yesNo(char flag) {
    return flag == 'Y' ? QStringLiteral("YES") : QStringLiteral("NO");
}

}  // namespace

CStopInstructionView::CStopInstructionView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::StopInfo, parent) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    // Both captions end at the same place, so that their colons stand one above the other.
    const QString captions[] = {tr("Customer Satisfaction Survey :"), tr("Signature Required :")};
    QLabel** values[] = {&m_survey, &m_signature};
    const char* names[] = {"satisfactionSurvey", "signatureRequired"};
    for (int row = 0; row < 2; ++row) {
        auto* caption = new QLabel(captions[row], this);
        caption->setFont(labelFont(12, false));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, row, 0);
        QLabel* value = makeLabel(QString(), 0, this);
        value->setObjectName(QString::fromLatin1(names[row]));
        value->setFont(labelFont(12, true));
        grid->addWidget(value, row, 1);
        *values[row] = value;
    }
    grid->setColumnStretch(1, 1);
    body()->addLayout(grid);

    auto* heading = new QLabel(tr("&Instructions:"), this);
    heading->setFont(labelFont(12, true));
    m_instructions = new QPlainTextEdit(this);
    m_instructions->setObjectName(QStringLiteral("deliveryInstructions"));
    m_instructions->setReadOnly(true);
    m_instructions->setFont(labelFont(13, false));
    heading->setBuddy(m_instructions);
    body()->addWidget(heading);
    body()->addWidget(m_instructions, 1);

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
}

void CStopInstructionView::initialUpdate() {
    const CStop* stop = selectedStop(doc());
    if (!stop) {
        return;
    }
    setTitle(fromData(stop->CustomerName));
    m_survey->setText(yesNo(stop->SatisfactionSurvey));
    m_signature->setText(yesNo(stop->SignatureRequired));
    m_instructions->setPlainText(fromDataLines(stop->DeliveryInstructions));
}

}  // namespace kelvo
