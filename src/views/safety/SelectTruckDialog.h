#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace kelvo {

class CKelvoDoc;

// "Select Truck": the truck the safety checklist is for, chosen from the truck list.
// OK is offered only while a truck is selected and there is more than one to choose from;
// it makes the selected code the checklist's truck identifier.
class SelectTruckDialog : public QDialog {
    Q_OBJECT
public:
    SelectTruckDialog(CKelvoDoc& doc, QWidget* parent = nullptr);

    void accept() override;

private:
    void updateOk();

    CKelvoDoc& m_doc;
    QComboBox* m_trucks = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace kelvo
