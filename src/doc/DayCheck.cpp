#include "doc/DayCheck.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <tuple>
#include <utility>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "common/XmlReader.h"
#include "doc/FileReports.h"
#include "doc/RouteTotals.h"
#include "model/AdjReasons.h"
#include "model/Call.h"
#include "model/CallList.h"
#include "model/ConfigData.h"
#include "model/ContactCategories.h"
#include "model/Flags.h"
#include "model/FlatGoodProducts.h"
#include "model/Frequencies.h"
#include "model/Invoice.h"
#include "model/InvoiceFile.h"
#include "model/Route.h"
#include "model/SafetyChecks.h"
#include "model/Trucks.h"
#include "model/Wearers.h"

// Which findings are errors. The exit code tells the back office whether the day may go to the
// device, so an error is what would make Kelvo refuse the day or a part of it, show the driver
// an error message, or read a value otherwise than the file writes it (and then send the
// altered value back at export): a missing or damaged file it must read, a refused version, a
// name it refuses, a text it cuts, a number it misreads, a route it cannot open, totals the
// driver would collect and the plant reconcile against that do not add up. A warning is what
// Kelvo takes in its stride without a message, where the day may simply have less: a reference
// list that is not there (its screen offers no choice), a customer with wearer lines but no
// wearer file (the wearer screen shows none), two stops with one number (Kelvo lists both, by
// account number).
namespace kelvo {

const char* findingKindName(FindingKind kind) {
    switch (kind) {
        case FindingKind::MissingFile:
            return "missing-file";
        case FindingKind::NotWellFormed:
            return "not-well-formed";
        case FindingKind::VersionRefused:
            return "version-refused";
        case FindingKind::RouteNameMismatch:
            return "route-name-mismatch";
        case FindingKind::TotalsDisagree:
            return "totals-disagree";
        case FindingKind::MissingWearerFile:
            return "missing-wearer-file";
        case FindingKind::TextTooLong:
            return "text-too-long";
        case FindingKind::NotANumber:
            return "not-a-number";
        case FindingKind::NotADate:
            return "not-a-date";
        case FindingKind::UnsafeName:
            return "unsafe-name";
        case FindingKind::DuplicateStop:
            return "duplicate-stop";
        case FindingKind::NotAFile:
            return "not-a-file";
        case FindingKind::ExtraFile:
            return "extra-file";
        case FindingKind::ReturnedTwice:
            return "returned-twice";
        case FindingKind::InvoiceOpen:
            return "invoice-open";
        case FindingKind::RouteNotEnded:
            return "route-not-ended";
        case FindingKind::SignatureMissing:
            return "signature-missing";
        case FindingKind::SafetyIncomplete:
            return "safety-incomplete";
        case FindingKind::VoiceUnreadable:
            return "voice-unreadable";
        case FindingKind::VoiceNotSaved:
            return "voice-not-saved";
    }
    return "";
}

bool DayCheckResult::Workable() const {
    return Count(FindingSeverity::Error) == 0;
}

std::size_t DayCheckResult::Count(FindingSeverity severity) const {
    return static_cast<std::size_t>(
        std::count_if(findings.begin(), findings.end(),
                      [severity](const DayFinding& f) { return f.severity == severity; }));
}

namespace {

constexpr const char* kData = "\\VexXml\\";

// The file name of a device path.
std::string fileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// A reference list that a screen reads, and which screen (for the warning when it is missing).
struct ReferenceList {
    const char* file;
    const char* screen;
};

class Checker : public ReadObserver {
public:
    explicit Checker(const std::filesystem::path& folder) : m_fs(folder) {
        // The import folder plays both the data folder and itself: the readers find every file
        // where the program finds it after the import.
        m_fs.mapFolder("\\VexXml", folder);
        m_fs.mapFolder("\\My Documents\\Before Departure", folder);
    }

    DayCheckResult Run() {
        CheckNonFiles();
        CheckMarker();
        CheckConfiguration();
        CheckRoutes();
        CheckReferenceLists();
        CheckOtherLists();
        return std::move(m_result);
    }

    void textCut(const std::string& path, const std::string& element, std::size_t length) override {
        Add(FindingSeverity::Error, FindingKind::TextTooLong, fileNameOf(path), element,
            format(tr("a text of %zu characters: Kelvo keeps only the first 255").c_str(), length));
    }

