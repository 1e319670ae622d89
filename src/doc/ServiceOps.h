#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Prompter.h"
#include "doc/FieldMessages.h"
#include "doc/Outcome.h"

namespace kelvo {

class CKelvoDoc;
struct CFlatGoodTrans;

// Operations of the new services screens: the flat-good services added for the selected stop's
// customer, and a new service chosen from the flat-good catalogue at a delivery frequency.

// The question asked before a service is deleted.
inline constexpr const char* kDeleteServiceQuestion =
    "Are you sure you want to delete this flat good transaction ?";

// Loads the selected stop's flat-good transactions (not read again for the same customer; a
// file that cannot be read is reported, and nothing is then written to it) and the catalogue
// when it is empty. False without a selected stop.
bool openNewServices(CKelvoDoc& doc);

// A row of the new services list: Prodcode, the product's description in the catalogue,
// Freqcode, Qty without decimals and Price with the configuration's PriceDecimals.
std::array<std::string, 5> serviceRow(const CKelvoDoc& doc, const CFlatGoodTrans& service);

// Deletes the customer's service at `row` and writes the file (done, the file written); else
// refused with the message to show (none for a row outside the list), and nothing changed.
Outcome deleteService(CKelvoDoc& doc, std::size_t row);

// Loads the catalogue and the frequencies when they are empty. When either is still empty the
// driver is told that nothing can be added and which file it comes from.
void openAddService(CKelvoDoc& doc);

// The choices of the add-new-service screen: the catalogue's groups (pgdesc), the products of
// group `group` (pdesc; none for -1) and the frequencies (desc), in file order.
std::vector<std::string> serviceGroups(const CKelvoDoc& doc);
std::vector<std::string> serviceProducts(const CKelvoDoc& doc, int group);
std::vector<std::string> serviceFrequencies(const CKelvoDoc& doc);

// The chosen product's catalogue price for the chosen frequency with PriceDecimals decimals;
// "" when either is not chosen or the product has no price for that frequency.
std::string servicePrice(const CKelvoDoc& doc, int group, int product, int frequency);

// The Quantity and Price fields' answers to a change (Price with PriceDecimals).
FieldCheck checkServiceQuantity(std::string_view typed);
FieldCheck checkServicePrice(const CKelvoDoc& doc, std::string_view typed);

// True when Save may be offered: group, product and frequency chosen, a price above 0 and not
// above 99999, and a quantity.
bool serviceSavable(const CKelvoDoc& doc, int group, int product, int frequency,
                    std::string_view quantity, std::string_view price);

// Adds the service to the customer's transactions and writes the file (done, the file
// written); else refused with the message to show ("This product and frequency were already
// added!", ...) and nothing changed.
Outcome saveService(CKelvoDoc& doc, int group, int product, int frequency,
                    std::string_view quantity, std::string_view price);

}  // namespace kelvo
