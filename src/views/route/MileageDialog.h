#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;

namespace kelvo {

class CKelvoDoc;

// The start-route and end-route dialogs: the route, a big clock, and the mileage typed with
// at most one decimal. The time to store is taken when the dialog opens. OK is refused with a
// message while the mileage does not pass the dialog's check.
class MileageDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Start, End };

    // For an end dialog `startMileage` is the route's mileage at the start.
    MileageDialog(CKelvoDoc& doc, Kind kind, double startMileage, QWidget* parent = nullptr);

    // The mileage accepted with OK.
    double mileage() const { return m_mileage; }
    // "HH:mm" when the dialog opened: the time to store.
    const std::string& timeToStore() const { return m_time; }

    void accept() override;

private:
    void mileageEdited(const QString& text);

    CKelvoDoc& m_doc;
    Kind m_kind;
    double m_startMileage;
    double m_mileage = 0.0;
    std::string m_time;
    QLineEdit* m_edit = nullptr;
};

}  // namespace kelvo