    void notANumber(const std::string& path, const std::string& element,
                    const std::string& text) override {
        Add(FindingSeverity::Error, FindingKind::NotANumber, fileNameOf(path), element,
            format(tr("\"%s\" is not a number: Kelvo reads %s").c_str(),
                   narrowCopy(text, 41).c_str(), format("%g", toDouble(text)).c_str()));
    }

private:
    void Add(FindingSeverity severity, FindingKind kind, std::string file, std::string element,
             std::string message) {
        // A file that two readers take (the route list and the route) is reported once.
        if (!m_seen.emplace(kind, file, element).second) {
            return;
        }
        m_result.findings.push_back(
            {severity, kind, std::move(file), std::move(element), std::move(message)});
    }

    // Whether a file is there and well formed; reports it otherwise (severity for a missing
    // file, a damaged one is always an error). True when the readers can take it.
    bool Readable(const std::string& name, FindingSeverity missing, const std::string& element,
                  const std::string& whenMissing) {
        XmlDocument doc;
        if (!doc.load(m_fs, kData + name)) {
            Add(missing, FindingKind::MissingFile, name, element, whenMissing);
            return false;
        }
        if (!doc.wellFormed()) {
            Add(FindingSeverity::Error, FindingKind::NotWellFormed, name, "",
                tr("not well-formed XML: Kelvo cannot read it"));
            return false;
        }
        return true;
    }

    // The import takes regular files only: a link (to a file too), a device or a folder stays
    // in the import folder, and the driver is shown its name.
    void CheckNonFiles() {
        for (const std::string& name : m_fs.listNonFiles(kData)) {
            Add(FindingSeverity::Error, FindingKind::NotAFile, name, "",
                tr("no file but a link, a device or a folder: Kelvo leaves it in the import "
                   "folder and shows the driver its name"));
        }
    }

    void CheckMarker() {
        if (!m_fs.isFile(std::string(kData) + kDepartureMarker)) {
            Add(FindingSeverity::Error, FindingKind::MissingFile, kDepartureMarker, "",
                tr("the departure marker is missing: Kelvo takes the folder for a transfer "
                   "still in progress and imports nothing"));
        }
    }

    void CheckConfiguration() {
        if (!Readable("Config.xml", FindingSeverity::Error, "",
                      tr("the configuration is missing: Kelvo reports no data"))) {
            return;
        }
        {
            ScopedReadObserver observe(*this);
            m_config.Load(m_fs);
        }
        if (!versionMatches(m_config.FileVersion())) {
            Add(FindingSeverity::Error, FindingKind::VersionRefused, "Config.xml",
                "/Config/FileVersion",
                format(tr("version \"%s\" is refused: Kelvo reads data of version %s").c_str(),
                       m_config.FileVersion().c_str(), kAppVersion));
        }
    }

    void CheckRoutes() {
        const std::vector<std::string> names = m_fs.listFiles(kData, "Route_*.xml");
        if (names.empty()) {
            Add(FindingSeverity::Error, FindingKind::MissingFile, "Route_*.xml", "",
                tr("no route file: Kelvo has no route to offer"));
        }
        for (const std::string& name : names) {
            CheckRoute(name);
        }
    }

    void CheckRoute(const std::string& name) {
        if (!Readable(name, FindingSeverity::Error, "", "")) {
            return;
        }
        // Number and date as the route list reads them: they name the file Kelvo opens.
        std::int32_t number = 0;
        std::string date;
        {
            ScopedReadObserver observe(*this);
            XmlDocument doc;
            doc.load(m_fs, kData + name);
            const XmlElement root = doc.root();
            date = root.text("Date");
            number = root.whole("RouteNumber");
        }
        if (date.size() != 8) {
            Add(FindingSeverity::Error, FindingKind::NotADate, name, "/Route/Date",
                format(tr("the date \"%s\" is not yyyyMMdd: Kelvo leaves the route out").c_str(),
                       date.c_str()));
            return;
        }
        if (!isSafeNamePart(date)) {
            Add(FindingSeverity::Error, FindingKind::UnsafeName, name, "/Route/Date",
                format(tr("the date \"%s\" cannot be part of a file name: Kelvo leaves the "
                          "route out")
                           .c_str(),
                       date.c_str()));
            return;
        }
        CRoute route;
        route.SetStoragePath("");
        const std::string expected = fileNameOf(route.StoragePath() + "\\VexXml\\Route_" +
                                                format("%d", number) + "_" + date + ".xml");
        if (!equalsNoCase(name, expected)) {
            Add(FindingSeverity::Error, FindingKind::RouteNameMismatch, name, "/Route/RouteNumber",
                format(tr("the file holds route %d of %s, which Kelvo opens as %s: the route is "
                          "listed but cannot be opened")
                           .c_str(),
                       number, date.c_str(), expected.c_str()));
            return;
        }
        bool loaded = false;
        {
            ScopedReadObserver observe(*this);
            loaded = route.Load(m_fs, number, date);
        }
        if (!loaded) {
            return;
        }
        ++m_result.routes;
        CheckStops(name, route);
    }

