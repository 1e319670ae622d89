#pragma once

#include <QDialog>
#include <QTimer>
#include <deque>

class QLabel;
class QPushButton;

namespace kelvo {

// The notice popup: a small window over the screen with a title, a text and OK, for what the
// driver should see without answering a message box (arrival and departure times, the survey
// reminder, delivery instructions). A notice closes itself after a moment or stays until OK;
// notices posted while one is shown follow it in turn. The popup belongs to the main window,
// so a notice outlives the screen that posted it.
class NoticePopup : public QDialog {
    Q_OBJECT
public:
    // How long a self-closing notice stays, in milliseconds.
    static constexpr int kCloseAfterMs = 2000;

    // Posts a notice on the popup of `screen`'s window (created on first use) and returns the
    // popup. closeAfterMs 0: the notice stays (and holds the driver) until OK.
    static NoticePopup* post(QWidget* screen, const QString& title, const QString& text,
                             int closeAfterMs);

    // The text shown now ("" while nothing is shown).
    QString text() const;
    // Notices still waiting behind the one shown.
    int waiting() const { return static_cast<int>(m_queue.size()); }

    // OK, Escape or the end of the time: the notice closes and the next one, if any, shows.
    void done(int result) override;

private:
    struct Pending {
        QString title;
        QString text;
        int closeAfterMs = 0;
    };

    explicit NoticePopup(QWidget* window);
    void showNext();

    std::deque<Pending> m_queue;
    QLabel* m_title = nullptr;
    QLabel* m_text = nullptr;
    QPushButton* m_ok = nullptr;
    QTimer m_timer;
};

}  // namespace kelvo
