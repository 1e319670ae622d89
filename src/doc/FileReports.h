#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/Prompter.h"
#include "doc/Outcome.h"
#include "model/CallList.h"
#include "model/CustomerFile.h"
#include "model/InvoiceFile.h"
#include "model/RouteList.h"

namespace kelvo {

class CInvoice;
class CInvoices;
class CRoute;
class DeviceFs;

// What the driver is told about a customer's file of the scan and new services screens.

// Reports what reading `file` for the customer found: a file that cannot be read ("Cannot read
// <path>. The file is kept as it is, ...") or a customer number that cannot name a file, both
// with the caption "Load Error"; then the numbers beyond what a file carries, if any.
void reportFileRead(Prompter& prompter, const CustomerFile& file, double custId,
                    const FileRead& read);

// What became of a change of a customer's list: done, having written the file, when it was
// Done; else refused with `duplicate` (caption "Invalid data") for a Duplicate, a refusal
// naming the file when it could not be read, or a report naming it when it could not be
// written ("Error data files").
Outcome fileChangeOutcome(const CustomerFile& file, FileChange change,
                          const std::string& duplicate);

// Reports each call a stop's call list left out (caption "Load Error"): a file that cannot be
// opened or is not well formed ("Error Opening call XML: <path>"), or an identifier that cannot
// name a file (naming the route file).
void reportCallsLeftOut(Prompter& prompter, const CRoute& route,
                        const std::vector<CallLeftOut>& leftOut);

// What the driver is told about invoice and route files that were not read (caption "Load Error").

// Reports an invoice number that cannot name a file; source (when not empty) says where the
// number came from.
void reportUnusableInvoiceNumber(Prompter& prompter, std::string_view numberText,
                                 std::string_view source);

// Reports an invoice file not read: one that cannot be opened ("Error Opening Invoice XML:" +
// path), a damaged one, or a number that cannot name a file (naming source).
void reportInvoiceProblem(Prompter& prompter, const InvoiceFileProblem& problem,
                          std::string_view source);

// Makes the invoice with this number the open one (CInvoice::Load) and reports a file not read,
// or the numbers of the file that were cut. True when the invoice holds it.
bool loadInvoice(CInvoice& invoice, const DeviceFs& fs, Prompter& prompter,
                 double invoiceNumber);

// Loads the stop's invoice headers (CInvoices::Load) and reports each file not read, naming
// `source` (where the numbers came from) for a number that cannot name a file. Returns the
// number of headers held.
std::size_t loadInvoices(CInvoices& invoices, const DeviceFs& fs, Prompter& prompter,
                         std::span<const std::string> numbers, std::string_view source = {});

// Reports a route file left out ("Error Opening Route XML: " + path, "The route file is damaged
// and is left out: " + path, a date that cannot name a file; caption "Load Error", no icon), or
// one whose numbers were cut.
void reportRouteFileProblem(Prompter& prompter, const RouteFileProblem& problem);

// Rebuilds the route list (CRouteList::Load) and reports each route file left out ("Error
// Opening Route XML: " + path, "The route file is damaged and is left out: " + path, a date
// that cannot name a file) and each whose numbers were cut. Returns the number of routes listed.
std::size_t loadRouteList(CRouteList& routes, const DeviceFs& fs, Prompter& prompter);

}  // namespace kelvo
