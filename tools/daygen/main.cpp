// kelvo-daygen: writes a whole day of back-office data for the handheld, exactly as the back
// office delivers it into the import folder: Config.xml, route files, invoice files, call files,
// the reference lists, per-customer lists and wearer files, the flat-good catalogue, the safety
// checklist and the departure marker "ZZDepartureCheck.xml".
//
//   kelvo-daygen OUTDIR [--routes N] [--stops N] [--invoices N] [--lines N] [--wearers N]
//                       [--wearer-customers N] [--products N] [--transactions N] [--seed N]
//                       [--calls N] [--flags N] [--flat-goods N]
//                       [--returned DIR [--handhelds N]]
//   kelvo-daygen OUTDIR --sample [--compare]
//
// Files the handheld writes itself (inventory transactions, garment flags and replacements,
// flat-good transactions, signatures, voice messages, the arrival marker) are never delivered,
// except for load tests: --transactions, --flags and --flat-goods write them as the handheld
// leaves them after changes earlier in the day. --returned writes, besides the delivery, the day
// worked to its end as the handhelds export it (the back office's check-in reads it).
//
// The route, stop, invoice, invoice line, call and safety files are written byte for byte in the
// handheld's own layout ("\r\n" line breaks, tab indentation, no XML declaration, no final line
// break, the handheld's number formats and sort orders), so a route the driver has not touched
// is exported byte-identical. All texts are plain ASCII, which is also valid ISO-8859-1.
//
// The tool is independent of kelvo_core on purpose: it is a second writer of every data format,
// written apart from the program's, so that its check of samples/day (which the program's tests
// and scenarios read) and the program's own golden files vouch for each other. Only the C++
// standard library is used.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "daygen/Days.h"
#include "daygen/ReturnedDay.h"
#include "daygen/ServiceLoad.h"
#include "daygen/Writers.h"

using namespace daygen;

namespace {

// ---------------------------------------------------------------------------------------------
// Self-check of the model before anything is written: what the handheld relies on.

bool selfCheck(const Day& day) {
    bool ok = true;
    auto fail = [&ok](const std::string& what) {
        std::cerr << "kelvo-daygen: inconsistent day: " << what << "\n";
        ok = false;
    };
    std::map<std::string, int> callIds;
    for (const auto& r : day.Routes) {
        for (std::size_t i = 1; i < r.Stops.size(); ++i)
            if (r.Stops[i - 1].StopNumber > r.Stops[i].StopNumber)
                fail("stops out of order");
        for (const auto& s : r.Stops) {
            for (const auto& n : s.Invoices)
                if (!day.Invoices.count(std::stoll(n)))
                    fail("missing invoice " + n);
            if (!std::is_sorted(s.Invoices.begin(), s.Invoices.end()))
                fail("invoice numbers out of text order at stop " + s.StopID);
            for (const auto& c : s.Calls) {
                // From the hundredth call of a stop on the sequence takes three digits.
                if (c.CallID.size() < 30 || c.CallID.size() > 31)
                    fail("call identifier length " + c.CallID);
                if (++callIds[c.CallID] > 1)
                    fail("duplicate call " + c.CallID);
            }
        }
    }
    for (const auto& [number, inv] : day.Invoices) {
        for (std::size_t i = 0; i < inv.Items.size(); ++i) {
            const InvoiceLine& l = inv.Items[i];
            if (i > 0 && inv.Items[i - 1].LineNumber >= l.LineNumber)
                fail(format("invoice %lld: lines out of order", number));
            if (l.PrebilledAmount < 0)
                fail(format("invoice %lld: negative line", number));
        }
        for (const auto& l : inv.Items)
            if ((l.LineType == 16 || l.LineType == 18) &&
                l.Percentage * l.OverAmount % 10000 == 5000)
                fail(format("invoice %lld: charge line %d ends in half a cent", number,
                            l.LineNumber));
        if (inv.prebilled() <= 0 && !inv.Items.empty())
            fail(format("invoice %lld: nothing to pay", number));
    }
    return ok;
}

// ---------------------------------------------------------------------------------------------
// Command line

void usage() {
    std::cerr
        << "usage: kelvo-daygen OUTDIR [--routes N] [--stops N] [--invoices N] [--lines N]\n"
           "                           [--wearers N] [--wearer-customers N] [--products N]\n"
           "                           [--transactions N] [--seed N]\n"
           "                           [--calls N] [--flags N] [--flat-goods N]\n"
           "                           [--returned DIR [--handhelds N]]\n"
           "       kelvo-daygen OUTDIR --sample [--compare]\n"
           "\n"
           "Writes a whole day of back-office data into OUTDIR.\n"
           "  --routes N            routes, one per day from 5 Dec 2006 (default 2)\n"
           "  --stops N             stops per route, at most 9999 (default 10);\n"
           "                        stops 5, 15, 25, ... are visits without invoices\n"
           "  --invoices N          invoices per stop (default 1)\n"
           "  --lines N             lines per invoice, charge lines included (default 12)\n"
           "  --wearers N           wearers per wearer customer (default 6)\n"
           "  --wearer-customers N  customers with wearer files (default 3)\n"
           "  --products N          garments per wearer, 1 to 8 (default: shirts and pants,\n"
           "                        now and then a third garment)\n"
           "  --transactions N      changes already in each wearer customer's inventory\n"
           "                        transaction file, at most one per active wearer\n"
           "                        (default 0: no file)\n"
           "  --seed N              random seed; the same seed gives the same day (default 1)\n"
           "  --calls N             N more calls at the first stop (load tests)\n"
           "  --flags N             N garment flags of the first stop's customer (load tests)\n"
           "  --flat-goods N        N flat-good services of that customer (load tests)\n"
           "  --returned DIR        also write the day worked to its end, as it comes back:\n"
           "                        the After Arrival folder of each handheld\n"
           "  --handhelds N         handhelds that work the routes in turn (default 1: DIR\n"
           "                        is its folder; more: DIR/handheld-01 ...)\n"
           "  --sample              the hand-made sample day instead of a generated one\n"
           "  --compare             compare OUTDIR with what would be written, write nothing\n";
}

bool parseNumber(const char* text, long long low, long long high, long long& out) {
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || value < low || value > high)
        return false;
    out = value;
    return true;
}

