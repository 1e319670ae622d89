#pragma once

#include <QDialog>
#include <string>

class QComboBox;
class QPushButton;

namespace kelvo {

class CKelvoDoc;

// "Select Truck": the truck the safety checklist is for, chosen from the truck list.
// OK is offered only while a truck is selected and there is more than one to choose from;
// the caller hands the chosen code to the core (chooseSafetyTruck).
class SelectTruckDialog : public QDialog {
    Q_OBJECT
public:
    SelectTruckDialog(CKelvoDoc& doc, QWidget* parent = nullptr);

    void accept() override;
    // The code of the truck chosen.
    std::string truckCode() const;

private:
    void updateOk();

    QComboBox* m_trucks = nullptr;
    QPushButton* m_ok = nullptr;
};

// For the "DUD" laundry: asks which truck the safety checklist is for and hands the choice to
// the core; other laundries are asked nothing.
void askSafetyTruck(CKelvoDoc& doc, QWidget* parent);

}  // namespace kelvo
