#pragma once

#include "ui/FormView.h"

class QLabel;

namespace kelvo {

// The start screen: the plant and the program's version, with Settings ("*") and Start ("->").
class CKelvoView : public FormView {
    Q_OBJECT
public:
    explicit CKelvoView(CKelvoDoc& doc, QWidget* parent = nullptr);

    // Reads the storage location and the configuration and shows the plant.
    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

    // The start data check; refreshes the plant labels from the configuration it read.
    bool startDataCheck();

private:
    void fillLabels();

    QLabel* m_version = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_address = nullptr;
    QLabel* m_city = nullptr;
};

}  // namespace kelvo
