#include "views/safety/SafetyView.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "common/Prompter.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "doc/SafetyOps.h"
#include "views/safety/SafetyRemarksDialog.h"

namespace kelvo {

namespace {
// A box is a big button: a driver taps it with gloves on.
constexpr int kBoxWidth = 44;
constexpr int kBoxHeight = 44;
constexpr int kScrollWidth = 26;
// Type of the descriptions, and the smallest it gets for a long one.
constexpr int kDescriptionPixels = 14;
constexpr int kSmallestDescriptionPixels = 10;

QPushButton* makeBox(int id, QWidget* parent) {
    auto* box = new QPushButton(parent);
    box->setObjectName(QString::number(id));
    box->setFixedSize(kBoxWidth, kBoxHeight);
    box->setFont(labelFont(22, true));
    box->setFocusPolicy(Qt::StrongFocus);
    box->setAutoDefault(false);
    return box;
}

// Shows a mark: "V" when it is 'Y'. A marked box is also tinted (green for Ok, amber for Need
// Maintenance), so that the answers can be told apart at a glance in bright daylight.
void showMark(QPushButton* box, char mark, const QColor& tint) {
    const bool marked = mark == 'Y';
    box->setText(marked ? QStringLiteral("V") : QString());
    QPalette pal = box->palette();
    pal.setColor(QPalette::Button, marked ? tint : QApplication::palette().color(QPalette::Button));
    box->setPalette(pal);
}

}  // namespace

CSafetyView::CSafetyView(CKelvoDoc& doc, QWidget* parent) : FormView(doc, screen::Safety, parent) {
    // Set before the form lays itself out, so that the title gets the height it needs. A plain
    // label draws "&" as it is: the truck code is shown unchanged.
    setTitle(tr("Truck: %1 ").arg(fromData(doc.Config().TruckCode())));

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(2, 1);

    // The heading's blanks put "Ok" over the first column of boxes.
    auto* heading = makeLabel(tr("  Ok  Need Maintenance"), 1008, this);
    heading->setFont(labelFont(13, true));
    grid->addWidget(heading, 0, 0, 1, 4);

    for (int r = 0; r < kRows; ++r) {
        Row& row = m_rows[static_cast<std::size_t>(r)];
        row.ok = makeBox(127 + r, this);
        row.need = makeBox(131 + r, this);
        row.description = makeLabel(QString(), 1195 + r, this);
        row.description->setWordWrap(true);
        // A row never grows: a long description gets smaller type (fitDescriptions).
        row.description->setFixedHeight(kBoxHeight);
        grid->addWidget(row.ok, r + 1, 0);
        grid->addWidget(row.need, r + 1, 1);
        grid->addWidget(row.description, r + 1, 2);
        connect(row.ok, &QPushButton::clicked, this, [this, r] { markBox(r, true); });
        connect(row.need, &QPushButton::clicked, this, [this, r] { markBox(r, false); });
    }

    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("1194"));
    m_scroll->setFixedWidth(kScrollWidth);
    m_scroll->setSingleStep(1);
    m_scroll->setPageStep(kRows);
    grid->addWidget(m_scroll, 1, 3, kRows, 1);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) {
        m_first = static_cast<std::size_t>(std::max(value, 0));
        fillRows();
    });

    body()->addLayout(grid);
    body()->addStretch(1);

    addButton(QStringLiteral("->"), 1156, cmd::SafetySave);
    addButton(tr("Cancel"), 1157, cmd::SafetyCancel);
    addButton(tr("Page"), 1158, cmd::SafetyPage);
}

void CSafetyView::initialUpdate() {
    frameFlags().safetyCheckPending = false;
    m_changed = false;

    const std::size_t count = doc().SafetyChecks().Count();
    m_first = 0;
    // One scroll position per item: the position is the item shown in the first row.
    const QSignalBlocker block(m_scroll);
    m_scroll->setRange(0, count > 0 ? static_cast<int>(count) - 1 : 0);
    m_scroll->setValue(0);
    m_scroll->setVisible(count > static_cast<std::size_t>(kRows));
    fillRows();
}

