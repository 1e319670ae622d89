#pragma once

#include <vector>

#include "ui/FormView.h"

class QLineEdit;
class QModelIndex;
class QTreeView;

namespace kelvo {

class CWearerListModel;

// The wearers of the current stop's customer and, tapped open, a wearer's products, with
// today's changes in colour; the filter keeps the wearers whose name holds a text. The
// selected row is what the actions work on: the bottom row offers the wearer actions (A, M,
// AP, Quit) for a wearer row and the product actions (Ex, M, QP) for a product row, and Cancel
// while a transaction stands behind the row. Filter, opened wearers and selection are kept in
// the document, so that the screen comes back as the driver left it.
class CWearerView : public FormView {
    Q_OBJECT
public:
    explicit CWearerView(CKelvoDoc& doc, QWidget* parent = nullptr);

    void initialUpdate() override;
    CommandOutcome handleCommand(CommandId id) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Builds the rows anew from the document and selects the remembered row.
    void refill();
    void rowTapped(const QModelIndex& index);
    void selectionChanged();
    void applyFilter();
    // Shows the buttons and the command table that fit the selected row.
    void showActions(bool deferTable);
    // Keeps the filter and the opened wearers in the document.
    void remember();
    void fitColumns();

    int m_columnWidth = 16;
    bool m_filling = false;
    QLineEdit* m_filter = nullptr;
    QTreeView* m_list = nullptr;
    CWearerListModel* m_model = nullptr;
    std::vector<QPushButton*> m_wearerActions;
    std::vector<QPushButton*> m_productActions;
    QPushButton* m_cancel = nullptr;
};

}  // namespace kelvo
