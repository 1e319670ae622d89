// Route file speed: reading and writing a large route (300 stops) through the model, set
// against pugixml parsing the same bytes and against plain writes of the same bytes.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <pugixml.hpp>

#include "BenchSupport.h"
#include "common/DeviceFs.h"
#include "common/FileWriter.h"
#include "common/Text.h"
#include "model/Route.h"

namespace {

namespace fs = std::filesystem;
using namespace kelvo;
using namespace kelvo::bench;

constexpr std::int32_t kRouteNumber = 12;
constexpr const char* kDate = "20061205";
constexpr int kStops = 300;

CStop makeStop(int i) {
    CStop s;
    s.StopID = format("S-%05d", i);
    s.StopNumber = static_cast<std::uint32_t>(i + 1);
    s.CustID = 100000 + i;
    s.CustomerNumber = 4700 + i;
    s.CustomerName = format("Customer %d & Sons Industrial Laundry Services", i);
    s.CustomerAddress1 = format("%d Main Street", i);
    s.CustomerAddress2 = "Unit 4, back entrance";
    s.CustomerCity = "Springfield";
    s.CustomerState = "IL";
    s.CustomerZipcode = "62701";
    s.ContactPersonName = "Ann Lee";
    s.ContactPersonPhone = "555-0100";
    s.ContactPersonMobile = "555-0199";
    s.DeliveryInstructions = "Ring twice at the <back> door.\r\nLeave the bags in the hall.";
    s.DrivingInstructions = "Left at the mill, then two miles north.\r\nParking behind.";
    s.ArrivalTime = "00:00";
    s.DepartureTime = "00:00";
    s.PayTotal = 125.5 + i;
    s.SatisfactionSurvey = i % 7 == 0 ? 'Y' : 'N';
    s.SignatureRequired = 'Y';
    s.AgingCurrent = 10.0 * i;
    s.Aging30 = 20.25;
    s.OpenCredit = 3.33;
    s.LastPaymentDate = "20061101";
    s.LastPaymentNumber = "CHK-88";
    s.LastPaymentAmount = 99.99;
    s.LockerManagement = 'N';
    for (std::uint32_t p = 3; p >= 1; --p) {
        s.AddContactPerson(p, format("Person %u", p), "Manager");
    }
    const std::string prefix = std::string(kDate) + padZeros(format("%d", kRouteNumber), 4) +
                               padZeros(format("%d", i + 1), 4) +
                               padZeros(format("%d", 4700 + i), 12);
    s.AddCall(prefix + "02", prefix);
    s.AddCall(prefix + "01", prefix);
    for (int n = 0; n < 3; ++n) {
        s.AddInvoice(format("%d", 500000 + i * 3 + n));
    }
    return s;
}

// One route of 300 stops saved once on a temporary device root.
struct BenchRoute {
    DeviceFs fs{makeTempRoot()};
    CRoute route;
    std::string path;
    std::string bytes;

    BenchRoute() {
        route.SetRouteNumber(kRouteNumber);
        route.SetDate(kDate);
        route.SetID("R-12");
        route.SetRouteDescription("North & East");
        route.SetTotalStops(kStops);
        for (int i = 0; i < kStops; ++i) {
            route.AddStop(makeStop(i));
        }
        fs.createFolder("\\VexXml");
        path = route.FilePath();
        if (!route.Save(fs) || !fs.readFile(path, bytes)) {
            std::abort();
        }
    }
    ~BenchRoute() {
        std::error_code ec;
        fs::remove_all(fs.root(), ec);
    }
    std::string hostFile(const char* name) const { return (fs.root() / name).string(); }
};

BenchRoute& routeBench() {
    static BenchRoute b;
    return b;
}

// Loading into an empty route: freeing the route loaded before is not part of loading.
void BM_RouteLoad(benchmark::State& state) {
    BenchRoute& b = routeBench();
    std::optional<CRoute> route;
    for (auto _ : state) {
        state.PauseTiming();
        route.emplace();
        state.ResumeTiming();
        if (!route->Load(b.fs, kRouteNumber, kDate) || route->StopCount() != kStops) {
            state.SkipWithError("load failed");
        }
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(b.bytes.size()));
}

// Bare pugixml as anyone would call it (default options, encoding detected), on the bytes in
// memory.
void BM_BareParse(benchmark::State& state) {
    BenchRoute& b = routeBench();
    for (auto _ : state) {
        pugi::xml_document doc;
        const auto result = doc.load_buffer(b.bytes.data(), b.bytes.size());
        benchmark::DoNotOptimize(result.status);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(b.bytes.size()));
}

// Reading the file and parsing it: what Load does before it fills the model.
void BM_BareReadAndParse(benchmark::State& state) {
    BenchRoute& b = routeBench();
    std::string content;
    for (auto _ : state) {
        b.fs.readFile(b.path, content);
        pugi::xml_document doc;
        const auto result = doc.load_buffer(content.data(), content.size());
        benchmark::DoNotOptimize(result.status);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(b.bytes.size()));
}

void BM_RouteToXml(benchmark::State& state) {
    BenchRoute& b = routeBench();
    for (auto _ : state) {
        std::string xml = b.route.ToXml();
        benchmark::DoNotOptimize(xml.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(b.bytes.size()));
}

// Compose and write atomically: temporary file, fsync, rename, fsync of the folder.
void BM_RouteSave(benchmark::State& state) {
    BenchRoute& b = routeBench();
    for (auto _ : state) {
        if (!b.route.Save(b.fs)) {
            state.SkipWithError("save failed");
        }
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(b.bytes.size()));
}

// The atomic write alone, of bytes already composed.
void BM_WriteFileAtomic(benchmark::State& state) {
    BenchRoute& b = routeBench();
    for (auto _ : state) {
        if (!writeFileAtomic(b.fs, b.path, b.bytes)) {
            state.SkipWithError("write failed");
        }
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(b.bytes.size()));
}

// write(2) of the whole content over a host file, optionally flushed to disk.
bool writeHostFile(const std::string& file, const std::string& bytes, bool flush) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                    (!flush || ::fsync(fd) == 0);
    return ::close(fd) == 0 && ok;
}

// One plain write(2) of the same bytes over a file, optionally flushed to disk.
void plainWrite(benchmark::State& state, bool flush) {
    BenchRoute& b = routeBench();
    const std::string file = b.hostFile(flush ? "plain-fsync.xml" : "plain.xml");
    for (auto _ : state) {
        if (!writeHostFile(file, b.bytes, flush)) {
            state.SkipWithError("write failed");
        }
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(b.bytes.size()));
}

// CRoute::Load into an empty route against pugixml parsing the bytes in memory (range 0) or
// reading the file and parsing it (range 1), which is what Load does before it fills the model.
// Each side's result (the route, the parsed document) is freed untimed before the next pair.
void BM_PairLoadVsParse(benchmark::State& state) {
    BenchRoute& b = routeBench();
    const bool read = state.range(0) != 0;
    std::optional<CRoute> route;
    std::optional<pugi::xml_document> doc;
    std::string content = b.bytes;
    paired(
        state,
        [&] {
            route.emplace();
            doc.emplace();
        },
        [&] { route->Load(b.fs, kRouteNumber, kDate); },
        [&] {
            if (read) {
                b.fs.readFile(b.path, content);
            }
            benchmark::DoNotOptimize(doc->load_buffer(content.data(), content.size()).status);
        });
}

// Touches every element below `node`: its name and its text, as any reader of the tree must
// at least do before it converts or stores anything.
std::size_t touchElements(pugi::xml_node node) {
    std::size_t sum = 0;
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
        if (c.type() == pugi::node_element) {
            sum += std::strlen(c.name()) + std::strlen(c.child_value()) + touchElements(c);
        }
    }
    return sum;
}

