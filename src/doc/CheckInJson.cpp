#include <string>
#include <utility>
#include <vector>

#include "common/Text.h"
#include "doc/CheckIn.h"
#include "doc/CheckInReport.h"

// The check-in as JSON: every figure and finding, with field names that stay (the README lists
// them). Amounts are numbers with two decimals, as the files write them; texts are UTF-8.
namespace kelvo {

namespace {

using Members = std::vector<std::pair<const char*, std::string>>;

std::string str(const std::string& latin1) {
    return quoteText(latin1ToUtf8(latin1));
}

std::string whole(double value) {
    return formatPrice(value, 0);
}

std::string flag(bool value) {
    return value ? "true" : "false";
}

// An object on one line.
std::string object(const Members& members) {
    std::string out = "{";
    for (std::size_t i = 0; i < members.size(); ++i) {
        out +=
            (i == 0 ? "\"" : ", \"") + std::string(members[i].first) + "\": " + members[i].second;
    }
    return out + "}";
}

// An array of items, one per line at this indentation.
template <class T, class F>
std::string array(const std::vector<T>& items, const std::string& indent, F item) {
    if (items.empty()) {
        return "[]";
    }
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += (i == 0 ? "\n" : ",\n") + indent + "  " + item(items[i]);
    }
    return out + "\n" + indent + "]";
}

// An array on one line.
template <class T, class F>
std::string inlineArray(const std::vector<T>& items, F item) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += (i == 0 ? "" : ", ") + item(items[i]);
    }
    return out + "]";
}

// An object over several lines at this indentation.
std::string block(const Members& members, const std::string& indent) {
    std::string out = "{";
    for (std::size_t i = 0; i < members.size(); ++i) {
        out += (i == 0 ? "\n" : ",\n") + indent + "  \"" + members[i].first +
               "\": " + members[i].second;
    }
    return out + "\n" + indent + "}";
}

const char* invoiceStatus(InvoiceOutcome o) {
    switch (o) {
        case InvoiceOutcome::Settled:
            return "\"settled\"";
        case InvoiceOutcome::SettledBefore:
            return "\"settled-before\"";
        case InvoiceOutcome::Undeliverable:
            return "\"undeliverable\"";
        case InvoiceOutcome::Open:
            return "\"open\"";
        case InvoiceOutcome::Missing:
            return "\"missing\"";
    }
    return "\"\"";
}

const char* stopStatus(StopOutcome o) {
    switch (o) {
        case StopOutcome::Served:
            return "\"served\"";
        case StopOutcome::Undeliverable:
            return "\"undeliverable\"";
        case StopOutcome::Open:
            return "\"open\"";
    }
    return "\"\"";
}

const char* changeKindKey(WearerChangeKind k) {
    switch (k) {
        case WearerChangeKind::NewWearer:
            return "\"new-wearer\"";
        case WearerChangeKind::AddProduct:
            return "\"add-product\"";
        case WearerChangeKind::Exchange:
            return "\"exchange\"";
        case WearerChangeKind::QuantityChange:
            return "\"quantity\"";
        case WearerChangeKind::QuitWearer:
            return "\"quit-wearer\"";
        case WearerChangeKind::QuitProduct:
            return "\"quit-product\"";
        case WearerChangeKind::Cancel:
            return "\"cancel\"";
    }
    return "\"\"";
}

const char* voice(VoiceMessage v) {
    switch (v) {
        case VoiceMessage::None:
            return "\"none\"";
        case VoiceMessage::Plays:
            return "\"plays\"";
        case VoiceMessage::Unreadable:
            return "\"unreadable\"";
    }
    return "\"\"";
}

std::string cheque(const DayRecap::Cheque& c) {
    return object({{"invoice", whole(c.InvoiceNumber)},
                   {"customer", str(c.CustomerName)},
                   {"cheque", str(c.CheckNumber)},
                   {"amount", formatAmount(c.Amount)}});
}