    void CheckStops(const std::string& name, const CRoute& route) {
        std::map<std::uint32_t, std::vector<std::string>> customers;
        RouteInvoiceSums sums;
        bool complete = true;  // every invoice was read: the sums are the route's
        for (std::size_t i = 0; i < route.StopCount(); ++i) {
            const CStop& stop = route.Stop(i);
            ++m_result.stops;
            customers[stop.StopNumber].push_back(format("%.0f", stop.CustomerNumber));
            const std::string place = format("/Route/Stops/Stop[StopNumber=%u]", stop.StopNumber);
            complete = CheckInvoices(name, place, stop, sums) && complete;
            CheckCalls(name, place, route, stop);
        }
        for (const auto& [number, accounts] : customers) {
            if (accounts.size() > 1) {
                std::string list;
                for (const std::string& a : accounts) {
                    list += (list.empty() ? "" : ", ") + a;
                }
                Add(FindingSeverity::Warning, FindingKind::DuplicateStop, name,
                    format("/Route/Stops/Stop[StopNumber=%u]", number),
                    format(tr("%zu stops carry stop number %u (accounts %s)").c_str(),
                           accounts.size(), number, list.c_str()));
            }
        }
        if (route.TotalStops() != route.StopCount()) {
            Add(FindingSeverity::Error, FindingKind::TotalsDisagree, name, "/Route/TotalStops",
                format(tr("%u in the route, but it has %zu stops").c_str(), route.TotalStops(),
                       route.StopCount()));
        }
        if (complete) {
            CheckRouteTotals(name, route, sums);
        }
    }

    // Reads the stop's invoices and adds them to the sums; false when one could not be read.
    bool CheckInvoices(const std::string& name, const std::string& place, const CStop& stop,
                       RouteInvoiceSums& sums) {
        bool complete = true;
        bool wearerLines = false;
        double payTotal = 0.0;
        for (const std::string& number : stop.Invoices()) {
            const std::string element = place + "/Invoices/Invoice";
            if (!isSafeNamePart(number)) {
                Add(FindingSeverity::Error, FindingKind::UnsafeName, name, element,
                    format(tr("the invoice number \"%s\" cannot be part of a file name: Kelvo "
                              "refuses it")
                               .c_str(),
                           number.c_str()));
                complete = false;
                continue;
            }
            const std::string file = fileNameOf(invoiceFilePath("", number));
            if (!Readable(file, FindingSeverity::Error, element,
                          format(tr("invoice %s of stop %u has no file").c_str(), number.c_str(),
                                 stop.StopNumber))) {
                complete = false;
                continue;
            }
            CInvoice invoice;
            invoice.SetPath("");
            bool loaded = false;
            {
                ScopedReadObserver observe(*this);
                loaded = loadInvoice(invoice, m_fs, m_prompter, toDouble(number));
            }
            if (!loaded) {
                complete = false;
                continue;
            }
            ++m_result.invoices;
            sums.Add(invoice, !stop.UndeliverReasonCode.empty());
            payTotal += invoice.PayThisAmount();
            for (std::size_t l = 0; l < invoice.LineCount(); ++l) {
                wearerLines = wearerLines || invoice.Line(l).WearerNumber != 0;
            }
        }
        if (complete) {
            Compare(name, place + "/PayTotal", stop.PayTotal, payTotal, tr("the stop's invoices"));
        }
        CheckWearers(name, place, stop, wearerLines);
        return complete;
    }

    // The wearer screen reads the customer's wearer file; one is expected when the
    // configuration turns the wearer screen on and the invoices bill garments of wearers.
    void CheckWearers(const std::string& name, const std::string& place, const CStop& stop,
                      bool wearerLines) {
        CWearers wearers;
        wearers.SetPath("");
        const std::string path = wearers.FilePath(stop.CustID);
        if (path.empty()) {
            Add(FindingSeverity::Error, FindingKind::UnsafeName, name, place + "/CustID",
                format(tr("the customer id %.0f cannot be part of a file name").c_str(),
                       stop.CustID));
            return;
        }
        const std::string file = fileNameOf(path);
        if (!m_fs.isFile(path)) {
            if (wearerLines && m_config.GarmentOrderingActive() == 'Y') {
                Add(FindingSeverity::Warning, FindingKind::MissingWearerFile, file, place,
                    format(tr("the invoices of stop %u bill garments of wearers, but the "
                              "customer has no wearer file: the wearer screen shows none")
                               .c_str(),
                           stop.StopNumber));
            }
            return;
        }
        if (!Readable(file, FindingSeverity::Error, place, "")) {
            return;
        }
        ScopedReadObserver observe(*this);
        wearers.Load(m_fs, stop.CustID);
    }