std::optional<std::string> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int compare(const std::filesystem::path& dir, const FileSet& files) {
    int differences = 0;
    for (const auto& [name, content] : files) {
        const auto existing = readFile(dir / name);
        if (!existing) {
            std::cerr << "missing: " << name << "\n";
            ++differences;
        } else if (*existing != content) {
            std::cerr << "differs: " << name << "\n";
            ++differences;
        }
    }
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.is_regular_file() && !files.count(entry.path().filename().string())) {
            std::cerr << "extra: " << entry.path().filename().string() << "\n";
            ++differences;
        }
    if (ec) {
        std::cerr << "kelvo-daygen: cannot read " << dir << "\n";
        return 1;
    }
    if (differences == 0)
        std::cout << files.size() << " files are current\n";
    return differences == 0 ? 0 : 1;
}

bool writeFiles(const std::filesystem::path& dir, const FileSet& files) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (const auto& [name, content] : files) {
        std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out) {
            std::cerr << "kelvo-daygen: cannot write " << (dir / name).string() << "\n";
            return false;
        }
    }
    std::cout << files.size() << " files written to " << dir.string() << "\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') {
        usage();
        return 2;
    }
    const std::filesystem::path outDir = argv[1];
    Options o;
    ServiceLoad load;
    bool sample = false;
    bool compareOnly = false;
    std::filesystem::path returnedDir;
    int handhelds = 1;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sample") {
            sample = true;
            continue;
        }
        if (arg == "--compare") {
            compareOnly = true;
            continue;
        }
        if (arg == "--returned" && i + 1 < argc) {
            returnedDir = argv[++i];
            continue;
        }
        long long value = 0;
        auto number = [&](long long low, long long high) {
            if (i + 1 >= argc || !parseNumber(argv[i + 1], low, high, value)) {
                std::cerr << "kelvo-daygen: " << arg << " needs a number from " << low << " to "
                          << high << "\n";
                std::exit(2);
            }
            ++i;
            return value;
        };
        if (arg == "--routes")
            o.Routes = static_cast<int>(number(1, 999));
        else if (arg == "--stops")
            o.Stops = static_cast<int>(number(1, 9999));
        else if (arg == "--invoices")
            o.InvoicesPerStop = static_cast<int>(number(0, 99));
        else if (arg == "--lines")
            o.LinesPerInvoice = static_cast<int>(number(1, 999));
        else if (arg == "--wearers")
            o.WearersPerCustomer = static_cast<int>(number(0, 99999));
        else if (arg == "--wearer-customers")
            o.WearerCustomers = static_cast<int>(number(0, 9999999));
        else if (arg == "--products")
            o.ProductsPerWearer = static_cast<int>(number(1, 8));
        else if (arg == "--transactions")
            o.Transactions = static_cast<int>(number(0, 99999));
        else if (arg == "--calls")
            load.Calls = static_cast<int>(number(0, 9999));
        else if (arg == "--flags")
            load.Flags = static_cast<int>(number(0, 999999));
        else if (arg == "--flat-goods")
            load.FlatGoods = static_cast<int>(number(0, 999999));
        else if (arg == "--handhelds")
            handhelds = static_cast<int>(number(1, 999));
        else if (arg == "--seed")
            o.Seed = static_cast<std::uint64_t>(number(0, 0x7fffffffffffffffLL));
        else {
            usage();
            return 2;
        }
    }
    int billedStops = 0;
    for (int i = 1; i <= o.Stops; ++i)
        billedStops += visitOnly(static_cast<unsigned>(i)) ? 0 : 1;
    if (!sample && o.WearerCustomers > o.Routes * billedStops) {
        std::cerr << "kelvo-daygen: more wearer customers than stops with invoices\n";
        return 2;
    }

    Day day = sample ? sampleDay() : generatedDay(o);
    addStopCalls(day, load.Calls);
    if (!selfCheck(day))
        return 1;
    FileSet files = render(day);
    addServiceFiles(files, day, load);
    if (compareOnly)
        return compare(outDir, files);

    if (!writeFiles(outDir, files))
        return 1;
    if (returnedDir.empty())
        return 0;
    const std::vector<FileSet> returned = returnedDay(day, files, handhelds);
    for (std::size_t h = 0; h < returned.size(); ++h) {
        const std::filesystem::path dir =
            handhelds == 1 ? returnedDir : returnedDir / format("handheld-%02zu", h + 1);
        if (!writeFiles(dir, returned[h]))
            return 1;
    }
    return 0;
}
