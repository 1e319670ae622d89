#pragma once

#include <optional>
#include <string>

#include "daygen/Day.h"
#include "daygen/MasterData.h"

namespace daygen {

// Collects the lines of one invoice and closes it with its charge lines.
class InvoiceBuilder {
public:
    InvoiceBuilder(long long number, std::string date, char cod, bool taxable)
        : m_taxable(taxable) {
        m_invoice.Number = number;
        m_invoice.ID = format("I%lld", number);
        m_invoice.InvoiceDate = std::move(date);
        m_invoice.COD = cod;
    }

    // Sum of the lines that count towards the invoice's minimum amount.
    Cents subjectToMinimum() const {
        Cents sum = 0;
        for (const auto& l : m_invoice.Items)
            if (l.SubjectToMinimum == 'Y')
                sum += l.PrebilledAmount;
        return sum;
    }

    // A weekly rent line of one wearer's garment; the soiled garments are picked up (SER 2).
    void wearerRent(const Wearer& w, const WearerProduct& wp, bool environmental) {
        const GarmentProduct& gp = product(wp.PID);
        InvoiceLine& l = add(1, gp.Code, gp.Description);
        for (const auto& s : gp.Sizes)
            if (s.SizeID == wp.SID)
                l.SizeCode = s.Code;
        l.FinishingMethodCode = std::to_string(wp.FID);
        l.WearerNumber = w.Nr;
        l.WearerName = w.FName;
        l.WearerLocker = w.Bank.empty() ? "" : w.Bank + "-" + w.Lock;
        l.BillingMethod = 1;
        l.FrequencyCode = "1W";
        l.InventoryQuantity = l.FutureInv = l.PreBilledQuantity = wp.Qty;
        l.DeliveredQuantity = std::min(wp.Qty, 5);
        l.Price = wp.Price;
        l.PrebilledAmount = extend(wp.Price, wp.Qty);
        if (l.DeliveredQuantity > 0 && wp.Qty > 1) {
            l.SER = 2;
            l.QtyToPick = static_cast<int>(l.DeliveredQuantity);
        }
        if (environmental)
            l.SpecialChargeCode1 = kEnvCode;
    }

    // A product-level rent line of flat goods. With a minimum per visit the customer pays at
    // least `minimum` pieces; with `countPickUp` the driver must count the soiled goods (SER 1).
    void flatRent(const char* code, const char* frequency, int delivered, int minimum,
                  bool countPickUp, bool environmental) {
        const FlatProduct& fp = flatProduct(code);
        InvoiceLine& l = add(1, fp.Code, fp.Description);
        l.FrequencyCode = frequency;
        l.DeliveredQuantity = delivered;
        l.InventoryQuantity = l.FutureInv = std::max(delivered, minimum);
        l.PreBilledQuantity = std::max(delivered, minimum);
        l.Price = flatPrice(fp, frequency);
        l.PrebilledAmount = extend(l.Price, l.PreBilledQuantity);
        if (minimum > 0) {
            l.BillingMethod = 2;
            l.MinQty = minimum;
            l.MinFreq = 2;
        } else {
            l.BillingMethod = 1;
        }
        l.SER = countPickUp ? 1 : 2;
        l.QtyToPick = static_cast<int>(l.InventoryQuantity);
        if (environmental)
            l.SpecialChargeCode1 = kEnvCode;
    }

    // A product-level wash line billed per piece; `price` 0 takes the catalogue price.
    void wash(const char* code, const char* frequency, int quantity, Price4 price = 0) {
        const FlatProduct& fp = flatProduct(code);
        InvoiceLine& l = add(2, fp.Code, fp.Description);
        l.BillingMethod = 4;
        l.FrequencyCode = frequency;
        l.DeliveredQuantity = l.PreBilledQuantity = quantity;
        l.InventoryQuantity = l.FutureInv = quantity;
        l.Price = price != 0 ? price : flatPrice(fp, frequency);
        l.PrebilledAmount = extend(l.Price, quantity);
        l.SER = 2;
        l.QtyToPick = quantity;
    }

    // A sales line (no size, nothing to pick up).
    void sale(const char* code, int quantity) {
        const SaleItem& s = saleItem(code);
        InvoiceLine& l = add(5, s.Code, s.Description);
        l.SizeCode = "-";
        l.DeliveredQuantity = l.PreBilledQuantity = quantity;
        l.Price = s.Price;
        l.PrebilledAmount = extend(s.Price, quantity);
    }

    // A sold garment, for example one that replaces a lost one.
    void garmentSale(const Wearer& w, const WearerProduct& wp, Price4 price) {
        const GarmentProduct& gp = product(wp.PID);
        InvoiceLine& l = add(5, gp.Code, gp.Description);
        for (const auto& s : gp.Sizes)
            if (s.SizeID == wp.SID)
                l.SizeCode = s.Code;
        l.WearerNumber = w.Nr;
        l.WearerName = w.FName;
        l.WearerLocker = w.Bank + "-" + w.Lock;
        l.DeliveredQuantity = l.PreBilledQuantity = 1;
        l.Price = price;
        l.PrebilledAmount = extend(price, 1);
    }

