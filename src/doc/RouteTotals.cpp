#include "doc/RouteTotals.h"

#include "common/Text.h"
#include "model/Invoice.h"
#include "model/RouteSummary.h"

namespace kelvo {

void RouteInvoiceSums::Add(const CInvoice& invoice, bool undeliverable) {
    const int column = invoice.COD() == 'Y' ? 1 : 0;
    prebilled[column] += invoice.PrebilledAmount();
    plus[column] += invoice.TotalPlusAdjustments();
    minus[column] += invoice.TotalMinusAdjustments();
    (undeliverable ? undelivered : pay)[column] += invoice.PayThisAmount();
    collections[column] += invoice.CashCollected();
}

std::vector<TotalMismatch> compareRouteTotals(const CRouteSummary& r, const RouteInvoiceSums& s) {
    const struct {
        const char* element;
        double held;
        double sum;
    } totals[] = {
        {"/Route/PrebilledAmountCharge", r.PrebilledAmountCharge(), s.prebilled[0]},
        {"/Route/PrebilledAmountCOD", r.PrebilledAmountCOD(), s.prebilled[1]},
        {"/Route/PlusAdjustmentsCharge", r.PlusAdjustmentsCharge(), s.plus[0]},
        {"/Route/PlusAdjustmentsCOD", r.PlusAdjustmentsCOD(), s.plus[1]},
        {"/Route/MinusAdjustmentsCharge", r.MinusAdjustmentsCharge(), s.minus[0]},
        {"/Route/MinusAdjustmentsCOD", r.MinusAdjustmentsCOD(), s.minus[1]},
        {"/Route/TotalUndeliveredCharge", r.TotalUndeliveredCharge(), s.undelivered[0]},
        {"/Route/TotalUndeliveredCOD", r.TotalUndeliveredCOD(), s.undelivered[1]},
        {"/Route/PayThisAmountCharge", r.PayThisAmountCharge(), s.pay[0]},
        {"/Route/PayThisAmountCOD", r.PayThisAmountCOD(), s.pay[1]},
        {"/Route/TotalCollectionsCharge", r.TotalCollectionsCharge(), s.collections[0]},
        {"/Route/TotalCollectionsCOD", r.TotalCollectionsCOD(), s.collections[1]},
    };
    std::vector<TotalMismatch> out;
    for (const auto& t : totals) {
        std::string held = formatPrice(t.held, 2);
        std::string sum = formatPrice(t.sum, 2);
        if (held != sum) {
            out.push_back({t.element, std::move(held), std::move(sum)});
        }
    }
    return out;
}

}  // namespace kelvo
