#include "doc/DayRecap.h"

#include <cmath>

#include "common/Clock.h"
#include "common/DataPaths.h"
#include "common/DateText.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "common/WaitCursor.h"
#include "doc/FileReports.h"
#include "doc/KelvoDoc.h"
#include "doc/SettleOps.h"

namespace kelvo {

namespace {

// Takes the readers' messages down as notes of the recap: a recap over a day of files must
// not stop at a message box per damaged file.
class NoteTaker final : public Prompter {
public:
    explicit NoteTaker(std::vector<std::string>& notes) : m_notes(notes) {}
    Answer show(const Message& message) override {
        m_notes.push_back(message.text);
        return Answer::Ok;
    }

private:
    std::vector<std::string>& m_notes;
};

// Sums stay at whole cents, as every amount of the files is.
void add(double& total, double amount) {
    total = std::round((total + amount) * 100.0) / 100.0;
}

bool visited(const CStop& stop) {
    return !stop.ArrivalTime.empty() && stop.ArrivalTime != "00:00";
}

void countStop(DayRecap::Figures& f, const CStop& stop) {
    if (stop.IsSettled() && (!stop.Invoices().empty() || visited(stop))) {
        ++f.StopsServed;
    } else if (!stop.UndeliverReasonCode.empty() && !stop.IsSettled()) {
        ++f.StopsUndeliverable;
    } else {
        ++f.StopsOpen;
    }
}

}  // namespace

void recapInvoice(DayRecap::Figures& f, const CStop& stop, const CInvoice& invoice) {
    add(f.PlusAdjustments, invoice.TotalPlusAdjustments());
    add(f.MinusAdjustments, invoice.TotalMinusAdjustments());
    if (!invoice.IsSettled()) {
        ++f.InvoicesOpen;
        return;
    }
    ++f.InvoicesSettled;
    const double collected = invoice.CashCollected();
    if (invoice.CheckNumber().empty()) {
        add(f.CashCollected, collected);
    } else {
        f.Cheques.push_back(
            {stop.CustomerName, invoice.InvoiceNumber(), invoice.CheckNumber(), collected});
        add(f.ChequesCollected, collected);
    }
    if (invoice.COD() == 'Y') {
        add(f.CodExpected, invoice.PayThisAmount());
        add(f.CodCollected, collected);
        if (collectedShort(invoice, collected)) {
            add(f.CodDelayed, invoice.PayThisAmount() - collected);
        }
    } else {
        ++f.ChargeSettled;
        add(f.ChargeCollected, collected);
    }
}

namespace {

DayRecap::Route recapRoute(const CKelvoDoc& doc, const CRouteSummary& entry, Prompter& notes) {
    DayRecap::Route out{entry.RouteNumber(), entry.Date(), {}, {}};
    CRoute route;
    route.SetStoragePath(doc.StorageLocation());
    if (!route.Load(doc.Fs(), entry.RouteNumber(), entry.Date())) {
        notes.inform(format(tr("Route %d of %s could not be read: ").c_str(), entry.RouteNumber(),
                            longDate(entry.Date()).c_str()) +
                         route.FilePath(),
                     tr("Day Recap"));
        return out;
    }
    out.RouteDescription = route.RouteDescription();
    for (std::size_t i = 0; i < route.StopCount(); ++i) {
        const CStop& stop = route.Stop(i);
        countStop(out.figures, stop);
        for (const std::string& number : stop.Invoices()) {
            CInvoice invoice;
            invoice.SetPath(doc.StorageLocation());
            if (!isSafeNamePart(number) ||
                !loadInvoice(invoice, doc.Fs(), notes, toDouble(number))) {
                ++out.figures.InvoicesOpen;  // not read, so not known to be settled
                continue;
            }
            recapInvoice(out.figures, stop, invoice);
        }
    }
    return out;
}

void figureRows(std::vector<RecapRow>& rows, const DayRecap::Figures& f) {
    using K = RecapRow::Kind;
    auto figure = [&rows](const char* label, std::string value) {
        rows.push_back({K::Figure, tr(label), std::move(value)});
    };
    figure(KELVO_TR_NOOP("Stops served"), std::to_string(f.StopsServed));
    figure(KELVO_TR_NOOP("Stops undeliverable"), std::to_string(f.StopsUndeliverable));
    figure(KELVO_TR_NOOP("Stops open"), std::to_string(f.StopsOpen));
    figure(KELVO_TR_NOOP("Invoices settled"), std::to_string(f.InvoicesSettled));
    figure(KELVO_TR_NOOP("Invoices open"), std::to_string(f.InvoicesOpen));
    figure(KELVO_TR_NOOP("Cash collected"), formatAmount(f.CashCollected));
    figure(KELVO_TR_NOOP("Cheques"), formatAmount(f.ChequesCollected));
    for (const DayRecap::Cheque& c : f.Cheques) {
        rows.push_back(
            {K::Detail,
             c.CustomerName + "\n" +
                 format(tr("Inv# %.0f  Chq %s").c_str(), c.InvoiceNumber, c.CheckNumber.c_str()),
             formatAmount(c.Amount)});
    }
    figure(KELVO_TR_NOOP("Total collected"), formatAmount(f.TotalCollected()));
    figure(KELVO_TR_NOOP("COD expected"), formatAmount(f.CodExpected));
    figure(KELVO_TR_NOOP("COD collected"), formatAmount(f.CodCollected));
    figure(KELVO_TR_NOOP("COD delayed"), formatAmount(f.CodDelayed));
    figure(KELVO_TR_NOOP("Charge invoices settled"), std::to_string(f.ChargeSettled));
    figure(KELVO_TR_NOOP("Charge collected"), formatAmount(f.ChargeCollected));
    figure(KELVO_TR_NOOP("Adjustments +"), formatAmount(f.PlusAdjustments));
    figure(KELVO_TR_NOOP("Adjustments -"), formatAmount(f.MinusAdjustments));
}

}  // namespace

void DayRecap::Figures::Add(const Figures& o) {
    StopsServed += o.StopsServed;
    StopsUndeliverable += o.StopsUndeliverable;
    StopsOpen += o.StopsOpen;
    InvoicesSettled += o.InvoicesSettled;
    InvoicesOpen += o.InvoicesOpen;
    add(CashCollected, o.CashCollected);
    Cheques.insert(Cheques.end(), o.Cheques.begin(), o.Cheques.end());
    add(ChequesCollected, o.ChequesCollected);
    add(CodExpected, o.CodExpected);
    add(CodCollected, o.CodCollected);
    add(CodDelayed, o.CodDelayed);
    ChargeSettled += o.ChargeSettled;
    add(ChargeCollected, o.ChargeCollected);
    add(PlusAdjustments, o.PlusAdjustments);
    add(MinusAdjustments, o.MinusAdjustments);
}

double DayRecap::Figures::TotalCollected() const {
    double total = CashCollected;
    add(total, ChequesCollected);
    return total;
}

DayRecap buildDayRecap(const CKelvoDoc& doc) {
    DayRecap recap;
    NoteTaker notes(recap.Notes);
    const CRouteList& routes = doc.Routes();
    for (std::size_t i = 0; i < routes.Count(); ++i) {
        recap.Routes.push_back(recapRoute(doc, routes.At(i), notes));
        recap.Day.Add(recap.Routes.back().figures);
    }
    return recap;
}

std::vector<RecapRow> recapRows(const DayRecap& recap) {
    using K = RecapRow::Kind;
    std::vector<RecapRow> rows;
    for (const std::string& note : recap.Notes) {
        rows.push_back({K::Detail, note, ""});
    }
    rows.push_back({K::Heading,
                    recap.Routes.size() == 1
                        ? tr("The day: 1 route")
                        : format(tr("The day: %zu routes").c_str(), recap.Routes.size()),
                    ""});
    figureRows(rows, recap.Day);
    for (const DayRecap::Route& route : recap.Routes) {
        rows.push_back(
            {K::Heading,
             format(tr("Route %d").c_str(), route.RouteNumber) + "  " + longDate(route.Date), ""});
        if (!route.RouteDescription.empty()) {
            rows.push_back({K::Detail, route.RouteDescription, ""});
        }
        figureRows(rows, route.figures);
    }
    return rows;
}

namespace {

// The lines above the recap's rows on paper: the plant, the title, the driver and truck, and
// when it was made.
std::vector<std::string> recapHeading(const CKelvoDoc& doc, const LocalTime& now) {
    const ConfigData& c = doc.Config();
    return {c.PlantName(), tr("Day Recap"),
            format(tr("Route Man %d %s, truck %s").c_str(), c.RouteManNumber(),
                   c.RouteManName().c_str(), c.TruckCode().c_str()),
            longDate(dateText(now)) + " " + timeText(now)};
}

// Tells the driver where the recap PDF was written, or that it could not be.
void reportRecapWritten(Prompter& prompter, const std::string& path, bool written) {
    if (written) {
        prompter.inform(tr("The recap is written: ") + path, tr("Day Recap"), MessageIcon::None);
    } else {
        prompter.inform(tr("The recap could not be written: ") + path, tr("Day Recap"),
                        MessageIcon::Warning);
    }
}

}  // namespace

bool saveDayRecap(CKelvoDoc& doc, const std::vector<RecapRow>& rows, const RecapWriter& write) {
    const LocalTime now = doc.Time().now();
    const std::string path = recapPath(now);
    bool written = false;
    {
        const WaitCursor wait;
        written = write(doc.Fs(), recapHeading(doc, now), rows, path);
    }
    reportRecapWritten(doc.Prompt(), path, written);
    return written;
}

std::string recapPath(const LocalTime& now) {
    return std::string(kReceiptsFolder) + "Recap_" + dateText(now) + ".pdf";
}

}  // namespace kelvo