// The money of a route or of the depot.
Members moneyMembers(const DayRecap::Figures& m, double voucher, double handOver,
                     const std::string& indent) {
    return {{"cash", formatAmount(m.CashCollected)},
            {"chequesTotal", formatAmount(m.ChequesCollected)},
            {"cheques", array(m.Cheques, indent, cheque)},
            {"voucher", formatAmount(voucher)},
            {"handOver", formatAmount(handOver)},
            {"codAsked", formatAmount(m.CodExpected)},
            {"codCollected", formatAmount(m.CodCollected)},
            {"codDelayed", formatAmount(m.CodDelayed)},
            {"chargeSettled", std::to_string(m.ChargeSettled)},
            {"chargeCollected", formatAmount(m.ChargeCollected)},
            {"adjustmentsPlus", formatAmount(m.PlusAdjustments)},
            {"adjustmentsMinus", formatAmount(m.MinusAdjustments)}};
}

std::string routeJson(const CheckInRoute& r) {
    // The route is an item of the routes array: its members, and the arrays among them, sit
    // at `in`; the members of its money one level deeper.
    const std::string in = "      ";
    Members figures = moneyMembers(r.Money, r.VoucherAmount, r.HandOver(), in + "  ");
    figures.emplace_back("codDifferences", array(r.CodDifferences, in + "  ", [](const auto& d) {
                             return object({{"invoice", whole(d.InvoiceNumber)},
                                            {"stop", std::to_string(d.StopNumber)},
                                            {"customer", str(d.CustomerName)},
                                            {"asked", formatAmount(d.Expected)},
                                            {"collected", formatAmount(d.Collected)},
                                            {"difference", formatAmount(d.Difference())},
                                            {"delayed", flag(d.Short())}});
                         }));
    return block(
        {{"folder", str(r.Folder)},
         {"route", std::to_string(r.RouteNumber)},
         {"date", str(r.Date)},
         {"description", str(r.Description)},
         {"driver", str(r.Driver)},
         {"truck", str(r.Truck)},
         {"ended", flag(r.Ended())},
         {"startTime", str(r.StartTime)},
         {"endTime", str(r.EndTime)},
         {"startMileage", formatPrice(r.StartMileage, 1)},
         {"endMileage", formatPrice(r.EndMileage, 1)},
         {"distance", formatPrice(r.Distance(), 1)},
         {"safetyRemarks", str(r.SafetyRemarks)},
         {"money", block(figures, in)},
         {"stops", array(r.Stops, in,
                         [](const CheckInStop& s) {
                             return object({{"stop", std::to_string(s.StopNumber)},
                                            {"account", whole(s.CustomerNumber)},
                                            {"customer", str(s.CustomerName)},
                                            {"status", stopStatus(s.Outcome)},
                                            {"reason", str(s.ReasonCode)},
                                            {"reasonDescription", str(s.ReasonDescription)}});
                         })},
         {"invoices", array(r.Invoices, in,
                            [](const CheckInInvoice& i) {
                                return object({{"invoice", whole(i.InvoiceNumber)},
                                               {"stop", std::to_string(i.StopNumber)},
                                               {"customer", str(i.CustomerName)},
                                               {"terms", i.COD ? "\"cod\"" : "\"charge\""},
                                               {"status", invoiceStatus(i.Outcome)},
                                               {"payThisAmount", formatAmount(i.PayThisAmount)},
                                               {"collected", formatAmount(i.CashCollected)},
                                               {"cheque", str(i.CheckNumber)},
                                               {"reason", str(i.ReasonCode)},
                                               {"reasonDescription", str(i.ReasonDescription)}});
                            })},
         {"adjustments", array(r.Adjustments, in,
                               [](const AdjustedLine& a) {
                                   return object({{"invoice", whole(a.InvoiceNumber)},
                                                  {"stop", std::to_string(a.StopNumber)},
                                                  {"customer", str(a.CustomerName)},
                                                  {"product", str(a.Product)},
                                                  {"description", str(a.Description)},
                                                  {"computed", flag(a.Computed)},
                                                  {"delivered", whole(a.DeliveredChange)},
                                                  {"billed", whole(a.BilledChange)},
                                                  {"amount", formatAmount(a.Amount)},
                                                  {"reason", str(a.ReasonCode)},
                                                  {"reasonDescription", str(a.ReasonDescription)}});
                               })},
         {"wearerChanges", array(r.WearerChanges, in,
                                 [](const ReturnedWearerChange& c) {
                                     return object({{"kind", changeKindKey(c.Kind)},
                                                    {"code", std::to_string(c.Code)},
                                                    {"stop", std::to_string(c.StopNumber)},
                                                    {"customer", str(c.CustomerName)},
                                                    {"wearer", str(c.Wearer)},
                                                    {"products", inlineArray(c.Products, str)},
                                                    {"reason", str(c.ReasonCode)},
                                                    {"reasonDescription", str(c.ReasonDescription)},
                                                    {"reference", str(c.Ref)},
                                                    {"remark", str(c.Rem)}});
                                 })},
         {"garments", array(r.Garments, in,
                            [](const GarmentNote& g) {
                                return object({{"kind", g.Replace ? "\"replace\"" : "\"flag\""},
                                               {"stop", std::to_string(g.StopNumber)},
                                               {"customer", str(g.CustomerName)},
                                               {"garment", str(g.Garment)},
                                               {"code", str(g.Code)},
                                               {"description", str(g.Description)},
                                               {"note", str(g.Note)}});
                            })},
         {"calls", array(r.Calls, in,
                         [](const CallNote& c) {
                             return object({{"kind", c.New ? "\"new\"" : "\"follow-up\""},
                                            {"stop", std::to_string(c.StopNumber)},
                                            {"customer", str(c.CustomerName)},
                                            {"call", str(c.CallID)},
                                            {"person", str(c.Person)},
                                            {"category", str(c.Category)},
                                            {"status", str(c.Status)},
                                            {"notes", str(c.Notes)},
                                            {"voice", voice(c.Voice)}});
                         })},
         {"services", array(r.Services, in,
                            [](const NewService& n) {
                                return object(
                                    {{"stop", std::to_string(n.StopNumber)},
                                     {"customer", str(n.CustomerName)},
                                     {"product", str(n.Product)},
                                     {"description", str(n.Description)},
                                     {"frequency", str(n.Frequency)},
                                     {"frequencyDescription", str(n.FrequencyDescription)},
                                     {"quantity", whole(n.Quantity)},
                                     {"price", n.Price.empty() ? "0" : n.Price}});
                            })}},
        "    ");
}

