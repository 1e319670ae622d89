#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/XmlReader.h"
#include "model/InventoryTransactions.h"
#include "model/PendingTransaction.h"
#include "model/Wearer.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::fixture;
using kelvo::test::readHostFile;
using kelvo::test::TempDevice;

namespace {

constexpr double kCust = 4711;
constexpr const char* kTransactionsFile = "\\VexXml\\InventoryTransaction_4711.xml";

// A customer's transaction list on a fresh device, with the pending slot of the document.
struct Customer {
    TempDevice dev;
    CInventoryTransactions list;
    CPendingTransaction pending;

    explicit Customer(int priceDecimals = 2, const char* content = nullptr) {
        dev.fs().createFolder("\\VexXml");
        if (content != nullptr) {
            dev.put(kTransactionsFile, content);
        }
        loaded = list.Load(dev.fs(), kCust, priceDecimals);
    }
    // Builds a transaction with these lines and commits it.
    ChangeResult commit(std::int32_t code, const std::string& WID,
                        const std::vector<CInventoryLine>& lines, double nr = 0) {
        CInventory& t = pending.Begin(kCust, code, WID);
        t.Nr = nr;
        t.Lines = lines;
        return list.Commit(dev.fs(), pending);
    }
    std::string file() const { return dev.read(kTransactionsFile); }

    LoadResult loaded;
};

CInventoryLine line(double pid, double sid, double qty = 1, double price = 0, double orgPid = 0,
                    double orgSid = 0) {
    return CInventoryLine{pid, sid, qty, qty, 0, 0, price, orgPid, orgSid, {}, {}};
}

// The transactions of the golden files, built as the change screens build them.
void commitGoldenDay(Customer& c) {
    CInventory& add = c.pending.Begin(kCust, kAddWearer, "");
    add.ReasonCode = "NW";
    add.Ref = "WO-1";
    add.Rem = "Start Monday & bring ID";
    add.Nr = 1250;
    add.FName = "Mary <Mo> Smith";
    add.FirstName = "Zo\xEB";
    add.LastName = "Smith";
    add.EmblemName = "M&M";
    add.Admin = "A>7";
    add.Dpt = 10;
    add.Fun = 4;
    add.LockID = 2;
    add.Bank = "B";
    add.Lock = "07";
    add.WearerRem = "Sizes < usual";
    add.AddLine(101, 2, 5, 5, 1, 2, 0.45);
    add.AddLine(103, 3432, 3, 3, 0, 1, 12.125);
    ASSERT_EQ(c.list.Commit(c.dev.fs(), c.pending), ChangeResult::Saved);
    ASSERT_EQ(c.commit(kQuitWearer, "W20117-00005", {}), ChangeResult::Saved);
    CInventory& product = c.pending.Begin(kCust, kAddProduct, "W20117-00030");
    product.ReasonCode = "NP";
    product.AddLine(104, 4, 2, 2, 1, 1, 1234.5);
    ASSERT_EQ(c.list.Commit(c.dev.fs(), c.pending), ChangeResult::Saved);
    ASSERT_EQ(c.commit(kQuitProduct, "W20117-00030", {line(101, 2, 0)}), ChangeResult::Saved);
    CInventory& exchange = c.pending.Begin(kCust, kExchangeProduct, "W20117-00012");
    exchange.ReasonCode = "EX";
    exchange.Ref = "R-9";
    exchange.Rem = "Too small";
    exchange.AddLine(101, 3, 11, 11, 1, 2, 0.5, 101, 2);
    ASSERT_EQ(c.list.Commit(c.dev.fs(), c.pending), ChangeResult::Saved);
    ASSERT_EQ(c.commit(kQuantityDown, "W20117-00012", {line(103, 3432, 3, 0.55)}),
              ChangeResult::Saved);
    CInventory& up = c.pending.Begin(kCust, kQuantityUp, "W20117-00040");
    up.ReasonCode = "QU";
    up.AddLine(104, 4, 7, 6, 0, 0, 1.1);
    ASSERT_EQ(c.list.Commit(c.dev.fs(), c.pending), ChangeResult::Saved);
}

}  // namespace

class GoldenTransactionFile : public ::testing::TestWithParam<int> {};

