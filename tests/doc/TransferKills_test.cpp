// The program killed at every change an export or an import makes, then started again: the
// next start finishes what was cut short before anything else. After an export the export
// folder and the export copy hold the same complete day (a kill had left the copy with 29 of
// 69 files, and the restore brought back 14 of 23 invoices); after an import the day is in the
// data folder whole.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "doc/DataTransfer.h"
#include "doc/KelvoDoc.h"
#include "doc/StartCheck.h"
#include "support/DeviceFolders.h"
#include "support/TempDevice.h"

using namespace kelvo;
using namespace kelvo::test;

namespace {

struct Killed {};

// The day the tests send around: the back office's delivery, with an invoice and a signature.
std::map<std::string, std::string> day() {
    std::map<std::string, std::string> files;
    for (const char* name :
         {"AdjReason.xml", "Config.xml", "ContactCategory.xml", "Flags.xml",
          "Route_21_20061205.xml", "Route_22_20061205.xml", "Safety.xml", "Trucks.xml"}) {
        files[name] = dayFile(name);
    }
    files["Inv_900101.xml"] = "<Invoice>\r\n\t<InvoiceNumber>900101</InvoiceNumber>\r\n</Invoice>";
    files["Inv_900101.bmp"] = std::string("BM\0\x01\xff", 5);
    return files;
}

// Runs `operation` on a program killed at the device's `killAt`-th change; true when the
// kill came before the operation was over.
bool killedAt(const TempDevice& dev, int killAt, const std::function<void(CKelvoDoc&)>& operation) {
    ScriptedPrompter prompter;
    FixedClock clock;
    CKelvoDoc doc{dev.fs(), prompter, clock};
    auto changes = std::make_shared<int>(0);
    dev.fs().setFaultHook([changes, killAt](FsChange, const std::filesystem::path&, std::size_t) {
        if (++*changes == killAt) {
            throw Killed{};
        }
        return true;
    });
    bool killed = false;
    try {
        operation(doc);
    } catch (const Killed&) {
        killed = true;
    }
    dev.fs().setFaultHook({});
    return killed;
}

// The folder holds exactly these files, with these bytes (and the arrival marker if asked).
void expectFiles(const TempDevice& dev, const std::string& folder,
                 const std::map<std::string, std::string>& files, bool withMarker) {
    EXPECT_EQ(dev.count(folder), files.size() + (withMarker ? 1 : 0)) << folder;
    for (const auto& [name, bytes] : files) {
        EXPECT_EQ(dev.read(folder + name), bytes) << folder << name;
    }
    if (withMarker) {
        EXPECT_EQ(dev.read(folder + "ZZArrivalCheck.xml"), kArrival) << folder;
    }
}

}  // namespace

TEST(TransferKills, AnExportKilledAtAnyChangeIsFinishedAtTheNextStart) {
    const std::map<std::string, std::string> files = day();
    for (int killAt = 1;; ++killAt) {
        SCOPED_TRACE(killAt);
        TempDevice dev;
        for (const auto& [name, bytes] : files) {
            dev.put(kData + name, bytes);
        }
        const bool killed = killedAt(dev, killAt, [](CKelvoDoc& doc) { exportDayFiles(doc); });

        ScriptedPrompter prompter;
        FixedClock clock{LocalTime{2006, 12, 5, 18, 0, 0}};
        CKelvoDoc again{dev.fs(), prompter, clock};
        openStorage(again);
        // Killed before any file left: the driver starts the day again and exports it.
        if (!dev.fs().listFiles(kData, "Route_*.*").empty()) {
            ASSERT_TRUE(startDataCheck(again));
            ASSERT_EQ(exportDayFiles(again), ExportResult::Complete);
        }
        EXPECT_EQ(dev.count(kData), 0u);
        expectFiles(dev, kExport, files, true);
        expectFiles(dev, kCopy, files, true);
        if (killed) {  // the driver hears that the day went out after all
            ASSERT_FALSE(prompter.shown().empty());
            EXPECT_EQ(prompter.shown().back().text, "Export finished!");
        }

        // The next morning brings no new route: the driver restores the exported day whole.
        prompter.queue(Answer::Yes);
        ASSERT_TRUE(restorePreviousRoute(again));
        expectFiles(dev, kData, files, false);
        EXPECT_EQ(dev.count(kCopy), 0u);
        if (!killed) {
            EXPECT_GT(killAt, 30);
            std::printf("an export killed at each of its %d changes\n", killAt - 1);
            break;
        }
    }
}

TEST(TransferKills, AnImportKilledAtAnyChangeIsFinishedAtTheNextStart) {
    std::map<std::string, std::string> files = day();
    for (int killAt = 1;; ++killAt) {
        SCOPED_TRACE(killAt);
        TempDevice dev;
        for (const auto& [name, bytes] : files) {
            dev.put(kImport + name, bytes);
        }
        dev.put(std::string(kImport) + "ZZDepartureCheck.xml", "");
        const bool killed = killedAt(dev, killAt, [](CKelvoDoc& doc) { importDayFiles(doc); });

        ScriptedPrompter prompter;
        FixedClock clock{LocalTime{2006, 12, 5, 6, 30, 0}};
        CKelvoDoc again{dev.fs(), prompter, clock};
        openStorage(again);
        ASSERT_TRUE(startDataCheck(again));
        EXPECT_TRUE(prompter.shown().empty());
        EXPECT_EQ(again.Routes().Count(), 2u);
        expectFiles(dev, kData, files, false);
        EXPECT_EQ(dev.fs().listFiles(kImport, "*.*"), std::vector<std::string>{"Config.xml"});
        if (!killed) {
            EXPECT_GT(killAt, 10);
            std::printf("an import killed at each of its %d changes\n", killAt - 1);
            break;
        }
    }
}
