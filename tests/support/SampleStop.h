#pragma once

#include <filesystem>
#include <string>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "doc/FileReports.h"
#include "doc/InvoiceOps.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "doc/StartCheck.h"
#include "doc/VisitOps.h"
#include "support/TempDevice.h"

namespace kelvo::test {

// The route of the sample day that the invoice tests work on, and its file.
inline constexpr const char* kSampleRoute = "\\VexXml\\Route_101_20061205.xml";

// The sample day in the data folder, its lists and routes loaded, route 101 of 5 December
// 2006 open and its stop at `stopIndex` selected; the driver has arrived there unless told
// otherwise. The state the stop screens leave the document in when a stop's invoices open.
inline void workAtStop(const TempDevice& device, CKelvoDoc& doc, int stopIndex,
                       bool arrived = true);

// As workAtStop, on the files the data folder holds now (a program started again), without
// arriving.
inline void reopenAtStop(const TempDevice& device, CKelvoDoc& doc, int stopIndex) {
    loadConfiguration(doc);
    doc.LoadDayLists();
    doc.Routes().SetStoragePath("");
    loadRouteList(doc.Routes(), device.fs(), doc.Prompt());
    doc.Routing().selectRoute(0);
    loadSelectedRoute(doc);
    selectStop(doc, stopIndex);
}

inline void workAtStop(const TempDevice& device, CKelvoDoc& doc, int stopIndex, bool arrived) {
    device.putFolder("\\VexXml\\", std::filesystem::path(KELVO_SAMPLES_DIR) / "day");
    reopenAtStop(device, doc, stopIndex);
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

// A device, a document over it and the document's scripted prompter and fixed clock: the
// state for tests that work on a stop's invoices.
struct StopDocument {
    // Opens invoice `number` of the stop at `stopIndex` as the invoice details do; false when
    // it cannot be opened.
    bool openInvoice(int stopIndex, double number) {
        workAtStop(dev, doc, stopIndex);
        doc.Invoicing().selectInvoice(number);
        return openSelectedInvoice(doc);
    }
    // The bytes of an invoice file.
    std::string invoiceFile(double number) const {
        return dev.read("\\VexXml\\Inv_" + format("%.0f", number) + ".xml");
    }

    TempDevice dev;
    ScriptedPrompter prompter;
    FixedClock clock;
    CKelvoDoc doc{dev.fs(), prompter, clock};
};

}  // namespace kelvo::test
