#include "doc/SettleOps.h"

#include <algorithm>
#include <cmath>

#include "common/Clock.h"
#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileValues.h"
#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/FileReports.h"
#include "doc/InvoiceSession.h"
#include "doc/KelvoDoc.h"
#include "doc/Receipt.h"
#include "doc/RouteOps.h"
#include "doc/VisitOps.h"
#include "model/SettlementJournal.h"

namespace kelvo {

namespace {

// Adds the collected amount to the route's collections of the invoice's column. Totals are
// kept in whole cents, as the file has them.
void addCollection(CRouteSummary& route, bool cod, double amount) {
    if (cod) {
        route.SetTotalCollectionsCOD(fileNumber(route.TotalCollectionsCOD() + amount, 2));
    } else {
        route.SetTotalCollectionsCharge(fileNumber(route.TotalCollectionsCharge() + amount, 2));
    }
}

// Counts a settled invoice on its stop and route: the stop's cash and signed invoices (its
// reason gone), the route's settled stops when the stop is settled now, the collections of
// the invoice's column. Saving the route brings its route-list entry up to date.
void countSettlement(CRoute& route, CStop& stop, bool cod, double amount) {
    const bool stopWasSettled = stop.IsSettled();
    stop.TotalCashCollected = fileNumber(stop.TotalCashCollected + amount, 2);
    stop.SignedInvoices += 1;
    stop.UndeliverReasonCode.clear();
    // The stop counts once, when its last invoice is signed (compared with the stop's own
    // invoice list, as its status is).
    if (!stopWasSettled && stop.IsSettled()) {
        route.SetSettledStops(route.SettledStops() + 1);
    }
    addCollection(route, cod, amount);
}

// The invoice as its settlement leaves it.
void markSettled(CInvoice& invoice, const CSettlementJournal& j) {
    invoice.SetCashCollected(j.CashCollected);
    invoice.SetPersonIdentification(j.PersonIdentification);
    invoice.SetSettled();
    invoice.SetUndeliverReasonCode("");
    invoice.SetCheckNumber(j.CheckNumber);
}

std::string journalPath(const CKelvoDoc& doc) {
    return CSettlementJournal::Path(dataRoot(doc.StorageLocation()));
}

// The time a journal records, as the clock gave it.
LocalTime settledAt(const CSettlementJournal& j) {
    const auto part = [](const std::string& text, std::size_t at, std::size_t length) {
        return at < text.size() ? toWhole(text.substr(at, length)) : 0;
    };
    return {part(j.SettledDate, 0, 4), part(j.SettledDate, 4, 2), part(j.SettledDate, 6, 2),
            part(j.SettledTime, 0, 2), part(j.SettledTime, 3, 2), part(j.SettledTime, 6, 2)};
}

// Writes the receipt of a settled invoice (nothing without a receipt writer); one that cannot
// be written is said, and the settlement stands. True when it was written.
// A fresh settlement's receipt is then handed on (ReceiptWriter::settled); one completed after
// a crash is not: the driver has left the customer.
bool writeReceipt(CKelvoDoc& doc, const CStop& stop, const CInvoice& invoice,
                  const LocalTime& at, bool fresh) {
    ReceiptWriter* writer = doc.Receipts();
    if (!writer) {
        return false;
    }
    const std::string path = receiptPath(invoice.InvoiceNumber());
    const Receipt receipt = receiptFor(doc, stop, invoice, at);
    if (!writer->write(doc.Fs(), receipt, path)) {
        reportReceiptNotWritten(doc.Prompt(), path);
        return false;
    }
    if (fresh) {
        writer->settled(doc.Fs(), receipt, path);
    }
    return true;
}

// Gives up a recorded settlement that cannot be completed, telling the driver why.
void abandon(CKelvoDoc& doc, const CSettlementJournal& j, const std::string& why) {
    doc.Prompt().inform(format(tr("The settlement of invoice %.0f was cut short and cannot be "
                                  "completed: %s")
                                   .c_str(),
                               j.InvoiceNumber, why.c_str()),
                        tr("Error data"), MessageIcon::Warning);
    doc.Fs().removeFile(journalPath(doc));
}

// Completes the settlement `j` records, each of its files once: the invoice unless it is
// settled already (which a settlement only finds when it wrote it: an invoice that is settled
// is never offered for settlement), the stop and route unless the stop counts the invoice
// already, the receipt unless it is there; then the journal goes. False while something could
// not be written (said): the journal stays for the next try.
bool complete(CKelvoDoc& doc, const CSettlementJournal& j) {
    // The route the screens hold may be ahead of its file (a save that failed): it is the one
    // to count on and to save. Another route is taken from its file.
    const bool held = doc.Route().HoldsRoute() && doc.Route().RouteNumber() == j.RouteNumber &&
                      doc.Route().Date() == j.Date;
    CRoute fromFile;
    CRoute& route = held ? doc.Route() : fromFile;
    if (!held) {
        fromFile.SetStoragePath(doc.StorageLocation());
        if (!fromFile.Load(doc.Fs(), j.RouteNumber, j.Date)) {
            abandon(doc, j, tr("its route file cannot be read."));
            return true;
        }
    }
    const auto stopIndex = static_cast<std::size_t>(j.StopIndex);
    const auto listsTheInvoice = [&j](const std::string& number) {
        return toDouble(number) == j.InvoiceNumber;
    };
    if (stopIndex >= route.StopCount() ||
        std::none_of(route.Stop(stopIndex).Invoices().begin(),
                     route.Stop(stopIndex).Invoices().end(), listsTheInvoice)) {
        abandon(doc, j, tr("its stop is not on the route."));
        return true;
    }
    CStop& stop = route.Stop(stopIndex);
    CInvoice invoice;
    invoice.SetPath(doc.StorageLocation());
    if (!loadInvoice(invoice, doc.Fs(), doc.Prompt(), j.InvoiceNumber)) {
        abandon(doc, j, tr("its invoice file cannot be read."));
        return true;
    }
    if (!invoice.IsSettled()) {
        // Cut short before the customer's signature was saved, it never reached a data file.
        if (j.Signature == 'Y' && !doc.Fs().isFile(signaturePath(doc, j.InvoiceNumber))) {
            abandon(doc, j, tr("the signature was not saved. Please settle the invoice again."));
            return true;
        }
        markSettled(invoice, j);
        if (!invoice.Save(doc.Fs())) {
            doc.Prompt().inform(tr("The invoice file could not be written, so nothing was "
                                   "changed: ") +
                                    invoice.FilePath(),
                                tr("Error data"), MessageIcon::Error);
            return false;
        }
        if (doc.Invoice().HoldsInvoice() && doc.Invoice().InvoiceNumber() == j.InvoiceNumber) {
            doc.Invoice() = invoice;
        }
        doc.Invoices().Update(invoice);
    }
    const bool counted = stop.SignedInvoices > j.SignedInvoices;
    if (!counted) {
        countSettlement(route, stop, invoice.COD() == 'Y', j.CashCollected);
    }
    // The route is written when it changed here, and always when the screens hold it.
    if ((held || !counted) && !saveRoute(doc, route)) {
        return false;
    }
    if (!doc.Fs().isFile(receiptPath(j.InvoiceNumber))) {
        writeReceipt(doc, stop, invoice, settledAt(j), false);
    }
    doc.Fs().removeFile(journalPath(doc));
    return true;
}

}  // namespace

bool readyForSettlement(CKelvoDoc& doc) {
    CInvoice& invoice = doc.Invoice();
    if (!invoice.HoldsInvoice()) {
        return false;
    }
    if (!invoice.PickUpsEntered()) {
        doc.Prompt().inform(tr("Please enter pick up quantities before settlement!"), "",
                            MessageIcon::None);
        return false;
    }
    // The quantities filled in for the driver are saved before the settlement builds on them.
    CInvoice filled = invoice;
    return !filled.FillPickUps() || commitInvoice(doc, filled);
}

bool isAmountText(const std::string& text) {
    std::size_t digits = 0;
    std::size_t decimals = 0;
    bool point = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            ++(point ? decimals : digits);
        } else {
            return false;
        }
    }
    // Nine whole digits keep the amount far inside what the files write exactly.
    return digits + decimals > 0 && digits <= 9 && decimals <= 2;
}

