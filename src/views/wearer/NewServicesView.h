#pragma once

#include "ui/FormView.h"

class QPushButton;

namespace kelvo {

class ColumnList;

// The new services screen: the flat-good services added for the stop's customer, with the way
// to add another and to delete the selected one.
class CNewServicesView : public FormView {
    Q_OBJECT
public:
    explicit CNewServicesView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

private:
    void fillList(int select);

    ColumnList* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
};

}  // namespace kelvo
