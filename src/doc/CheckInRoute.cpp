#include <cmath>
#include <string>

#include "common/DataPaths.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/CheckInParts.h"
#include "doc/FileReports.h"
#include "doc/InvoiceTexts.h"
#include "doc/RouteTotals.h"
#include "doc/SettleOps.h"
#include "model/Invoice.h"
#include "model/Route.h"

// One route that came back: its money as the recap counts it, what became of each stop and
// invoice, the adjusted lines, the signatures, and whether its totals add up.
namespace kelvo {

namespace {

constexpr std::int16_t kSpecialCharge = 16;
constexpr std::int16_t kTax = 18;

long long inCents(double amount) {
    return std::llround(amount * 100.0);
}

// What the stop's invoices add up to, as its own totals in the route file must.
struct StopSums {
    double cash = 0;  // collected at its settled invoices
    double pay = 0;
    std::size_t settled = 0;
    bool complete = true;  // every invoice was read
};

class RouteCheck {
public:
    RouteCheck(ReturnedFolder& folder, const std::string& file, const CRoute& route,
               CheckInRoute& out)
        : m_f(folder), m_file(file), m_route(route), m_out(out) {}

    void Run() {
        std::size_t settledStops = 0;
        double stopsCash = 0;
        for (std::size_t i = 0; i < m_route.StopCount(); ++i) {
            const CStop& stop = m_route.Stop(i);
            const StopSums sums = Stop(stop);
            m_complete = m_complete && sums.complete;
            settledStops += sums.settled >= stop.Invoices().size() ? 1 : 0;
            stopsCash += stop.TotalCashCollected;
        }
        if (m_route.TotalStops() != m_route.StopCount()) {
            Disagree("/Route/TotalStops",
                     format(tr("%u in the route, but it has %zu stops").c_str(),
                            m_route.TotalStops(), m_route.StopCount()));
        }
        if (!m_complete) {
            return;  // what could not be read is the finding; sums over the rest say nothing
        }
        if (m_route.SettledStops() != settledStops) {
            Disagree("/Route/SettledStops",
                     format(tr("%u in the route, but %zu of its stops are settled").c_str(),
                            m_route.SettledStops(), settledStops));
        }
        const double collections = m_route.TotalCollectionsCharge() + m_route.TotalCollectionsCOD();
        if (inCents(collections) != inCents(stopsCash)) {
            Disagree("/Route",
                     format(tr("the route's collections (charge and COD) are %s, but its stops "
                               "collected %s")
                                .c_str(),
                            formatAmount(collections).c_str(), formatAmount(stopsCash).c_str()));
        }
        for (const TotalMismatch& m : compareRouteTotals(m_route, m_sums)) {
            Disagree(m.element, format(tr("%s in the file, but %s in %s").c_str(), m.held.c_str(),
                                       m.sum.c_str(), tr("its invoices").c_str()));
        }
    }

private:
    void Disagree(const std::string& element, std::string message) {
        m_f.Add(FindingSeverity::Error, FindingKind::TotalsDisagree, m_file, element,
                std::move(message));
    }

    StopSums Stop(const CStop& stop) {
        const std::string place = format("/Route/Stops/Stop[StopNumber=%u]", stop.StopNumber);
        StopSums sums;
        for (const std::string& number : stop.Invoices()) {
            Invoice(stop, place, number, sums);
        }
        CheckInStop s;
        s.StopNumber = stop.StopNumber;
        s.CustomerNumber = stop.CustomerNumber;
        s.CustomerName = stop.CustomerName;
        const bool allSettled = sums.settled >= stop.Invoices().size();
        if (!stop.UndeliverReasonCode.empty() && (stop.Invoices().empty() || !allSettled)) {
            s.Outcome = StopOutcome::Undeliverable;
            s.ReasonCode = stop.UndeliverReasonCode;
            s.ReasonDescription = m_f.Reasons().DescriptionOf(stop.UndeliverReasonCode);
        } else if (allSettled) {
            // A stop without invoices counts as visited, as the stop screens take it.
            s.Outcome = StopOutcome::Served;
        }
        m_out.Stops.push_back(std::move(s));
        if (!sums.complete) {
            return sums;
        }
        if (inCents(stop.TotalCashCollected) != inCents(sums.cash)) {
            Disagree(place + "/TotalCashCollected",
                     format(tr("%s in the route, but %s in its settled invoices").c_str(),
                            formatAmount(stop.TotalCashCollected).c_str(),
                            formatAmount(sums.cash).c_str()));
        }
        if (static_cast<std::size_t>(std::max(stop.SignedInvoices, 0)) != sums.settled) {
            Disagree(place + "/SignedInvoices",
                     format(tr("%d in the route, but %zu of its invoices are settled").c_str(),
                            stop.SignedInvoices, sums.settled));
        }
        if (inCents(stop.PayTotal) != inCents(sums.pay)) {
            Disagree(place + "/PayTotal",
                     format(tr("%s in the route, but %s in its invoices").c_str(),
                            formatAmount(stop.PayTotal).c_str(), formatAmount(sums.pay).c_str()));
        }
        return sums;
    }

