#include "doc/CheckInReport.h"

#include <algorithm>
#include <numeric>

#include "common/DateText.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/CheckIn.h"

namespace kelvo {

namespace {

using K = SheetBlock::Kind;

std::string quantity(double value) {
    return formatPrice(value, 0);
}

const char* severityName(FindingSeverity s) {
    return s == FindingSeverity::Error ? "error" : "warning";
}

std::string routeTitle(const CheckInRoute& r) {
    std::string title = format(tr("Route %d").c_str(), r.RouteNumber) + ", " + longDate(r.Date);
    if (!r.Description.empty()) {
        title += " (" + r.Description + ")";
    }
    return title;
}

SheetBlock block(K kind, std::string text) {
    SheetBlock b;
    b.kind = kind;
    b.text = std::move(text);
    return b;
}

SheetBlock table(std::vector<std::string> heads, std::vector<double> widths,
                 std::vector<bool> right) {
    SheetBlock b;
    b.kind = K::Table;
    b.heads = std::move(heads);
    b.widths = std::move(widths);
    b.right = std::move(right);
    return b;
}

std::string invoiceOutcome(const CheckInInvoice& i) {
    switch (i.Outcome) {
        case InvoiceOutcome::Settled:
            return tr("settled");
        case InvoiceOutcome::SettledBefore:
            return tr("settled when it was sent: not the day's money");
        case InvoiceOutcome::Undeliverable:
            return tr("undeliverable");
        case InvoiceOutcome::Open:
            return tr("open: not served");
        case InvoiceOutcome::Missing:
            return tr("did not come back");
    }
    return {};
}

std::string reasonText(const std::string& code, const std::string& description) {
    if (description.empty()) {
        return code;
    }
    return description + " (" + code + ")";
}

std::string changeKind(WearerChangeKind kind) {
    switch (kind) {
        case WearerChangeKind::NewWearer:
            return tr("new wearer");
        case WearerChangeKind::AddProduct:
            return tr("added products");
        case WearerChangeKind::Exchange:
            return tr("exchange");
        case WearerChangeKind::QuantityChange:
            return tr("quantity change");
        case WearerChangeKind::QuitWearer:
            return tr("quit wearer");
        case WearerChangeKind::QuitProduct:
            return tr("quit product");
        case WearerChangeKind::Cancel:
            return tr("cancelled");
    }
    return {};
}

std::string voiceText(VoiceMessage voice) {
    switch (voice) {
        case VoiceMessage::None:
            return tr("none");
        case VoiceMessage::Plays:
            return tr("plays");
        case VoiceMessage::Unreadable:
            return tr("does not play");
    }
    return {};
}

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string out;
    for (const std::string& p : parts) {
        out += (out.empty() ? "" : separator) + p;
    }
    return out;
}

// Money to receive: one line per route and one for the depot, then each route's cheques and
// COD invoices, and where the cashier and the drivers sign.
void money(std::vector<SheetBlock>& s, const CheckInResult& r) {
    s.push_back(block(K::Heading, tr("Money to receive")));
    SheetBlock t = table({tr("Route"), tr("Date"), tr("Driver"), tr("Cash"), tr("Cheques"),
                          tr("Voucher"), tr("Hand over")},
                         {0.08, 0.16, 0.28, 0.12, 0.12, 0.12, 0.12},
                         {false, false, false, true, true, true, true});
    for (const CheckInRoute& route : r.Routes) {
        t.rows.push_back({format("%d", route.RouteNumber), longDate(route.Date), route.Driver,
                          formatAmount(route.Money.CashCollected),
                          formatAmount(route.Money.ChequesCollected),
                          formatAmount(route.VoucherAmount), formatAmount(route.HandOver())});
    }
    t.total = {tr("Depot"),
               "",
               "",
               formatAmount(r.Depot.CashCollected),
               formatAmount(r.Depot.ChequesCollected),
               formatAmount(r.DepotVoucher),
               formatAmount(r.HandOver())};
    s.push_back(std::move(t));
    for (const CheckInRoute& route : r.Routes) {
        const DayRecap::Figures& m = route.Money;
        s.push_back(block(K::Subheading, routeTitle(route)));
        if (!m.Cheques.empty()) {
            SheetBlock c = table({tr("Invoice"), tr("Customer"), tr("Cheque#"), tr("Amount")},
                                 {0.15, 0.45, 0.25, 0.15}, {false, false, false, true});
            for (const DayRecap::Cheque& q : m.Cheques) {
                c.rows.push_back({format("%.0f", q.InvoiceNumber), q.CustomerName, q.CheckNumber,
                                  formatAmount(q.Amount)});
            }
            c.total = {tr("Cheques"), "", format("%zu", m.Cheques.size()),
                       formatAmount(m.ChequesCollected)};
            s.push_back(std::move(c));
        }
        s.push_back(block(K::Line, format(tr("COD: asked %s, collected %s, delayed %s").c_str(),
                                          formatAmount(m.CodExpected).c_str(),
                                          formatAmount(m.CodCollected).c_str(),
                                          formatAmount(m.CodDelayed).c_str())));
        if (!route.CodDifferences.empty()) {
            SheetBlock c = table(
                {tr("Invoice"), tr("Customer"), tr("Asked"), tr("Collected"), tr("Difference"), ""},
                {0.12, 0.38, 0.12, 0.12, 0.12, 0.14}, {false, false, true, true, true, false});
            for (const CodDifference& d : route.CodDifferences) {
                c.rows.push_back({format("%.0f", d.InvoiceNumber), d.CustomerName,
                                  formatAmount(d.Expected), formatAmount(d.Collected),
                                  formatAmount(d.Difference()),
                                  d.Short() ? tr("DELAYED") : tr("overpaid")});
            }
            s.push_back(std::move(c));
        }
        s.push_back(
            block(K::Line, format(tr("Charge invoices settled: %d, collected %s").c_str(),
                                  m.ChargeSettled, formatAmount(m.ChargeCollected).c_str())));
    }
    for (const CheckInTruck& truck : r.Trucks) {
        s.push_back(block(K::Signature, tr("Handed over by ") +
                                            (truck.Driver.empty() ? truck.Folder : truck.Driver)));
    }
    s.push_back(block(K::Signature, tr("Received by the cashier (date and signature)")));
}

void stopsAndInvoices(std::vector<SheetBlock>& s, const CheckInResult& r) {
    s.push_back(block(K::Heading, tr("Invoices and stops")));
    for (const CheckInRoute& route : r.Routes) {
        s.push_back(block(K::Subheading, routeTitle(route)));
        s.push_back(
            block(K::Line, format(tr("Stops: %zu served, %zu undeliverable, %zu open, "
                                     "of %zu")
                                      .c_str(),
                                  route.CountStops(StopOutcome::Served),
                                  route.CountStops(StopOutcome::Undeliverable),
                                  route.CountStops(StopOutcome::Open), route.Stops.size())));
        s.push_back(
            block(K::Line,
                  format(tr("Invoices: %zu settled, %zu undeliverable, %zu open, %zu did not come "
                            "back, of %zu")
                             .c_str(),
                         route.CountInvoices(InvoiceOutcome::Settled),
                         route.CountInvoices(InvoiceOutcome::Undeliverable),
                         route.CountInvoices(InvoiceOutcome::Open),
                         route.CountInvoices(InvoiceOutcome::Missing), route.Invoices.size())));
        s.push_back(
            block(K::Line, format(tr("Mileage: %.1f at the start (%s), %.1f at the end "
                                     "(%s): %.1f driven")
                                      .c_str(),
                                  route.StartMileage, route.StartTime.c_str(), route.EndMileage,
                                  route.EndTime.c_str(), route.Distance())));
        if (!route.SafetyRemarks.empty()) {
            s.push_back(block(
                K::Line, tr("Safety remarks: ") + replaceAll(route.SafetyRemarks, "\r\n", " / ")));
        }
        SheetBlock stops = table({tr("Stop"), tr("Customer"), tr("Status"), tr("Reason")},
                                 {0.06, 0.42, 0.17, 0.35}, {true, false, false, false});
        for (const CheckInStop& stop : route.Stops) {
            if (stop.Outcome != StopOutcome::Served) {
                stops.rows.push_back(
                    {format("%u", stop.StopNumber), stop.CustomerName,
                     stop.Outcome == StopOutcome::Open ? tr("open") : tr("undeliverable"),
                     reasonText(stop.ReasonCode, stop.ReasonDescription)});
            }
        }
        if (!stops.rows.empty()) {
            s.push_back(std::move(stops));
        }
        SheetBlock invoices =
            table({tr("Invoice"), tr("Stop"), tr("Customer"), tr("Terms"), tr("Amount"),
                   tr("What became of it")},
                  {0.1, 0.06, 0.28, 0.08, 0.1, 0.38}, {false, true, false, false, true, false});
        for (const CheckInInvoice& i : route.Invoices) {
            if (i.Outcome != InvoiceOutcome::Settled) {
                std::string what = invoiceOutcome(i);
                if (i.Outcome == InvoiceOutcome::Undeliverable) {
                    what += ": " + reasonText(i.ReasonCode, i.ReasonDescription);
                }
                invoices.rows.push_back(
                    {format("%.0f", i.InvoiceNumber), format("%u", i.StopNumber), i.CustomerName,
                     i.COD ? tr("COD") : tr("Charge"), formatAmount(i.PayThisAmount), what});
            }
        }
        if (!invoices.rows.empty()) {
            s.push_back(std::move(invoices));
        }
    }
    for (const CheckInTruck& truck : r.Trucks) {
        std::string title = tr("Truck ") + (truck.Truck.empty() ? truck.Folder : truck.Truck);
        if (!truck.TruckDescription.empty()) {
            title += " (" + truck.TruckDescription + ")";
        }
        s.push_back(block(K::Subheading, title));
        if (!truck.SafetyReturned) {
            s.push_back(block(K::Line, tr("Safety check: did not come back")));
        } else if (truck.Maintenance.empty()) {
            s.push_back(block(K::Line, tr("Safety check: no item needs maintenance")));
        } else {
            s.push_back(
                block(K::Line, format(tr("Safety check, items that need maintenance: %zu").c_str(),
                                      truck.Maintenance.size())));
            SheetBlock t = table({tr("Item"), tr("Needs maintenance")}, {0.2, 0.8}, {false, false});
            for (const CSafetyCheck& item : truck.Maintenance) {
                t.rows.push_back({item.Code, item.Description});
            }
            s.push_back(std::move(t));
        }
    }
}

void adjustments(std::vector<SheetBlock>& s, const CheckInResult& r) {
    s.push_back(block(K::Heading, tr("Adjustments to approve")));
    for (const CheckInRoute& route : r.Routes) {
        s.push_back(block(K::Subheading, routeTitle(route)));
        if (!route.Adjustments.empty()) {
            SheetBlock t = table({tr("Invoice"), tr("Customer"), tr("Product"), tr("Description"),
                                  tr("Deliv"), tr("Billed"), tr("Amount"), tr("Reason")},
                                 {0.1, 0.17, 0.1, 0.18, 0.07, 0.07, 0.1, 0.21},
                                 {false, false, false, false, true, true, true, false});
            for (const AdjustedLine& a : route.Adjustments) {
                t.rows.push_back(
                    {format("%.0f", a.InvoiceNumber), a.CustomerName, a.Product, a.Description,
                     quantity(a.DeliveredChange), quantity(a.BilledChange), formatAmount(a.Amount),
                     a.Computed ? tr("computed") : reasonText(a.ReasonCode, a.ReasonDescription)});
            }
            s.push_back(std::move(t));
        }
        s.push_back(block(K::Line, format(tr("Adjustments: plus %s, minus %s").c_str(),
                                          formatAmount(route.Money.PlusAdjustments).c_str(),
                                          formatAmount(route.Money.MinusAdjustments).c_str())));
    }
}

void work(std::vector<SheetBlock>& s, const CheckInResult& r) {
    s.push_back(block(K::Heading, tr("Work to hand on")));
    bool any = false;
    for (const CheckInRoute& route : r.Routes) {
        if (route.WearerChanges.empty() && route.Garments.empty() && route.Calls.empty() &&
            route.Services.empty()) {
            continue;
        }
        any = true;
        s.push_back(block(K::Subheading, routeTitle(route)));
        if (!route.WearerChanges.empty()) {
            SheetBlock t = table({tr("Wearer change"), tr("Customer"), tr("Wearer"), tr("Products"),
                                  tr("Reason"), tr("Reference")},
                                 {0.12, 0.17, 0.14, 0.27, 0.14, 0.16},
                                 {false, false, false, false, false, false});
            for (const ReturnedWearerChange& c : route.WearerChanges) {
                t.rows.push_back(
                    {changeKind(c.Kind), c.CustomerName, c.Wearer, joined(c.Products, "; "),
                     c.ReasonCode.empty() ? std::string()
                                          : reasonText(c.ReasonCode, c.ReasonDescription),
                     joined({c.Ref, c.Rem}, " ")});
            }
            s.push_back(std::move(t));
        }
        if (!route.Garments.empty()) {
            SheetBlock t = table(
                {tr("Garment"), tr("Customer"), tr("To do"), tr("Why"), tr("Remark or reference")},
                {0.15, 0.25, 0.12, 0.25, 0.23}, {false, false, false, false, false});
            for (const GarmentNote& g : route.Garments) {
                t.rows.push_back({g.Garment, g.CustomerName, g.Replace ? tr("replace") : tr("flag"),
                                  reasonText(g.Code, g.Description), g.Note});
            }
            s.push_back(std::move(t));
        }
        if (!route.Calls.empty()) {
            SheetBlock t = table({tr("Call"), tr("Customer"), tr("Person"), tr("Category"),
                                  tr("Status"), tr("Notes"), tr("Voice")},
                                 {0.1, 0.18, 0.13, 0.13, 0.12, 0.24, 0.1},
                                 {false, false, false, false, false, false, false});
            for (const CallNote& c : route.Calls) {
                t.rows.push_back({c.New ? tr("new") : tr("follow-up"), c.CustomerName, c.Person,
                                  c.Category, c.Status, replaceAll(c.Notes, "\r\n", " / "),
                                  voiceText(c.Voice)});
            }
            s.push_back(std::move(t));
        }
        if (!route.Services.empty()) {
            SheetBlock t = table({tr("New service"), tr("Customer"), tr("Description"),
                                  tr("Frequency"), tr("Qty"), tr("Price")},
                                 {0.12, 0.25, 0.25, 0.18, 0.08, 0.12},
                                 {false, false, false, false, true, true});
            for (const NewService& n : route.Services) {
                t.rows.push_back(
                    {n.Product, n.CustomerName, n.Description,
                     n.FrequencyDescription.empty() ? n.Frequency : n.FrequencyDescription,
                     quantity(n.Quantity), n.Price});
            }
            s.push_back(std::move(t));
        }
    }
    if (!any) {
        s.push_back(block(K::Line, tr("Nothing to hand on.")));
    }
}

std::size_t stopCount(const CheckInResult& r) {
    return std::accumulate(
        r.Routes.begin(), r.Routes.end(), std::size_t{0},
        [](std::size_t n, const CheckInRoute& route) { return n + route.Stops.size(); });
}

std::size_t invoiceCount(const CheckInResult& r) {
    return std::accumulate(
        r.Routes.begin(), r.Routes.end(), std::size_t{0},
        [](std::size_t n, const CheckInRoute& route) { return n + route.Invoices.size(); });
}

void consistency(std::vector<SheetBlock>& s, const CheckInResult& r) {
    s.push_back(block(K::Heading, tr("Consistency")));
    for (const CheckInFinding& f : r.Findings) {
        std::string line = format("%-7s ", severityName(f.severity)) + f.folder;
        if (!f.file.empty()) {
            line += "/" + f.file;
        }
        if (!f.element.empty()) {
            line += " " + f.element;
        }
        s.push_back(block(K::Line, line + ": " + f.message));
    }
    s.push_back(block(
        K::Line,
        format(tr("%s: %zu folders, %zu routes, %zu stops, %zu invoices checked in; %zu errors, "
                  "%zu warnings.")
                   .c_str(),
               r.Sent.c_str(), r.Trucks.size(), r.Routes.size(), stopCount(r), invoiceCount(r),
               r.Count(FindingSeverity::Error), r.Count(FindingSeverity::Warning))));
    s.push_back(block(K::Line, r.Clean() ? tr("The day checks in clean.")
                                         : tr("The day does not check in clean.")));
}

// A table as text: each column as wide as its widest cell, two spaces apart, indented.
std::string tableText(const SheetBlock& t) {
    std::vector<std::size_t> width(t.heads.size(), 0);
    auto measure = [&width](const std::vector<std::string>& row) {
        for (std::size_t i = 0; i < row.size() && i < width.size(); ++i) {
            width[i] = std::max(width[i], row[i].size());
        }
    };
    measure(t.heads);
    std::for_each(t.rows.begin(), t.rows.end(), measure);
    measure(t.total);
    auto line = [&](const std::vector<std::string>& row) {
        std::string out = "  ";
        for (std::size_t i = 0; i < row.size() && i < width.size(); ++i) {
            const std::string pad(width[i] - row[i].size(), ' ');
            const bool right = i < t.right.size() && t.right[i];
            out += (i == 0 ? "" : "  ") + (right ? pad + row[i] : row[i] + pad);
        }
        out.erase(out.find_last_not_of(' ') + 1);
        return out + "\n";
    };
    std::string out = line(t.heads);
    for (const auto& row : t.rows) {
        out += line(row);
    }
    if (!t.total.empty()) {
        out += line(t.total);
    }
    return out;
}

}  // namespace

