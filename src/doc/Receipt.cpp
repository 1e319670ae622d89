#include "doc/Receipt.h"

#include "common/Clock.h"
#include "common/DataPaths.h"
#include "common/DateText.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/InvoiceTexts.h"
#include "doc/KelvoDoc.h"
#include "doc/SettleRules.h"

namespace kelvo {

namespace {

// "City, ST 12345" from what is there; "" when all three are empty.
std::string cityLine(const std::string& city, const std::string& state, const std::string& zip) {
    std::string line = city;
    if (!state.empty()) {
        line += (line.empty() ? "" : ", ") + state;
    }
    if (!zip.empty()) {
        line += (line.empty() ? "" : " ") + zip;
    }
    return line;
}

// The lines that have text, in order.
std::vector<std::string> present(std::initializer_list<std::string> lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        if (!line.empty()) {
            out.push_back(line);
        }
    }
    return out;
}

}  // namespace

Receipt receiptFor(const CKelvoDoc& doc, const CStop& stop, const CInvoice& invoice,
                   const LocalTime& settledAt) {
    const ConfigData& c = doc.Config();
    Receipt r;
    r.Plant = present(
        {c.PlantName(), c.PlantAddress(), cityLine(c.PlantCity(), c.PlantState(), c.PlantZip())});
    r.Customer = present({stop.CustomerName, stop.CustomerAddress1, stop.CustomerAddress2,
                          cityLine(stop.CustomerCity, stop.CustomerState, stop.CustomerZipcode)});
    r.Stop = format(tr("Stop %u   Account# %.0f").c_str(), stop.StopNumber, stop.CustomerNumber);
    r.Invoice = format(tr("Invoice# %.0f").c_str(), invoice.InvoiceNumber());
    r.Date = longDate(invoice.InvoiceDate());
    const bool cod = invoice.COD() == 'Y';
    r.Terms = cod ? tr("COD") : tr("Charge");
    r.Heads = {tr("Product"), tr("Description"), tr("Deliv"),
               tr("Billed"),  tr("Amount"),      tr("Adj")};
    for (std::size_t i = 0; i < invoice.LineCount(); ++i) {
        const auto row = detailRow(invoice.Line(i), doc.AdjReasons());
        r.Lines.push_back({row[0], row[1], row[2], row[3], row[4], row[5]});
    }
    const double collected = invoice.CashCollected();
    r.Totals = {
        {tr("Prebilled"), formatPrice(invoice.PrebilledAmount(), 2)},
        {tr("Adjustments"),
         formatPrice(invoice.TotalPlusAdjustments() - invoice.TotalMinusAdjustments(), 2)},
        {tr("Pay this Amount"), formatPrice(invoice.PayThisAmount(), 2)},
        {tr("Amount Collected"), formatPrice(collected, 2)},
    };
    r.PaidBy = invoice.CheckNumber().empty() ? tr("Paid in cash")
                                             : tr("Paid by cheque# ") + invoice.CheckNumber();
    r.Delayed = collectedShort(invoice, collected) ? tr("DELAYED") : "";
    const bool signedFor = signatureRequired(stop) && !invoice.PersonIdentification().empty();
    r.SignedBy = signedFor ? tr("Signed by: ") + invoice.PersonIdentification()
                           : tr("No signature required");
    if (signedFor) {
        r.SignaturePicture = signaturePath(doc, invoice.InvoiceNumber());
    }
    r.SettledAt = tr("Settled ") + longDate(dateText(settledAt)) + " " + timeText(settledAt);
    return r;
}

std::string receiptPath(double invoiceNumber) {
    return std::string(kReceiptsFolder) + format("Inv_%.0f.pdf", invoiceNumber);
}

void reportReceiptUnreadable(Prompter& prompter, const std::string& path) {
    prompter.inform(tr("The receipt cannot be shown: ") + path, tr("Receipt"),
                    MessageIcon::Warning);
}

void reportReceiptNotWritten(Prompter& prompter, const std::string& path) {
    prompter.inform(tr("The receipt could not be written: ") + path +
                        tr("\nThe invoice is settled all the same."),
                    tr("Receipt"), MessageIcon::Warning);
}

}  // namespace kelvo