    void Invoice(const CStop& stop, const std::string& place, const std::string& number,
                 StopSums& sums) {
        const std::string element = place + "/Invoices/Invoice";
        CheckInInvoice out;
        out.InvoiceNumber = toDouble(number);
        out.StopNumber = stop.StopNumber;
        out.CustomerName = stop.CustomerName;
        out.Outcome = InvoiceOutcome::Missing;
        if (!isSafeNamePart(number)) {
            m_f.Add(FindingSeverity::Error, FindingKind::UnsafeName, m_file, element,
                    format(tr("the invoice number \"%s\" cannot be part of a file name").c_str(),
                           number.c_str()));
            sums.complete = false;
            m_out.Invoices.push_back(std::move(out));
            return;
        }
        const std::string name = "Inv_" + number + ".xml";
        m_f.Expect(name);
        CInvoice invoice;
        invoice.SetPath("");
        ScriptedPrompter messages;  // the loader's message becomes the finding
        if (!m_f.Has(name)) {
            m_f.Add(FindingSeverity::Error, FindingKind::MissingFile, name, element,
                    format(tr("invoice %s of stop %u did not come back").c_str(), number.c_str(),
                           stop.StopNumber));
        } else if (!loadInvoice(invoice, m_f.Fs(), messages, out.InvoiceNumber)) {
            m_f.Add(FindingSeverity::Error, FindingKind::NotWellFormed, name, "",
                    messages.shown().empty() ? tr("cannot be read") : messages.shown().back().text);
        } else {
            Read(stop, element, name, invoice, out, sums);
            m_out.Invoices.push_back(std::move(out));
            return;
        }
        sums.complete = false;
        m_out.Invoices.push_back(std::move(out));
    }

    void Read(const CStop& stop, const std::string& element, const std::string& name,
              const CInvoice& invoice, CheckInInvoice& out, StopSums& sums) {
        const bool settled = invoice.IsSettled();
        out.COD = invoice.COD() == 'Y';
        out.PayThisAmount = invoice.PayThisAmount();
        out.CashCollected = invoice.CashCollected();
        out.CheckNumber = invoice.CheckNumber();
        if (settled && m_f.Sent().SettledWhenSent(name)) {
            // The office's own settlement: it stays in the files' sums, but none of it is the
            // driver's money, work or signature of the day.
            out.Outcome = InvoiceOutcome::SettledBefore;
            ++sums.settled;
            sums.cash += invoice.CashCollected();
            sums.pay += invoice.PayThisAmount();
            m_sums.Add(invoice, !stop.UndeliverReasonCode.empty());
            return;
        }
        if (settled) {
            out.Outcome = InvoiceOutcome::Settled;
            ++sums.settled;
            sums.cash += invoice.CashCollected();
            Signature(stop, invoice, element);
            if (out.COD && inCents(out.CashCollected) != inCents(out.PayThisAmount)) {
                m_out.CodDifferences.push_back({out.InvoiceNumber, stop.StopNumber,
                                                stop.CustomerName, out.PayThisAmount,
                                                out.CashCollected});
            }
        } else if (!stop.UndeliverReasonCode.empty()) {
            out.Outcome = InvoiceOutcome::Undeliverable;
            out.ReasonCode = stop.UndeliverReasonCode;
            out.ReasonDescription = m_f.Reasons().DescriptionOf(stop.UndeliverReasonCode);
        } else {
            out.Outcome = InvoiceOutcome::Open;
            if (m_route.EndMileage() > 0) {
                m_f.Add(FindingSeverity::Error, FindingKind::InvoiceOpen, name, element,
                        format(tr("invoice %.0f of stop %u came back neither settled nor "
                                  "undeliverable on an ended route: it was not served")
                                   .c_str(),
                               out.InvoiceNumber, stop.StopNumber));
            }
        }
        sums.pay += invoice.PayThisAmount();
        m_sums.Add(invoice, !stop.UndeliverReasonCode.empty());
        recapInvoice(m_out.Money, stop, invoice);
        Adjustments(stop, invoice);
    }

