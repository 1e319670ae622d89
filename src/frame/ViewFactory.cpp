#include "frame/ViewFactory.h"

#include <array>

#include "views/invoice/InvAdjInvLineView.h"
#include "views/invoice/InvDUDDetailView.h"
#include "views/invoice/InvDetailsView.h"
#include "views/invoice/InvSelectView.h"
#include "views/invoice/InventoryChangeView.h"
#include "views/route/RouteSelectView.h"
#include "views/safety/SafetyView.h"
#include "views/start/KelvoView.h"
#include "views/start/RoutemanView.h"
#include "views/start/SettingView.h"

namespace kelvo {

namespace {

using Creator = FormView* (*)(CKelvoDoc&);

template <class View>
FormView* make(CKelvoDoc& doc) {
    return new View(doc);
}

// One creator per screen index; screens without a view have none.
constexpr std::array<Creator, screen::Count> kCreators = [] {
    std::array<Creator, screen::Count> c{};
    c[screen::Start] = &make<CKelvoView>;
    c[screen::RouteMan] = &make<CRoutemanView>;
    c[screen::RouteSelect] = &make<CRouteSelectView>;
    c[screen::InvDetails] = &make<CInvDetailsView>;
    c[screen::InvAdjLine] = &make<CInvAdjInvLineView>;
    c[screen::Safety] = &make<CSafetyView>;
    c[screen::Settings] = &make<CSettingView>;
    c[screen::InvSelect] = &make<CInvSelectView>;
    c[screen::InvDudDetail] = &make<CInvDUDDetailView>;
    c[screen::InventoryChange] = &make<CInventoryChangeView>;
    return c;
}();

}  // namespace

FormView* createView(int screenIndex, CKelvoDoc& doc) {
    if (screenIndex < 0 || screenIndex >= screen::Count || !kCreators[std::size_t(screenIndex)]) {
        return nullptr;
    }
    return kCreators[std::size_t(screenIndex)](doc);
}

}  // namespace kelvo
