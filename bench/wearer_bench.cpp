// Wearer service speed for one large customer: 10,000 wearers of 5 products each and 2,000
// inventory transactions. Loading each file is set against pugixml parsing the same bytes;
// a commit is one change written into the transaction file.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include <pugixml.hpp>

#include "BenchSupport.h"
#include "common/DeviceFs.h"
#include "common/FileWriter.h"
#include "common/Text.h"
#include "model/InventoryTransactions.h"
#include "model/PendingTransaction.h"
#include "model/Wearers.h"

namespace {

using namespace kelvo;
using kelvo::bench::paired;

constexpr double kCustomer = 20117;
constexpr int kWearers = 10000;
constexpr int kProducts = 5;
constexpr int kTransactions = 2000;
constexpr int kPriceDecimals = 2;

// The wearer file as the back office writes it.
std::string wearerFile() {
    std::string out = "<Wearers>";
    for (int w = 0; w < kWearers; ++w) {
        // Listed by name, so that the numbers arrive out of order.
        const int nr = (w * 7919) % kWearers + 1;
        out += format(
            "\r\n\t<Wearer>\r\n\t\t<ID>W20117-%05d</ID>\r\n\t\t<Nr>%d</Nr>"
            "\r\n\t\t<FName>Wearer %d &amp; Sons</FName>\r\n\t\t<FirstName>First%d</FirstName>"
            "\r\n\t\t<EmblemName>Emblem %d</EmblemName>\r\n\t\t<Admin>E%d</Admin>"
            "\r\n\t\t<Dpt>%d</Dpt>\r\n\t\t<Fun>%d</Fun>\r\n\t\t<LockID>%d</LockID>"
            "\r\n\t\t<Bank>%c</Bank>\r\n\t\t<Lock>%02d</Lock>\r\n\t\t<Active>%c</Active>"
            "\r\n\t\t<Inventory>",
            nr, nr, w, w, w, 1000 + w, 10 + w % 5, 1 + w % 4, w % 50, 'A' + w % 6, w % 40,
            w % 97 == 0 ? 'N' : 'Y');
        for (int p = 0; p < kProducts; ++p) {
            out += format(
                "\r\n\t\t\t<Product>\r\n\t\t\t\t<PID>%d</PID>\r\n\t\t\t\t<SID>%d</SID>"
                "\r\n\t\t\t\t<FID>%d</FID>\r\n\t\t\t\t<Qty>%d</Qty>\r\n\t\t\t\t<Chg>%d</Chg>"
                "\r\n\t\t\t\t<TID>1</TID>\r\n\t\t\t\t<Price>%d.%02d</Price>\r\n\t\t\t</Product>",
                101 + p, 2 + (w + p) % 6, 1 + p % 2, 5 + p, 5 + p, p, 45 + w % 50);
        }
        out += "\r\n\t\t</Inventory>\r\n\t</Wearer>";
    }
    out += "\r\n</Wearers>";
    return out;
}

// A transaction as the handheld writes it ("%.0f" numbers, prices with two decimals).
std::string transaction(int code, int w, int lines) {
    std::string out = format(
        "\r\n\t\t<Transaction>\r\n\t\t\t<Code>%d</Code>\r\n\t\t\t<ReasonCode>%s</ReasonCode>"
        "\r\n\t\t\t<Ref>%s</Ref>\r\n\t\t\t<Rem>%s</Rem>\r\n\t\t\t<WID>%s</WID>"
        "\r\n\t\t\t<Nr>%d</Nr>\r\n\t\t\t<FName>%s</FName>\r\n\t\t\t<FirstName>%s</FirstName>"
        "\r\n\t\t\t<EmblemName>%s</EmblemName>\r\n\t\t\t<Admin>%s</Admin>\r\n\t\t\t<Dpt>%d</Dpt>"
        "\r\n\t\t\t<Fun>%d</Fun>\r\n\t\t\t<LockID>%d</LockID>\r\n\t\t\t<Bank>%s</Bank>"
        "\r\n\t\t\t<Lock>%s</Lock>\r\n\t\t\t<WearerRem>%s</WearerRem>\r\n\t\t\t<Inventory>",
        code, code % 2 ? "R1" : "", code % 2 ? "WO-77" : "", code % 2 ? "Deliver &amp; sign" : "",
        code == 1 ? "" : format("W20117-%05d", w).c_str(), code == 1 ? kWearers + w : 0,
        code == 1 ? "New Wearer" : "", code == 1 ? "New" : "", code == 1 ? "New" : "",
        code == 1 ? "A1" : "", code == 1 ? 10 : 0, code == 1 ? 2 : 0, 0, "", "", "");
    for (int l = 0; l < lines; ++l) {
        out += format(
            "\r\n\t\t\t\t<Product>\r\n\t\t\t\t\t<PID>%d</PID>\r\n\t\t\t\t\t<SID>%d</SID>"
            "\r\n\t\t\t\t\t<FID>1</FID>\r\n\t\t\t\t\t<Qty>%d</Qty>\r\n\t\t\t\t\t<Chg>%d</Chg>"
            "\r\n\t\t\t\t\t<TID>1</TID>\r\n\t\t\t\t\t<Price>1.%02d</Price>"
            "\r\n\t\t\t\t\t<OrgPID>%d</OrgPID>\r\n\t\t\t\t\t<OrgSID>%d</OrgSID>"
            "\r\n\t\t\t\t</Product>",
            101 + l, 3 + l, 4 + l, 4 + l, w % 100, code == 5 ? 101 + l : 0, code == 5 ? 2 : 0);
    }
    return out + "\r\n\t\t\t</Inventory>\r\n\t\t</Transaction>";
}

std::string transactionFile() {
    std::string out = "<Transactions>";
    for (int t = 0; t < kTransactions; ++t) {
        const int code = 1 + t % 7;
        const int lines = code == 2 ? 0 : code == 1 || code == 3 ? 1 + t % 3 : 1;
        out += transaction(code, (t * 13) % kWearers, lines);
    }
    return out + "\r\n</Transactions>";
}

// Both files on a temporary device root.
struct BenchCustomer {
    DeviceFs fs{kelvo::bench::makeTempRoot()};
    std::string wearerPath;
    std::string wearerBytes;
    std::string transactionPath;
    std::string transactionBytes;