TEST_P(GoldenTransactionFile, CommitsWriteTheFileByteForByteAndItIsWrittenBackTheSame) {
    const int decimals = GetParam();
    const std::string golden = readHostFile(
        fixture("wearer/InventoryTransaction_dec" + std::to_string(decimals) + ".xml"));
    ASSERT_FALSE(golden.empty());
    Customer day(decimals);
    ASSERT_EQ(day.loaded, LoadResult::Missing);
    commitGoldenDay(day);
    EXPECT_EQ(day.file(), golden);

    Customer reread(decimals, golden.c_str());
    ASSERT_EQ(reread.loaded, LoadResult::Read);
    ASSERT_EQ(reread.list.Count(), 7u);
    // A price keeps its value in memory; the file has it with the configured decimals.
    EXPECT_EQ(day.list.At(0).Lines.at(1).Price, 12.125);
    EXPECT_EQ(reread.list.At(0).Lines.at(1).Price, decimals == 2 ? 12.13 : 12.125);
    EXPECT_EQ(reread.list.At(0).FName, "Mary <Mo> Smith");
    EXPECT_EQ(reread.list.At(0).LastName, "");  // never written
    EXPECT_EQ(reread.list.ToXml(), golden);
}

INSTANTIATE_TEST_SUITE_P(PriceDecimals, GoldenTransactionFile, ::testing::Values(2, 4));

TEST(TransactionFile, EmptyListAndLoadingTheSameCustomerAgain) {
    Customer c;
    EXPECT_EQ(c.list.Save(c.dev.fs()), ChangeResult::Saved);
    EXPECT_EQ(c.file(), "<Transactions>\r\n</Transactions>");
    // The same customer again is not read again: what is on disk now is not looked at.
    c.dev.put(kTransactionsFile, "<Transactions><T><Code>2</Code><WID>X</WID></T></Transactions>");
    EXPECT_EQ(c.list.Load(c.dev.fs(), kCust, 2), LoadResult::Unchanged);
    EXPECT_EQ(c.list.Count(), 0u);
    EXPECT_EQ(c.list.Load(c.dev.fs(), 4712, 2), LoadResult::Missing);
    EXPECT_EQ(c.list.Load(c.dev.fs(), kCust, 2), LoadResult::Read);
    EXPECT_TRUE(c.list.IsQuit("X"));
}

TEST(TransactionFile, AFileThatCannotBeReadIsNeverOverwritten) {
    struct Case {
        const char* content;
        LoadResult loaded;
    };
    for (const Case& k :
         {Case{"<Transactions><Transaction>", LoadResult::Damaged},
          Case{"garbage", LoadResult::Damaged}, Case{" \r\n", LoadResult::Missing}}) {
        Customer c(2, k.content);
        EXPECT_EQ(c.loaded, k.loaded) << k.content;
        const ChangeResult committed = c.commit(kQuitWearer, "W-1", {});
        if (k.loaded == LoadResult::Damaged) {
            EXPECT_EQ(committed, ChangeResult::Refused);
            EXPECT_EQ(c.file(), k.content);
            EXPECT_TRUE(c.pending.IsOpen());  // the change is still there to retry
            int left = 0;
            EXPECT_EQ(c.list.CancelProduct(c.dev.fs(), "W-1", 1, 1, 0, left),
                      ChangeResult::Refused);
            EXPECT_EQ(c.list.Save(c.dev.fs()), ChangeResult::Refused);
            // The next entry tries the file again.
            c.dev.put(kTransactionsFile, "<Transactions/>");
            EXPECT_EQ(c.list.Load(c.dev.fs(), kCust, 2), LoadResult::Read);
            EXPECT_EQ(c.list.Commit(c.dev.fs(), c.pending), ChangeResult::Saved);
        } else {
            EXPECT_EQ(committed, ChangeResult::Saved);
        }
    }
}

