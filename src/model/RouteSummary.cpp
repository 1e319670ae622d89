#include "model/RouteSummary.h"

#include "common/Text.h"
#include "common/Translate.h"

namespace kelvo {

std::string CRouteSummary::Status() const {
    if (IsSettled()) {
        return tr("Settled");
    }
    return format("%d - %d", static_cast<int>(m_TotalStops - m_SettledStops),
                  static_cast<int>(m_TotalStops));
}

}  // namespace kelvo
