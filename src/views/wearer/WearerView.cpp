#include "views/wearer/WearerView.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <memory>

#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"
#include "doc/WearerListOps.h"
#include "doc/WearerOps.h"
#include "doc/WearerTexts.h"
#include "model/Stop.h"
#include "views/wearer/WearerListModel.h"

namespace kelvo {

namespace {

// The bottom row holds up to six buttons: a smaller caption keeps every one readable.
constexpr int kActionFontSize = 13;
// Width of the quantity column.
constexpr int kQuantityWidth = 40;

}  // namespace

CWearerView::CWearerView(CKelvoDoc& doc, QWidget* parent) : FormView(doc, screen::Wearer, parent) {
    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(tr("Filter"), this);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setMinimumHeight(kButtonHeight - 8);
    filterLabel->setBuddy(m_filter);
    auto* view = new QPushButton(tr("View"), this);
    view->setObjectName(QStringLiteral("view"));
    view->setAutoDefault(false);
    view->setMinimumSize(kButtonWidth, kButtonHeight - 8);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter, 1);
    filterRow->addWidget(view);
    body()->addLayout(filterRow);
    connect(view, &QPushButton::clicked, this, &CWearerView::applyFilter);
    connect(m_filter, &QLineEdit::returnPressed, this, &CWearerView::applyFilter);

    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("wearerList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setIndentation(0);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setFont(labelFont(11, false));
    m_list->header()->setFont(labelFont(11, true));
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsMovable(false);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->installEventFilter(this);
    m_model = new CWearerListModel(this);
    m_list->setModel(m_model);
    body()->addWidget(m_list, 1);
    connect(m_list, &QTreeView::clicked, this, &CWearerView::rowTapped);
    // The selection, not the current index: the list makes its first row current without
    // selecting it when it gets the focus.
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { selectionChanged(); });
    connect(m_model, &QAbstractItemModel::columnsInserted, this, &CWearerView::fitColumns);
    connect(m_model, &QAbstractItemModel::columnsRemoved, this, &CWearerView::fitColumns);
    connect(m_model, &QAbstractItemModel::modelReset, this, &CWearerView::fitColumns);

    addButton(QStringLiteral("<-"), 0, cmd::Back)->setObjectName(QStringLiteral("back"));
    const struct {
        const char* caption;
        const char* name;
        CommandId command;
        bool product;
    } actions[] = {
        {"A", "addWearer", cmd::AddWearer, false},
        {"M", "makeALike", cmd::MakeALike, false},
        {"AP", "addProduct", cmd::AddProduct, false},
        {"Quit", "quitWearer", cmd::QuitWearer, false},
        {"Ex", "exchange", cmd::Exchange, true},
        {"M", "changeQuantity", cmd::ChangeQuantity, true},
        {"QP", "quitProduct", cmd::QuitProduct, true},
    };
    for (const auto& a : actions) {
        QPushButton* b = addButton(QString::fromLatin1(a.caption), 0, a.command);
        b->setObjectName(QString::fromLatin1(a.name));
        (a.product ? m_productActions : m_wearerActions).push_back(b);
    }
    m_cancel = addButton(tr("Cancel"), 0, cmd::CancelTransaction);
    m_cancel->setObjectName(QStringLiteral("cancelTransaction"));
    for (QPushButton* b : buttons()) {
        b->setFont(labelFont(kActionFontSize, true));
    }
}

void CWearerView::initialUpdate() {
    // The wearer screen ends every change flow: a later work order leads back to no exchange
    // or quantity change.
    frameFlags().exchangeInProgress = false;
    frameFlags().quantityChangeInProgress = false;
    m_columnWidth = enterWearers(doc());
    const CStop* stop = selectedStop(doc());
    setTitle(stop ? fromData(stop->CustomerName) : QString());
    refill();
    m_list->setFocus();
}

void CWearerView::refill() {
    CWearerData& data = doc().WearerData();
    auto rows = std::make_unique<CWearerRows>(data, m_columnWidth);
    rows->Restore();
    m_filter->setText(fromData(rows->Filter()));
    m_filling = true;  // the list's passing states are no selection of the driver's
    m_model->setRows(std::move(rows), fromData(wearerHeader(m_columnWidth)));
    m_filling = false;
    const int row = reselectWearerRow(data, m_model->rows());
    if (row >= 0) {
        const QModelIndex index = m_model->index(row, 0);
        m_list->setCurrentIndex(index);
        m_list->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
    remember();
    showActions(true);
}

void CWearerView::rowTapped(const QModelIndex& index) {
    if (!index.isValid() || m_model->rows().IsProduct(std::size_t(index.row()))) {
        return;
    }
    m_model->toggle(index.row());
    remember();
}

void CWearerView::selectionChanged() {
    if (m_filling) {
        return;
    }
    // Any cell: while the quantity column comes or goes a row is selected only in part.
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    chooseWearerRow(doc().WearerData(), m_model->rows(),
                    selected.isEmpty() ? -1 : selected.first().row());
    showActions(false);
}

void CWearerView::applyFilter() {
    m_model->showWearers(toData(m_filter->text()));
    wearerFilterApplied(doc().WearerData(), m_model->rows());
    if (m_model->rowCount() > 0) {
        m_list->setCurrentIndex(m_model->index(0, 0));
    } else {
        showActions(false);
    }
    remember();
}

void CWearerView::showActions(bool deferTable) {
    const CWearerData& data = doc().WearerData();
    const bool product = data.ListState.Selection().isProduct;
    for (QPushButton* b : m_wearerActions) {
        b->setVisible(!product);
    }
    for (QPushButton* b : m_productActions) {
        b->setVisible(product);
    }
    const bool cancel = mayCancelSelected(data);
    m_cancel->setEnabled(cancel);
    documentChanged();
    relayout();
    const int table = product ? screen::WearerProduct : screen::Wearer;
    if (deferTable) {
        // While the frame opens this screen it sets the wearer table itself; switch after it.
        QTimer::singleShot(0, this, [this, table] { emit commandTableRequested(table); });
    } else {
        emit commandTableRequested(table);
    }
}

void CWearerView::remember() {
    rememberWearerView(doc().WearerData(), m_model->rows());
}

void CWearerView::fitColumns() {
    QHeaderView* header = m_list->header();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    if (m_model->columnCount() > 1) {
        header->setSectionResizeMode(1, QHeaderView::Fixed);
        header->resizeSection(1, kQuantityWidth);
    }
    // A column that comes in belongs to the selected row as well.
    const QModelIndex current = m_list->currentIndex();
    if (current.isValid()) {
        m_list->selectionModel()->select(
            current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

bool CWearerView::eventFilter(QObject* watched, QEvent* event) {
    // With no row selected the first Up or Down selects the row the list stands on, which
    // the list made current without selecting it.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex current = m_list->currentIndex();
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && current.isValid() &&
            !m_list->selectionModel()->hasSelection()) {
            m_list->selectionModel()->select(
                current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            return true;
        }
    }
    return FormView::eventFilter(watched, event);
}

CommandOutcome CWearerView::handleCommand(CommandId id) {
    switch (id) {
        case cmd::QuitWearer:
        case cmd::QuitProduct:
        case cmd::CancelTransaction:
            // The change is made and saved; the list shows it.
            refill();
            return CommandOutcome::stay();
        default:
            return CommandOutcome::proceed();
    }
}

}  // namespace kelvo