TEST(TransactionFile, UnsafeCustomerNumberIsRefused) {
    Customer c;
    EXPECT_EQ(c.list.FilePath(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(c.list.Load(c.dev.fs(), std::nan(""), 2), LoadResult::Refused);
    EXPECT_EQ(c.list.CustID(), -1);
    c.pending.Begin(std::nan(""), kQuitWearer, "W-1");
    EXPECT_EQ(c.list.Commit(c.dev.fs(), c.pending), ChangeResult::Refused);
}

TEST(PendingTransaction, NeverReachesListOrFileUnlessCommitted) {
    Customer c;
    ASSERT_EQ(c.commit(kQuitWearer, "W-1", {}), ChangeResult::Saved);
    const std::string before = c.file();

    // Abandoned on leaving the change screens.
    c.pending.Begin(kCust, kAddProduct, "W-2").AddLine(1, 1, 1, 1, 0, 0, 1);
    c.pending.Abandon();
    EXPECT_EQ(c.list.Commit(c.dev.fs(), c.pending), ChangeResult::NotFound);
    // Replaced by a new change: only the new one is committed.
    c.pending.Begin(kCust, kAddProduct, "W-2").AddLine(1, 1, 1, 1, 0, 0, 1);
    c.pending.Begin(kCust, kQuitWearer, "W-3");
    // Built for another customer: the driver moved to another stop meanwhile.
    c.list.Load(c.dev.fs(), 4712, 2);
    EXPECT_EQ(c.list.Commit(c.dev.fs(), c.pending), ChangeResult::OtherCustomer);
    c.list.Load(c.dev.fs(), kCust, 2);
    EXPECT_EQ(c.file(), before);
    EXPECT_EQ(c.list.Count(), 1u);
    EXPECT_FALSE(c.list.IsProductAdded("W-2", 1, 1));

    // A write that fails leaves list and file alone and keeps the change pending.
    std::filesystem::rename(c.dev.root() / "VexXml", c.dev.root() / "Gone");
    EXPECT_EQ(c.list.Commit(c.dev.fs(), c.pending), ChangeResult::WriteFailed);
    EXPECT_EQ(c.list.Count(), 1u);
    ASSERT_TRUE(c.pending.IsOpen());
    std::filesystem::rename(c.dev.root() / "Gone", c.dev.root() / "VexXml");
    EXPECT_EQ(c.list.Commit(c.dev.fs(), c.pending), ChangeResult::Saved);
    EXPECT_FALSE(c.pending.IsOpen());
    EXPECT_TRUE(c.list.IsQuit("W-3"));
}

TEST(CancelTransaction, WhichLineAndWhichTransactionIsRemoved) {
    Customer c;
    c.commit(kAddProduct, "W-1", {line(1, 1), line(2, 2)});
    c.commit(kExchangeProduct, "W-1", {line(5, 6, 1, 0, 3, 4)});
    c.commit(kAddWearer, "", {line(7, 7), line(8, 8)}, 900);
    c.commit(kQuitWearer, "W-2", {});
    c.commit(kQuitProduct, "W-3", {line(9, 9, 0)});
    struct Case {
        const char* WID;
        double pid, sid, nr;
        ChangeResult result;
        int linesLeft;
        std::size_t count;
    };
    const Case cases[] = {
        {"W-1", 1, 1, 0, ChangeResult::Saved, 1, 5},      // one of two lines
        {"W-1", 1, 1, 0, ChangeResult::NotFound, -1, 5},  // already gone
        {"W-1", 2, 2, 0, ChangeResult::Saved, 0, 4},      // the last line takes the transaction
        {"W-1", 3, 4, 0, ChangeResult::Saved, 0, 3},      // an exchange by its old product
        {"", 7, 7, 901, ChangeResult::NotFound, -1, 3},   // an added wearer is found by number
        {"", 7, 7, 900, ChangeResult::Saved, 1, 3},
        {"W-2", 0, 0, 0, ChangeResult::NotFound, -1, 3},  // quit wearer is no product change
        {"W-3", 9, 9, 0, ChangeResult::Saved, 0, 2},
    };
    for (const Case& k : cases) {
        int left = 99;
        EXPECT_EQ(c.list.CancelProduct(c.dev.fs(), k.WID, k.pid, k.sid, k.nr, left), k.result)
            << k.WID << " " << k.pid;
        EXPECT_EQ(left, k.linesLeft) << k.WID << " " << k.pid;
        EXPECT_EQ(c.list.Count(), k.count) << k.WID << " " << k.pid;
    }
    // The file holds exactly what the list holds.
    EXPECT_EQ(c.file(), c.list.ToXml());
    Customer fresh;
    fresh.commit(kAddWearer, "", {line(8, 8)}, 900);
    fresh.commit(kQuitWearer, "W-2", {});
    EXPECT_EQ(c.file(), fresh.file());

    // An exchange by its new product; a wearer-level cancel matches the number as written.
    c.commit(kExchangeProduct, "W-4", {line(5, 6, 1, 0, 3, 4)});
    int left = 0;
    EXPECT_EQ(c.list.CancelProduct(c.dev.fs(), "W-4", 5, 6, 0, left), ChangeResult::Saved);
    EXPECT_EQ(c.list.CancelWearer(c.dev.fs(), "W-2", 0.4), ChangeResult::Saved);
    EXPECT_EQ(c.list.CancelWearer(c.dev.fs(), "", 901), ChangeResult::NotFound);
    EXPECT_EQ(c.list.CancelWearer(c.dev.fs(), "", 900), ChangeResult::Saved);
    EXPECT_EQ(c.list.Count(), 0u);
    EXPECT_EQ(c.file(), "<Transactions>\r\n</Transactions>");
}

TEST(CancelTransaction, AFailedWriteKeepsTheTransaction) {
    Customer c;
    c.commit(kAddProduct, "W-1", {line(1, 1), line(2, 2)});
    c.commit(kAddProduct, "W-2", {line(3, 3)});
    const std::string before = c.list.ToXml();
    std::filesystem::rename(c.dev.root() / "VexXml", c.dev.root() / "Gone");
    int left = 0;
    EXPECT_EQ(c.list.CancelProduct(c.dev.fs(), "W-1", 2, 2, 0, left), ChangeResult::WriteFailed);
    EXPECT_EQ(c.list.CancelProduct(c.dev.fs(), "W-2", 3, 3, 0, left), ChangeResult::WriteFailed);
    EXPECT_EQ(c.list.CancelWearer(c.dev.fs(), "W-1", 0), ChangeResult::WriteFailed);
    EXPECT_EQ(c.list.ToXml(), before);
    EXPECT_TRUE(c.list.IsProductAdded("W-2", 3, 3));
}

TEST(TransactionQueries, WhatTheWearerScreenAsks) {
    Customer c;
    c.commit(kAddProduct, "W-1", {line(1, 1)}, 0);
    c.commit(kExchangeProduct, "W-1", {line(5, 6, 2, 0, 3, 4)});
    c.commit(kQuantityUp, "W-1", {line(7, 7, 9)});
    c.commit(kQuitProduct, "W-1", {line(8, 8, 0)});
    c.commit(kQuitWearer, "W-2", {});
    c.commit(kAddWearer, "", {line(1, 1)}, 1250);
    c.commit(0, "W-3", {line(1, 1)}, 3000);  // a code the back office does not know
    c.commit(kQuitProduct, "W-3", {line(1, 1, 0)});
    EXPECT_EQ(c.list.ProductStatus("W-1", 1, 1), kAddProduct);
    EXPECT_EQ(c.list.ProductStatus("W-1", 3, 4), kExchangeProduct);
    EXPECT_EQ(c.list.ProductStatus("W-1", 5, 6), kExchangeProduct);
    EXPECT_EQ(c.list.ProductStatus("W-1", 7, 7), kQuantityUp);
    EXPECT_EQ(c.list.ProductStatus("W-2", 1, 1), kQuitWearer);
    EXPECT_EQ(c.list.ProductStatus("W-1", 1, 2), 0);
    EXPECT_TRUE(c.list.IsProductQuit("W-1", 8, 8));
    EXPECT_FALSE(c.list.IsProductQuit("W-1", 1, 1));
    EXPECT_TRUE(c.list.IsProductAdded("W-1", 1, 1));
    EXPECT_FALSE(c.list.IsProductAdded("W-9", 1, 1));
    ASSERT_NE(c.list.FindExchangeLine("W-1", 3, 4), nullptr);
    EXPECT_EQ(c.list.FindExchangeLine("W-1", 3, 4)->PID, 5);
    EXPECT_EQ(c.list.FindExchangeLine("W-1", 5, 6), nullptr);
    ASSERT_NE(c.list.FindQuantityLine("W-1", 7, 7), nullptr);
    EXPECT_EQ(c.list.FindQuantityLine("W-1", 7, 7)->Qty, 9);
    EXPECT_EQ(c.list.FindQuantityLine("W-1", 1, 1), nullptr);
    EXPECT_EQ(c.list.MaxNumber(), 3000);
    EXPECT_EQ(c.list.CountDeliveries(), 4u);
    EXPECT_EQ(c.list.FindByNumber(1250)->Code, kAddWearer);
    EXPECT_TRUE(c.list.IsAdded(""));
    EXPECT_FALSE(c.list.WearerFree("W-2"));
    EXPECT_TRUE(c.list.WearerFree("W-1"));
    EXPECT_FALSE(c.list.NoTransactions("W-1"));
    EXPECT_TRUE(c.list.NoTransactions("W-9"));
    EXPECT_FALSE(c.list.ProductFree("W-1", 3, 4));  // replaced by the exchange
    EXPECT_FALSE(c.list.ProductFree("W-2", 1, 1));  // the wearer quits
    EXPECT_TRUE(c.list.ProductFree("W-1", 2, 2));
    EXPECT_EQ(c.list.Find("W-3", 0)->Nr, 3000);
    EXPECT_EQ(c.list.ProductStatus("W-3", 1, 1), kQuitProduct);  // code 0 hides nothing
}

