#pragma once

#include "ui/FormView.h"

namespace kelvo {

class ColumnList;

// The contact person screen: the stop's contact persons with their functions.
class CContactPersonView : public FormView {
    Q_OBJECT
public:
    explicit CContactPersonView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;

private:
    ColumnList* m_list = nullptr;
};

}  // namespace kelvo
