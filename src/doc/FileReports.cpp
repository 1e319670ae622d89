#include "doc/FileReports.h"

#include "common/FileValues.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "model/Invoice.h"
#include "model/Invoices.h"
#include "model/Route.h"
#include "model/RouteList.h"

namespace kelvo {

void reportFileRead(Prompter& prompter, const CustomerFile& file, double custId,
                    const FileRead& read) {
    switch (read.result) {
        case LoadResult::Refused:
            prompter.inform(
                format(tr("The customer number %.0f cannot name a file.").c_str(), custId),
                tr("Load Error"));
            break;
        case LoadResult::Damaged:
            prompter.inform(format(tr("Cannot read %s. The file is kept as it is, and nothing is "
                                      "saved to it until it can be read.")
                                       .c_str(),
                                   file.Path(custId).c_str()),
                            tr("Load Error"));
            break;
        case LoadResult::Read:
            reportClampedNumbers(prompter, file.Path(custId), read.clampedNumbers);
            break;
        default:
            break;
    }
}

Outcome fileChangeOutcome(const CustomerFile& file, FileChange change,
                          const std::string& duplicate) {
    switch (change) {
        case FileChange::Done:
            break;
        case FileChange::Duplicate:
            return Outcome::refused(warning(duplicate, tr("Invalid data")));
        case FileChange::Unreadable:
            return Outcome::refused(
                warning(format(tr("%s could not be read, so nothing is saved to it.").c_str(),
                               file.Path().c_str()),
                        tr("Error data files")));
        case FileChange::NotWritten:
            return Outcome::refused(
                warning(format(tr("%s could not be written.").c_str(), file.Path().c_str()),
                        tr("Error data files")));
    }
    return {true, {}, {file.Path()}};
}

void reportCallsLeftOut(Prompter& prompter, const CRoute& route,
                        const std::vector<CallLeftOut>& leftOut) {
    for (const CallLeftOut& call : leftOut) {
        if (call.path.empty()) {
            prompter.inform(
                format(tr("The call %s in %s cannot name a file and is left out.").c_str(),
                       call.CallID.c_str(), route.FilePath().c_str()),
                tr("Load Error"));
        } else {
            prompter.inform(format(tr("Error Opening call XML: %s").c_str(), call.path.c_str()),
                            tr("Load Error"));
        }
    }
}

void reportUnusableInvoiceNumber(Prompter& prompter, std::string_view numberText,
                                 std::string_view source) {
    std::string text = tr("This invoice number cannot name a file and was not read: ");
    text.append(numberText);
    if (!source.empty()) {
        text.append(" (").append(source).append(")");
    }
    prompter.inform(text, tr("Load Error"));
}

void reportInvoiceProblem(Prompter& prompter, const InvoiceFileProblem& problem,
                          std::string_view source) {
    switch (problem.result) {
        case InvoiceFileRead::Refused:
            reportUnusableInvoiceNumber(prompter, problem.name, source);
            break;
        case InvoiceFileRead::Missing:
            prompter.inform(tr("Error Opening Invoice XML:") + problem.name, tr("Load Error"));
            break;
        case InvoiceFileRead::Damaged:
            prompter.inform(tr("The invoice file is damaged and was not read: ") + problem.name,
                            tr("Load Error"));
            break;
        case InvoiceFileRead::Read:
            break;
    }
}

bool loadInvoice(CInvoice& invoice, const DeviceFs& fs, Prompter& prompter,
                 double invoiceNumber) {
    const InvoiceLoad load = invoice.Load(fs, invoiceNumber);
    if (!load.ok()) {
        reportInvoiceProblem(prompter,
                             {load.result, load.result == InvoiceFileRead::Refused
                                               ? format("%.0f", invoiceNumber)
                                               : invoice.FilePath()},
                             {});
    }
    reportClampedNumbers(prompter, invoice.FilePath(), load.clampedNumbers);
    return load.ok();
}

std::size_t loadInvoices(CInvoices& invoices, const DeviceFs& fs, Prompter& prompter,
                         std::span<const std::string> numbers, std::string_view source) {
    const InvoicesLoad load = invoices.Load(fs, numbers);
    for (const InvoiceFileProblem& problem : load.problems) {
        reportInvoiceProblem(prompter, problem, source);
    }
    return load.count;
}

void reportRouteFileProblem(Prompter& prompter, const RouteFileProblem& problem) {
    switch (problem.kind) {
        case RouteFileProblem::Kind::Unopened:
            prompter.inform(tr("Error Opening Route XML: ") + problem.path, tr("Load Error"),
                            MessageIcon::None);
            break;
        case RouteFileProblem::Kind::Damaged:
            prompter.inform(tr("The route file is damaged and is left out: ") + problem.path,
                            tr("Load Error"), MessageIcon::None);
            break;
        case RouteFileProblem::Kind::UnsafeDate:
            prompter.inform(format(tr("The route date %s in %s cannot name a file; the route is "
                                      "left out.")
                                       .c_str(),
                                   problem.date.c_str(), problem.path.c_str()),
                            tr("Load Error"), MessageIcon::None);
            break;
        case RouteFileProblem::Kind::NumbersCut:
            reportClampedNumbers(prompter, problem.path, problem.clampedNumbers);
            break;
    }
}

// (The reports are written in functions of their own: lupdate takes a text written in a
// function returning std::size_t for one of a class "std".)
std::size_t loadRouteList(CRouteList& routes, const DeviceFs& fs, Prompter& prompter) {
    const RouteListLoad load = routes.Load(fs);
    for (const RouteFileProblem& problem : load.problems) {
        reportRouteFileProblem(prompter, problem);
    }
    return load.count;
}

}  // namespace kelvo
