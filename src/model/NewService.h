#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/CustomerFile.h"
#include "model/FieldCheck.h"

// The rules of adding a flat-good service for a customer: the checks of the quantity and price
// typed on the add-new-service screen, and the service added to or removed from the customer's
// flat-good transactions. `decimals` is always the configuration's PriceDecimals.
namespace kelvo {

class CFlatGoodTransactions;
class DeviceFs;
struct CFlatProduct;

// The largest price the price field takes: "9999", and with decimals a point and as many
// nines ("9999.99").
std::string largestPrice(int decimals);

// The catalogue's price of the product for the frequency code, with `decimals` decimals; ""
// when the product has no price for that frequency.
std::string catalogPrice(const CFlatProduct& product, std::string_view fcode, int decimals);

// The price field's answer to a change: a text that is no number (only digits with at most one
// point) is kept (NotPrice); 5 or more digits before the point are cut to 4 (PriceTooBig); more
// decimals than allowed are cut (TooManyDecimals). An empty text is fine.
FieldEntry checkPriceEntry(std::string_view text, int decimals);

// The quantity field's answer to a change: only the digits are kept; any other character is
// removed (NotDigits).
FieldEntry checkQuantityEntry(std::string_view text);

// True when a service can be saved: group, product and frequency chosen, the price a number
// above 0 and not above 99999, and a quantity.
bool canSaveService(bool groupChosen, bool productChosen, bool frequencyChosen,
                    std::string_view price, std::string_view quantity);

// Why a service's entry cannot be saved: a price that is no price above 0 and not above
// 99999, or a quantity that is not a whole number; None when it can.
enum class ServiceEntryProblem { None, Price, Quantity };
// What became of a service to add: refused for its entry before the list was touched, else
// what became of the list and its file (Duplicate: the product and frequency are there).
struct ServiceAdded {
    ServiceEntryProblem entry = ServiceEntryProblem::None;
    FileChange change = FileChange::Done;
};

// Adds the service (the product's code, the frequency code, quantity and price as typed) to the
// customer's transactions and writes their file; nothing changes unless it is Done.
ServiceAdded addService(const DeviceFs& fs, CFlatGoodTransactions& list,
                        const CFlatProduct& product, std::string_view freqcode,
                        std::string_view quantity, std::string_view price, int decimals);

}  // namespace kelvo
