#include "views/safety/SelectTruckDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "doc/KelvoDoc.h"
#include "doc/SafetyOps.h"
#include "ui/FormView.h"

namespace kelvo {

SelectTruckDialog::SelectTruckDialog(CKelvoDoc& doc, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("339"));
    setWindowTitle(tr("Select Truck"));
    // Placed over the lower half of the form, as on the handheld.
    if (parent) {
        move(parent->window()->mapToGlobal(QPoint(25, 110)));
    }
    setFixedSize(200, 110);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Truck:"), this);
    m_trucks = new QComboBox(this);
    m_trucks->setObjectName(QStringLiteral("1216"));
    label->setBuddy(m_trucks);
    layout->addWidget(label);
    layout->addWidget(m_trucks);
    const CTrucks& trucks = doc.Trucks();
    for (std::size_t i = 0; i < trucks.Count(); ++i) {
        m_trucks->addItem(fromData(trucks.At(i).Code));
    }
    m_trucks->setCurrentIndex(m_trucks->findText(fromData(doc.SafetyChecks().TruckID())));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_trucks, &QComboBox::currentIndexChanged, this, &SelectTruckDialog::updateOk);
    layout->addWidget(buttons);
    updateOk();
}

void SelectTruckDialog::updateOk() {
    m_ok->setEnabled(m_trucks->currentIndex() >= 0 && m_trucks->count() > 1);
}

void SelectTruckDialog::accept() {
    if (!m_ok->isEnabled()) {
        return;
    }
    QDialog::accept();
}

std::string SelectTruckDialog::truckCode() const {
    return toData(m_trucks->currentText());
}

void askSafetyTruck(CKelvoDoc& doc, QWidget* parent) {
    if (!doc.Config().IsDud()) {
        return;
    }
    SelectTruckDialog dialog(doc, parent);
    if (dialog.exec() == QDialog::Accepted) {
        chooseSafetyTruck(doc, dialog.truckCode());
    }
}

}  // namespace kelvo
