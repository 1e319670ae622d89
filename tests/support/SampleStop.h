#pragma once

#include <filesystem>
#include <string>

#include "common/Prompter.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "doc/StartCheck.h"
#include "support/TempDevice.h"

namespace kelvo::test {

// The route of the sample day that the invoice tests work on, and its file.
inline constexpr const char* kSampleRoute = "\\VexXml\\Route_101_20061205.xml";

// The sample day in the data folder, its lists and routes loaded, route 101 of 5 December
// 2006 open and its stop at `stopIndex` selected; the driver has arrived there unless told
// otherwise. The state the stop screens leave the document in when a stop's invoices open.
inline void workAtStop(const TempDevice& device, CKelvoDoc& doc, int stopIndex,
                       bool arrived = true) {
    device.putFolder("\\VexXml\\", std::filesystem::path(KELVO_SAMPLES_DIR) / "day");
    loadConfiguration(doc);
    doc.LoadDayLists();
    doc.Routes().SetStoragePath("");
    doc.Routes().Load(device.fs(), doc.Prompt());
    doc.SetCurrentRouteIndex(0);
    loadSelectedRoute(doc);
    doc.SetCurrentStopIndex(stopIndex);
    if (arrived) {
        doc.Route().Stop(static_cast<std::size_t>(stopIndex)).ArrivalTime = "09:05";
    }
}

// The text of one element of a file ("" when it is not there).
inline std::string elementText(const std::string& file, const std::string& tag) {
    const std::string open = "<" + tag + ">";
    const auto start = file.find(open);
    if (start == std::string::npos) {
        return {};
    }
    const auto from = start + open.size();
    return file.substr(from, file.find("</" + tag + ">", from) - from);
}

}  // namespace kelvo::test