    // Appends the charge lines in the order the handheld recomputes them (special charge,
    // minimum charge, tax) with the amounts its arithmetic gives for unadjusted lines, so that
    // recomputing any line without a change moves nothing.
    Invoice finish(bool environmental, std::optional<Cents> minimumInvoiceAmount, bool tax) {
        m_minimum = minimumInvoiceAmount;
        for (int attempt = 0;;) {
            Invoice invoice = m_invoice;
            bool tie = false;
            if (environmental) {
                Cents over = 0;
                for (const auto& l : invoice.Items)
                    if (l.SpecialChargeCode1 == kEnvCode)
                        over += l.PrebilledAmount;
                InvoiceLine& s = add(invoice, 16, kEnvCode, "Environmental charge 3.2%");
                s.SubjectToMinimum = 'N';
                s.Percentage = kEnvPercentage;
                s.OverAmount = over;
                s.PrebilledAmount = roundCents(kEnvPercentage / 100.0 * readBack2(over));
            }
            if (m_minimum) {
                Cents subject = 0;
                for (const auto& l : invoice.Items)
                    if (l.SubjectToMinimum == 'Y')
                        subject += l.PrebilledAmount;
                invoice.MinimumInvoiceAmount = *m_minimum;
                InvoiceLine& m = add(invoice, 17, "MIN", "Minimum invoice charge");
                m.SubjectToMinimum = 'N';
                m.PrebilledAmount = std::max<Cents>(0, *m_minimum - subject);
            }
            if (tax && m_taxable) {
                // The taxable base is summed as the handheld sums it: doubles in line order.
                double base = 0.0;
                Cents baseCents = 0;
                for (const auto& l : invoice.Items)
                    if (l.TaxType == 1) {
                        base += 0.0 + readBack2(l.PrebilledAmount);
                        baseCents += l.PrebilledAmount;
                    }
                InvoiceLine& t = add(invoice, 18, "TAX", "Sales tax 7.5%");
                t.SubjectToMinimum = 'N';
                t.Percentage = kTaxPercentage;
                t.OverAmount = baseCents;
                t.PrebilledAmount = roundCents(kTaxPercentage / 100.0 * base);
                // A base whose tax ends in exactly half a cent would be rounded up or down by
                // floating-point noise of the recomputation; one more piece on a line avoids it.
                tie = kTaxPercentage * baseCents % 10000 == 5000;
            }
            if (!tie || !breakTie(attempt++))
                return invoice;
        }
    }

private:
    InvoiceLine& add(int lineType, std::string code, std::string description) {
        return add(m_invoice, lineType, std::move(code), std::move(description));
    }

    InvoiceLine& add(Invoice& invoice, int lineType, std::string code, std::string description) {
        InvoiceLine l;
        l.LineNumber = static_cast<int>(invoice.Items.size()) + 1;
        l.LineID = format("%lld-%03d", invoice.Number, l.LineNumber);
        l.LineType = lineType;
        l.Code = std::move(code);
        l.Description = std::move(description);
        l.TaxType = m_taxable ? 1 : 0;
        l.SubjectToMinimum = 'Y';
        invoice.Items.push_back(std::move(l));
        return invoice.Items.back();
    }

    // Moves the taxable base off a half-cent tax. First adds one piece to one of the lines that
    // belong to no wearer (the wearer lines must match the wearer file), taking them in turn;
    // when that cannot move it (a piece of 0.40 moves a 7.5 % tax by whole cents, and a base
    // lifted to the minimum does not move at all) raises the minimum by 0.10 or a price by 0.01.
    // False when nothing is left to try.
    bool breakTie(int attempt) {
        std::vector<InvoiceLine*> candidates;
        for (auto& l : m_invoice.Items)
            if (l.WearerNumber == 0 && l.Price != 0)
                candidates.push_back(&l);
        const int n = static_cast<int>(candidates.size());
        if (attempt < 2 * n) {
            InvoiceLine& l = *candidates[static_cast<std::size_t>(attempt % n)];
            ++l.DeliveredQuantity;
            ++l.PreBilledQuantity;
            if (l.InventoryQuantity > 0)
                l.InventoryQuantity = l.FutureInv = l.PreBilledQuantity;
            if (l.SER != 0)
                l.QtyToPick = static_cast<int>(l.InventoryQuantity > 0 ? l.InventoryQuantity
                                                                       : l.DeliveredQuantity);
            l.PrebilledAmount = extend(l.Price, l.PreBilledQuantity);
            return true;
        }
        if (m_minimum && attempt < 2 * n + 3) {
            *m_minimum += 10;
            return true;
        }
        if (n > 0 && attempt < 2 * n + 13) {
            InvoiceLine& l = *candidates[static_cast<std::size_t>(attempt % n)];
            l.Price += 100;
            l.PrebilledAmount = extend(l.Price, l.PreBilledQuantity);
            return true;
        }
        return false;
    }

    Invoice m_invoice;
    bool m_taxable;
    std::optional<Cents> m_minimum;
};

}  // namespace daygen
