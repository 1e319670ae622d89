#include "ui/FormView.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "doc/KelvoDoc.h"
#include "doc/ScreenTable.h"

namespace kelvo {

namespace {
// Gap between the title and the body, and between the body and the bar.
constexpr int kMargin = 4;
// Height of the bar picture above the buttons.
constexpr int kBarHeight = 3;
}  // namespace

QFont labelFont(int pixelHeight, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelHeight);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

QLabel* makeLabel(const QString& text, int id, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::number(id));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QTreeWidget* makeList(const QStringList& heads, int id, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::number(id));
    setUpList(list, heads);
    return list;
}

void setUpList(QTreeWidget* list, const QStringList& heads) {
    list->setColumnCount(static_cast<int>(heads.size()));
    list->setHeaderLabels(heads);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setFont(labelFont(11, false));
    list->setIndentation(0);
    list->header()->setStretchLastSection(false);
    list->header()->setFont(labelFont(11, true));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

FormView::FormView(CKelvoDoc& doc, int screenIndex, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_screenIndex(screenIndex) {
    setAutoFillBackground(true);
    m_title = makeLabel(QString(), 1007, this);
    m_title->setFont(labelFont(18, true));
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_title->setWordWrap(true);

    m_bodyWidget = new QWidget(this);
    m_bodyWidget->setObjectName(QStringLiteral("body"));
    m_body = new QVBoxLayout(m_bodyWidget);
    m_body->setContentsMargins(kMargin, 0, kMargin, 0);
    m_body->setSpacing(2);

    // The bar picture: a band across the screen just above the buttons.
    m_bar = new QLabel(this);
    m_bar->setObjectName(QStringLiteral("1248"));
    m_bar->setAutoFillBackground(true);
    QPalette pal = m_bar->palette();
    pal.setColor(QPalette::Window, QColor(0x1f, 0x4e, 0x8c));
    m_bar->setPalette(pal);
}

QLabel* FormView::setTitle(const QString& text, int id) {
    m_title->setObjectName(QString::number(id));
    m_title->setText(text);
    layoutBottom();  // a longer title may take a second line
    return m_title;
}

QPushButton* FormView::addButton(const QString& caption, int id, CommandId command) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::number(id));
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(false);
    button->setFont(labelFont(16, true));
    if (command != 0) {
        connect(button, &QPushButton::clicked, this, [this, command] { send(command); });
    }
    m_buttons.push_back(button);
    layoutBottom();
    return button;
}

bool FormView::commandEnabled(CommandId id) const {
    const ScreenEntry* screen = findScreen(m_screenIndex);
    const ScreenCommand* command = screen ? findCommand(*screen, id) : nullptr;
    return command && command->enabled(m_doc);
}

CommandOutcome FormView::handleCommand(CommandId) {
    return CommandOutcome::proceed();
}

void FormView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutBottom();
}

void FormView::layoutBottom() {
    // On the handheld the buttons sit at screen height - button height - 54: the 54 pixels are
    // the task bar above the form, the command bar below it and a 2-pixel gap. Measured in the
    // form itself that is 2 pixels above its bottom edge.
    const int w = width();
    const int top = height() - kButtonHeight - 2;
    // Each shown button is at least kButtonWidth wide and wide enough for its caption; a
    // hidden one takes no room. When the row would not fit the screen, the buttons first give
    // up what they have beyond their captions, each the same share of it; only when even the
    // captions do not fit does every button shrink alike.
    std::vector<int> widths;
    std::vector<int> needs;
    int total = 0;
    int needed = 0;
    for (QPushButton* b : m_buttons) {
        const int need = b->isHidden() ? 0 : b->fontMetrics().horizontalAdvance(b->text()) + 16;
        needs.push_back(need);
        widths.push_back(b->isHidden() ? 0 : std::max(kButtonWidth, need));
        total += widths.back();
        needed += need;
    }
    int x = 0;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        int bw = widths[i];
        if (total > w && needed <= w) {
            bw = needs[i] + (widths[i] - needs[i]) * (w - needed) / (total - needed);
        } else if (total > w) {
            bw = needs[i] * w / needed;
        }
        m_buttons[i]->setGeometry(x, top, bw, kButtonHeight);
        x += bw;
    }
    m_bar->setGeometry(0, top - 2 - kBarHeight, w, kBarHeight);
    const int hfw = m_title->heightForWidth(w - 2 * kMargin);
    const int titleHeight = (hfw > 0 ? hfw : m_title->sizeHint().height()) + kMargin;
    m_title->setGeometry(kMargin, 2, w - 2 * kMargin, titleHeight);
    const int bodyTop = 2 + titleHeight + kMargin;
    m_bodyWidget->setGeometry(0, bodyTop, w, std::max(0, top - 2 - kBarHeight - kMargin - bodyTop));
}

}  // namespace kelvo