    // A settled invoice of a stop that signs for its invoices has its signature picture.
    void Signature(const CStop& stop, const CInvoice& invoice, const std::string& element) {
        if (!signatureRequired(stop)) {
            return;
        }
        const std::string picture = format("Inv_%.0f.bmp", invoice.InvoiceNumber());
        m_f.Expect(picture);
        std::string head;
        std::uintmax_t length = 0;
        if (!m_f.Has(picture)) {
            m_f.Add(FindingSeverity::Error, FindingKind::SignatureMissing, picture, element,
                    format(tr("invoice %.0f of stop %u is settled and signed for, but its "
                              "signature did not come back")
                               .c_str(),
                           invoice.InvoiceNumber(), stop.StopNumber));
        } else if (!readHead(m_f.HostPath(m_f.Files().at(foldedName(picture))), 64, head, length) ||
                   !isSignaturePicture(head, length)) {
            m_f.Add(FindingSeverity::Error, FindingKind::SignatureMissing, picture, element,
                    format(tr("the signature of invoice %.0f is not a picture").c_str(),
                           invoice.InvoiceNumber()));
        }
    }

    void Adjustments(const CStop& stop, const CInvoice& invoice) {
        for (std::size_t i = 0; i < invoice.LineCount(); ++i) {
            const CInvoiceItem& line = invoice.Line(i);
            if (inCents(line.AdjustmentAmount) == 0 && line.AdjustmentQuantity == 0 &&
                line.AdjustmentDeliveredQuantity == 0) {
                continue;
            }
            AdjustedLine a;
            a.InvoiceNumber = invoice.InvoiceNumber();
            a.StopNumber = stop.StopNumber;
            a.CustomerName = stop.CustomerName;
            a.Product = productText(line);
            a.Description = line.Description;
            a.Computed = line.LineType >= kSpecialCharge && line.LineType <= kTax;
            a.DeliveredChange = line.AdjustmentDeliveredQuantity;
            a.BilledChange = line.AdjustmentQuantity;
            a.Amount = line.AdjustmentAmount;
            a.ReasonCode = line.AdjustmentReasonCode;
            a.ReasonDescription = m_f.Reasons().DescriptionOf(line.AdjustmentReasonCode);
            m_out.Adjustments.push_back(std::move(a));
        }
    }

    ReturnedFolder& m_f;
    const std::string& m_file;
    const CRoute& m_route;
    CheckInRoute& m_out;
    RouteInvoiceSums m_sums;
    bool m_complete = true;
};

}  // namespace

bool checkInRoute(ReturnedFolder& folder, const std::string& file, CRoute& route,
                  CheckInRoute& out) {
    std::int32_t number = 0;
    std::string date;
    if (!parseRouteFileName(file, number, date)) {
        folder.Add(FindingSeverity::Error, FindingKind::RouteNameMismatch, file, "",
                   tr("the name gives no route number and date (Route_<number>_<yyyyMMdd>.xml): "
                      "its money is not counted"));
        return false;
    }
    route.SetStoragePath("");
    if (!route.Load(folder.Fs(), number, date)) {
        folder.Add(FindingSeverity::Error, FindingKind::NotWellFormed, file, "",
                   tr("cannot be read: its money is not counted"));
        return false;
    }
    if (route.Date() != date) {
        folder.Add(FindingSeverity::Error, FindingKind::RouteNameMismatch, file, "/Route/Date",
                   format(tr("the file holds a route of \"%s\", its name one of %s").c_str(),
                          route.Date().c_str(), date.c_str()));
    }
    out.RouteNumber = number;
    out.Date = date;
    out.Description = route.RouteDescription();
    out.StartTime = route.StartTime();
    out.EndTime = route.EndTime();
    out.StartMileage = route.StartMileage();
    out.EndMileage = route.EndMileage();
    out.VoucherAmount = route.VoucherAmount();
    out.SafetyRemarks = route.SafetyRemarks();
    if (route.EndMileage() <= 0) {
        folder.Add(FindingSeverity::Error, FindingKind::RouteNotEnded, file, "/Route/EndMileage",
                   tr("the route came back without its end mileage: it was not ended, and "
                      "its day may not be over"));
    }
    RouteCheck(folder, file, route, out).Run();
    return true;
}

}  // namespace kelvo