std::string checkInText(const CheckInResult& result) {
    std::string out;
    for (const SheetBlock& b : checkInSheet(result)) {
        switch (b.kind) {
            case K::Title:
            case K::Line:
                out += b.text + "\n";
                break;
            case K::Heading:
                out += "\n" + b.text + "\n" + std::string(b.text.size(), '=') + "\n";
                break;
            case K::Subheading:
                out += "\n" + b.text + "\n";
                break;
            case K::Table:
                out += tableText(b);
                break;
            case K::Signature:
                out += "\n" + b.text + ": ______________________________\n";
                break;
        }
    }
    return latin1ToUtf8(out);
}

std::vector<SheetBlock> checkInSheet(const CheckInResult& r) {
    std::vector<SheetBlock> s;
    s.push_back(block(K::Title, tr("Check-in of ") + r.Sent));
    for (const CheckInTruck& truck : r.Trucks) {
        std::string line = tr("Returned: ") + truck.Folder;
        if (!truck.Driver.empty()) {
            line += format(tr(" (truck %s, Route Man %s)").c_str(), truck.Truck.c_str(),
                           truck.Driver.c_str());
        }
        s.push_back(block(K::Line, line));
    }
    money(s, r);
    stopsAndInvoices(s, r);
    adjustments(s, r);
    work(s, r);
    consistency(s, r);
    return s;
}

}  // namespace kelvo
