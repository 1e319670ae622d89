#include "doc/ShownProduct.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/InventoryTransactions.h"
#include "model/PendingTransaction.h"
#include "model/Wearer.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::TempDevice;

namespace {

constexpr double kCust = 4711;

// A customer's transaction list on a fresh device, changed as the change screens change it.
struct Customer {
    TempDevice dev;
    CInventoryTransactions list;
    CPendingTransaction pending;

    Customer() {
        dev.fs().createFolder("\\VexXml");
        list.Load(dev.fs(), kCust, 2);
    }
    void commit(std::int32_t code, const std::string& WID,
                const std::vector<CInventoryLine>& lines) {
        pending.Begin(kCust, code, WID).Lines = lines;
        ASSERT_EQ(list.Commit(dev.fs(), pending), ChangeResult::Saved);
    }
};

CInventoryLine line(double pid, double sid, double qty, double price = 0) {
    return CInventoryLine{pid, sid, qty, qty, 0, 0, price, 0, 0, {}, {}};
}

TEST(ShownProducts, ProductsAndMarksUnderAWearer) {
    Customer c;
    CWearer w;
    w.ID = "W-1";
    w.Active = 'Y';
    w.AddProduct(1, 1, 2, 2, 5, 6, 1.5);  // exchanged
    w.AddProduct(2, 2, 3, 3, 5, 6, 2.5);  // quantity changed
    w.AddProduct(3, 3, 4, 4, 5, 6, 3.5);  // quit
    w.AddProduct(4, 4, 5, 5, 5, 6, 4.5);  // untouched
    c.commit(kExchangeProduct, "W-1", {CInventoryLine{1, 9, 2, 2, 7, 8, 1.75, 1, 1, {}, {}}});
    c.commit(kQuantityDown, "W-1", {CInventoryLine{2, 2, 1, 1, 0, 0, 2.75, 0, 0, {}, {}}});
    c.commit(kQuitProduct, "W-1", {line(3, 3, 0)});
    c.commit(kAddProduct, "W-1", {line(6, 6, 1, 9.5)});
    const std::vector<CShownProduct> expected = {
        {{1, 9, 2, 2, 7, 8, 1.75}, RowMark::Added},
        {{1, 1, 2, 2, 5, 6, 1.5}, RowMark::Quit},
        {{2, 2, 1, 1, 5, 6, 2.75}, RowMark::QuantityChanged},
        {{3, 3, 4, 4, 5, 6, 3.5}, RowMark::Quit},
        {{4, 4, 5, 5, 5, 6, 4.5}, RowMark::None},
        {{6, 6, 1, 1, 0, 0, 9.5}, RowMark::Added},
    };
    EXPECT_EQ(shownProducts(c.list, w), expected);
    EXPECT_EQ(wearerMark(c.list, w), RowMark::None);

    CWearer quit = w;
    quit.ID = "W-2";
    c.commit(kQuitWearer, "W-2", {});
    EXPECT_EQ(wearerMark(c.list, quit), RowMark::Quit);
    for (const CShownProduct& p : shownProducts(c.list, quit)) {
        EXPECT_EQ(p.Mark, RowMark::Quit);
    }
    quit.Active = 'N';
    EXPECT_EQ(wearerMark(c.list, quit), RowMark::Inactive);
}

TEST(ShownProducts, AWearerAddedHereShowsItsLinesAdded) {
    CInventory added;
    added.Code = kAddWearer;
    added.Lines = {line(1, 2, 3, 4.5), line(5, 6, 1)};
    const std::vector<CShownProduct> expected = {
        {{1, 2, 3, 3, 0, 0, 4.5}, RowMark::Added},
        {{5, 6, 1, 1, 0, 0, 0}, RowMark::Added},
    };
    EXPECT_EQ(shownProducts(added), expected);
}

}  // namespace
