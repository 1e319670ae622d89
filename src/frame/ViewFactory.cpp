#include "frame/ViewFactory.h"

#include <array>

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
    c[screen::Safety] = &make<CSafetyView>;
    c[screen::Settings] = &make<CSettingView>;
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
