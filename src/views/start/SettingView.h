#pragma once

#include "ui/FormView.h"

class QComboBox;

namespace kelvo {

// The settings screen: where the data folder lives, in main memory or on a storage card.
class CSettingView : public FormView {
    Q_OBJECT
public:
    explicit CSettingView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    QComboBox* m_places = nullptr;
};

}  // namespace kelvo