void CSafetyView::fillRows() {
    const CSafetyChecks& checks = doc().SafetyChecks();
    for (int r = 0; r < kRows; ++r) {
        const Row& row = m_rows[static_cast<std::size_t>(r)];
        const std::size_t item = m_first + static_cast<std::size_t>(r);
        const bool shown = item < checks.Count();
        row.description->setVisible(shown);
        row.ok->setVisible(shown);
        row.need->setVisible(shown);
        if (!shown) {
            continue;
        }
        const CSafetyCheck& check = checks.At(item);
        row.description->setText(fromData(check.Description));
        showMark(row.ok, check.Ok, QColor(0xb8, 0xe6, 0xb0));
        showMark(row.need, check.NeedMaintenance, QColor(0xff, 0xcc, 0x80));
    }
    fitDescriptions();
}

void CSafetyView::fitDescriptions() {
    body()->activate();  // the labels' widths for the form's current size
    for (const Row& row : m_rows) {
        QLabel* label = row.description;
        const QRect room(0, 0, std::max(label->width(), 1), 10 * kBoxHeight);
        QFont font = labelFont(kDescriptionPixels, true);
        auto height = [&] {
            return QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, label->text()).height();
        };
        while (font.pixelSize() > kSmallestDescriptionPixels && height() > kBoxHeight) {
            font.setPixelSize(font.pixelSize() - 1);
        }
        label->setFont(font);
        // What does not fit even then is cut at the end, never at the beginning.
        label->setAlignment(Qt::AlignLeft |
                            (height() > kBoxHeight ? Qt::AlignTop : Qt::AlignVCenter));
    }
}

void CSafetyView::resizeEvent(QResizeEvent* event) {
    FormView::resizeEvent(event);
    fitDescriptions();
}

void CSafetyView::markBox(int r, bool okBox) {
    const CSafetyChecks& checks = doc().SafetyChecks();
    const std::size_t item = m_first + static_cast<std::size_t>(r);
    if (item >= checks.Count()) {
        return;
    }
    const Row& row = m_rows[static_cast<std::size_t>(r)];
    // The tap toggles the box's "V"; marking one box clears the other.
    const bool marked = (okBox ? row.ok : row.need)->text().isEmpty();
    markSafetyCheck(doc(), item, okBox ? SafetyAnswer::Ok : SafetyAnswer::NeedMaintenance, marked);
    fillRows();
    // A page answered in full makes room for the next one.
    const std::size_t next = m_first + static_cast<std::size_t>(kRows);
    if (next < checks.Count() && checks.AreAnswered(m_first, static_cast<std::size_t>(kRows))) {
        m_scroll->setValue(static_cast<int>(next));
    }
    m_changed = true;
}

CommandOutcome CSafetyView::handleCommand(CommandId id) {
    switch (id) {
        case cmd::SafetySave:
            // A failed write is reported and the screen stays: the old file is whole and the
            // marks stay for the next Save.
            if (!saveSafetyChecks(doc())) {
                return CommandOutcome::stay();
            }
            m_changed = false;
            return CommandOutcome::proceed();
        case cmd::SafetyCancel:
            if (!cancelSafetyChecks(doc())) {
                return CommandOutcome::stay();
            }
            m_changed = false;
            return CommandOutcome::proceed();
        case cmd::SafetyPage:
            editRemarks();
            return CommandOutcome::stay();
        default:
            // Back leaves the screen without asking: the marks made here stay in the
            // document's checklist, unsaved. The screen shows them again when the driver comes
            // back, the next Save writes them and the next Cancel drops them.
            return CommandOutcome::proceed();
    }
}

void CSafetyView::editRemarks() {
    const int index = loadSafetyRemarksRoute(doc());
    if (index < 0) {
        return;
    }
    SafetyRemarksDialog dialog(doc(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // A failed write is not reported (as for every route file save).
    recordSafetyRemarks(doc(), static_cast<std::size_t>(index), dialog.remarks());
}

}  // namespace kelvo
