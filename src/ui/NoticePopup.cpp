#include "ui/NoticePopup.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/FormView.h"

namespace kelvo {

namespace {
// Room left between the popup and the edges of the screen.
constexpr int kInset = 12;
}  // namespace

NoticePopup::NoticePopup(QWidget* window) : QDialog(window) {
    setObjectName(QStringLiteral("notice"));
    auto* layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("noticeTitle"));
    m_title->setTextFormat(Qt::PlainText);
    m_title->setFont(labelFont(16, true));
    m_title->setWordWrap(true);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("noticeText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setFont(labelFont(14, false));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setMinimumSize(FormView::kButtonWidth, FormView::kButtonHeight);
    m_ok->setFont(labelFont(16, true));
    layout->addWidget(m_title);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QDialog::accept);
}

NoticePopup* NoticePopup::post(QWidget* screen, const QString& title, const QString& text,
                               int closeAfterMs) {
    QWidget* window = screen->window();
    auto* popup =
        window->findChild<NoticePopup*>(QStringLiteral("notice"), Qt::FindDirectChildrenOnly);
    if (!popup) {
        popup = new NoticePopup(window);
    }
    popup->m_queue.push_back({title, text, closeAfterMs});
    if (!popup->isVisible()) {
        popup->showNext();
    }
    return popup;
}

QString NoticePopup::text() const {
    return isVisible() ? m_text->text() : QString();
}

void NoticePopup::done(int result) {
    m_timer.stop();
    QDialog::done(result);
    showNext();
}

void NoticePopup::showNext() {
    if (m_queue.empty()) {
        return;
    }
    const Pending next = m_queue.front();
    m_queue.pop_front();
    setWindowTitle(next.title);
    m_title->setText(next.title);
    m_text->setText(next.text);
    // A notice that stays until OK is to be read before the driver goes on; one that closes
    // itself leaves the screen as it is, keys and taps included.
    const bool stays = next.closeAfterMs <= 0;
    setWindowModality(stays ? Qt::ApplicationModal : Qt::NonModal);
    setAttribute(Qt::WA_ShowWithoutActivating, !stays);

    QWidget* window = parentWidget();
    const int width = window->width() - 2 * kInset;
    setFixedWidth(width);
    const int height =
        std::min(layout()->totalHeightForWidth(width), window->height() - 2 * kInset);
    setFixedHeight(height);
    move(window->mapToGlobal(QPoint(kInset, (window->height() - height) / 2)));
    show();
    raise();
    if (stays) {
        activateWindow();
        m_ok->setFocus();
    } else {
        m_timer.start(next.closeAfterMs);
    }
}

}  // namespace kelvo
