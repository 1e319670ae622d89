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
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "doc/SafetyOps.h"
#include "support/DeviceFolders.h"
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
        doc.Routes().Load(doc.Fs(), doc.Prompt());
        doc.SetCurrentRouteIndex(0);
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
