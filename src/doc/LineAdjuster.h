#pragma once

namespace kelvo {

class ConfigData;
class Prompter;
struct CInvoiceItem;

// The Adjust page of one invoice line while it is open: the delivered- and billed-quantity
// adjustments the driver types, and the money adjustment that follows from the price. It
// starts from what the line holds; nothing is stored until the adjustment is saved.
class LineAdjuster {
public:
    // Takes what it needs of the line (the line may go away while the page is open).
    LineAdjuster(const CInvoiceItem& line, const ConfigData& config);

    // Rent, Wash and Sales lines show the delivered-quantity adjustment.
    bool ShowsDelivered() const { return m_showsDelivered; }
    // The configuration lets the driver type the delivered-quantity adjustment.
    bool DeliveredAdjustable() const { return m_deliveredAdjustable; }
    // A Rent line billed "Minimum Based" per visit or per delivery.
    bool MinimumPerVisit() const { return m_minimumPerVisit; }

    // The money adjustment, the billed- and the delivered-quantity adjustment.
    double Amount() const { return m_amount; }
    int Billed() const { return m_billed; }
    int Delivered() const { return m_delivered; }

    // The driver typed the delivered-quantity adjustment d. It never takes back more than was
    // delivered ("Negative delivered quantity not allowed!", caption "Invalid data"); the
    // billed adjustment follows it (up to the minimum of a minimum-per-visit line) unless the
    // line had a billed adjustment of its own, and the amount follows the billed one.
    void DeliveredChanged(int d, Prompter& prompter);
    // The driver typed the billed-quantity adjustment q: the amount follows it, and so does the
    // delivered adjustment where the driver does not keep that one apart.
    void BilledChanged(int q, Prompter& prompter);

private:
    // d held to what was delivered, with the message when it had to be.
    int HeldToDelivered(int d, Prompter& prompter) const;

    double m_price;
    double m_deliveredQuantity;
    double m_preBilledQuantity;
    double m_minQty;
    bool m_showsDelivered;
    bool m_deliveredAdjustable;
    bool m_deliveredPresent;
    bool m_billedPresent;
    bool m_minimumPerVisit;
    double m_amount;
    int m_billed;
    int m_delivered;
};

}  // namespace kelvo
