#include "doc/WearerTexts.h"

#include <algorithm>

#include "common/Text.h"
#include "common/Translate.h"
#include "model/Inventory.h"
#include "model/Products.h"

namespace kelvo {

namespace {

constexpr int kNarrowColumn = 16;
constexpr std::size_t kNarrowDigits = 7;

}  // namespace

int wearerColumnWidth(double highestNumber) {
    const std::size_t digits = format("%.0f", highestNumber).size();
    return digits <= kNarrowDigits ? kNarrowColumn : static_cast<int>(2 * digits + 2);
}

std::string wearerHeader(int columnWidth) {
    const std::string head = tr("Wearer#");
    const int gap = std::max(1, columnWidth - 13);
    return head + std::string(static_cast<std::size_t>(gap), ' ') + tr("Name");
}

std::string wearerRowText(double number, const std::string& name, int columnWidth) {
    std::string text = format("%.0f", number);
    // Numbers wider than the column still keep a space before the name.
    const int gap = std::max(1, columnWidth - 2 * static_cast<int>(text.size()));
    text.append(static_cast<std::size_t>(gap), ' ');
    return text + name;
}

std::string productRowText(const CProducts& products, double PID, double SID) {
    const CProduct* product = products.FindBy(&CProduct::ProductID, PID);
    const CProductSize* size = product != nullptr ? product->FindSize(SID) : nullptr;
    return " " + (product != nullptr ? product->Code : format("%.0f", PID)) + " " +
           (size != nullptr ? size->Code : format("%.0f", SID));
}

std::string actionName(std::int32_t code) {
    switch (code) {
        case kAddWearer:
            return tr("add wearer");
        case kQuitWearer:
            return tr("quit wearer");
        case kAddProduct:
            return tr("add product");
        case kQuitProduct:
            return tr("quit product");
        case kExchangeProduct:
            return tr("exchange product");
        case kQuantityDown:
        case kQuantityUp:
            return tr("adjust quantity");
        default:
            return {};
    }
}

}  // namespace kelvo
