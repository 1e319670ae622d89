#include "views/wearer/AddNextWearerView.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/Prompter.h"
#include "doc/AddWearerOps.h"
#include "doc/KelvoDoc.h"
#include "views/wearer/WearerFields.h"

namespace kelvo {

namespace {

constexpr int kAdminLength = 20;
constexpr int kRemarkLength = 255;  // what a field of the transaction file keeps

}  // namespace

CAddNextWearerView::CAddNextWearerView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::AddNextWearer, parent) {
    m_wearer = wearerHeadline(QStringLiteral("wearerLine"), this);
    body()->addWidget(m_wearer);
    QFormLayout* form = fieldForm();
    m_admin = textEdit(kAdminLength, this);
    addField(form, tr("Admin #"), m_admin, QStringLiteral("admin"));
    m_function = choiceBox(true, this);
    for (const CFunction& f : doc.WearerData().Functions) {
        m_function->addItem(fromData(f.Description));
    }
    addField(form, tr("Function"), m_function, QStringLiteral("function"));
    m_remark = remarkEdit(kRemarkLength, this);
    addField(form, tr("Remark"), m_remark, QStringLiteral("remark"));
    body()->addLayout(form, 1);
    connect(m_function->lineEdit(), &QLineEdit::editingFinished, this,
            &CAddNextWearerView::checkTypedFunction);
    // What is typed is kept at once, so that Back to page 1 and on again loses nothing.
    connect(m_admin, &QLineEdit::textChanged, this, &CAddNextWearerView::store);
    connect(m_function, &QComboBox::currentTextChanged, this, &CAddNextWearerView::store);
    connect(m_remark, &QPlainTextEdit::textChanged, this, &CAddNextWearerView::store);

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
    m_next = addButton(QStringLiteral("->"), 0, cmd::AddProductPage2);
    m_next->setObjectName(QStringLiteral("next"));
}

void CAddNextWearerView::initialUpdate() {
    setTitle(frameFlags().makeALike ? tr("Make A-Like                      Page 2")
                                    : tr("Add Wearer                       Page 2"));
    m_wearer->setText(fromData(productWearerLine(doc())));
    const WearerPage2 page = openWearerPage2(doc());
    m_admin->setText(fromData(page.admin));
    m_function->setCurrentIndex(m_function->findText(fromData(page.function)));
    m_remark->setPlainText(fromDataLines(page.remark));
    m_filled = true;
    const bool functions = m_function->count() > 0;
    m_next->setEnabled(functions);
    m_admin->setFocus();
}

void CAddNextWearerView::store() {
    if (m_filled) {
        storePage2(doc(), {toData(m_admin->text()), toData(m_function->currentText()),
                           toData(m_remark->toPlainText())});
    }
}

void CAddNextWearerView::checkTypedFunction() {
    if (knownFunction(doc(), toData(m_function->currentText()))) {
        return;
    }
    m_function->setCurrentText(QString());
    doc().Prompt().inform(toData(tr("Invalid function entered!")), toData(tr("Invalid data")));
}

CommandOutcome CAddNextWearerView::handleCommand(CommandId id) {
    if (id != cmd::AddProductPage2 && id != cmd::SelectSizes) {
        return CommandOutcome::proceed();
    }
    checkTypedFunction();
    store();
    if (frameFlags().makeALike) {
        return CommandOutcome::to(screen::SelectSize);
    }
    return CommandOutcome::proceed();
}

}  // namespace kelvo