    void CheckCalls(const std::string& name, const std::string& place, const CRoute& route,
                    const CStop& stop) {
        bool readable = false;
        for (const CStop::CallRef& call : stop.Calls()) {
            const std::string element = place + "/Calls/Call";
            if (!isSafeNamePart(call.CallID)) {
                Add(FindingSeverity::Error, FindingKind::UnsafeName, name, element,
                    format(tr("the call id \"%s\" cannot be part of a file name: Kelvo refuses "
                              "it")
                               .c_str(),
                           call.CallID.c_str()));
                continue;
            }
            const std::string file = fileNameOf(callFilePath("", call.CallID));
            if (Readable(file, FindingSeverity::Error, element,
                         format(tr("call %s of stop %u has no file").c_str(), call.CallID.c_str(),
                                stop.StopNumber))) {
                ++m_result.calls;
                readable = true;
            }
        }
        if (readable) {
            CCallList calls;
            calls.SetPath("");
            ScopedReadObserver observe(*this);
            reportCallsLeftOut(m_prompter, route, calls.Load(m_fs, route, stop));
        }
    }

    void CheckRouteTotals(const std::string& name, const CRoute& route,
                          const RouteInvoiceSums& sums) {
        for (const TotalMismatch& m : compareRouteTotals(route, sums)) {
            Add(FindingSeverity::Error, FindingKind::TotalsDisagree, name, m.element,
                format(tr("%s in the file, but %s in %s").c_str(), m.held.c_str(), m.sum.c_str(),
                       tr("its invoices").c_str()));
        }
    }

    // Amounts agree when they are written the same (to the cent).
    void Compare(const std::string& name, const std::string& element, double held, double sum,
                 const std::string& what) {
        const std::string a = formatPrice(held, 2);
        const std::string b = formatPrice(sum, 2);
        if (a != b) {
            Add(FindingSeverity::Error, FindingKind::TotalsDisagree, name, element,
                format(tr("%s in the file, but %s in %s").c_str(), a.c_str(), b.c_str(),
                       what.c_str()));
        }
    }

    void CheckReferenceLists() {
        CheckList<CContactCategories>({"ContactCategory.xml", "contact screen"});
        CheckList<CAdjReasons>({"AdjReason.xml", "undeliverable and line adjustment screens"});
        CheckList<CFlags>({"Flags.xml", "garment scan screen"});
        CheckList<CSafetyChecks>({"Safety.xml", "safety check"});
        CheckList<CFrequencies>({"Frequency.xml", "new services screen"});
        CheckList<CFlatGoodProducts>({"Flatgoodproducts.xml", "new services screen"});
        if (m_config.IsDud()) {
            CheckList<CTrucks>({"Trucks.xml", "truck selection"});
        }
    }

    // The lists only some screens read (the wearer screens' products and a customer's
    // departments, functions, lockers, emblems and products; the trucks, which only the laundry
    // with trucks reads): where one is there, a damaged one is an error like every other file.
    // Where one is missing, the screen that reads it simply offers less.
    void CheckOtherLists() {
        for (const char* pattern :
             {"Products.xml", "Trucks.xml", "FinishingMethods.xml", "CustomerProduct_*.xml",
              "Department_*.xml", "Function_*.xml", "Locker_*.xml", "EmblemTemplate_*.xml"}) {
            for (const std::string& name : m_fs.listFiles(kData, pattern)) {
                Readable(name, FindingSeverity::Error, "", "");
            }
        }
    }

    template <class List>
    void CheckList(const ReferenceList& ref) {
        if (!Readable(
                ref.file, FindingSeverity::Warning, "",
                format(tr("missing: the %s offers no choice").c_str(), tr(ref.screen).c_str()))) {
            return;
        }
        List list;
        list.SetPath("");
        ScopedReadObserver observe(*this);
        list.Load(m_fs);
    }

    DeviceFs m_fs;
    ScriptedPrompter m_prompter;  // the loaders' messages: each is a finding already
    ConfigData m_config;
    DayCheckResult m_result;
    std::set<std::tuple<FindingKind, std::string, std::string>> m_seen;
};

}  // namespace

DayCheckResult checkDay(const std::filesystem::path& importFolder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(importFolder, ec)) {
        DayCheckResult result;
        result.findings.push_back({FindingSeverity::Error, FindingKind::MissingFile,
                                   utf8ToLatin1(importFolder.string()), "", tr("not a folder")});
        return result;
    }
    return Checker(importFolder).Run();
}

}  // namespace kelvo
