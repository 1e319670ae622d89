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
    m_PrebilledAmountCharge = r.number("PrebilledAmountCharge");
    m_PrebilledAmountCOD = r.number("PrebilledAmountCOD");
    m_PlusAdjustmentsCharge = r.number("PlusAdjustmentsCharge");
    m_PlusAdjustmentsCOD = r.number("PlusAdjustmentsCOD");
    m_MinusAdjustmentsCharge = r.number("MinusAdjustmentsCharge");
    m_MinusAdjustmentsCOD = r.number("MinusAdjustmentsCOD");
    m_TotalUndeliveredCharge = r.number("TotalUndeliveredCharge");
    m_TotalUndeliveredCOD = r.number("TotalUndeliveredCOD");
    m_PayThisAmountCharge = r.number("PayThisAmountCharge");
    m_PayThisAmountCOD = r.number("PayThisAmountCOD");
    m_TotalCollectionsCharge = r.number("TotalCollectionsCharge");
    m_TotalCollectionsCOD = r.number("TotalCollectionsCOD");
    m_VoucherAmount = r.number("VoucherAmount");
    m_TotalStops = static_cast<std::uint32_t>(r.whole("TotalStops"));
    m_SettledStops = static_cast<std::uint32_t>(r.whole("SettledStops"));
    m_StartMileage = r.number("StartMileage");
    m_EndMileage = r.number("EndMileage");
}

}  // namespace kelvo
