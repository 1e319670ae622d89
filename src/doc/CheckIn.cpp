#include "doc/CheckIn.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <memory>
#include <system_error>
#include <tuple>
#include <utility>

#include "common/DataPaths.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "common/XmlReader.h"
#include "doc/CheckInParts.h"
#include "model/InvoiceHeader.h"
#include "model/Route.h"

// Which findings are errors. The exit code tells the cashier whether the day can be closed as
// it came back, so an error is what makes the money or the day wrong: a route, an invoice, a
// call or a file of the handheld's own work (transactions, garments, services) that did not
// come back or cannot be read; a route that came back twice, or that was never sent; the
// arrival marker missing (the export did not finish); a file that nobody sent and the handheld
// does not write (the folder is not the day's); a route that was not ended, an invoice not
// served on an ended route; totals that disagree with the stops and invoices they add up; a
// settled invoice signed for without its signature picture; the safety check that did not come
// back. A warning leaves the money and the work intact: a reference list or the configuration
// that did not come back (the office has its own), safety items left unanswered, a voice message
// that does not play or was never saved with its call. A COD collected short, an undeliverable stop
// and an adjusted line are the day's events, listed for the cashier, not findings.
namespace kelvo {

namespace {

std::uint32_t le32(std::string_view s, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3])) << 24;
}

std::uint16_t le16(std::string_view s, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) |
                                      static_cast<unsigned char>(s[at + 1]) << 8);
}

// Sums stay at whole cents, as every amount of the files is.
double roundedToCents(double amount) {
    return std::round(amount * 100.0) / 100.0;
}

bool isRouteFile(std::string_view folded) {
    return folded.starts_with("route_") && folded.ends_with(".xml");
}

// The files of a folder by their folded name.
std::map<std::string, std::string> listing(const DeviceFs& fs) {
    std::map<std::string, std::string> files;
    for (std::string& name : fs.listFiles("\\VexXml\\", "*")) {
        std::string folded = foldedName(name);
        files.emplace(std::move(folded), std::move(name));
    }
    return files;
}

// A folder read as the data folder: every loader finds its files where the program does.
DeviceFs dataFolderFs(const std::filesystem::path& folder) {
    DeviceFs fs(folder);
    fs.mapFolder("\\VexXml", folder);
    return fs;
}

CheckInFinding finding(FindingSeverity severity, FindingKind kind, std::string folder,
                       std::string file, std::string message) {
    CheckInFinding f;
    f.severity = severity;
    f.kind = kind;
    f.folder = std::move(folder);
    f.file = std::move(file);
    f.message = std::move(message);
    return f;
}

}  // namespace

std::string foldedName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        c = foldCase(c);
    }
    return folded;
}

CustomerFileName customerFileOf(std::string_view name) {
    static constexpr std::array<std::pair<const char*, bool>, 10> kPrefixes = {{
        {"wearer_", false},
        {"department_", false},
        {"emblemtemplate_", false},
        {"function_", false},
        {"locker_", false},
        {"customerproduct_", false},
        {"inventorytransaction_", true},
        {"garmentflags_", true},
        {"garmentstoreplace_", true},
        {"flatgoodtransactions_", true},
    }};
    const std::string folded = foldedName(name);
    for (const auto& [prefix, handheld] : kPrefixes) {
        const std::string_view p(prefix);
        if (!folded.starts_with(p) || !folded.ends_with(".xml")) {
            continue;
        }
        const std::string customer = folded.substr(p.size(), folded.size() - p.size() - 4);
        const bool digits =
            !customer.empty() && std::all_of(customer.begin(), customer.end(),
                                             [](char c) { return c >= '0' && c <= '9'; });
        if (digits) {
            return {customer, handheld};
        }
    }
    return {};
}

bool isSignaturePicture(std::string_view head, std::uintmax_t length) {
    if (head.size() < 26 || head[0] != 'B' || head[1] != 'M' || le32(head, 2) != length) {
        return false;
    }
    const std::uint32_t header = le32(head, 14);
    if (header == 12) {  // the old core header: 16-bit sizes
        return le16(head, 18) > 0 && le16(head, 20) > 0;
    }
    return header >= 40 && static_cast<std::int32_t>(le32(head, 18)) > 0 && le32(head, 22) != 0 &&
           le32(head, 10) < length;
}