    BenchCustomer() : wearerBytes(wearerFile()), transactionBytes(transactionFile()) {
        fs.createFolder("\\VexXml");
        wearerPath = CWearers().FilePath(kCustomer);
        transactionPath = CInventoryTransactions().FilePath(kCustomer);
        if (!writeFileAtomic(fs, wearerPath, wearerBytes) ||
            !writeFileAtomic(fs, transactionPath, transactionBytes)) {
            std::abort();
        }
    }
    ~BenchCustomer() {
        std::error_code ec;
        std::filesystem::remove_all(fs.root(), ec);
    }
};

BenchCustomer& customer() {
    static BenchCustomer c;
    return c;
}

// Loading into an empty list against pugixml (default options, encoding detected) parsing
// the same bytes in memory (range 0) or reading the file and parsing it (range 1), in processor
// time. Each side's result is freed untimed before the next pair.
template <class List>
void loadVsParse(benchmark::State& state, const std::string& path, const std::string& bytes,
                 std::size_t expected) {
    BenchCustomer& c = customer();
    const bool read = state.range(0) != 0;
    std::optional<List> list;
    std::optional<pugi::xml_document> doc;
    std::string content = bytes;
    paired<kelvo::bench::ThreadCpuClock>(
        state,
        [&] {
            list.emplace();
            doc.emplace();
        },
        [&] {
            LoadResult result;
            if constexpr (std::is_same_v<List, CWearers>) {
                result = list->Load(c.fs, kCustomer);
            } else {
                result = list->Load(c.fs, kCustomer, kPriceDecimals);
            }
            if (result != LoadResult::Read || list->Count() != expected) {
                state.SkipWithError("load failed");
            }
        },
        [&] {
            if (read) {
                c.fs.readFile(path, content);
            }
            benchmark::DoNotOptimize(doc->load_buffer(content.data(), content.size()).status);
        });
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

void BM_PairWearerLoadVsParse(benchmark::State& state) {
    BenchCustomer& c = customer();
    loadVsParse<CWearers>(state, c.wearerPath, c.wearerBytes, kWearers);
}

void BM_PairTransactionLoadVsParse(benchmark::State& state) {
    BenchCustomer& c = customer();
    loadVsParse<CInventoryTransactions>(state, c.transactionPath, c.transactionBytes,
                                        kTransactions);
}

// write(2) of the whole content over a host file, flushed to disk.
bool writeHostFile(const std::string& file, const std::string& bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool ok =
        ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size()) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

// One exchange committed into the 2,000 transactions (the file is rewritten whole and made
// durable) against one flushed write of the same number of bytes. The list is loaded afresh,
// untimed, before each commit.
void BM_PairCommitVsPlainWrite(benchmark::State& state) {
    BenchCustomer& c = customer();
    const std::string file = (c.fs.root() / "plain.xml").string();
    std::optional<CInventoryTransactions> list;
    CPendingTransaction pending;
    paired(
        state,
        [&] {
            if (!writeFileAtomic(c.fs, c.transactionPath, c.transactionBytes)) {
                state.SkipWithError("the transaction file could not be written");
            }
            list.emplace();
            list->Load(c.fs, kCustomer, kPriceDecimals);
        },
        [&] {
            CInventory& t = pending.Begin(kCustomer, kExchangeProduct, "W20117-00042");
            t.ReasonCode = "R1";
            t.AddLine(102, 5, 6, 6, 1, 1, 1.25, 102, 3);
            if (list->Commit(c.fs, pending) != ChangeResult::Saved) {
                state.SkipWithError("commit failed");
            }
        },
        [&] { writeHostFile(file, c.transactionBytes); });
}

// Composing the file of the 2,000 transactions: the part of a commit before the write.
void BM_TransactionToXml(benchmark::State& state) {
    BenchCustomer& c = customer();
    CInventoryTransactions list;
    list.Load(c.fs, kCustomer, kPriceDecimals);
    for (auto _ : state) {
        std::string xml = list.ToXml();
        benchmark::DoNotOptimize(xml.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(c.transactionBytes.size()));
}

}  // namespace

BENCHMARK(BM_TransactionToXml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PairWearerLoadVsParse)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PairTransactionLoadVsParse)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PairCommitVsPlainWrite)->Unit(benchmark::kMillisecond);
