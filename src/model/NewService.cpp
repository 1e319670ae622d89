#include "model/NewService.h"

#include <algorithm>

#include "common/FileValues.h"
#include "common/Text.h"
#include "model/FlatGoodTransactions.h"
#include "model/FlatProduct.h"

namespace kelvo {

namespace {

constexpr std::size_t kPriceDigits = 4;  // before the point
constexpr double kHighestPrice = 99999;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits with at most one point: what the price field takes while the driver types. The point
// alone (".5" being typed) is such a text.
bool isPriceText(std::string_view text) {
    return std::count(text.begin(), text.end(), '.') <= 1 &&
           std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c) || c == '.'; });
}

// The decimals formatPrice writes: 0 to 10, whatever the configuration says.
int priceDecimals(int decimals) {
    return std::clamp(decimals, 0, 10);
}

}  // namespace

std::string largestPrice(int decimals) {
    decimals = priceDecimals(decimals);
    std::string out(kPriceDigits, '9');
    if (decimals > 0) {
        out += "." + std::string(static_cast<std::size_t>(decimals), '9');
    }
    return out;
}

std::string catalogPrice(const CFlatProduct& product, std::string_view fcode, int decimals) {
    const CFlatProduct::Price* price = product.PriceFor(fcode);
    return price != nullptr ? formatPrice(price->price, decimals) : std::string();
}

FieldEntry checkPriceEntry(std::string_view text, int decimals) {
    decimals = priceDecimals(decimals);
    FieldEntry check{std::string(text), {}};
    if (!isPriceText(text)) {
        check.Problems.push_back(FieldProblem::NotPrice);
        return check;
    }
    std::string& t = check.Text;
    std::size_t point = std::min(t.find('.'), t.size());
    if (point > kPriceDigits) {
        check.Problems.push_back(FieldProblem::PriceTooBig);
        t.erase(kPriceDigits, point - kPriceDigits);
        point = kPriceDigits;
    }
    const auto allowed = static_cast<std::size_t>(decimals);
    if (point < t.size() && t.size() - point - 1 > allowed) {
        // With no decimals allowed the point goes as well.
        t.resize(allowed > 0 ? point + 1 + allowed : point);
        check.Problems.push_back(FieldProblem::TooManyDecimals);
    }
    return check;
}

FieldEntry checkQuantityEntry(std::string_view text) {
    FieldEntry check;
    std::copy_if(text.begin(), text.end(), std::back_inserter(check.Text), isDigit);
    if (check.Text.size() != text.size()) {
        check.Problems.push_back(FieldProblem::NotDigits);
    }
    return check;
}

bool canSaveService(bool groupChosen, bool productChosen, bool frequencyChosen,
                    std::string_view price, std::string_view quantity) {
    // A text the price field reports is no price, even where its first digits would read as
    // one ("12a").
    const double value = toDouble(price);
    return groupChosen && productChosen && frequencyChosen && isPriceText(price) && value > 0 &&
           value <= kHighestPrice && !quantity.empty();
}

ServiceAdded addService(const DeviceFs& fs, CFlatGoodTransactions& list,
                        const CFlatProduct& product, std::string_view freqcode,
                        std::string_view quantity, std::string_view price, int decimals) {
    if (!canSaveService(true, true, true, price, "1")) {
        return {ServiceEntryProblem::Price};
    }
    if (quantity.empty() || !checkQuantityEntry(quantity).Problems.empty()) {
        return {ServiceEntryProblem::Quantity};
    }
    CFlatGoodTrans trans{fileText(product.pcode), fileText(freqcode),
                         fileNumber(toDouble(quantity), 0), fileNumber(toDouble(price), decimals)};
    return {ServiceEntryProblem::None, list.Add(fs, std::move(trans), decimals)};
}

}  // namespace kelvo
