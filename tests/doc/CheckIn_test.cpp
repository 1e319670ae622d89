#include "doc/CheckIn.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <regex>
#include <stdexcept>
#include <string>

#include "common/DeviceFs.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "doc/CheckInParts.h"
#include "doc/CheckInReport.h"
#include "doc/FileReports.h"
#include "model/Invoice.h"
#include "model/Route.h"
#include "model/SafetyChecks.h"
#include "support/TempDevice.h"

namespace fs = std::filesystem;

namespace kelvo {
namespace {

// A picture as the signature control saves it: a 24-bit BMP of 4 x 2 pixels.
std::string signaturePicture() {
    std::string bmp = "BM";
    auto le = [&bmp](unsigned long long v, int n) {
        for (int i = 0; i < n; ++i) {
            bmp += static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    };
    le(54 + 24, 4), le(0, 4), le(54, 4), le(40, 4), le(4, 4), le(2, 4), le(1, 2), le(24, 2);
    le(0, 4), le(24, 4), le(2835, 4), le(2835, 4), le(0, 8);
    return bmp + std::string(24, '\x7F');
}

// A voice message as the recorder saves it: 16-bit PCM, mono, 8 kHz, `samples` samples.
std::string voiceMessage(unsigned samples = 100) {
    std::string wav = "RIFF";
    auto le = [&wav](unsigned long long v, int n) {
        for (int i = 0; i < n; ++i) {
            wav += static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    };
    le(36 + 2 * samples, 4);
    wav += "WAVEfmt ";
    le(16, 4), le(1, 2), le(1, 2), le(8000, 4), le(16000, 4), le(2, 2), le(16, 2);
    wav += "data";
    le(2 * samples, 4);
    return wav + std::string(2 * samples, '\0');
}

// The sample day as the office sent it, and a copy that a handheld brings back, worked by the
// test through the model's own files (route 101 as the whole-day scenario works it, route 102
// served at its first two stops and undeliverable at the rest), with the route's and stops'
// totals kept as the program keeps them.
class WorkedDay {
public:
    WorkedDay() {
        m_dir =
            fs::temp_directory_path() / ("kelvo-checkin-" + std::to_string(std::random_device{}()));
        for (const fs::path& dir : {sent(), back()}) {
            fs::create_directories(dir);
            for (const auto& e : fs::directory_iterator(fs::path(KELVO_SAMPLES_DIR) / "day")) {
                fs::copy_file(e.path(), dir / e.path().filename());
            }
        }
        fs::remove(back() / "ZZDepartureCheck.xml");
        write("ZZArrivalCheck.xml", "<ArrivalCheck>\r\n</ArrivalCheck>");
        m_fs = std::make_unique<DeviceFs>(back());
        m_fs->mapFolder("\\VexXml", back());
        answerSafety("YYYYYY", "NNNNNN");
        work();
    }
    ~WorkedDay() {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    fs::path sent() const { return m_dir / "sent"; }
    fs::path back() const { return m_dir / "back"; }
    CheckInResult checkIn() const { return kelvo::checkIn(sent(), {back()}); }

    void write(const std::string& name, const std::string& content) const {
        std::ofstream(back() / name, std::ios::binary) << content;
    }
    void writeSent(const std::string& name, const std::string& content) const {
        std::ofstream(sent() / name, std::ios::binary) << content;
    }
    std::string read(const std::string& name) const { return test::readHostFile(back() / name); }
    void replace(const std::string& name, const std::string& from, const std::string& to) const {
        std::string text = read(name);
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from << " not in " << name;
        write(name, text.replace(at, from.size(), to));
    }
    void remove(const std::string& name) const { fs::remove(back() / name); }

    // The marks of the six items of the checklist, 'Y' or 'N' each.
    void answerSafety(const std::string& ok, const std::string& maintenance) const {
        CSafetyChecks checks;
        checks.SetPath("");
        ASSERT_TRUE(checks.Load(*m_fs));
        for (std::size_t i = 0; i < checks.Count(); ++i) {
            checks.At(i).Ok = ok[i];
            checks.At(i).NeedMaintenance = maintenance[i];
        }
        ASSERT_TRUE(checks.Save(*m_fs));
    }

    // A call added to a stop of route 101, saved in the route.
    void addCall(std::uint32_t stopNumber, const std::string& callId) {
        CStop& s = stop(101, stopNumber);
        s.AddCall(callId, callId.substr(0, 28));
        save();
    }

private:
    CRoute& route(int number) {
        auto& r = m_routes[number];
        if (!r) {
            r = std::make_unique<CRoute>();
            r->SetStoragePath("");
            EXPECT_TRUE(r->Load(*m_fs, number, number == 101 ? "20061205" : "20061206"));
        }
        return *r;
    }
    CStop& stop(int routeNumber, std::uint32_t stopNumber) {
        CRoute& r = route(routeNumber);
        for (std::size_t i = 0; i < r.StopCount(); ++i) {
            if (r.Stop(i).StopNumber == stopNumber) {
                return r.Stop(i);
            }
        }
        ADD_FAILURE() << "no stop " << stopNumber;
        return r.Stop(0);
    }
    CInvoice invoice(double number) {
        CInvoice inv;
        inv.SetPath("");
        EXPECT_TRUE(loadInvoice(inv, *m_fs, m_prompter, number));
        return inv;
    }

    void settle(int r, std::uint32_t s, double number, double amount, const char* cheque = "") {
        CStop& st = stop(r, s);
        CInvoice inv = invoice(number);
        inv.SetCashCollected(amount);
        inv.SetCheckNumber(cheque);
        inv.SetPersonIdentification(st.SignatureRequired == 'N' ? "" : "AB");
        inv.SetStatus("Settled");
        ASSERT_TRUE(inv.Save(*m_fs));
        if (st.SignatureRequired != 'N') {
            write(format("Inv_%.0f.bmp", number), signaturePicture());
        }
        st.TotalCashCollected += amount;
        if (++st.SignedInvoices == static_cast<std::int32_t>(st.Invoices().size())) {
            route(r).SetSettledStops(route(r).SettledStops() + 1);
        }
        CRoute& rt = route(r);
        if (inv.COD() == 'Y') {
            rt.SetTotalCollectionsCOD(rt.TotalCollectionsCOD() + amount);
        } else {
            rt.SetTotalCollectionsCharge(rt.TotalCollectionsCharge() + amount);
        }
    }

    void undeliverable(int r, std::uint32_t s, const char* reason) {
        CStop& st = stop(r, s);
        st.UndeliverReasonCode = reason;
        CRoute& rt = route(r);
        for (const std::string& n : st.Invoices()) {
            CInvoice inv = invoice(toDouble(n));
            inv.SetUndeliverReasonCode(reason);
            ASSERT_TRUE(inv.Save(*m_fs));
            if (inv.COD() == 'Y') {
                rt.SetTotalUndeliveredCOD(rt.TotalUndeliveredCOD() + inv.PayThisAmount());
                rt.SetPayThisAmountCOD(rt.PayThisAmountCOD() - inv.PayThisAmount());
            } else {
                rt.SetTotalUndeliveredCharge(rt.TotalUndeliveredCharge() + inv.PayThisAmount());
                rt.SetPayThisAmountCharge(rt.PayThisAmountCharge() - inv.PayThisAmount());
            }
        }
    }

    // One piece less on a line, as the line adjustment saves it.
    void onePieceLess(int r, std::uint32_t s, double number, std::size_t line, double amount,
                      const char* reason) {
        CStop& st = stop(r, s);
        CRoute& rt = route(r);
        CInvoice inv = invoice(number);
        ASSERT_EQ(inv.COD(), 'Y');
        const double plus = inv.TotalPlusAdjustments();
        const double minus = inv.TotalMinusAdjustments();
        st.PayTotal -= inv.PayThisAmount();
        ASSERT_TRUE(inv.AdjustLine(line, amount));
        inv.SetAdjustmentQuantity(line, -1);
        inv.SetAdjustmentDeliveredQuantity(line, -1);
        inv.SetAdjustmentReasonCode(line, reason);
        ASSERT_TRUE(inv.Save(*m_fs));
        st.PayTotal += inv.PayThisAmount();
        rt.SetPlusAdjustmentsCOD(rt.PlusAdjustmentsCOD() - plus + inv.TotalPlusAdjustments());
        rt.SetMinusAdjustmentsCOD(rt.MinusAdjustmentsCOD() - minus + inv.TotalMinusAdjustments());
        rt.SetPayThisAmountCOD(rt.PrebilledAmountCOD() + rt.PlusAdjustmentsCOD() -
                               rt.MinusAdjustmentsCOD() - rt.TotalUndeliveredCOD());
    }

    void work() {
        CRoute& r101 = route(101);
        r101.SetStartMileage(1200), r101.SetEndMileage(1263.4);
        r101.SetStartTime("06:45"), r101.SetEndTime("11:30");
        settle(101, 1, 100101, 112.99);
        settle(101, 2, 100102, 40.00);  // COD of 43.00 collected short
        settle(101, 3, 100103, 118.22, "CHK-0042");
        settle(101, 3, 100104, 52.62);
        undeliverable(101, 4, "CL");
        onePieceLess(101, 6, 100106, 2, -4.20, "DM");
        settle(101, 6, 100106, 25.69);
        settle(101, 7, 99874, 58.50, "4471");
        settle(101, 7, 100107, 0);
        settle(101, 8, 100108, 14.51);
        settle(101, 9, 100109, 0);
        settle(101, 10, 100110, 45.10);
        CRoute& r102 = route(102);
        r102.SetStartMileage(1263.4), r102.SetEndMileage(1290);
        settle(102, 1, 100201, 0);
        settle(102, 2, 100202, 104.23, "20061206-1");
        for (std::uint32_t s = 3; s <= 10; ++s) {
            undeliverable(102, s, "NA");
        }
        save();
    }

    void save() {
        for (auto& [number, r] : m_routes) {
            ASSERT_TRUE(r->Save(*m_fs));
        }
    }

    fs::path m_dir;
    std::unique_ptr<DeviceFs> m_fs;
    ScriptedPrompter m_prompter;
    std::map<int, std::unique_ptr<CRoute>> m_routes;
};

const CheckInRoute& routeOf(const CheckInResult& r, int number) {
    for (const CheckInRoute& route : r.Routes) {
        if (route.RouteNumber == number) {
            return route;
        }
    }
    throw std::runtime_error("route not checked in");
}

// The findings of a kind.
std::vector<CheckInFinding> found(const CheckInResult& r, FindingKind kind) {
    std::vector<CheckInFinding> out;
    for (const CheckInFinding& f : r.Findings) {
        if (f.kind == kind) {
            out.push_back(f);
        }
    }
    return out;
}

std::string report(const CheckInResult& r) {
    return checkInText(r);
}

TEST(CheckIn, ADayWorkedToItsEndChecksInWithItsMoney) {
    WorkedDay day;
    const CheckInResult r = day.checkIn();
    ASSERT_TRUE(r.Findings.empty()) << report(r);
    ASSERT_EQ(r.Routes.size(), 2u);
    const CheckInRoute& r101 = routeOf(r, 101);
    EXPECT_DOUBLE_EQ(r101.Money.CashCollected, 290.91);
    ASSERT_EQ(r101.Money.Cheques.size(), 2u);
    EXPECT_EQ(r101.Money.Cheques[0].CheckNumber, "CHK-0042");
    EXPECT_DOUBLE_EQ(r101.Money.Cheques[0].Amount, 118.22);
    EXPECT_DOUBLE_EQ(r101.HandOver(), 467.63);
    ASSERT_EQ(r101.CodDifferences.size(), 1u);
    EXPECT_TRUE(r101.CodDifferences[0].Short());
    EXPECT_DOUBLE_EQ(r101.CodDifferences[0].Difference(), -3.00);
    EXPECT_EQ(r101.CountStops(StopOutcome::Served), 9u);
    EXPECT_EQ(r101.CountInvoices(InvoiceOutcome::Undeliverable), 1u);
    EXPECT_DOUBLE_EQ(r101.Distance(), 63.4);
    ASSERT_EQ(r101.Adjustments.size(), 2u);  // the sanitizer, and the tax computed over it
    EXPECT_EQ(r101.Adjustments[0].Product, "SANIT");
    EXPECT_EQ(r101.Adjustments[0].ReasonDescription, "Damaged goods");
    EXPECT_DOUBLE_EQ(r101.Adjustments[0].Amount, -4.20);
    EXPECT_TRUE(r101.Adjustments[1].Computed);
    const CheckInRoute& r102 = routeOf(r, 102);
    EXPECT_EQ(r102.CountStops(StopOutcome::Undeliverable), 8u);
    EXPECT_EQ(r102.Stops[2].ReasonDescription, "No access to premises");
    EXPECT_DOUBLE_EQ(r.HandOver(), 571.86);
    EXPECT_DOUBLE_EQ(r.Depot.ChequesCollected, 280.95);
    EXPECT_TRUE(r.Clean());
}

struct BrokenCopy {
    const char* name;
    std::function<void(WorkedDay&)> breakIt;
    FindingSeverity severity;
    FindingKind kind;
    const char* file;
    const char* element;
};

// Each break of what came back gives its finding, naming the file and, where one applies, the
// element; errors keep the day from checking in clean, warnings do not.
TEST(CheckIn, EachBreakGivesItsFinding) {
    using S = FindingSeverity;
    using K = FindingKind;
    const BrokenCopy cases[] = {
        {"invoice missing", [](WorkedDay& d) { d.remove("Inv_100105.xml"); }, S::Error,
         K::MissingFile, "Inv_100105.xml", "/Route/Stops/Stop[StopNumber=4]/Invoices/Invoice"},
        {"invoice damaged", [](WorkedDay& d) { d.write("Inv_100108.xml", "<Invoice>"); }, S::Error,
         K::NotWellFormed, "Inv_100108.xml", ""},
        {"route total changed",
         [](WorkedDay& d) {
             d.replace("Route_102_20061206.xml", "<TotalUndeliveredCOD>167.49<",
                       "<TotalUndeliveredCOD>167.50<");
         },
         S::Error, K::TotalsDisagree, "Route_102_20061206.xml", "/Route/TotalUndeliveredCOD"},
        {"route collections not those of its stops",
         [](WorkedDay& d) {
             d.replace("Route_102_20061206.xml", "<TotalCashCollected>104.23<",
                       "<TotalCashCollected>105.23<");
         },
         S::Error, K::TotalsDisagree, "Route_102_20061206.xml", "/Route"},
        {"stop signed for more than it settled",
         [](WorkedDay& d) {
             d.replace("Route_101_20061205.xml", "<SignedInvoices>1</SignedInvoices>",
                       "<SignedInvoices>2</SignedInvoices>");
         },
         S::Error, K::TotalsDisagree, "Route_101_20061205.xml",
         "/Route/Stops/Stop[StopNumber=1]/SignedInvoices"},
        {"settled stops miscounted",
         [](WorkedDay& d) {
             d.replace("Route_102_20061206.xml", "<SettledStops>2<", "<SettledStops>3<");
         },
         S::Error, K::TotalsDisagree, "Route_102_20061206.xml", "/Route/SettledStops"},
        {"signature missing", [](WorkedDay& d) { d.remove("Inv_100202.bmp"); }, S::Error,
         K::SignatureMissing, "Inv_100202.bmp", "/Route/Stops/Stop[StopNumber=2]/Invoices/Invoice"},
        {"signature not a picture", [](WorkedDay& d) { d.write("Inv_100101.bmp", "BM"); }, S::Error,
         K::SignatureMissing, "Inv_100101.bmp", "/Route/Stops/Stop[StopNumber=1]/Invoices/Invoice"},
        {"extra file", [](WorkedDay& d) { d.write("Notes.xml", "<Notes/>"); }, S::Error,
         K::ExtraFile, "Notes.xml", ""},
        {"invoice left open",
         [](WorkedDay& d) {
             d.replace("Inv_100109.xml", "<Status>Settled</Status>", "<Status></Status>");
         },
         S::Error, K::InvoiceOpen, "Inv_100109.xml",
         "/Route/Stops/Stop[StopNumber=9]/Invoices/Invoice"},
        {"route not ended",
         [](WorkedDay& d) {
             d.replace("Route_102_20061206.xml", "<EndMileage>1290.0<", "<EndMileage>0.0<");
         },
         S::Error, K::RouteNotEnded, "Route_102_20061206.xml", "/Route/EndMileage"},
        {"export unfinished", [](WorkedDay& d) { d.remove("ZZArrivalCheck.xml"); }, S::Error,
         K::MissingFile, "ZZArrivalCheck.xml", ""},
        {"safety check lost", [](WorkedDay& d) { d.remove("Safety.xml"); }, S::Error,
         K::MissingFile, "Safety.xml", ""},
        {"a call damaged",
         [](WorkedDay& d) { d.write("Call_200612050101000500000000229002.xml", "<Call>"); },
         S::Error, K::NotWellFormed, "Route_101_20061205.xml",
         "/Route/Stops/Stop[StopNumber=5]/Calls/Call"},
        {"a call lost", [](WorkedDay& d) { d.remove("Call_200612050101000500000000229002.xml"); },
         S::Error, K::MissingFile, "Call_200612050101000500000000229002.xml",
         "/Route/Stops/Stop[StopNumber=5]/Calls/Call"},
        {"reference list not back", [](WorkedDay& d) { d.remove("Flags.xml"); }, S::Warning,
         K::MissingFile, "Flags.xml", ""},
        {"customer list not back", [](WorkedDay& d) { d.remove("Locker_20388.xml"); }, S::Warning,
         K::MissingFile, "Locker_20388.xml", ""},
        {"safety items unanswered", [](WorkedDay& d) { d.answerSafety("YYYNNN", "NNNNNN"); },
         S::Warning, K::SafetyIncomplete, "Safety.xml", ""},
    };
    for (const BrokenCopy& c : cases) {
        SCOPED_TRACE(c.name);
        WorkedDay day;
        c.breakIt(day);
        const CheckInResult r = day.checkIn();
        const auto findings = found(r, c.kind);
        bool named = false;
        for (const CheckInFinding& f : findings) {
            named = named || (f.file == c.file && f.element == c.element &&
                              f.severity == c.severity && !f.message.empty());
        }
        EXPECT_TRUE(named) << report(r);
        EXPECT_EQ(r.Clean(), c.severity == FindingSeverity::Warning) << report(r);
        // A missing file is said once, not again as one that cannot be read.
        if (c.kind == K::MissingFile) {
            EXPECT_TRUE(found(r, K::NotWellFormed).empty()) << report(r);
        }
    }
}

// An invoice the office sent as settled already is its own data: listed, but none of its money,
// adjustment or signature is the driver's day.
TEST(CheckIn, AnInvoiceSentSettledIsNotTheDaysMoney) {
    WorkedDay day;
    std::string sent = test::readHostFile(day.sent() / "Inv_99874.xml");
    sent.replace(sent.find("<Status></Status>"), 17, "<Status>Settled</Status>");
    day.writeSent("Inv_99874.xml", sent);
    day.remove("Inv_99874.bmp");
    const CheckInResult r = day.checkIn();
    EXPECT_TRUE(r.Findings.empty()) << report(r);
    const CheckInRoute& route = routeOf(r, 101);
    EXPECT_EQ(route.CountInvoices(InvoiceOutcome::SettledBefore), 1u);
    ASSERT_EQ(route.Money.Cheques.size(), 1u);  // 4471 of 58.50 was not collected today
    EXPECT_DOUBLE_EQ(route.HandOver(), 467.63 - 58.50);
    EXPECT_EQ(route.Money.ChargeSettled, 4);
}

// A route that came back nowhere is missing from the folder that was sent; its invoices are not
// reported one by one.
TEST(CheckIn, ARouteThatDidNotComeBackIsOneError) {
    WorkedDay day;
    day.remove("Route_102_20061206.xml");
    const CheckInResult r = day.checkIn();
    ASSERT_EQ(r.Count(FindingSeverity::Error), 1u) << report(r);
    EXPECT_EQ(r.Findings[0].folder, r.Sent);
    EXPECT_EQ(r.Findings[0].file, "Route_102_20061206.xml");
    EXPECT_EQ(r.Routes.size(), 1u);
    // Its invoices are no extra files either: they were sent.
    EXPECT_TRUE(found(r, FindingKind::ExtraFile).empty());
}

std::string transaction(int code, const std::string& wid, const std::string& reason,
                        const std::string& product, const std::string& name = "", int nr = 0) {
    return format(
        "\r\n\t\t<Transaction><Code>%d</Code><ReasonCode>%s</ReasonCode><Ref>WO-%d</Ref>"
        "<WID>%s</WID><Nr>%d</Nr><FName>%s</FName><Inventory>%s</Inventory>"
        "</Transaction>",
        code, reason.c_str(), code, wid.c_str(), nr, name.c_str(), product.c_str());
}

std::string product(int pid, int sid, int qty, int orgPid = 0, int orgSid = 0) {
    return format(
        "<Product><PID>%d</PID><SID>%d</SID><Qty>%d</Qty><Price>0.50</Price>"
        "<OrgPID>%d</OrgPID><OrgSID>%d</OrgSID></Product>",
        pid, sid, qty, orgPid, orgSid);
}

// What the office hears of the day's work: only what changed since it sent the day (a change
// it sent that did not come back was cancelled), with names and descriptions from the lists.
TEST(CheckIn, TheWorkToHandOnIsWhatChanged) {
    WorkedDay day;
    const std::string luis = "W20117-00005";
    const std::string added = transaction(3, luis, "XD", product(102, 2, 3));
    const std::string quit = transaction(4, luis, "", product(103, 3432, 0));
    day.writeSent("InventoryTransaction_20117.xml",
                  "<Transactions>" + added + quit + "\r\n</Transactions>");
    day.write("InventoryTransaction_20117.xml",
              "<Transactions>" + added + transaction(5, luis, "SZ", product(101, 3, 11, 101, 2)) +
                  transaction(1, "", "NE", product(104, 2, 5), "Robin Newhire", 40) +
                  "\r\n</Transactions>");
    const std::string flag =
        "\r\n\t<Garment><ID>0A0A0A0A</ID><FlagID>1</FlagID><Remark>old</Remark></Garment>";
    day.writeSent("GarmentFlags_20117.xml", "<GarmentFlags>" + flag + "\r\n</GarmentFlags>");
    day.write("GarmentFlags_20117.xml",
              "<GarmentFlags>" + flag +
                  "\r\n\t<Garment><ID>0B0B0B0B</ID><FlagID>2</FlagID><Remark>At the knee</Remark>"
                  "</Garment>\r\n</GarmentFlags>");
    day.write("GarmentsToReplace_20388.xml",
              "<GarmentToReplaces>\r\n\t<Garment><ID>0C0C0C0C</ID><Reason>WO</Reason><Ref>R-9</Ref>"
              "</Garment>\r\n</GarmentToReplaces>");
    day.write("FlatGoodTransactions_20633.xml",
              "<FlatgoodTransactions>\r\n\t<flatgoodtransaction><Prodcode>MT35</Prodcode>"
              "<Freqcode>2W</Freqcode><Qty>3</Qty><Price>6.25</Price></flatgoodtransaction>"
              "\r\n</FlatgoodTransactions>");
    const std::string followed = "Call_200612050101000100000000471101";
    day.replace(followed + ".xml", "<Status>2</Status>", "<Status>4</Status>");
    day.replace(followed + ".xml", "<FollowupNotes></FollowupNotes>",
                "<FollowupNotes>Sent the copy.</FollowupNotes>");
    day.write(followed + ".wav", voiceMessage());
    const std::string fresh = "200612050101000600000000741501";
    day.addCall(6, fresh);
    day.write("Call_" + fresh + ".xml",
              "<Call><NewDate>20061205</NewDate><Person>0</Person><Category>GEN</Category>"
              "<Status>1</Status><Notes>Wants a price for aprons.</Notes></Call>");
    day.write("Call_" + fresh + ".wav", "RIFF and nothing more");
    day.write("Call_200612050101000500000000229002_T.wav", voiceMessage());

    const CheckInResult r = day.checkIn();
    const CheckInRoute& route = routeOf(r, 101);
    ASSERT_EQ(route.WearerChanges.size(), 3u) << report(r);
    EXPECT_EQ(route.WearerChanges[0].Kind, WearerChangeKind::Exchange);
    EXPECT_EQ(route.WearerChanges[0].Wearer, "5 Luis Alvarez");
    EXPECT_EQ(
        route.WearerChanges[0].Products,
        std::vector<std::string>{"Work shirt short sleeve M -> Work shirt short sleeve L x11"});
    EXPECT_EQ(route.WearerChanges[0].ReasonDescription, "Size change");
    EXPECT_EQ(route.WearerChanges[1].Kind, WearerChangeKind::NewWearer);
    EXPECT_EQ(route.WearerChanges[1].Wearer, "40 Robin Newhire");
    EXPECT_EQ(route.WearerChanges[2].Kind, WearerChangeKind::Cancel);
    EXPECT_EQ(route.WearerChanges[2].Code, 4);

    ASSERT_EQ(route.Garments.size(), 2u);
    EXPECT_EQ(route.Garments[0].Garment, "0B0B0B0B");
    EXPECT_EQ(route.Garments[0].Description, "Torn");
    EXPECT_TRUE(route.Garments[1].Replace);
    EXPECT_EQ(route.Garments[1].Description, "Worn out");

    ASSERT_EQ(route.Calls.size(), 2u);
    EXPECT_FALSE(route.Calls[0].New);
    EXPECT_EQ(route.Calls[0].Person, "Julie Chang");
    EXPECT_EQ(route.Calls[0].Category, "Invoice question");
    EXPECT_EQ(route.Calls[0].Status, "Closed");
    EXPECT_EQ(route.Calls[0].Notes, "Sent the copy.");
    EXPECT_EQ(route.Calls[0].Voice, VoiceMessage::Plays);
    EXPECT_TRUE(route.Calls[1].New);
    EXPECT_EQ(route.Calls[1].Voice, VoiceMessage::Unreadable);

    ASSERT_EQ(route.Services.size(), 1u);
    EXPECT_EQ(route.Services[0].Description, "Entrance mat 3x5");
    EXPECT_EQ(route.Services[0].FrequencyDescription, "Every other week");
    EXPECT_EQ(route.Services[0].Price, "6.25");

    // A voice message that does not play, and a recording never saved with its call, are
    // worth a look; the day's money and work are whole.
    EXPECT_EQ(found(r, FindingKind::VoiceUnreadable).size(), 1u);
    EXPECT_EQ(found(r, FindingKind::VoiceNotSaved).size(), 1u);
    EXPECT_TRUE(r.Clean()) << report(r);
    EXPECT_TRUE(found(r, FindingKind::ExtraFile).empty());
}

TEST(CheckIn, TheTrucksSafetyCheckAndDamagedWork) {
    WorkedDay day;
    day.answerSafety("YNYYYY", "NYNNNN");
    day.write("InventoryTransaction_30214.xml", "<Transactions><Transaction>");
    const CheckInResult r = day.checkIn();
    ASSERT_EQ(r.Trucks.size(), 1u);
    ASSERT_EQ(r.Trucks[0].Maintenance.size(), 1u);
    EXPECT_EQ(r.Trucks[0].Maintenance[0].Code, "LGT");
    EXPECT_EQ(r.Trucks[0].Driver, "17 Dave Kowalski");
    const auto damaged = found(r, FindingKind::NotWellFormed);
    ASSERT_EQ(damaged.size(), 1u) << report(r);
    EXPECT_EQ(damaged[0].file, "InventoryTransaction_30214.xml");
    EXPECT_FALSE(r.Clean());
}

// Copies what came back into a folder without the files whose names match `leaveOut`.
fs::path copyWithout(const fs::path& from, const fs::path& to, const std::string& leaveOut) {
    fs::create_directories(to);
    const std::regex pattern(leaveOut);
    for (const auto& e : fs::directory_iterator(from)) {
        if (!std::regex_match(e.path().filename().string(), pattern)) {
            fs::copy_file(e.path(), to / e.path().filename());
        }
    }
    return to;
}

// A depot checks in all its trucks at once: each route with its own folder, the money added up;
// a route that came back twice is counted once.
TEST(CheckIn, TrucksOfADepotCheckInTogether) {
    WorkedDay day;
    const fs::path a = copyWithout(day.back(), day.back().parent_path() / "a",
                                   "Route_102.*|Inv_1002.*|Call_20061206.*|.*_30214\\.xml");
    const fs::path b = copyWithout(day.back(), day.back().parent_path() / "b",
                                   "Route_101.*|Inv_1001.*|Inv_99874.*|Call_20061205.*|"
                                   ".*_20117\\.xml|.*_20388\\.xml");
    const CheckInResult both = checkIn(day.sent(), {a, b});
    EXPECT_TRUE(both.Findings.empty()) << report(both);
    ASSERT_EQ(both.Trucks.size(), 2u);
    EXPECT_EQ(routeOf(both, 102).Folder, utf8ToLatin1(b.string()));
    EXPECT_DOUBLE_EQ(both.HandOver(), 571.86);

    const CheckInResult twice = checkIn(day.sent(), {day.back(), a});
    EXPECT_EQ(found(twice, FindingKind::ReturnedTwice).size(), 1u) << report(twice);
    EXPECT_EQ(twice.Routes.size(), 2u);
    EXPECT_DOUBLE_EQ(twice.HandOver(), 571.86);
    EXPECT_FALSE(twice.Clean());
}

TEST(CheckIn, FoldersThatAreNoFoldersAreErrors) {
    WorkedDay day;
    const CheckInResult noSent = checkIn(day.sent() / "nothing", {day.back()});
    ASSERT_EQ(noSent.Findings.size(), 1u);
    EXPECT_TRUE(noSent.Routes.empty());
    const CheckInResult noBack = checkIn(day.sent(), {day.back() / "nothing"});
    EXPECT_FALSE(noBack.Clean());
    // Nothing came back: every route is missing.
    EXPECT_EQ(found(noBack, FindingKind::MissingFile).size(), 3u) << report(noBack);
}

// Signature pictures and voice messages are taken by what their headers promise.
TEST(CheckIn, PicturesAndVoiceMessagesAreCheckedByTheirHeaders) {
    const std::string bmp = signaturePicture();
    EXPECT_TRUE(isSignaturePicture(bmp, bmp.size()));
    EXPECT_FALSE(isSignaturePicture(bmp, bmp.size() + 1));  // cut short or grown
    EXPECT_FALSE(isSignaturePicture("BM", 2));
    EXPECT_FALSE(isSignaturePicture("PK" + bmp.substr(2), bmp.size()));

    const std::string wav = voiceMessage();
    EXPECT_TRUE(isPlayableWav(wav, wav.size()));
    EXPECT_FALSE(isPlayableWav(wav, wav.size() - 1));  // data beyond the file's end
    EXPECT_FALSE(isPlayableWav(voiceMessage(0), 44));  // no sound at all
    std::string notPcm = wav;
    notPcm[20] = 3;  // floating point samples: not what the recorder writes
    EXPECT_FALSE(isPlayableWav(notPcm, notPcm.size()));
    std::string bits = wav;
    bits[34] = 12;
    EXPECT_FALSE(isPlayableWav(bits, bits.size()));
    // A chunk before the format chunk is stepped over.
    std::string listed =
        wav.substr(0, 12) + "LIST" + std::string("\x03\0\0\0abc\0", 8) + wav.substr(12);
    EXPECT_TRUE(isPlayableWav(listed, listed.size()));
}

TEST(CheckIn, FileNamesOfCustomersAndRoutes) {
    EXPECT_EQ(customerFileOf("Wearer_20117.xml").customer, "20117");
    EXPECT_FALSE(customerFileOf("Wearer_20117.xml").writtenByHandheld);
    EXPECT_TRUE(customerFileOf("garmentflags_20117.XML").writtenByHandheld);
    EXPECT_EQ(customerFileOf("Wearer_abc.xml").customer, "");
    EXPECT_EQ(customerFileOf("Wearer_.xml").customer, "");
    std::int32_t number = 0;
    std::string date;
    EXPECT_TRUE(parseRouteFileName("Route_101_20061205.xml", number, date));
    EXPECT_EQ(number, 101);
    EXPECT_EQ(date, "20061205");
    EXPECT_FALSE(parseRouteFileName("Route_x_20061205.xml", number, date));
    EXPECT_FALSE(parseRouteFileName("Route_101_2006125.xml", number, date));
    EXPECT_FALSE(parseRouteFileName("Route__20061205.xml", number, date));
}

// The JSON carries every figure under the names the README lists.
TEST(CheckIn, TheJsonNamesItsFigures) {
    WorkedDay day;
    day.remove("Inv_100101.bmp");
    const std::string json = checkInJson(day.checkIn());
    for (const char* field :
         {"\"sent\": ", "\"clean\": false", "\"errors\": 1", "\"handOver\": 571.86",
          "\"codDifferences\": [", "\"difference\": -3.00, \"delayed\": true",
          "\"status\": \"undeliverable\", \"reason\": \"CL\", \"reasonDescription\": \"Customer "
          "closed\"",
          "\"kind\": \"signature-missing\"", "\"distance\": 63.4",
          "\"customer\": \"Rosa's Kitchen & Grill\""}) {
        EXPECT_NE(json.find(field), std::string::npos) << field << "\n" << json;
    }
}

}  // namespace
}  // namespace kelvo
