// A full disk and a read-only folder during each operation that writes: the driver is told,
// no file is lost, no half or temporary file is left where the back office or the next start
// would read it, and once the fault is gone the same operation completes.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "common/Clock.h"
#include "common/FileWriter.h"
#include "common/Prompter.h"
#include "doc/DataTransfer.h"
#include "doc/FileReports.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "doc/SafetyOps.h"
#include "doc/SettleOps.h"
#include "doc/StartCheck.h"
#include "doc/VisitOps.h"
#include "support/DeviceFolders.h"
#include "support/SampleStop.h"
#include "support/SettlementFiles.h"
#include "support/TempDevice.h"

using namespace kelvo;
using namespace kelvo::test;

namespace {

namespace fs = std::filesystem;

FsFaultHook fullDisk() {
    return [](FsChange change, const fs::path&, std::size_t bytes) {
        return change != FsChange::Write || bytes == 0;
    };
}

FsFaultHook readOnly(const fs::path& folder) {
    return [folder](FsChange, const fs::path& p, std::size_t) {
        return p != folder && p.parent_path() != folder;
    };
}

struct Operation {
    const char* name;
    const char* folder;  // the folder it writes into
    std::function<void(TempDevice&, CKelvoDoc&, ScriptedPrompter&)> prepare;
    std::function<bool(CKelvoDoc&, ScriptedPrompter&)> run;  // true when it completed
};

// Every host file below the root, for the temporary files a failure must not leave.
bool holdsTemporaries(const fs::path& root) {
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (isTemporaryName(entry.path().filename().string())) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(Faults, EveryWriteSurvivesAFullDiskAndAReadOnlyFolder) {
    std::map<std::string, std::string> day;
    for (const char* name : {"Config.xml", "Flags.xml", "Route_21_20061205.xml",
                             "Route_22_20061205.xml", "Safety.xml"}) {
        day[name] = dayFile(name);
    }
    const auto putDay = [&](TempDevice& dev, const std::string& folder) {
        for (const auto& [name, bytes] : day) {
            dev.put(folder + name, bytes);
        }
    };
    const auto selectRoute = [](CKelvoDoc& doc) {
        doc.Routes().SetStoragePath("");
        loadRouteList(doc.Routes(), doc.Fs(), doc.Prompt());
        doc.Routing().selectRoute(0);
    };
    const Operation operations[] = {
        {"export", kExport,
         [&](TempDevice& dev, CKelvoDoc& doc, ScriptedPrompter&) {
             putDay(dev, kData);
             selectRoute(doc);
         },
         [](CKelvoDoc& doc, ScriptedPrompter&) {
             return exportDayFiles(doc) == ExportResult::Complete;
         }},
        {"restore", kData,
         [&](TempDevice& dev, CKelvoDoc&, ScriptedPrompter&) {
             putDay(dev, kCopy);
             dev.put(std::string(kCopy) + "ZZArrivalCheck.xml",
                     "<ArrivalCheck>\r\n</ArrivalCheck>");
         },
         [](CKelvoDoc& doc, ScriptedPrompter& prompter) {
             prompter.queue(Answer::Yes);
             return restorePreviousRoute(doc);
         }},
        {"import", kData,
         [&](TempDevice& dev, CKelvoDoc&, ScriptedPrompter&) {
             putDay(dev, kImport);
             dev.put(std::string(kImport) + "ZZDepartureCheck.xml", "");
         },
         [](CKelvoDoc& doc, ScriptedPrompter&) { return importDayFiles(doc); }},
        {"route save", kData,
         [&](TempDevice& dev, CKelvoDoc& doc, ScriptedPrompter&) {
             putDay(dev, kData);
             selectRoute(doc);
         },
         [](CKelvoDoc& doc, ScriptedPrompter&) {
             recordRouteStart(doc, 1234.5, "07:15");
             return doc.Fs().isFile("\\VexXml\\Route_21_20061205.xml") &&
                    kelvo::test::readHostFile(doc.Fs().root() / "VexXml" / "Route_21_20061205.xml")
                            .find("1234.5") != std::string::npos;
         }},
        {"safety save", kData,
         [&](TempDevice& dev, CKelvoDoc& doc, ScriptedPrompter&) {
             putDay(dev, kData);
             doc.SafetyChecks().SetPath("");
             doc.SafetyChecks().Load(doc.Fs());
             doc.SafetyChecks().MarkOk(0, true);
         },
         [](CKelvoDoc& doc, ScriptedPrompter&) { return saveSafetyChecks(doc); }},
    };
    for (const Operation& op : operations) {
        for (const bool full : {true, false}) {
            SCOPED_TRACE(std::string(op.name) + (full ? ", full disk" : ", read-only folder"));
            TempDevice dev;
            ScriptedPrompter prompter;
            FixedClock clock;
            CKelvoDoc doc{dev.fs(), prompter, clock};
            op.prepare(dev, doc, prompter);
            dev.fs().createFolder(op.folder);
            const std::string folder(op.folder, std::strlen(op.folder) - 1);  // without the "\\"
            dev.fs().setFaultHook(full ? fullDisk() : readOnly(*dev.fs().hostPath(folder)));

            EXPECT_FALSE(op.run(doc, prompter));
            dev.fs().setFaultHook({});
            ASSERT_FALSE(prompter.shown().empty());
            EXPECT_FALSE(prompter.shown().back().text.empty());
            EXPECT_FALSE(holdsTemporaries(dev.root()));
            // Every file of the day is whole in one of the folders.
            for (const auto& [name, bytes] : day) {
                bool whole = false;
                for (const char* place : {kData, kExport, kCopy, kImport}) {
                    whole = whole || dev.read(place + name) == bytes;
                }
                EXPECT_TRUE(whole) << name;
            }
            // The fault gone, the same operation completes.
            EXPECT_TRUE(op.run(doc, prompter));
        }
    }
}

namespace {

struct Killed {};

constexpr const char* kInvoice = "\\VexXml\\Inv_100104.xml";
constexpr const char* kReceipt = "\\My Documents\\Receipts\\Inv_100104.pdf";
constexpr const char* kJournal = "\\VexXml\\.Settlement.xml";

// What a restarted program shows of the COD invoice of the sample day's third stop after its
// start and after the stop opened again.
struct SettledState {
    bool invoiceSettled = false;
    std::int32_t signedInvoices = 0;
    double stopCash = 0;
    double routeCollectionsCOD = 0;
    double entryCollectionsCOD = 0;
    std::int32_t settledStops = 0;
};

SettledState restartAndOpenTheStop(const TempDevice& dev, ReceiptWriter& receipts) {
    ScriptedPrompter prompter;
    FixedClock clock{LocalTime{2006, 12, 5, 15, 0, 0}};
    CKelvoDoc doc{dev.fs(), prompter, clock};
    doc.SetReceiptWriter(&receipts);
    openStorage(doc);
    EXPECT_TRUE(startDataCheck(doc));
    test::reopenAtStop(dev, doc, 2);
    loadStopInvoices(doc);
    const CStop& stop = *selectedStop(doc);
    SettledState s;
    s.invoiceSettled = test::elementText(dev.read(kInvoice), "Status") == "Settled";
    s.signedInvoices = stop.SignedInvoices;
    s.stopCash = stop.TotalCashCollected;
    s.routeCollectionsCOD = doc.Route().TotalCollectionsCOD();
    s.entryCollectionsCOD = doc.Routes().At(0).TotalCollectionsCOD();
    s.settledStops = static_cast<std::int32_t>(doc.Route().SettledStops());
    return s;
}

}  // namespace

// The program killed at every change a settlement makes to the files (journal, signature,
// invoice, route, receipt, journal removed), then started again and the stop opened: a
// settlement that recorded itself and had its signature saved ends counted once, with its
// receipt; one killed before that changed no data file. Starting once more changes nothing.
TEST(Faults, ASettlementKilledAtAnyOfItsChangesIsCompletedOnce) {
    test::TextReceipts receipts;
    int completed = 0;
    for (int killAt = 1;; ++killAt) {
        SCOPED_TRACE(killAt);
        test::StopDocument s;
        const TempDevice& dev = s.dev;
        s.clock.set(LocalTime{2006, 12, 5, 9, 30, 0});
        s.doc.SetReceiptWriter(&receipts);
        ASSERT_TRUE(s.openInvoice(2, 100104));  // COD, 52.62; the stop signs for its invoices
        const std::string invoice = dev.read(kInvoice);
        const std::string route = dev.read(test::kSampleRoute);

        int changes = 0;
        int signatureSaved = 0;  // the change after which the signature picture is there
        dev.fs().setFaultHook([&](FsChange, const fs::path&, std::size_t) {
            if (++changes == killAt) {
                throw Killed{};
            }
            return true;
        });
        const SignatureWriter signature = [&](const std::string& path) {
            const bool written = test::signatureBytes(dev.fs())(path);
            signatureSaved = changes;
            return written;
        };
        bool killed = false;
        try {
            settle(s.doc, {50.0, "", "RD"}, signature);
        } catch (const Killed&) {
            killed = true;
        }
        dev.fs().setFaultHook({});

        const SettledState after = restartAndOpenTheStop(dev, receipts);
        EXPECT_FALSE(dev.exists(kJournal));
        EXPECT_FALSE(holdsTemporaries(dev.root()));
        const bool recorded = signatureSaved > 0;
        EXPECT_EQ(after.invoiceSettled, recorded);
        if (recorded) {
            ++completed;
            EXPECT_EQ(after.signedInvoices, 1);
            EXPECT_DOUBLE_EQ(after.stopCash, 50.0);
            EXPECT_DOUBLE_EQ(after.routeCollectionsCOD, 50.0);
            EXPECT_DOUBLE_EQ(after.entryCollectionsCOD, 50.0);
            EXPECT_EQ(after.settledStops, 1);  // the stop's charge invoice is still open
            EXPECT_EQ(dev.read(kReceipt),
                      "Invoice# 100104\nPaid in cash\nSigned by: RD\nSettled Dec 5, 2006 09:30\n");
            const std::string settledRoute = dev.read(test::kSampleRoute);
            const SettledState again = restartAndOpenTheStop(dev, receipts);
            EXPECT_EQ(again.signedInvoices, 1);
            EXPECT_EQ(dev.read(test::kSampleRoute), settledRoute);
        } else {
            EXPECT_EQ(dev.read(kInvoice), invoice);
            EXPECT_EQ(dev.read(test::kSampleRoute), route);
            EXPECT_FALSE(dev.exists(kReceipt));
        }
        if (!killed) {
            EXPECT_GT(killAt, 10);
            EXPECT_GT(completed, 5);
            std::printf("a settlement killed at each of its %d changes, %d of them completed\n",
                        killAt - 1, completed);
            break;
        }
    }
}

// A full disk or a read-only data folder during a settlement: the driver is told, nothing is
// settled and no record is left; once the fault is gone the same settlement completes.
TEST(Faults, ASettlementOnAFullDiskOrReadOnlyFolderSettlesNothingUntilItCan) {
    for (const bool full : {true, false}) {
        SCOPED_TRACE(full ? "full disk" : "read-only folder");
        test::StopDocument s;
        const TempDevice& dev = s.dev;
        ASSERT_TRUE(s.openInvoice(2, 100104));
        const std::string invoice = dev.read(kInvoice);
        const std::string route = dev.read(test::kSampleRoute);
        dev.fs().setFaultHook(full ? fullDisk() : readOnly(*dev.fs().hostPath("\\VexXml")));
        EXPECT_EQ(settle(s.doc, {52.62, "", "RD"}, test::signatureBytes(dev.fs())).next, screen::None);
        dev.fs().setFaultHook({});
        ASSERT_FALSE(s.prompter.shown().empty());
        EXPECT_EQ(dev.read(kInvoice), invoice);
        EXPECT_EQ(dev.read(test::kSampleRoute), route);
        EXPECT_FALSE(dev.exists(kJournal));
        EXPECT_FALSE(holdsTemporaries(dev.root()));
        EXPECT_EQ(settle(s.doc, {52.62, "", "RD"}, test::signatureBytes(dev.fs())).next, screen::InvSelect);
        EXPECT_EQ(test::elementText(dev.read(kInvoice), "Status"), "Settled");
        EXPECT_FALSE(dev.exists(kJournal));
    }
}