std::string truckJson(const CheckInTruck& t) {
    return object({{"folder", str(t.Folder)},
                   {"driver", str(t.Driver)},
                   {"truck", str(t.Truck)},
                   {"truckDescription", str(t.TruckDescription)},
                   {"safetyReturned", flag(t.SafetyReturned)},
                   {"safetyTruck", str(t.SafetyTruckID)},
                   {"unanswered", std::to_string(t.Unanswered)},
                   {"maintenance", inlineArray(t.Maintenance, [](const CSafetyCheck& c) {
                        return object({{"code", str(c.Code)}, {"description", str(c.Description)}});
                    })}});
}

std::string findingJson(const CheckInFinding& f) {
    return object({{"severity", f.severity == FindingSeverity::Error ? "\"error\"" : "\"warning\""},
                   {"kind", std::string("\"") + findingKindName(f.kind) + "\""},
                   {"folder", str(f.folder)},
                   {"file", str(f.file)},
                   {"element", str(f.element)},
                   {"message", str(f.message)}});
}

}  // namespace

std::string checkInJson(const CheckInResult& r) {
    return block(
               {{"sent", str(r.Sent)},
                {"clean", flag(r.Clean())},
                {"errors", std::to_string(r.Count(FindingSeverity::Error))},
                {"warnings", std::to_string(r.Count(FindingSeverity::Warning))},
                {"depot", block(moneyMembers(r.Depot, r.DepotVoucher, r.HandOver(), "    "), "  ")},
                {"folders", array(r.Trucks, "  ", truckJson)},
                {"routes", array(r.Routes, "  ", routeJson)},
                {"findings", array(r.Findings, "  ", findingJson)}},
               "") +
           "\n";
}

}  // namespace kelvo
