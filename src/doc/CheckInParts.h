#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/DeviceFs.h"
#include "doc/CheckIn.h"
#include "model/AdjReasons.h"
#include "model/ConfigData.h"
#include "model/ContactCategories.h"
#include "model/Flags.h"
#include "model/FlatGoodProducts.h"
#include "model/Frequencies.h"
#include "model/Products.h"

// The parts of the check-in (CheckIn.cpp, CheckInRoute.cpp, CheckInWork.cpp): what they share
// about the folder the office sent and one folder that came back.
namespace kelvo {

class CRoute;
struct CStop;

// A file name as the device compares names: case folded.
std::string foldedName(std::string_view name);

// The customer a per-customer file belongs to ("Wearer_20117.xml" -> "20117") and whether the
// handheld writes such files itself (transactions, garments, flat goods); nullopt-like "" for
// any other file.
struct CustomerFileName {
    std::string customer;  // "" when the name is no per-customer file
    bool writtenByHandheld = false;
};
CustomerFileName customerFileOf(std::string_view name);

// True when a file's first bytes are those of a picture the signature control saves (a BMP
// whose header holds its own length and a size). `length`: the file's length.
bool isSignaturePicture(std::string_view head, std::uintmax_t length);

// True when a file's first bytes are those of a WAV file that plays: RIFF/WAVE, a PCM format
// chunk with channels, a sample rate and 8 or 16 bits, and a data chunk within the file.
bool isPlayableWav(std::string_view head, std::uintmax_t length);

// The number and date a route file's name gives ("Route_101_20061205.xml"); false for a name
// of another form.
bool parseRouteFileName(std::string_view name, std::int32_t& number, std::string& date);

// The first bytes of a host file (at most `count`) and its length; false when it cannot be read.
bool readHead(const std::filesystem::path& file, std::size_t count, std::string& head,
              std::uintmax_t& length);

// The folder the office sent, read once: its files and what its routes tie them to.
class SentDay {
public:
    explicit SentDay(const std::filesystem::path& folder);

    const DeviceFs& Fs() const { return m_fs; }
    // The names of its files (as listed) by their folded name.
    const std::map<std::string, std::string>& Files() const { return m_files; }
    bool Has(std::string_view name) const { return m_files.count(foldedName(name)) != 0; }
    // Folded names of the route files, and of the invoice and call files their stops name.
    const std::set<std::string>& RouteFiles() const { return m_routeFiles; }
    bool TiedToRoute(std::string_view name) const {
        return m_routeTied.count(foldedName(name)) != 0;
    }
    // True when the invoice file was sent as settled already (the office's own data, which
    // the handheld never counts as a settlement).
    bool SettledWhenSent(std::string_view invoiceFile) const;
    // The customers of the sent routes' stops (CustID as "%.0f").
    bool HasCustomer(const std::string& custId) const { return m_customers.count(custId) != 0; }

private:
    DeviceFs m_fs;
    std::map<std::string, std::string> m_files;
    std::set<std::string> m_routeFiles;
    std::set<std::string> m_routeTied;  // invoices and calls of the sent routes
    std::set<std::string> m_customers;
};

// One folder that came back, as its parts read it: the folder as the data folder, its files,
// its configuration and reference lists, and the findings.
class ReturnedFolder {
public:
    ReturnedFolder(const std::filesystem::path& folder, std::string name, const SentDay& sent,
                   std::vector<CheckInFinding>& findings);

    const DeviceFs& Fs() const { return m_fs; }
    const SentDay& Sent() const { return m_sent; }
    // The folder as the user gave it (ISO-8859-1).
    const std::string& Name() const { return m_name; }
    // The names of its files by their folded name.
    const std::map<std::string, std::string>& Files() const { return m_files; }
    bool Has(std::string_view name) const { return m_files.count(foldedName(name)) != 0; }
    // The host path of one of its files.
    std::filesystem::path HostPath(std::string_view name) const { return m_folder / name; }
    // Takes a file as accounted for: a route, invoice, signature, call or customer file of a
    // route that came back here. Files never accounted for are checked against what was sent.
    void Expect(std::string_view name) { m_expected.insert(foldedName(name)); }
    bool Expected(std::string_view name) const { return m_expected.count(foldedName(name)) != 0; }
    // The customers of the stops of the routes that came back here (CustID as "%.0f").
    void AddCustomer(const std::string& custId) { m_customers.insert(custId); }
    bool HasCustomer(const std::string& custId) const { return m_customers.count(custId) != 0; }

    // The handheld's configuration (empty when it did not come back).
    const ConfigData& Config() const { return m_config; }
    int PriceDecimals() const;
    // The reference lists as they came back, else as they were sent.
    const CAdjReasons& Reasons() const { return m_reasons; }
    const CFlags& Flags() const { return m_flags; }
    const CContactCategories& Categories() const { return m_categories; }
    const CFrequencies& Frequencies() const { return m_frequencies; }
    const CFlatGoodProducts& FlatGoods() const { return m_flatGoods; }
    const CProducts& Products() const { return m_products; }

    // Adds a finding about a file of this folder.
    void Add(FindingSeverity severity, FindingKind kind, std::string file, std::string element,
             std::string message);

private:
    template <class List>
    void LoadList(List& list);

    std::filesystem::path m_folder;
    std::string m_name;
    const SentDay& m_sent;
    std::vector<CheckInFinding>& m_findings;
    DeviceFs m_fs;
    std::map<std::string, std::string> m_files;
    std::set<std::string> m_expected;
    std::set<std::string> m_customers;
    ConfigData m_config;
    CAdjReasons m_reasons;
    CFlags m_flags;
    CContactCategories m_categories;
    CFrequencies m_frequencies;
    CFlatGoodProducts m_flatGoods;
    CProducts m_products;
};

// Reads one route file of the folder and checks it in: the route's money, stops, invoices,
// adjustments and signatures, and whether its totals agree with its stops and invoices. False
// (after a finding) when the route cannot be read; `route` then holds nothing.
bool checkInRoute(ReturnedFolder& folder, const std::string& file, CRoute& route,
                  CheckInRoute& out);

// The work to hand on of a route that came back: its calls, and the wearer changes, garments
// and new services of its stops' customers (each customer's files once, with its first stop).
// `done`: customers already taken, by their id.
void collectWork(ReturnedFolder& folder, const CRoute& route, CheckInRoute& out,
                 std::set<std::string>& done);

// The truck's safety check as it came back.
void checkSafety(ReturnedFolder& folder, CheckInTruck& truck);

}  // namespace kelvo
