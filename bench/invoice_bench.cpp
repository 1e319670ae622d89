// Invoice file speed: what the driver waits for when a line is adjusted on a 40-line invoice
// (load, adjust, save), together and step by step.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "common/DeviceFs.h"
#include "common/Text.h"
#include "model/Invoice.h"

namespace {

namespace fs = std::filesystem;
using namespace kelvo;

constexpr double kNumber = 500123;
constexpr int kLines = 40;
constexpr std::size_t kAdjusted = 3;  // a product line with a special charge computed over it

CInvoiceItem makeLine(int i) {
    CInvoiceItem l;
    l.LineID = format("500123-%03d", i);
    l.LineNumber = (i * 17) % kLines + 1;  // the file is not in line order
    l.LineType = static_cast<std::int16_t>(i % 2 == 0 ? LineTypes::Rent : LineTypes::Wash);
    l.Code = format("P%04d", 100 + i % 9);
    l.Description = "Work shirt, long sleeves & pocket";
    l.SizeCode = i % 3 == 0 ? "" : "XL";
    l.WearerNumber = 1000 + i;
    l.WearerName = format("Wearer %d M\xFCller", i);
    l.WearerLocker = format("L-%02d", i);
    l.TaxType = 1;
    l.BillingMethod = 1;
    l.FrequencyCode = "1W";
    l.DeliveredQuantity = l.InventoryQuantity = l.FutureInv = l.PreBilledQuantity = 11;
    l.Price = 1.2345;
    l.PrebilledAmount = 13.58;
    l.Extend = 'Y';
    l.SubjectToMinimum = 'Y';
    l.SpecialChargeCode[0] = "FUEL";
    l.SER = 2;
    l.QtyToPick = 11;
    return l;
}

CInvoiceItem makeCharge(std::int16_t type, const char* code, double percentage) {
    CInvoiceItem l;
    l.LineNumber = 900 + type;
    l.LineType = type;
    l.Code = code;
    l.Description = LineTypeName(type);
    l.TaxType = 1;
    l.Percentage = percentage;
    l.Extend = 'Y';
    return l;
}

// One 40-line invoice saved once in a temporary device root.
struct BenchInvoice {
    DeviceFs fs{makeRoot()};

    BenchInvoice() {
        CInvoice inv;
        inv.SetInvoiceNumber(kNumber);
        inv.SetID("I500123");
        inv.SetInvoiceDate("20061205");
        inv.SetPrebilledAmount(500);
        inv.SetMinimumInvoiceAmount(50);
        for (int i = 0; i < kLines - 3; ++i) {
            inv.AddLine(makeLine(i));
        }
        inv.AddLine(makeCharge(LineTypes::SpecialCharge, "FUEL", 3));
        inv.AddLine(makeCharge(LineTypes::MinimumCharge, "MIN", 0));
        inv.AddLine(makeCharge(LineTypes::Tax, "TAX", 7.5));
        fs.createFolder("\\VexXml");
        if (!inv.Save(fs)) {
            std::abort();
        }
    }
    ~BenchInvoice() {
        std::error_code ec;
        fs::remove_all(fs.root(), ec);
    }
    static fs::path makeRoot() {
        std::string tmpl = (fs::temp_directory_path() / "kelvo-bench-XXXXXX").string();
        return ::mkdtemp(tmpl.data()) != nullptr ? fs::path(tmpl) : (std::abort(), fs::path());
    }
};

BenchInvoice& invoiceBench() {
    static BenchInvoice b;
    return b;
}

// Loading into a new invoice, as the details screen does for another invoice.
void BM_InvoiceLoad(benchmark::State& state) {
    BenchInvoice& b = invoiceBench();
    std::optional<CInvoice> inv;
    for (auto _ : state) {
        state.PauseTiming();
        inv.emplace();
        state.ResumeTiming();
        if (!inv->Load(b.fs, kNumber).ok() || inv->LineCount() != kLines) {
            state.SkipWithError("load failed");
        }
    }
}

void BM_InvoiceAdjustLine(benchmark::State& state) {
    BenchInvoice& b = invoiceBench();
    CInvoice inv;
    inv.Load(b.fs, kNumber);
    double amount = 0;
    for (auto _ : state) {
        amount = amount == 0 ? -2.47 : 0;
        inv.AdjustLine(kAdjusted, amount);
    }
}

// Compose and write atomically (temporary file, flush to disk, rename, flush of the folder).
void BM_InvoiceSave(benchmark::State& state) {
    BenchInvoice& b = invoiceBench();
    CInvoice inv;
    inv.Load(b.fs, kNumber);
    for (auto _ : state) {
        if (!inv.Save(b.fs)) {
            state.SkipWithError("save failed");
        }
    }
}

// What the driver waits for when an adjustment is saved on another invoice than the last one.
void BM_InvoiceLoadAdjustSave(benchmark::State& state) {
    BenchInvoice& b = invoiceBench();
    std::optional<CInvoice> inv;
    double amount = 0;
    for (auto _ : state) {
        state.PauseTiming();
        inv.emplace();
        amount = amount == 0 ? -2.47 : 0;
        state.ResumeTiming();
        if (!inv->Load(b.fs, kNumber).ok() || !inv->AdjustLine(kAdjusted, amount) ||
            !inv->Save(b.fs)) {
            state.SkipWithError("load, adjust or save failed");
        }
    }
}

}  // namespace

BENCHMARK(BM_InvoiceLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InvoiceAdjustLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InvoiceSave)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InvoiceLoadAdjustSave)->Unit(benchmark::kMicrosecond);
