#include "views/route/MileageDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "ui/FieldKind.h"
#include "ui/FormView.h"

namespace kelvo {

MileageDialog::MileageDialog(CKelvoDoc& doc, Kind kind, double startMileage, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_kind(kind), m_startMileage(startMileage) {
    const bool start = kind == Kind::Start;
    setObjectName(start ? QStringLiteral("133") : QStringLiteral("134"));
    setWindowTitle(start ? tr("Start Route") : tr("End Route"));
    const LocalTime now = doc.Time().now();
    m_time = timeText(now);

    const CRoute& route = doc.Route();
    auto* layout = new QVBoxLayout(this);
    auto* title = makeLabel(
        fromData(format(toData(tr("Route %d %s %s")).c_str(), route.RouteNumber(),
                        weekdayName(route.Date()).c_str(), route.RouteDescription().c_str())),
        1031, this);
    title->setWordWrap(true);
    layout->addWidget(title);
    auto* clock = makeLabel(fromData(clockText(now)), start ? 1068 : 1030, this);
    clock->setFont(labelFont(32, true));
    clock->setAlignment(Qt::AlignCenter);
    layout->addWidget(clock);
    auto* prompt = new QLabel(start ? tr("&Start Mileage:") : tr("&End Mileage:"), this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("1007"));
    setFieldKind(m_edit, FieldKind::Number);
    // Digits and one decimal point, no more digits than the largest mileage has; the second
    // decimal is let through so that the driver is told why it does not stay.
    m_edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,9}(\\.\\d*)?")), m_edit));
    m_edit->setMinimumHeight(FormView::kButtonHeight);
    m_edit->setFont(labelFont(18, true));
    prompt->setBuddy(m_edit);
    layout->addWidget(prompt);
    layout->addWidget(m_edit);
    connect(m_edit, &QLineEdit::textEdited, this, &MileageDialog::mileageEdited);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* b : buttons->buttons()) {
        b->setMinimumHeight(FormView::kButtonHeight);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_edit->setFocus();
}

void MileageDialog::mileageEdited(const QString& text) {
    // The field takes nothing but digits and one point; a second decimal is cut off again.
    bool secondDecimal = false;
    const std::string kept = oneDecimalInput(toData(text), secondDecimal);
    if (!secondDecimal) {
        return;  // "1234.0" stays as typed while the driver goes on typing
    }
    m_edit->setText(fromData(kept));
    m_edit->setCursorPosition(static_cast<int>(m_edit->text().size()));
    m_doc.Prompt().inform(toData(tr("Only one decimal is allowed!")), toData(tr("Error data")),
                          MessageIcon::Warning);
    m_edit->setFocus();
}

void MileageDialog::accept() {
    m_mileage = toDouble(toData(m_edit->text()));
    const std::string refusal = m_kind == Kind::Start
                                    ? startMileageRefusal(m_mileage)
                                    : endMileageRefusal(m_mileage, m_startMileage);
    if (!refusal.empty()) {
        // No caption of its own: the program's name stands in the title bar.
        m_doc.Prompt().inform(refusal, "Kelvo", MessageIcon::Warning);
        m_edit->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace kelvo
