#include "doc/CommandTables.h"

#include <algorithm>

namespace kelvo {

CommandTables makeCommandTables() {
    CommandTables t;
    t[0] = {{0x8021, "Se&ttings"}, {0x8020, "&Start"}};
    t[1] = {{0x8024, "&Start"}, {0x8043, "&Export Files"}};
    t[2] = {{0x8025, "&Start Route"}, {0x8022, "&Preparation"}, {0x8026, "&End Route"}};
    t[3] = {{0x8028, "Select &Stop"}, {0x8029, "&Undeliverable"}, {0x802A, "&Instructions"}};
    t[4] = {{0x802B, "&Arrived"}, {0x8032, "&Departed"}};
    t[5] = {
        {0x8033, "&Ok"}, {0x8000, "Adjust Line"}, {0x8035, "&Order(#)"}, {0x805C, "New Service"}};
    t[6] = {{0x8036, "&Ok"}, {0x8037, "&Cancel"}};
    t[7] = {{0x803C, "&Save"}, {0x803D, "&Cancel"}, {0x803E, "&Add"}, {0x803F, "&Voice recorder"}};
    t[8] = {{0x8040, "&Save"}, {0x8041, "&Cancel"}, {0x8042, "&Page"}};
    t[9] = {{0x8044, "&Ok"}, {0x8045, "&Cancel"}};
    t[10] = {{0x803A, "&Ok"}};
    t[11] = {{0x803A, "&Ok"}};
    t[12] = {{0x802E, "&Settlement"}};
    t[13] = {{0x8048, "&Ok"}, {0x8049, "&Cancel"}, {0x804A, "Flag Mode"}, {0x804B, "Replace Mode"}};
    t[14] = {{0x804C, "Add Wearer"},
             {0x804D, "Make-A-Like"},
             {0x804E, "Add Product"},
             {0x804F, "Quit Wearer"},
             {0x805B, "Cancel Transaction"}};
    t[15] = {{0x8050, "Exchange"},
             {0x8051, "Change Quantity"},
             {0x8052, "Quit Product"},
             {0x805B, "Cancel Transaction"}};
    t[16] = {{0x8053, "Wearer Page 2"}};
    t[17] = {{0x8054, "Add Product"}};
    t[18] = {{0x8055, "Add Product"}};
    t[19] = {{0x8056, "Save"}};
    t[20] = {{0x8059, "Add Product"}};
    t[21] = {{0x8058, "Work Order"}};
    t[22] = {{0x805A, "Next"}};
    t[23] = {{0x805D, "Add"}, {0x805E, "Delete"}};
    t[24] = {{0x805F, "Save"}, {0x8060, "Cancel"}};
    t[25] = {{0x8061, "Save"}, {0x8062, "Cancel"}};
    t[26] = {{0x8063, "Save"}, {0x8064, "Cancel"}};
    t[27] = {{0x8065, "Save"}, {0x8066, "Cancel"}};
    return t;
}

bool setCommandEnabled(CommandTables& tables, int screenIndex, CommandId id, bool enabled) {
    if (screenIndex < 0 || screenIndex >= screen::Count) {
        return false;
    }
    auto& table = tables[static_cast<std::size_t>(screenIndex)];
    auto it = std::find_if(table.begin(), table.end(),
                           [id](const CommandEntry& e) { return e.id == id; });
    if (it == table.end()) {
        return false;
    }
    it->enabled = enabled;
    return true;
}

bool commandEnabled(const CommandTables& tables, int screenIndex, CommandId id) {
    if (screenIndex < 0 || screenIndex >= screen::Count) {
        return false;
    }
    const auto& table = tables[static_cast<std::size_t>(screenIndex)];
    return std::any_of(table.begin(), table.end(),
                       [id](const CommandEntry& e) { return e.id == id && e.enabled; });
}

}  // namespace kelvo