// What any loader built on pugixml's tree costs at least: parse the bytes (range 0: as the
// route loader does, in place with texts kept in their elements; range 1: default options)
// and visit every element's name and text, building nothing. Against the same reference as
// BM_PairLoadVsParse/0.
void BM_PairTreeWalkVsParse(benchmark::State& state) {
    BenchRoute& b = routeBench();
    const bool lean = state.range(0) == 0;
    std::string content, modelContent;
    std::optional<pugi::xml_document> doc, modelDoc;
    paired(
        state,
        [&] {
            doc.emplace();
            modelDoc.emplace();
            content = b.bytes;
            modelContent = b.bytes;
        },
        [&] {
            const auto result =
                lean ? modelDoc->load_buffer_inplace(modelContent.data(), modelContent.size(),
                                                     pugi::parse_default | pugi::parse_embed_pcdata,
                                                     pugi::encoding_utf8)
                     : modelDoc->load_buffer(modelContent.data(), modelContent.size());
            benchmark::DoNotOptimize(result.status);
            benchmark::DoNotOptimize(touchElements(*modelDoc));
        },
        [&] { benchmark::DoNotOptimize(doc->load_buffer(content.data(), content.size()).status); });
}

// CRoute::Save against one write of the same bytes, flushed to disk (range 1) or not (0).
// Save is durable (the file and its folder are flushed), so range 1 is the fair reference;
// range 0 shows how much of Save is the price of durability.
void BM_PairSaveVsPlainWrite(benchmark::State& state) {
    BenchRoute& b = routeBench();
    const bool flush = state.range(0) != 0;
    const std::string file = b.hostFile("paired.xml");
    paired(
        state, [] {},
        [&] {
            if (!b.route.Save(b.fs)) {
                state.SkipWithError("save failed");
            }
        },
        [&] { writeHostFile(file, b.bytes, flush); });
}

void BM_PlainWrite(benchmark::State& state) {
    plainWrite(state, false);
}
void BM_PlainWriteFsync(benchmark::State& state) {
    plainWrite(state, true);
}

// A route whose stops arrive in descending order, of 1,000 to 7,000 stops (the largest that
// stays within the 16 MB a file may have): the time per stop stays the same (they were inserted
// one by one, 0.4 s for 40,000).
void BM_RouteLoadDescending(benchmark::State& state) {
    const auto stops = static_cast<int>(state.range(0));
    DeviceFs fs{makeTempRoot()};
    std::string content = "<Route><Date>" + std::string(kDate) + "</Date><Stops>";
    for (int i = stops - 1; i >= 0; --i) {
        content += makeStop(i).ToXml();
    }
    content += "</Stops></Route>";
    fs.createFolder("\\VexXml");
    CRoute written;
    written.SetRouteNumber(kRouteNumber);
    written.SetDate(kDate);
    const std::string path = written.FilePath();
    if (!writeFileAtomic(fs, path, content)) {
        state.SkipWithError("the route file could not be written");
        return;
    }
    for (auto _ : state) {
        CRoute route;
        if (!route.Load(fs, kRouteNumber, kDate) || route.StopCount() != std::size_t(stops)) {
            state.SkipWithError("load failed");
        }
    }
    state.SetComplexityN(stops);
    std::error_code ec;
    fs::remove_all(fs.root(), ec);
}

}  // namespace

BENCHMARK(BM_RouteLoadDescending)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Arg(7000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_RouteLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareParse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareReadAndParse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RouteToXml)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RouteSave)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteFileAtomic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainWriteFsync)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PairLoadVsParse)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PairTreeWalkVsParse)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PairSaveVsPlainWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