bool isPlayableWav(std::string_view head, std::uintmax_t length) {
    if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE") {
        return false;
    }
    bool format = false;
    for (std::size_t at = 12; at + 8 <= head.size();) {
        const std::string_view id = head.substr(at, 4);
        const std::uint32_t size = le32(head, at + 4);
        if (id == "fmt ") {
            if (size < 16 || at + 24 > head.size()) {
                return false;
            }
            const std::uint16_t bits = le16(head, at + 22);
            format = le16(head, at + 8) == 1 && le16(head, at + 10) > 0 &&
                     le32(head, at + 12) > 0 && (bits == 8 || bits == 16);
            if (!format) {
                return false;
            }
        } else if (id == "data") {
            return format && size > 0 && at + 8 + std::uintmax_t{size} <= length;
        }
        at += 8 + std::size_t{size} + (size & 1u);
    }
    return false;
}

bool readHead(const std::filesystem::path& file, std::size_t count, std::string& head,
              std::uintmax_t& length) {
    std::error_code ec;
    length = std::filesystem::file_size(file, ec);
    std::ifstream in(file, std::ios::binary);
    if (ec || !in) {
        return false;
    }
    head.assign(static_cast<std::size_t>(std::min<std::uintmax_t>(count, length)), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    return static_cast<std::size_t>(in.gcount()) == head.size();
}

bool parseRouteFileName(std::string_view name, std::int32_t& number, std::string& date) {
    const std::string folded = foldedName(name);
    if (!isRouteFile(folded)) {
        return false;
    }
    const std::string_view middle = std::string_view(name).substr(6, name.size() - 10);
    const std::size_t split = middle.rfind('_');
    if (split == std::string_view::npos || split == 0) {
        return false;
    }
    const std::string_view digits = middle.substr(0, split);
    date = std::string(middle.substr(split + 1));
    if (date.size() != 8 || !isSafeNamePart(date) || !isNumberText(digits, true) ||
        digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    number = toWhole(digits);
    return true;
}

double CodDifference::Difference() const {
    return roundedToCents(Collected - Expected);
}

double CheckInRoute::Distance() const {
    return Ended() ? std::round((EndMileage - StartMileage) * 10.0) / 10.0 : 0.0;
}

double CheckInRoute::HandOver() const {
    return roundedToCents(Money.TotalCollected() - VoucherAmount);
}

std::size_t CheckInRoute::CountStops(StopOutcome outcome) const {
    return static_cast<std::size_t>(
        std::count_if(Stops.begin(), Stops.end(),
                      [outcome](const CheckInStop& s) { return s.Outcome == outcome; }));
}

std::size_t CheckInRoute::CountInvoices(InvoiceOutcome outcome) const {
    return static_cast<std::size_t>(
        std::count_if(Invoices.begin(), Invoices.end(),
                      [outcome](const CheckInInvoice& i) { return i.Outcome == outcome; }));
}

double CheckInResult::HandOver() const {
    return roundedToCents(Depot.TotalCollected() - DepotVoucher);
}

std::size_t CheckInResult::Count(FindingSeverity severity) const {
    return static_cast<std::size_t>(
        std::count_if(Findings.begin(), Findings.end(),
                      [severity](const CheckInFinding& f) { return f.severity == severity; }));
}

SentDay::SentDay(const std::filesystem::path& folder)
    : m_fs(dataFolderFs(folder)), m_files(listing(m_fs)) {
    for (const auto& [folded, name] : m_files) {
        std::int32_t number = 0;
        std::string date;
        if (!parseRouteFileName(name, number, date)) {
            continue;
        }
        CRoute route;
        route.SetStoragePath("");
        if (!route.Load(m_fs, number, date)) {
            continue;
        }
        m_routeFiles.insert(folded);
        for (std::size_t i = 0; i < route.StopCount(); ++i) {
            const CStop& stop = route.Stop(i);
            m_customers.insert(format("%.0f", stop.CustID));
            for (const std::string& invoice : stop.Invoices()) {
                m_routeTied.insert(foldedName("Inv_" + invoice + ".xml"));
            }
            for (const CStop::CallRef& call : stop.Calls()) {
                m_routeTied.insert(foldedName("Call_" + call.CallID + ".xml"));
            }
        }
    }
}

bool SentDay::SettledWhenSent(std::string_view invoiceFile) const {
    const auto found = m_files.find(foldedName(invoiceFile));
    std::string bytes;
    if (found == m_files.end() || !m_fs.readFile("\\VexXml\\" + found->second, bytes) ||
        bytes.find(kSettledStatus) == std::string::npos) {
        return false;  // the office seldom sends a settled invoice: most files are not parsed
    }
    XmlDocument doc;
    doc.parse(bytes);
    return doc.wellFormed() && doc.root().text("Status") == kSettledStatus;
}

ReturnedFolder::ReturnedFolder(const std::filesystem::path& folder, std::string name,
                               const SentDay& sent, std::vector<CheckInFinding>& findings)
    : m_folder(folder),
      m_name(std::move(name)),
      m_sent(sent),
      m_findings(findings),
      m_fs(dataFolderFs(folder)),
      m_files(listing(m_fs)) {
    // The handheld's own configuration names its driver and truck; the one sent stands in for
    // it (for the price decimals of the files) when it did not come back.
    if (!m_config.Load(m_fs)) {
        m_config.Load(m_sent.Fs());
    }
    LoadList(m_reasons);
    LoadList(m_flags);
    LoadList(m_categories);
    LoadList(m_frequencies);
    LoadList(m_flatGoods);
    LoadList(m_products);
}

template <class List>
void ReturnedFolder::LoadList(List& list) {
    list.SetPath("");
    if (!list.Load(m_fs)) {
        list.Load(m_sent.Fs());
    }
}

int ReturnedFolder::PriceDecimals() const {
    return std::clamp<int>(m_config.PriceDecimals(), 0, 4);
}

void ReturnedFolder::Add(FindingSeverity severity, FindingKind kind, std::string file,
                         std::string element, std::string message) {
    CheckInFinding f = finding(severity, kind, m_name, std::move(file), std::move(message));
    f.element = std::move(element);
    m_findings.push_back(std::move(f));
}

namespace {

// The check-in of every folder against the one sent.
class CheckIn {
public:
    CheckIn(const SentDay& sent, CheckInResult& result) : m_sent(sent), m_result(result) {}

    void Folder(const std::filesystem::path& path) {
        const std::string name = utf8ToLatin1(path.string());
        std::error_code ec;
        if (!std::filesystem::is_directory(path, ec)) {
            m_result.Findings.push_back(finding(FindingSeverity::Error, FindingKind::MissingFile,
                                                name, "", tr("not a folder")));
            return;
        }
        m_folders.push_back(
            std::make_unique<ReturnedFolder>(path, name, m_sent, m_result.Findings));
        ReturnedFolder& folder = *m_folders.back();
        CheckInTruck truck = truckOf(folder);
        checkSafety(folder, truck);
        if (!folder.Has(kArrivalMarker)) {
            folder.Add(FindingSeverity::Error, FindingKind::MissingFile, kArrivalMarker, "",
                       tr("the arrival marker is missing: the export did not finish, and files "
                          "may be missing or incomplete"));
        }
        std::vector<CheckInRoute> routes;
        std::set<std::string> customers;
        for (const auto& [folded, file] : folder.Files()) {
            if (isRouteFile(folded)) {
                TakeRoute(folder, truck, file, routes, customers);
            }
        }
        std::stable_sort(routes.begin(), routes.end(), [](const auto& a, const auto& b) {
            return std::tie(a.Date, a.RouteNumber) < std::tie(b.Date, b.RouteNumber);
        });
        for (CheckInRoute& route : routes) {
            m_result.Depot.Add(route.Money);
            m_result.DepotVoucher = roundedToCents(m_result.DepotVoucher + route.VoucherAmount);
            m_result.Routes.push_back(std::move(route));
        }
        Unexpected(folder);
        m_result.Trucks.push_back(std::move(truck));
    }

    // What the office sent that came back nowhere.
    void NotReturned() {
        const std::string sentName = m_result.Sent;
        for (const auto& [folded, file] : m_sent.Files()) {
            if (folded == foldedName(kDepartureMarker) || m_sent.TiedToRoute(file)) {
                continue;  // the marker stays behind; a route's invoices and calls come with it
            }
            if (m_sent.RouteFiles().count(folded) != 0) {
                if (m_routeFolder.count(folded) == 0) {
                    m_result.Findings.push_back(finding(
                        FindingSeverity::Error, FindingKind::MissingFile, sentName, file,
                        tr("the route did not come back: its money and its stops are missing")));
                }
                continue;
            }
            const CustomerFileName customer = customerFileOf(file);
            if (!customer.customer.empty() && m_sent.HasCustomer(customer.customer)) {
                CustomerFileBack(file, customer);
                continue;
            }
            for (const auto& folder : m_folders) {
                if (!folder->Has(file)) {
                    const bool safety = equalsNoCase(file, "Safety.xml");
                    folder->Add(safety ? FindingSeverity::Error : FindingSeverity::Warning,
                                FindingKind::MissingFile, file, "",
                                safety ? tr("the truck's safety check did not come back")
                                       : tr("sent, but did not come back"));
                }
            }
        }
    }

private:
    CheckInTruck truckOf(const ReturnedFolder& folder) const {
        CheckInTruck truck;
        truck.Folder = folder.Name();
        const ConfigData& c = folder.Config();
        if (!c.RouteManName().empty() || c.RouteManNumber() != 0) {
            truck.Driver = format("%d %s", c.RouteManNumber(), c.RouteManName().c_str());
        }
        truck.Truck = c.TruckCode();
        truck.TruckDescription = c.TruckDescription();
        return truck;
    }

    void TakeRoute(ReturnedFolder& folder, const CheckInTruck& truck, const std::string& file,
                   std::vector<CheckInRoute>& routes, std::set<std::string>& customers) {
        folder.Expect(file);
        if (!m_sent.Has(file)) {
            folder.Add(FindingSeverity::Error, FindingKind::ExtraFile, file, "",
                       tr("a route the office did not send: its money is counted, but it "
                          "belongs to no day that was sent"));
        }
        const auto [first, fresh] = m_routeFolder.emplace(foldedName(file), folder.Name());
        if (!fresh) {
            folder.Add(FindingSeverity::Error, FindingKind::ReturnedTwice, file, "",
                       format(tr("the route came back in %s too: its money is counted once, "
                                 "from there")
                                  .c_str(),
                              first->second.c_str()));
            return;
        }
        CRoute route;
        CheckInRoute out;
        out.Folder = folder.Name();
        out.Driver = truck.Driver;
        out.Truck = truck.Truck;
        if (!checkInRoute(folder, file, route, out)) {
            return;
        }
        for (std::size_t i = 0; i < route.StopCount(); ++i) {
            folder.AddCustomer(format("%.0f", route.Stop(i).CustID));
        }
        collectWork(folder, route, out, customers);
        routes.push_back(std::move(out));
    }

    // Every file of the folder must have been sent, or be the handheld's own work for a route
    // that came back there.
    void Unexpected(ReturnedFolder& folder) {
        for (const auto& [folded, file] : folder.Files()) {
            if (folder.Expected(file) || m_sent.Has(file) || equalsNoCase(file, kArrivalMarker)) {
                continue;
            }
            const CustomerFileName customer = customerFileOf(file);
            if (!customer.customer.empty() &&
                (folder.HasCustomer(customer.customer) || m_sent.HasCustomer(customer.customer))) {
                continue;
            }
            if (m_sent.TiedToRoute(OwnFileOf(folded))) {
                continue;  // a signature or voice message of what was sent
            }
            folder.Add(FindingSeverity::Error, FindingKind::ExtraFile, file, "",
                       tr("neither sent by the office nor written by the handheld for a route "
                          "that came back: the folder may hold files of another day"));
        }
    }

    // The invoice or call file a signature or voice message belongs to ("inv_1.bmp" ->
    // "inv_1.xml", "call_x_t.wav" -> "call_x.xml"); "" for other files.
    static std::string OwnFileOf(const std::string& folded) {
        if (folded.starts_with("inv_") && folded.ends_with(".bmp")) {
            return folded.substr(0, folded.size() - 4) + ".xml";
        }
        if (folded.starts_with("call_") && folded.ends_with("_t.wav")) {
            return folded.substr(0, folded.size() - 6) + ".xml";
        }
        if (folded.starts_with("call_") && folded.ends_with(".wav")) {
            return folded.substr(0, folded.size() - 4) + ".xml";
        }
        return {};
    }

    // A customer's file that was sent comes back with one of the customer's routes.
    void CustomerFileBack(const std::string& file, const CustomerFileName& customer) {
        ReturnedFolder* home = nullptr;
        for (const auto& folder : m_folders) {
            if (folder->HasCustomer(customer.customer)) {
                if (folder->Has(file)) {
                    return;
                }
                home = home != nullptr ? home : folder.get();
            }
        }
        if (home == nullptr) {
            return;  // none of the customer's routes came back: that route is the finding
        }
        if (customer.writtenByHandheld) {
            home->Add(FindingSeverity::Error, FindingKind::MissingFile, file, "",
                      tr("the customer's changes made earlier did not come back"));
        } else {
            home->Add(FindingSeverity::Warning, FindingKind::MissingFile, file, "",
                      tr("sent, but did not come back"));
        }
    }

    const SentDay& m_sent;
    CheckInResult& m_result;
    std::vector<std::unique_ptr<ReturnedFolder>> m_folders;
    std::map<std::string, std::string> m_routeFolder;  // route file -> folder it came back in
};

}  // namespace

CheckInResult checkIn(const std::filesystem::path& sent,
                      const std::vector<std::filesystem::path>& returned) {
    CheckInResult result;
    result.Sent = utf8ToLatin1(sent.string());
    std::error_code ec;
    if (!std::filesystem::is_directory(sent, ec)) {
        result.Findings.push_back(finding(FindingSeverity::Error, FindingKind::MissingFile,
                                          result.Sent, "", tr("not a folder")));
        return result;
    }
    const SentDay sentDay(sent);
    CheckIn check(sentDay, result);
    for (const std::filesystem::path& folder : returned) {
        check.Folder(folder);
    }
    check.NotReturned();
    return result;
}

}  // namespace kelvo
