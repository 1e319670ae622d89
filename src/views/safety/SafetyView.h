#pragma once

#include <array>
#include <cstddef>

#include "ui/FormView.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace kelvo {

// The truck's safety checklist, four items a page: each row has an Ok box and a Need
// Maintenance box that show "V" when marked. Save ("->") writes Safety.xml and counts the
// check as done, Cancel reloads the last saved marks, Page edits the safety remarks of the
// current route. The marks live in the document's checklist, never in the screen.
class CSafetyView : public FormView {
    Q_OBJECT
public:
    explicit CSafetyView(CKelvoDoc& doc, QWidget* parent = nullptr);

    // Clears the frame's safety-check-pending flag and the changed flag and shows the first
    // page of the checklist.
    void initialUpdate() override;
    // Save, Cancel (both then go on to the route selection) and the remarks (stays).
    CommandOutcome handleCommand(CommandId id) override;

    // True once the driver changed a mark since the screen was filled.
    bool isChanged() const { return m_changed; }
    // The checklist item shown in the first row.
    std::size_t firstShown() const { return m_first; }

    // Rows shown at a time.
    static constexpr int kRows = 4;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Row {
        QLabel* description = nullptr;
        QPushButton* ok = nullptr;
        QPushButton* need = nullptr;
    };

    // Refills the rows from the checklist, starting at m_first; rows without an item hide.
    void fillRows();
    // Gives each description the largest type (down to a minimum) in which it fits its row.
    void fitDescriptions();
    // The driver tapped a box of a row (okBox: the Ok box, else Need Maintenance).
    void markBox(int row, bool okBox);
    // Shows the remarks dialog for the current route and stores what the driver confirms.
    void editRemarks();

    std::array<Row, kRows> m_rows;
    QScrollBar* m_scroll = nullptr;
    std::size_t m_first = 0;
    bool m_changed = false;
};

}  // namespace kelvo
