// A save killed at a random moment, hundreds of times (KELVO_KILLS sets how many; CI's long run
// takes thousands): the file always holds exactly the old or the new bytes, and the temporary
// files the kills leave are never data and are removed by the start data check.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <thread>

#include "common/FileWriter.h"
#include "common/Prompter.h"
#include "doc/InvoiceOps.h"
#include "doc/SettleOps.h"
#include "doc/StartCheck.h"
#include "doc/VisitOps.h"
#include "model/Call.h"
#include "model/FlatGoodTransactions.h"
#include "model/GarmentFlags.h"
#include "model/InventoryTransactions.h"
#include "model/Invoice.h"
#include "model/PendingTransaction.h"
#include "model/Route.h"
#include "support/SampleStop.h"
#include "support/SettlementFiles.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::fixture;
using kelvo::test::TempDevice;

namespace {

int kills() {
    const char* text = std::getenv("KELVO_KILLS");
    return text != nullptr ? std::max(1, std::atoi(text)) : 200;
}

// One kind of save: `versions` are the bytes the file may hold, `saveOnce(i)` writes version i
// through the program's own save code and says whether it was saved.
struct SaveLoop {
    std::string path;
    std::string versions[2];
    std::function<bool(int)> saveOnce;
};

// Forks a child that saves the versions in turn without end, kills it after a random wait, and
// checks the file each time. Returns the number of kills.
void killRepeatedly(const TempDevice& dev, const SaveLoop& loop) {
    std::mt19937 random(7);
    dev.put(loop.path, loop.versions[0]);
    const std::string folder = loop.path.substr(0, loop.path.rfind('\\') + 1);
    int interrupted = 0;
    for (int kill = 0; kill < kills(); ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                if (!loop.saveOnce(i % 2)) {
                    ::_exit(1);  // a save that fails on its own is a fault of its own
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200 + random() % 5000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "kill " << kill << ": a save failed";
        const std::string now = dev.read(loop.path);
        ASSERT_TRUE(now == loop.versions[0] || now == loop.versions[1])
            << "kill " << kill << " left " << now.size() << " bytes";
        EXPECT_EQ(dev.fs().listFiles(folder, "*.*").size(), 1u);  // temporaries are no data
        interrupted += removeLeftoverTemporaries(dev.fs(), folder) > 0 ? 1 : 0;
    }
    ::testing::Test::RecordProperty("kills", kills());
    ::testing::Test::RecordProperty("interruptedWrites", interrupted);
    std::printf("%d kills, %d of them during a write\n", kills(), interrupted);
}

}  // namespace

// The two versions of a loaded route or invoice that setVersion(0 or 1) makes, saved in turn.
template <class Model>
SaveLoop versionsOf(const TempDevice& dev, std::string path, Model& model,
                    std::function<void(int)> setVersion) {
    SaveLoop loop{std::move(path), {}, {}};
    for (int i = 0; i < 2; ++i) {
        setVersion(i);
        loop.versions[i] = model.ToXml();
    }
    loop.saveOnce = [&dev, &model, setVersion](int i) {
        setVersion(i);
        return model.Save(dev.fs());
    };
    return loop;
}

TEST(KillDuringSave, RouteFileIsAlwaysTheOldOrTheNew) {
    TempDevice dev;
    const std::string path = "\\VexXml\\Route_7_20061204.xml";
    dev.putFixture(path, fixture("route/Route_7_20061204.xml"));
    CRoute route;
    ASSERT_TRUE(route.Load(dev.fs(), 7, "20061204"));
    killRepeatedly(dev, versionsOf(dev, path, route, [&route](int i) {
                       route.SetVoucherAmount(i == 0 ? 0 : 12.5);
                       route.SetSafetyRemarks(i == 0 ? "" : std::string(200, 'r'));
                   }));
}

TEST(KillDuringSave, InvoiceFileIsAlwaysTheOldOrTheNew) {
    TempDevice dev;
    const std::string path = "\\VexXml\\Inv_4711.xml";
    dev.putFixture(path, fixture("invoice/Inv_4711.xml"));
    CInvoice invoice;
    ASSERT_TRUE(invoice.Load(dev.fs(), 4711).ok());
    killRepeatedly(dev, versionsOf(dev, path, invoice, [&invoice](int i) {
                       invoice.SetCashCollected(i == 0 ? 0 : 99.95);
                       invoice.SetStatus(i == 0 ? "" : "Settled");
                   }));
}

TEST(KillDuringSave, TransactionFileIsAlwaysTheOldOrTheNew) {
    TempDevice dev;
    const std::string path = "\\VexXml\\InventoryTransaction_7.xml";
    dev.putFixture(path, fixture("wearer/InventoryTransaction_dec2.xml"));
    CInventoryTransactions list;
    ASSERT_EQ(list.Load(dev.fs(), 7, 2), LoadResult::Read);
    CPendingTransaction pending;
    SaveLoop loop{path, {}, {}};
    loop.versions[0] = list.ToXml();
    // Version 1: a wearer added here; version 0: that wearer cancelled again (the child begins
    // with a cancel that finds nothing).
    loop.saveOnce = [&](int i) {
        if (i == 1) {
            pending.Begin(7, kAddWearer, "").Nr = 9999;
            return list.Commit(dev.fs(), pending) != ChangeResult::WriteFailed;
        }
        return list.CancelWearer(dev.fs(), "", 9999) != ChangeResult::WriteFailed;
    };
    loop.saveOnce(1);
    loop.versions[1] = list.ToXml();
    loop.saveOnce(0);
    ASSERT_EQ(list.ToXml(), loop.versions[0]);
    killRepeatedly(dev, loop);
}

TEST(KillDuringSave, GarmentFlagFileIsAlwaysTheOldOrTheNew) {
    TempDevice dev;
    const std::string path = "\\VexXml\\GarmentFlags_4711.xml";
    dev.putFixture(path, fixture("garment/GarmentFlags_stored.xml"));
    CGarmentFlags before;
    ASSERT_EQ(before.Load(dev.fs(), 4711).result, LoadResult::Read);
    CGarmentFlags after = before;
    ASSERT_EQ(after.Store(dev.fs(), {"00FF00FF", 3, "Sleeve & collar"}), FileChange::Done);
    const CGarmentFlags* lists[2] = {&before, &after};
    killRepeatedly(dev, {path,
                         {before.Content(), after.Content()},
                         [&](int i) { return lists[i]->Save(dev.fs()); }});
}

TEST(KillDuringSave, FlatGoodFileIsAlwaysTheOldOrTheNew) {
    TempDevice dev;
    const std::string path = "\\VexXml\\FlatGoodTransactions_20117.xml";
    dev.putFixture(path, fixture("flatgoods/FlatGoodTransactions_2.xml"));
    CFlatGoodTransactions list;
    ASSERT_EQ(list.Load(dev.fs(), 20117).result, LoadResult::Read);
    SaveLoop loop{path, {list.Content(2)}, {}};
    // Version 1: a service added at the end; version 0: that service deleted again.
    const std::size_t count = list.Count();
    CFlatGoodTrans added = list.At(0);
    added.Freqcode = "KILL";
    loop.saveOnce = [&](int i) {
        if (i == 1 && list.Count() == count) {
            return list.Add(dev.fs(), added, 2) == FileChange::Done;
        }
        if (i == 0 && list.Count() == count + 1) {
            return list.Remove(dev.fs(), count, 2) == FileChange::Done;
        }
        return true;
    };
    loop.saveOnce(1);
    loop.versions[1] = list.Content(2);
    loop.saveOnce(0);
    ASSERT_EQ(list.Content(2), loop.versions[0]);
    killRepeatedly(dev, loop);
}

TEST(KillDuringSave, CallFileIsAlwaysTheOldOrTheNew) {
    TempDevice dev;
    const std::string path = "\\VexXml\\Call_4711.xml";
    CCall calls[2];
    calls[1].CallID = calls[0].CallID = "4711";
    calls[1].Notes = "Asks for a copy of the November statement.\r\n" + std::string(400, 'n');
    calls[1].Status = 2;
    killRepeatedly(dev, {path,
                         {calls[0].Content(), calls[1].Content()},
                         [&](int i) { return calls[i].Save(dev.fs(), ""); }});
}

namespace {

// The sample day's third stop with its COD invoice (52.62; the stop signs for its invoices)
// open for settlement; receipts go through `receipts`.
struct CodInvoiceOpen : kelvo::test::StopDocument {
    explicit CodInvoiceOpen(ReceiptWriter& receipts) {
        doc.SetReceiptWriter(&receipts);
        opened = openInvoice(2, 100104);
    }
    bool opened = false;
};

}  // namespace

// The program killed at a random moment while it settles an invoice (its journal, signature,
// invoice, route file, receipt and the journal's removal), hundreds of times, then started
// again and the stop opened: the invoice is settled and counted exactly once with its
// receipt, or nothing of the settlement reached a data file. No record is left behind.
TEST(KillDuringSave, ASettlementIsCompletedOnceOrNotAtAll) {
    kelvo::test::TextReceipts receipts;
    const Payment payment{50.0, "", "RD"};
    // The kills are spread over the time one settlement takes here.
    std::chrono::microseconds takes{};
    {
        CodInvoiceOpen s(receipts);
        ASSERT_TRUE(s.opened);
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(settle(s.doc, payment, kelvo::test::signatureBytes(s.dev.fs())).next, screen::InvSelect);
        takes = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start);
    }
    std::mt19937 random(11);
    const int rounds = std::max(20, kills() / 5);
    int completed = 0;
    for (int kill = 0; kill < rounds; ++kill) {
        CodInvoiceOpen s(receipts);
        ASSERT_TRUE(s.opened);
        const TempDevice& dev = s.dev;
        const std::string invoice = dev.read("\\VexXml\\Inv_100104.xml");
        const std::string route = dev.read(kelvo::test::kSampleRoute);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            settle(s.doc, payment, kelvo::test::signatureBytes(dev.fs()));
            ::_exit(0);  // the parent's device stays
        }
        std::this_thread::sleep_for(std::chrono::microseconds(
            random() % static_cast<unsigned>(std::max<long long>(1, takes.count() * 6 / 5))));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        CKelvoDoc again{dev.fs(), s.prompter, s.clock};
        again.SetReceiptWriter(&receipts);
        ASSERT_TRUE(startDataCheck(again));
        kelvo::test::reopenAtStop(dev, again, 2);
        loadStopInvoices(again);
        const CStop& stop = *selectedStop(again);
        EXPECT_FALSE(dev.exists("\\VexXml\\.Settlement.xml")) << kill;
        if (kelvo::test::elementText(dev.read("\\VexXml\\Inv_100104.xml"), "Status") == "Settled") {
            ++completed;
            EXPECT_EQ(stop.SignedInvoices, 1) << kill;
            EXPECT_DOUBLE_EQ(again.Route().TotalCollectionsCOD(), 50.0) << kill;
            EXPECT_TRUE(dev.exists("\\My Documents\\Receipts\\Inv_100104.pdf")) << kill;
        } else {
            EXPECT_EQ(dev.read("\\VexXml\\Inv_100104.xml"), invoice) << kill;
            EXPECT_EQ(dev.read(kelvo::test::kSampleRoute), route) << kill;
            EXPECT_EQ(stop.SignedInvoices, 0) << kill;
        }
    }
    ::testing::Test::RecordProperty("settlementKills", rounds);
    ::testing::Test::RecordProperty("settlementsCompleted", completed);
    std::printf("%d settlements killed, %d of them completed at the next start\n", rounds,
                completed);
}
