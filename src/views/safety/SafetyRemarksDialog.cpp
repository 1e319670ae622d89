#include "views/safety/SafetyRemarksDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "common/Prompter.h"
#include "common/Text.h"
#include "doc/KelvoDoc.h"
#include "ui/FormView.h"

namespace kelvo {

SafetyRemarksDialog::SafetyRemarksDialog(CKelvoDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc) {
    setObjectName(QStringLiteral("218"));
    setWindowTitle(tr("Safety Check Remarks"));
    // The upper part of the handheld's screen: the soft input panel covers the lower part
    // while the driver types.
    if (parent) {
        move(parent->window()->mapToGlobal(QPoint(5, 24)));
    }
    setFixedSize(230, 200);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    auto* heading = makeLabel(tr("Safety Check Remarks"), 1008, this);
    heading->setFont(labelFont(16, true));
    layout->addWidget(heading);

    auto* label = new QLabel(tr("&Remarks:"), this);
    m_edit = new QPlainTextEdit(this);
    m_edit->setObjectName(QStringLiteral("1007"));
    m_edit->setFont(labelFont(14, false));
    // Tab leaves the field, as in every other entry field; remarks are plain lines of text.
    m_edit->setTabChangesFocus(true);
    m_edit->setPlainText(toScreen(doc.Route().SafetyRemarks()));
    m_edit->moveCursor(QTextCursor::End);
    label->setBuddy(m_edit);
    layout->addWidget(label);
    layout->addWidget(m_edit, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(tr("Ok"));
    ok->setObjectName(QStringLiteral("ok"));
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setText(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("cancel"));
    for (QPushButton* b : {ok, cancel}) {
        b->setMinimumHeight(FormView::kButtonHeight);
        b->setAutoDefault(false);  // Enter in the remarks starts a new line, never closes
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_edit->setFocus();
}

std::string SafetyRemarksDialog::remarks() const {
    return toFile(m_edit->toPlainText());
}

void SafetyRemarksDialog::accept() {
    const QString text = m_edit->toPlainText();
    const qsizetype bad = firstUnstorable(text);
    if (bad >= 0) {
        // The route file is 8-bit: the character would be lost. Show the driver which one.
        QTextCursor cursor(m_edit->document());
        cursor.setPosition(static_cast<int>(bad));
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        m_edit->setTextCursor(cursor);
        m_doc.Prompt().inform(
            toData(tr("The selected character cannot be saved. Please remove or replace it.")),
            toData(tr("Invalid data")), MessageIcon::Warning);
        m_edit->setFocus();
        return;
    }
    // A route file field keeps 255 characters; a longer remark would come back cut.
    if (toFile(text).size() > kMaxFieldLength) {
        m_doc.Prompt().inform(toData(tr("The remarks can hold at most 255 characters (a line "
                                        "break counts as two). Please shorten them.")),
                              toData(tr("Invalid data")), MessageIcon::Warning);
        m_edit->setFocus();
        return;
    }
    QDialog::accept();
}

QString SafetyRemarksDialog::toScreen(const std::string& remarks) {
    QString text = fromData(remarks);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string SafetyRemarksDialog::toFile(const QString& text) {
    QString file = text;
    file.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return toData(file);
}

qsizetype SafetyRemarksDialog::firstUnstorable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() > 0xFF) {
            return i;
        }
    }
    return -1;
}

}  // namespace kelvo
