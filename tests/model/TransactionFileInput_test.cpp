#include <gtest/gtest.h>

#include <cmath>

#include <string>

#include "model/InventoryTransactions.h"
#include "model/PendingTransaction.h"
#include "model/Products.h"
#include "model/Wearers.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::TempDevice;

namespace {

constexpr const char* kTransactionFile = "\\VexXml\\InventoryTransaction_7.xml";

// Loads content as customer 7's transaction file, saves it and loads the saved file again.
struct RoundTrip {
    TempDevice dev;
    CInventoryTransactions first;
    CInventoryTransactions second;
    std::string saved;

    RoundTrip(const std::string& content, int decimals) {
        dev.put(kTransactionFile, content);
        first.Load(dev.fs(), 7, decimals);
        EXPECT_EQ(first.Save(dev.fs()), ChangeResult::Saved);
        saved = dev.read(kTransactionFile);
        second.Load(dev.fs(), 7, decimals);
    }
};

std::string transaction(const std::string& fields) {
    return "<Transactions><Transaction>" + fields + "</Transaction></Transactions>";
}

}  // namespace

// Numbers keep the values the file gives and are rounded only as they are written; texts are
// read as the file carries them back. What the save wrote, loaded and saved again, is the same.
TEST(TransactionFileInput, NumbersKeepTheirValuesTextsAreThoseTheFileCarries) {
    RoundTrip r(transaction("<Code>3x</Code><Nr>2.5</Nr><Rem>a\nb</Rem><Ref>&#32;</Ref>"
                            "<FName>&#x100;</FName><Admin>a\tb</Admin><Bank>  </Bank>"
                            "<Lock>L 1</Lock><Inventory><P><Price>12.125</Price>"
                            "<Qty>-0.2</Qty></P></Inventory>"),
                2);
    const CInventory& t = r.first.At(0);
    EXPECT_EQ(t.Code, 3);
    EXPECT_EQ(t.Nr, 2.5);
    EXPECT_EQ(t.Rem, "a\r\nb");
    EXPECT_EQ(t.Ref, "");
    EXPECT_EQ(t.FName, "?");
    EXPECT_EQ(t.Admin, "a\tb");
    EXPECT_EQ(t.Bank, "");  // only blanks: nothing
    EXPECT_EQ(t.Lock, "L 1");
    EXPECT_EQ(t.Lines.at(0).Price, 12.125);
    EXPECT_EQ(t.Lines.at(0).Qty, -0.2);
    EXPECT_NE(r.saved.find("<Nr>3</Nr>"), std::string::npos);  // halves away from zero
    EXPECT_NE(r.saved.find("<Price>12.13</Price>"), std::string::npos);
    EXPECT_NE(r.saved.find("<Qty>0</Qty>"), std::string::npos);
    EXPECT_EQ(r.second.ToXml(), r.saved);
}

TEST(MakeALike, CopiesTheModelsKnownProductsAndWaitsForSizes) {
    TempDevice dev;
    dev.put("\\VexXml\\Products.xml",
            "<Products><Product><ProductID>1</ProductID><Code>SHIRT</Code>"
            "<Sizes><Size><Code>M</Code><SizeID>11</SizeID></Size></Sizes></Product>"
            "<Product><ProductID>2</ProductID><Code>PANTS</Code></Product></Products>");
    CProducts products;
    ASSERT_TRUE(products.Load(dev.fs()));
    CPendingTransaction pending;
    EXPECT_EQ(pending.AddModelProducts({}, products), 0u);
    pending.Begin(7, kAddWearer, "");
    const std::vector<CWearerProduct> model = {
        {1, 5, 3, 3, 1, 2, 0.5},
        {9, 9, 1, 1, 0, 0, 0.1},  // unknown product: skipped
        {1, 7, 2, 2, 0, 0, 0.5},
    };
    EXPECT_EQ(pending.AddModelProducts(model, products), 2u);
    const CInventory& t = *pending.Get();
    ASSERT_EQ(t.Lines.size(), 2u);
    EXPECT_EQ(t.Lines[0], (CInventoryLine{1, 0, 3, 3, 1, 2, 0.5, 0, 0, "SHIRT", ""}));
    EXPECT_FALSE(t.LinesComplete());
    const CProductSize& m = products.At(0).Sizes.at(0);
    EXPECT_TRUE(pending.ChooseSize(1, m));
    EXPECT_FALSE(t.LinesComplete());
    EXPECT_TRUE(pending.ChooseSize(0, m));
    EXPECT_FALSE(pending.ChooseSize(2, m));
    EXPECT_TRUE(t.LinesComplete());
    EXPECT_EQ(t.Lines[0].SID, 11);
    EXPECT_EQ(t.Lines[1].SizeKey, "M");
}
