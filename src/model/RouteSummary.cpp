#include "model/RouteSummary.h"

#include "common/Text.h"
#include "common/Translate.h"
#include "common/XmlReader.h"

namespace kelvo {

std::string CRouteSummary::Status() const {
    if (IsSettled()) {
        return tr("Settled");
    }
    return format("%d - %d", static_cast<int>(m_TotalStops - m_SettledStops),
                  static_cast<int>(m_TotalStops));
}

void CRouteSummary::ReadTotals(const XmlElement& r) {
    m_PrebilledAmountCharge = r.number("PrebilledAmountCharge", 2);
    m_PrebilledAmountCOD = r.number("PrebilledAmountCOD", 2);
    m_PlusAdjustmentsCharge = r.number("PlusAdjustmentsCharge", 2);
    m_PlusAdjustmentsCOD = r.number("PlusAdjustmentsCOD", 2);
    m_MinusAdjustmentsCharge = r.number("MinusAdjustmentsCharge", 2);
    m_MinusAdjustmentsCOD = r.number("MinusAdjustmentsCOD", 2);
    m_TotalUndeliveredCharge = r.number("TotalUndeliveredCharge", 2);
    m_TotalUndeliveredCOD = r.number("TotalUndeliveredCOD", 2);
    m_PayThisAmountCharge = r.number("PayThisAmountCharge", 2);
    m_PayThisAmountCOD = r.number("PayThisAmountCOD", 2);
    m_TotalCollectionsCharge = r.number("TotalCollectionsCharge", 2);
    m_TotalCollectionsCOD = r.number("TotalCollectionsCOD", 2);
    m_VoucherAmount = r.number("VoucherAmount", 2);
    m_TotalStops = static_cast<std::uint32_t>(r.whole("TotalStops"));
    m_SettledStops = static_cast<std::uint32_t>(r.whole("SettledStops"));
    m_StartMileage = r.number("StartMileage", 1);
    m_EndMileage = r.number("EndMileage", 1);
}

}  // namespace kelvo
