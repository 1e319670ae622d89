#include "doc/LineAdjuster.h"

#include <cmath>

#include "common/Prompter.h"
#include "common/Translate.h"
#include "doc/AdjustOps.h"
#include "model/ConfigData.h"
#include "model/InvoiceItem.h"

namespace kelvo {

namespace {

constexpr std::int32_t kMinimumBased = 2;
constexpr std::int32_t kPerVisit = 2;
constexpr std::int32_t kPerDelivery = 4;

}  // namespace

// The flags that say whether the line "has" a delivered or billed adjustment are taken from
// the line as it was opened, not from the fields while they are typed: otherwise the first
// digit typed into one field would stop the other from following it.
LineAdjuster::LineAdjuster(const CInvoiceItem& line, const ConfigData& config)
    : m_price(line.Price),
      m_deliveredQuantity(line.DeliveredQuantity),
      m_preBilledQuantity(line.PreBilledQuantity),
      m_minQty(line.MinQty),
      m_showsDelivered(line.LineType == LineTypes::Rent || line.LineType == LineTypes::Wash ||
                       line.LineType == LineTypes::Sales),
      m_deliveredAdjustable(config.AllowAdjustmentDelQty() == 'Y'),
      m_deliveredPresent(line.AdjustmentDeliveredQuantity != 0.0 && m_deliveredAdjustable),
      m_billedPresent(line.AdjustmentQuantity != 0.0),
      m_minimumPerVisit(line.LineType == LineTypes::Rent && line.BillingMethod == kMinimumBased &&
                        (line.MinFreq == kPerVisit || line.MinFreq == kPerDelivery)),
      m_amount(line.AdjustmentAmount),
      m_billed(wholeQuantity(line.AdjustmentQuantity)),
      m_delivered(wholeQuantity(line.AdjustmentDeliveredQuantity)) {}

int LineAdjuster::HeldToDelivered(int d, Prompter& prompter) const {
    if (d < 0 && m_deliveredQuantity + d < 0) {
        prompter.inform(tr("Negative delivered quantity not allowed!"), tr("Invalid data"));
        return wholeQuantity(-m_deliveredQuantity);
    }
    return d;
}

void LineAdjuster::DeliveredChanged(int d, Prompter& prompter) {
    if (!m_showsDelivered) {
        return;
    }
    m_delivered = HeldToDelivered(d, prompter);
    if (m_minimumPerVisit) {
        // Billed is what was delivered, but never less than the minimum of a visit.
        double q = m_deliveredQuantity + m_delivered;
        if (q < m_minQty) {
            q = m_minQty;
        }
        m_billed = wholeQuantity(std::trunc(q - m_preBilledQuantity));
        m_amount = adjustmentAmount(m_price, m_billed);
    } else if (!m_billedPresent) {
        m_billed = m_delivered;
        if (m_preBilledQuantity + m_billed < 0) {
            m_billed = wholeQuantity(-m_preBilledQuantity);
        }
        m_amount = adjustmentAmount(m_price, m_billed);
    }
}

void LineAdjuster::BilledChanged(int q, Prompter& prompter) {
    m_billed = q;
    m_amount = adjustmentAmount(m_price, m_billed);
    if (m_showsDelivered && (!m_deliveredAdjustable || !m_deliveredPresent)) {
        m_delivered = HeldToDelivered(q, prompter);
    }
}

}  // namespace kelvo