bool paymentAcceptable(Prompter& prompter, bool byCheck, const std::string& checkNumber,
                       const std::string& amountText) {
    if (byCheck && checkNumber.empty()) {
        prompter.inform(tr("You must fill the check number before!"), tr("Payment by Check"));
        return false;
    }
    if (byCheck && checkNumber.size() > kMaxCheckNumber) {
        prompter.inform(tr("Enter no more than 16 characters."), tr("Payment by Check"));
        return false;
    }
    if (!isAmountText(amountText)) {
        prompter.inform(tr("Please enter a number."), tr("Invalid data"));
        return false;
    }
    return true;
}

bool signatureComplete(const std::string& initials, bool hasInk) {
    return !initials.empty() && hasInk;
}

SettleResult settle(CKelvoDoc& doc, const Payment& payment, const SignatureWriter& signature) {
    SettleResult result;
    CStop* stop = selectedStop(doc);
    if (!stop || !doc.Invoice().HoldsInvoice()) {
        return result;
    }
    if (signatureRequired(*stop) && payment.signedBy.empty()) {
        return result;
    }
    // One settlement at a time: one cut short is completed before the next one starts.
    if (!completeRecordedSettlement(doc)) {
        return result;
    }
    const CInvoice& open = doc.Invoice();
    if (open.IsSettled()) {
        return result;  // also when the settlement just completed was this invoice's
    }
    const LocalTime now = doc.Time().now();
    CSettlementJournal j;
    j.RouteNumber = doc.Route().RouteNumber();
    j.Date = doc.Route().Date();
    j.StopIndex = doc.Routing().SelectedStopIndex();
    j.InvoiceNumber = open.InvoiceNumber();
    j.SignedInvoices = stop->SignedInvoices;
    j.CashCollected = payment.amountCollected;
    j.CheckNumber = payment.checkNumber;
    j.PersonIdentification = payment.signedBy;
    j.Signature = signatureRequired(*stop) && signature ? 'Y' : 'N';
    j.SettledDate = dateText(now);
    j.SettledTime = format("%02d:%02d:%02d", now.hour, now.minute, now.second);
    // Recorded before its first file, the settlement is completed exactly once if the program
    // dies before its last (see completeRecordedSettlement).
    const std::string journal = journalPath(doc);
    if (!j.Save(doc.Fs(), journal)) {
        doc.Prompt().inform(
            tr("The settlement could not be recorded, so nothing was settled: ") + journal,
            tr("Error data"), MessageIcon::Error);
        return result;
    }
    if (j.Signature == 'Y') {
        const std::string picture = signaturePath(doc, j.InvoiceNumber);
        if (!signature(picture)) {
            doc.Fs().removeFile(journal);
            doc.Prompt().inform(tr("The signature could not be saved: ") + picture,
                                tr("Error data"), MessageIcon::Error);
            return result;
        }
        result.written.push_back(picture);
    }
    CInvoice settled = open;
    markSettled(settled, j);
    if (!commitInvoice(doc, settled)) {
        doc.Fs().removeFile(journal);
        return result;
    }
    result.settled = true;
    result.written.push_back(doc.Invoice().FilePath());
    countSettlement(doc.Route(), *stop, doc.Invoice().COD() == 'Y', j.CashCollected);
    // A route file that cannot be written is said; the journal then stays, and the settlement
    // is completed with the next start or the next stop that opens.
    if (saveRoute(doc)) {
        result.written.push_back(doc.Route().FilePath());
        if (writeReceipt(doc, *stop, doc.Invoice(), now, true)) {
            result.written.push_back(receiptPath(j.InvoiceNumber));
        }
        doc.Fs().removeFile(journal);
    }
    const CInvoices& invoices = doc.Invoices();
    const bool stopDone = static_cast<std::size_t>(invoices.SettledCount()) >= invoices.Count();
    result.next = stopDone || !doc.Invoicing().ShowsList() ? screen::StopAction : screen::InvSelect;
    return result;
}

bool completeRecordedSettlement(CKelvoDoc& doc) {
    CSettlementJournal j;
    switch (CSettlementJournal::Load(doc.Fs(), journalPath(doc), j)) {
        case CSettlementJournal::Found::None:
            return true;
        case CSettlementJournal::Found::Damaged:
            doc.Prompt().inform(tr("The record of a settlement that was cut short cannot be "
                                   "read and is removed: ") +
                                    journalPath(doc),
                                tr("Error data"), MessageIcon::Warning);
            doc.Fs().removeFile(journalPath(doc));
            return true;
        case CSettlementJournal::Found::Read:
            break;
    }
    return complete(doc, j);
}

}  // namespace kelvo
