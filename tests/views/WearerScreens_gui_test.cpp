#include <gtest/gtest.h>

#include <QBrush>
#include <QFont>
#include <QTreeView>
#include <memory>
#include <string>

#include "frame/ViewFactory.h"
#include "support/SampleStop.h"
#include "ui/FormView.h"
#include "views/wearer/WearerListModel.h"

using namespace kelvo;

namespace {

constexpr const char* kTransactions = "\\VexXml\\InventoryTransaction_20117.xml";

// One transaction as the file holds it; `lines` are ready <Product> elements.
std::string transaction(int code, const std::string& WID, int nr, const std::string& name,
                        const std::string& lines = {}) {
    return "<Transaction><Code>" + std::to_string(code) + "</Code><WID>" + WID + "</WID><Nr>" +
           std::to_string(nr) + "</Nr><FName>" + name + "</FName><Inventory>" + lines +
           "</Inventory></Transaction>";
}

std::string line(int PID, int SID, int qty, int orgPID = 0, int orgSID = 0) {
    return "<Product><PID>" + std::to_string(PID) + "</PID><SID>" + std::to_string(SID) +
           "</SID><Qty>" + std::to_string(qty) + "</Qty><OrgPID>" + std::to_string(orgPID) +
           "</OrgPID><OrgSID>" + std::to_string(orgSID) + "</OrgSID></Product>";
}

// The wearer screen at the first stop of the sample day (Harbor Marine Repair), with changes of
// the day in its transaction file: Ray Dunn's shirts exchanged from XL to L, Luis Alvarez's
// coveralls lowered to 4, Sam Keller quit, and Anna Stone (8) added.
class WearerScreen : public ::testing::Test, protected test::StopDocument {
protected:
    void SetUp() override {
        test::workAtStop(dev, doc, 0);
        dev.put(kTransactions,
                "<Transactions>" + transaction(5, "W20117-00003", 0, "", line(101, 3, 11, 101, 4)) +
                    transaction(6, "W20117-00005", 0, "", line(104, 4, 4)) +
                    transaction(2, "W20117-00021", 0, "") +
                    transaction(1, "", 8, "Anna Stone", line(101, 2, 11)) + "</Transactions>");
        view.reset(createView(screen::Wearer, doc));
        ASSERT_NE(view, nullptr);
        view->initialUpdate();
        list = view->findChild<QTreeView*>(QStringLiteral("wearerList"));
        ASSERT_NE(list, nullptr);
        model = qobject_cast<CWearerListModel*>(list->model());
        ASSERT_NE(model, nullptr);
    }

    int rowOf(const char* text) const {
        for (int r = 0; r < model->rowCount(); ++r) {
            if (model->index(r, 0).data().toString() == QString::fromLatin1(text)) {
                return r;
            }
        }
        ADD_FAILURE() << "no row " << text;
        return -1;
    }
    // The colour of a cell's text; an invalid colour when the list draws it as usual.
    QColor colour(int row, int column) const {
        const QVariant v = model->index(row, column).data(Qt::ForegroundRole);
        return v.isValid() ? v.value<QBrush>().color() : QColor();
    }

    std::unique_ptr<FormView> view;
    QTreeView* list = nullptr;
    CWearerListModel* model = nullptr;
};

const QColor kRed(255, 51, 51);
const QColor kGreen(51, 153, 51);
const QColor kGrey(134, 134, 134);

TEST_F(WearerScreen, TodaysChangesAndInactiveWearersAreColouredWearerRowsBold) {
    const struct {
        const char* row;
        QColor colour;
    } wearers[] = {{"3              Ray Dunn", QColor()},
                   {"7              Jim O'Brien", kGrey},
                   {"8              Anna Stone", kGreen},
                   {"21            Sam Keller", kRed}};
    for (const auto& w : wearers) {
        SCOPED_TRACE(w.row);
        const int r = rowOf(w.row);
        EXPECT_EQ(colour(r, 0), w.colour);
        EXPECT_TRUE(model->index(r, 0).data(Qt::FontRole).value<QFont>().bold());
    }
    EXPECT_EQ(model->columnCount(), 1);
}

TEST_F(WearerScreen, ProductRowsShowExchangeAndQuantityChange) {
    model->toggle(rowOf("3              Ray Dunn"));
    model->toggle(rowOf("5              Luis Alvarez"));
    model->toggle(rowOf("21            Sam Keller"));
    ASSERT_EQ(model->columnCount(), 2);
    const struct {
        const char* row;
        const char* quantity;
        QColor text;
        QColor quantityColour;
    } products[] = {
        {" PA200 40x32", "11", QColor(), QColor()},  // Ray's pants, unchanged
        {" SH100 L", "11", kGreen, kGreen},          // the new size of the exchange
        {" SH100 XL", "11", kRed, kRed},             // the size it replaces
        {" CO300 XL", "4", QColor(), kGreen},        // Luis: only the quantity is marked
        {" PA200 32x32", "11", kRed, kRed},          // Sam quit: every product red
    };
    for (const auto& p : products) {
        SCOPED_TRACE(p.row);
        const int r = rowOf(p.row);
        EXPECT_EQ(model->index(r, 1).data().toString(), QString::fromLatin1(p.quantity));
        EXPECT_EQ(colour(r, 0), p.text);
        EXPECT_EQ(colour(r, 1), p.quantityColour);
        EXPECT_FALSE(model->index(r, 0).data(Qt::FontRole).value<QFont>().bold());
    }
    // Closing every wearer again leaves one column.
    model->toggle(rowOf("3              Ray Dunn"));
    model->toggle(rowOf("5              Luis Alvarez"));
    model->toggle(rowOf("21            Sam Keller"));
    EXPECT_EQ(model->columnCount(), 1);
    EXPECT_EQ(model->rowCount(), 7);
}

}  // namespace
