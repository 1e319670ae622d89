#include "frame/ViewFactory.h"

#include <array>

#include "doc/KelvoDoc.h"
#include "views/contact/ContactPersonView.h"
#include "views/contact/ContactView.h"
#include "views/invoice/InvAdjInvLineView.h"
#include "views/invoice/InvDUDDetailView.h"
#include "views/invoice/InvDetailsView.h"
#include "views/invoice/InvSelectView.h"
#include "views/invoice/InventoryChangeView.h"
#include "views/route/AgingInfView.h"
#include "views/route/RouteSelectView.h"
#include "views/route/StopActionView.h"
#include "views/route/StopInstructionView.h"
#include "views/route/StopSelectView.h"
#include "views/safety/SafetyView.h"
#include "views/start/DayRecapView.h"
#include "views/start/KelvoView.h"
#include "views/start/RoutemanView.h"
#include "views/start/SettingView.h"
#include "views/wearer/AddNewServiceView.h"
#include "views/wearer/AddNextWearerView.h"
#include "views/wearer/AddProductView.h"
#include "views/wearer/AddWearerView.h"
#include "views/wearer/ChangeQtyView.h"
#include "views/wearer/ExchangeProdView.h"
#include "views/wearer/NewServicesView.h"
#include "views/wearer/ScanView.h"
#include "views/wearer/SelectSizeView.h"
#include "views/wearer/WearerView.h"
#include "views/wearer/WorkOrderView.h"

namespace kelvo {

namespace {

using Creator = FormView* (*)(CKelvoDoc&);

template <class View>
FormView* make(CKelvoDoc& doc) {
    return new View(doc);
}

// The stop information screen shows the instructions or the aging, as its button chose.
FormView* makeStopInfo(CKelvoDoc& doc) {
    if (doc.Routing().StopInfo() == StopInfoPage::Aging) {
        return new CAgingInfView(doc);
    }
    return new CStopInstructionView(doc);
}

// One creator per screen index; screens without a view have none.
constexpr std::array<Creator, screen::Count> kCreators = [] {
    std::array<Creator, screen::Count> c{};
    c[screen::Start] = &make<CKelvoView>;
    c[screen::RouteMan] = &make<CRoutemanView>;
    c[screen::RouteSelect] = &make<CRouteSelectView>;
    c[screen::StopSelect] = &make<CStopSelectView>;
    c[screen::StopAction] = &make<CStopActionView>;
    c[screen::InvDetails] = &make<CInvDetailsView>;
    c[screen::InvAdjLine] = &make<CInvAdjInvLineView>;
    c[screen::Contact] = &make<CContactView>;
    c[screen::ContactPerson] = &make<CContactPersonView>;
    c[screen::StopInfo] = &makeStopInfo;
    c[screen::Safety] = &make<CSafetyView>;
    c[screen::Settings] = &make<CSettingView>;
    c[screen::InvSelect] = &make<CInvSelectView>;
    c[screen::Scan] = &make<CScanView>;
    c[screen::NewServices] = &make<CNewServicesView>;
    c[screen::AddNewService] = &make<CAddNewServiceView>;
    c[screen::InvDudDetail] = &make<CInvDUDDetailView>;
    c[screen::InventoryChange] = &make<CInventoryChangeView>;
    c[screen::Wearer] = &make<CWearerView>;
    c[screen::AddWearer] = &make<CAddWearerView>;
    c[screen::AddNextWearer] = &make<CAddNextWearerView>;
    c[screen::AddProduct] = &make<CAddProductView>;
    c[screen::WorkOrder] = &make<CWorkOrderView>;
    c[screen::SelectSize] = &make<CSelectSizeView>;
    c[screen::ExchangeProd] = &make<CExchangeProdView>;
    c[screen::ChangeQty] = &make<CChangeQtyView>;
    c[screen::DayRecap] = &make<CDayRecapView>;
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
