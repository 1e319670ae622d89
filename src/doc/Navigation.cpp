#include "doc/Navigation.h"

#include <algorithm>
#include <array>
#include <functional>

namespace kelvo {

namespace {

using Rule = std::function<Translation(FrameFlags&, const NavFacts&)>;

Translation toCommand(CommandId c) {
    return Translation{c};
}
Translation toScreen(int s) {
    return Translation{0, s};
}

Rule command(CommandId c) {
    return [c](FrameFlags&, const NavFacts&) { return toCommand(c); };
}

// Settlement leads to the invoice list only when the stop has more than one invoice.
CommandId stopOrInvoices(const NavFacts& f) {
    return f.stopInvoiceCount <= 1 ? cmd::SelectStop : cmd::InvoiceSelect;
}

const std::array<Rule, screen::Count>& backRules() {
    static const std::array<Rule, screen::Count> rules = [] {
        std::array<Rule, screen::Count> r{};
        r[1] = [](FrameFlags&, const NavFacts&) { return toScreen(screen::Start); };
        r[2] = [](FrameFlags&, const NavFacts& f) {
            return f.mayLeave ? toScreen(screen::RouteMan) : Translation{};
        };
        r[3] = command(cmd::RouteManStart);
        r[4] = [](FrameFlags&, const NavFacts& f) {
            return f.mayLeave ? toCommand(cmd::StartRoute) : Translation{};
        };
        r[5] = [](FrameFlags&, const NavFacts& f) { return toCommand(stopOrInvoices(f)); };
        r[6] = command(cmd::Settlement);
        r[7] = [](FrameFlags&, const NavFacts&) {
            Translation t = toCommand(cmd::SelectStop);
            t.askContactSave = true;
            return t;
        };
        r[8] = command(cmd::RouteManStart);
        r[10] = r[11] = r[12] = r[13] = command(cmd::SelectStop);
        r[14] = r[15] = [](FrameFlags&, const NavFacts&) {
            Translation t = toCommand(cmd::SelectStop);
            t.resetWearerList = true;
            return t;
        };
        r[16] = command(cmd::WearerScreen);
        r[17] = [](FrameFlags& fl, const NavFacts&) {
            return toCommand(fl.makeALike ? cmd::MakeALike : cmd::AddWearer);
        };
        r[18] = [](FrameFlags& fl, const NavFacts& f) {
            if (fl.productOnly) {
                return toCommand(cmd::WearerScreen);
            }
            fl.wearerFlowResumed = true;
            if (fl.makeALike) {
                return toCommand(cmd::SelectSizes);
            }
            return toCommand(f.dud ? cmd::AddWearer : cmd::WearerPage2);
        };
        r[19] = [](FrameFlags& fl, const NavFacts&) {
            if (fl.exchangeInProgress) {
                fl.exchangeInProgress = false;
                return toCommand(cmd::Exchange);
            }
            if (fl.quantityChangeInProgress) {
                return toCommand(cmd::ChangeQuantity);
            }
            fl.wearerFlowResumed = true;
            return toCommand(fl.makeALike ? cmd::SelectSizes : cmd::StoreProduct);
        };
        r[20] = [](FrameFlags& fl, const NavFacts& f) {
            fl.wearerFlowResumed = true;
            return toCommand(f.dud ? cmd::AddWearer : cmd::WearerPage2);
        };
        r[21] = r[22] = command(cmd::WearerScreen);
        r[23] = r[25] = command(cmd::Settlement);
        r[27] = command(cmd::Order);
        return r;
    }();
    return rules;
}

const std::array<Rule, screen::Count>& nextRules() {
    static const std::array<Rule, screen::Count> rules = [] {
        std::array<Rule, screen::Count> r{};
        r[0] = command(cmd::Start);
        r[1] = command(cmd::RouteManStart);
        r[2] = command(cmd::StartRoute);
        r[3] = command(cmd::SelectStop);
        r[4] = [](FrameFlags&, const NavFacts& f) {
            if (f.handlesNextItself || !f.mayLeave) {
                return Translation{};
            }
            return toCommand(stopOrInvoices(f));
        };
        r[5] = [](FrameFlags&, const NavFacts& f) {
            return f.invoiceSettled ? Translation{} : toCommand(cmd::InvoiceOk);
        };
        // The add and change screens go on with their single command while it is enabled.
        auto whileEnabled = [](Rule rule) {
            return [rule](FrameFlags& fl, const NavFacts& f) {
                return f.firstEntryEnabled ? rule(fl, f) : Translation{};
            };
        };
        r[16] = whileEnabled([](FrameFlags& fl, const NavFacts& f) {
            if (f.dud) {
                fl.wearerFlowResumed = false;
                return toCommand(cmd::StoreProduct);
            }
            return toCommand(cmd::WearerPage2);
        });
        r[17] = whileEnabled([](FrameFlags& fl, const NavFacts&) {
            return toCommand(fl.makeALike ? cmd::SelectSizes : cmd::AddProductPage2);
        });
        r[18] = whileEnabled([](FrameFlags& fl, const NavFacts&) {
            fl.wearerFlowResumed = false;
            return toCommand(cmd::StoreProduct);
        });
        r[19] = whileEnabled(command(cmd::WorkOrderSave));
        r[20] = whileEnabled(command(cmd::AddSizedProduct));
        r[21] = whileEnabled(command(cmd::WorkOrder));
        r[22] = whileEnabled(command(cmd::QuantityNext));
        return r;
    }();
    return rules;
}

Translation translate(const std::array<Rule, screen::Count>& rules, int current, FrameFlags& flags,
                      const NavFacts& facts) {
    if (current < 0 || current >= screen::Count || !rules[static_cast<std::size_t>(current)]) {
        return {};
    }
    return rules[static_cast<std::size_t>(current)](flags, facts);
}

constexpr int kStay = screen::None;

constexpr CommandRoute kRoutes[] = {
    {cmd::AdjustLine, screen::InvAdjLine, Action::None},
    {cmd::Start, screen::RouteMan, Action::StartDataCheck},
    {cmd::Settings, screen::Settings, Action::None},
    {cmd::Preparation, screen::Safety, Action::Preparation},
    {cmd::RouteManStart, screen::RouteSelect, Action::RouteManStart},
    {cmd::StartRoute, screen::StopSelect, Action::StartRoute},
    {cmd::EndRoute, screen::RouteSelect, Action::EndRoute},
    {cmd::WearerScreen, screen::Wearer, Action::ResetWearerList},
    {cmd::SelectStop, screen::StopAction, Action::None},
    {cmd::Undeliverable, screen::StopSelect, Action::Undeliverable},
    {cmd::Instructions, kStay, Action::Instructions},
    {cmd::Arrived, kStay, Action::Arrived},
    {cmd::ScanScreen, screen::Scan, Action::None},
    {cmd::Settlement, screen::InvDetails, Action::None},
    {cmd::ContactScreen, screen::Contact, Action::None},
    {cmd::InvoiceSelect, screen::InvSelect, Action::None},
    {cmd::StopInstructions, screen::StopInfo, Action::None},
    {cmd::Departed, screen::StopSelect, Action::Departed},
    {cmd::InvoiceOk, screen::StopAction, Action::SettleInvoice},
    {cmd::Order, screen::InvDetails, Action::Order},
    {cmd::LineOk, screen::InvDetails, Action::ApplyLine},
    {cmd::LineCancel, screen::InvDetails, Action::None},
    {cmd::ContactSave, kStay, Action::ContactSave},
    {cmd::ContactCancel, kStay, Action::ContactCancel},
    {cmd::ContactAdd, kStay, Action::ContactAdd},
    {cmd::VoiceRecorder, kStay, Action::VoiceRecorder},
    {cmd::SafetySave, screen::RouteSelect, Action::SafetySave},
    {cmd::SafetyCancel, screen::RouteSelect, Action::SafetyCancel},
    {cmd::SafetyPage, kStay, Action::SafetyPage},
    {cmd::ExportFiles, screen::Start, Action::Export},
    {cmd::SettingsOk, screen::Start, Action::SettingsSave},
    {cmd::SettingsCancel, screen::Start, Action::None},
    {cmd::ContactPerson, screen::ContactPerson, Action::None},
    {cmd::AgingInfo, screen::StopInfo, Action::None},
    {cmd::ScanOk, kStay, Action::ScanOk},
    {cmd::ScanCancel, kStay, Action::ScanCancel},
    {cmd::FlagMode, kStay, Action::FlagMode},
    {cmd::ReplaceMode, kStay, Action::ReplaceMode},
    {cmd::AddWearer, screen::AddWearer, Action::AddWearer},
    {cmd::MakeALike, screen::AddWearer, Action::MakeALike},
    {cmd::AddProduct, screen::AddProduct, Action::AddProduct},
    {cmd::QuitWearer, kStay, Action::QuitWearer},
    {cmd::Exchange, screen::ExchangeProd, Action::Exchange},
    {cmd::ChangeQuantity, screen::ChangeQty, Action::ChangeQuantity},
    {cmd::QuitProduct, kStay, Action::QuitProduct},
    {cmd::WearerPage2, screen::AddNextWearer, Action::WearerPage2},
    {cmd::AddProductPage2, screen::AddProduct, Action::StorePage2},
    {cmd::StoreProduct, screen::WorkOrder, Action::StoreProduct},
    {cmd::WorkOrderSave, screen::Wearer, Action::SaveWorkOrder},
    {cmd::SelectSizes, screen::SelectSize, Action::None},
    {cmd::WorkOrder, screen::WorkOrder, Action::StoreExchange},
    {cmd::AddSizedProduct, screen::WorkOrder, Action::AddAnotherProduct},
    {cmd::QuantityNext, screen::WorkOrder, Action::StoreQuantity},
    {cmd::CancelTransaction, kStay, Action::CancelTransaction},
    {cmd::NewService, screen::NewServices, Action::None},
    {cmd::ServiceAdd, screen::AddNewService, Action::None},
    {cmd::ServiceDelete, kStay, Action::DeleteService},
    {cmd::ServiceSave, screen::NewServices, Action::SaveService},
    {cmd::ServiceCancel, screen::NewServices, Action::None},
    {cmd::OrderDetailSave, screen::InventoryChange, Action::None},
    {cmd::OrderDetailCancel, kStay, Action::OrderDetailCancel},
    {cmd::InventoryChangeSave, screen::InvDudDetail, Action::SaveInventoryChange},
    {cmd::InventoryChangeCancel, screen::InvDudDetail, Action::None},
};

}  // namespace

Translation translateBack(int current, FrameFlags& flags, const NavFacts& facts) {
    return translate(backRules(), current, flags, facts);
}

Translation translateNext(int current, FrameFlags& flags, const NavFacts& facts) {
    return translate(nextRules(), current, flags, facts);
}

const CommandRoute* findCommandRoute(CommandId id) {
    const auto* it = std::find_if(std::begin(kRoutes), std::end(kRoutes),
                                  [id](const CommandRoute& r) { return r.id == id; });
    return it == std::end(kRoutes) ? nullptr : it;
}

bool alwaysRepeatable(CommandId id) {
    return id == cmd::StoreProduct || id == cmd::WorkOrder;
}

}  // namespace kelvo
