#pragma once

#include <string>
#include <vector>

namespace kelvo {

class CInvoice;
class CRouteSummary;

// What a route's invoices add up to, per column of the route file (0 Charge, 1 COD): the
// totals the route file keeps must equal them.
struct RouteInvoiceSums {
    double prebilled[2] = {};
    double plus[2] = {};
    double minus[2] = {};
    double pay[2] = {};          // invoices of deliverable stops
    double undelivered[2] = {};  // invoices of undeliverable stops
    double collections[2] = {};

    // Adds one invoice of a stop; `undeliverable`: the stop carries an undeliverable reason.
    void Add(const CInvoice& invoice, bool undeliverable);
};

// One total of a route file that disagrees with its invoices: the element
// ("/Route/PayThisAmountCOD") and both amounts as the file writes them.
struct TotalMismatch {
    std::string element;
    std::string held;
    std::string sum;
};

// The route file's twelve invoice totals compared with the sums, to the cent (amounts agree
// when they are written the same); one mismatch per total that disagrees, in file order.
std::vector<TotalMismatch> compareRouteTotals(const CRouteSummary& route,
                                              const RouteInvoiceSums& sums);

}  // namespace kelvo
