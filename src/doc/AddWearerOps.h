#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "doc/WearerChange.h"

namespace kelvo {

class CKelvoDoc;
struct CFinishingMethod;
struct CProduct;

// The rules of the add wearer pages, the add product screen and the make-a-like sizes: what
// they propose, what they accept, and what they put into the pending transaction (an add
// wearer transaction, or an add product transaction for a wearer of the list). Refusals are
// shown with the caption "Invalid data"; the driver stays on the page with what he typed.

// The fields of the first add wearer page, as texts.
struct WearerPage1 {
    std::string number;
    std::string lastName;
    std::string firstName;
    std::string emblemName;
    double department = 0;  // DeptID of the chosen department; 0 for none
    std::string bank;
    std::string locker;
};

// The field a refusal of page 1 puts the focus on.
enum class Page1Field { None, Number, LastName, FirstName, Bank, Locker };

// True when the customer keeps a locker list: bank and locker are chosen from it.
bool hasLockerList(const CKelvoDoc& doc);

// Page 1 as it opens: filled from the pending add wearer transaction when the driver comes back
// to it, else with the proposed wearer number (DefaultWearernr 1: the lowest free number; 2:
// one above the next wearer number; otherwise none).
WearerPage1 openWearerPage1(CKelvoDoc& doc);
// True while "->" may be pressed: number, names and (unless the "DUD" laundry hides it) the
// department filled, and bank and locker both filled or both empty.
bool page1Complete(const CKelvoDoc& doc, const WearerPage1& page);
// The first refusal of page 1: the field to put the focus on and the message ("Invalid data")
// to show; field None when the page is accepted.
struct Page1Check {
    Page1Field field = Page1Field::None;
    Message why{};
};
// Checks page 1 in order (number in use, the "DUD" number range, the length of the names,
// bank and locker) and gives the first refusal.
Page1Check validatePage1(const CKelvoDoc& doc, const WearerPage1& page);
// Stores page 1 in the pending add wearer transaction (started when there is none).
void storePage1(CKelvoDoc& doc, const WearerPage1& page);
// True when the bank, or the locker of the bank, is empty or in the customer's locker list.
bool knownBank(const CKelvoDoc& doc, const std::string& bank);
bool knownLocker(const CKelvoDoc& doc, const std::string& bank, const std::string& locker);

// The fields of the second add wearer page.
struct WearerPage2 {
    std::string admin;
    std::string function;  // description of the chosen function
    std::string remark;
};
// Page 2 as it opens: from the pending transaction; the first function when it has none.
WearerPage2 openWearerPage2(const CKelvoDoc& doc);
// True when a typed function is empty or one of the customer's functions.
bool knownFunction(const CKelvoDoc& doc, const std::string& function);
// Stores page 2 in the pending add wearer transaction.
void storePage2(CKelvoDoc& doc, const WearerPage2& page);

// The number and name of the wearer the products are for: the new wearer's, or the selected
// wearer's.
std::string productWearerLine(const CKelvoDoc& doc);
// The products the customer rents, in the Products list's order (every product when the
// customer's product list is empty or missing).
std::vector<const CProduct*> customerProducts(const CKelvoDoc& doc);
// The finishing methods allowed for a product of the customer (all when none is listed).
std::vector<const CFinishingMethod*> finishingMethodsFor(const CKelvoDoc& doc, double PID);

// A product as the add product screen gives it.
struct ProductEntry {
    double PID = 0;
    double SID = 0;
    std::string quantity{};
    std::string changes{};
    double TID = 0;  // 0: no template chosen
    double FID = 0;  // 0: no finishing method chosen
    std::string price{};
    int replaces = -1;  // the pending line shown again for a change; -1: a new line
};
// Appends the product to the pending transaction (an add product transaction of the selected
// wearer is started when none is being built), or puts it in place of the line it replaces.
// Refuses a product and size the transaction (its other lines), the wearer or another add
// product transaction of the wearer has already ("Invalid data" in the result's notice). Done
// when stored; nothing is written yet.
WearerChange storeProduct(CKelvoDoc& doc, const ProductEntry& entry);
// The line of the pending transaction the add product screen shows again when the driver comes
// back to it from the work order: the last line added on that screen; -1 when none.
int lastAddedLine(const CKelvoDoc& doc);
// The question the screen asks once a product is stored: "Add another product ?" (caption
// "Question"); Yes stays for another product.
Message anotherProductQuestion();

// Make-a-like: the products of the selected wearer become the new wearer's lines, without a
// size yet, unless the pending transaction has lines already (the driver came back). Returns the
// indices of the make-a-like lines (those with a product key) in order.
std::vector<std::size_t> startMakeALike(CKelvoDoc& doc);
// Gives make-a-like line `line` of the pending add wearer transaction the size at position
// `size` of its product's sizes. False, and nothing changed, when there is no such line, product
// or size.
bool chooseMakeALikeSize(CKelvoDoc& doc, std::size_t line, int size);
// True when every line of the pending transaction has its size: the new wearer may be stored.
bool makeALikeComplete(const CKelvoDoc& doc);

}  // namespace kelvo
