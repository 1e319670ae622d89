#include "doc/AddWearerOps.h"

#include <algorithm>

#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"
#include "doc/WearerData.h"
#include "doc/WearerOps.h"
#include "model/Stop.h"

namespace kelvo {

namespace {

constexpr std::size_t kLongestName = 40;
constexpr double kLowestDudNumber = 1;
constexpr double kHighestDudNumber = 4999;

Message invalid(const char* text) {
    return warning(tr(text), tr("Invalid data"));
}

// The add wearer transaction being built; nullptr when none.
CInventory* pendingNewWearer(CKelvoDoc& doc) {
    CInventory* t = doc.WearerData().Pending.Get();
    return t != nullptr && t->Code == kAddWearer ? t : nullptr;
}
const CInventory* pendingNewWearer(const CKelvoDoc& doc) {
    const CInventory* t = doc.WearerData().Pending.Get();
    return t != nullptr && t->Code == kAddWearer ? t : nullptr;
}

// True when a wearer of the file, or one added here today, has the number.
bool numberTaken(const CWearerData& d, double number) {
    if (d.Wearers.Find(number) != nullptr) {
        return true;
    }
    for (std::size_t i = 0; i < d.Transactions.Count(); ++i) {
        const CInventory& t = d.Transactions.At(i);
        if (t.Code == kAddWearer && t.Nr == number) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool hasLockerList(const CKelvoDoc& doc) {
    const CStop* stop = selectedStop(doc);
    return stop != nullptr && stop->LockerManagement != 'N';
}

WearerPage1 openWearerPage1(CKelvoDoc& doc) {
    CWearerData& d = doc.WearerData();
    d.NextWearerNumber = std::max(d.NextWearerNumber, d.Transactions.MaxNumber());
    WearerPage1 page;
    const CInventory* t = pendingNewWearer(doc);
    if (t == nullptr) {
        switch (doc.Config().DefaultWearernr()) {
            case 1:
                page.number = format("%.0f", d.ListState.LowestFreeNumber());
                break;
            case 2:
                page.number = format("%.0f", d.NextWearerNumber + 1);
                break;
            default:
                break;
        }
        return page;
    }
    page.number = format("%.0f", t->Nr);
    page.lastName = t->LastName;
    page.firstName = t->FirstName;
    page.emblemName = t->EmblemName;
    page.department = t->Dpt;
    page.bank = t->Bank;
    page.locker = t->Lock;
    if (hasLockerList(doc)) {
        const CLocker* locker = d.Lockers.FindBy(&CLocker::LockerID, t->LockID);
        page.bank = locker != nullptr ? locker->Bank : std::string();
        page.locker = locker != nullptr ? locker->Locker : std::string();
    }
    return page;
}

bool page1Complete(const CKelvoDoc& doc, const WearerPage1& page) {
    // The "DUD" laundry hides the department: a field the driver cannot see is not asked for.
    const bool department = doc.Config().IsDud() || page.department != 0;
    return department && !page.number.empty() && !page.lastName.empty() &&
           !page.firstName.empty() && !page.emblemName.empty() &&
           page.bank.empty() == page.locker.empty();
}

Page1Check validatePage1(const CKelvoDoc& doc, const WearerPage1& page) {
    const double number = toDouble(page.number);
    // A number of a wearer added today is as taken as one of the wearer file.
    if (numberTaken(doc.WearerData(), number)) {
        return {Page1Field::Number, invalid("Wearer number already in use for another wearer!")};
    }
    if (doc.Config().IsDud() && (number < kLowestDudNumber || number > kHighestDudNumber)) {
        return {Page1Field::Number, invalid("Wearer number should be between 1 and 4999")};
    }
    if (page.firstName.size() + 1 + page.lastName.size() > kLongestName) {
        return {Page1Field::FirstName, invalid("First and last name together should not exceed 40 characters!")};
    }
    if (!page.bank.empty() && page.locker.empty()) {
        return {Page1Field::Locker, invalid("Please fill Locker field!")};
    }
    if (!hasLockerList(doc) && page.bank.empty() && !page.locker.empty()) {
        return {Page1Field::Bank, invalid("Please fill Bank field!")};
    }
    return {};
}

void storePage1(CKelvoDoc& doc, const WearerPage1& page) {
    CWearerData& d = doc.WearerData();
    CInventory* t = pendingNewWearer(doc);
    if (t == nullptr) {
        t = &d.Pending.Begin(currentCustomer(doc), kAddWearer, {});
    }
    t->Nr = toDouble(page.number);
    t->FName = page.firstName + " " + page.lastName;
    t->FirstName = page.firstName;
    t->EmblemName = page.emblemName;
    t->LastName = page.lastName;
    const CDepartment* dept = d.Departments.Find(
        [&](const CDepartment& dp) { return dp.IsActive() && dp.DeptID == page.department; });
    t->Dpt = dept != nullptr ? dept->DeptID : 0;
    t->Bank = page.bank;
    t->Lock = page.locker;
    const CLocker* locker = hasLockerList(doc) ? d.Lockers.Find(page.bank, page.locker) : nullptr;
    t->LockID = locker != nullptr ? locker->LockerID : 0;
}

bool knownBank(const CKelvoDoc& doc, const std::string& bank) {
    const std::vector<std::string> banks = doc.WearerData().Lockers.Banks();
    return bank.empty() || std::find(banks.begin(), banks.end(), bank) != banks.end();
}

bool knownLocker(const CKelvoDoc& doc, const std::string& bank, const std::string& locker) {
    return locker.empty() || doc.WearerData().Lockers.Find(bank, locker) != nullptr;
}

WearerPage2 openWearerPage2(const CKelvoDoc& doc) {
    const CWearerData& d = doc.WearerData();
    WearerPage2 page;
    const CInventory* t = pendingNewWearer(doc);
    const CFunction* function =
        t != nullptr ? d.Functions.FindBy(&CFunction::FunctionID, t->Fun) : nullptr;
    if (function == nullptr && !d.Functions.IsEmpty()) {
        function = &d.Functions.At(0);
    }
    page.function = function != nullptr ? function->Description : std::string();
    if (t != nullptr) {
        page.admin = t->Admin;
        page.remark = t->WearerRem;
    }
    return page;
}

bool knownFunction(const CKelvoDoc& doc, const std::string& function) {
    return function.empty() ||
           doc.WearerData().Functions.FindBy(&CFunction::Description, function) != nullptr;
}

void storePage2(CKelvoDoc& doc, const WearerPage2& page) {
    CInventory* t = pendingNewWearer(doc);
    if (t == nullptr) {
        return;
    }
    const CFunction* function =
        doc.WearerData().Functions.FindBy(&CFunction::Description, page.function);
    t->Admin = page.admin;
    t->Fun = function != nullptr ? function->FunctionID : 0;
    t->WearerRem = page.remark;
}

std::string productWearerLine(const CKelvoDoc& doc) {
    if (const CInventory* t = pendingNewWearer(doc)) {
        return format("%.0f", t->Nr) + " " + t->FName;
    }
    return selectedWearerLine(doc.WearerData());
}

std::vector<const CProduct*> customerProducts(const CKelvoDoc& doc) {
    const CWearerData& d = doc.WearerData();
    return d.Products.Select([&](const CProduct& p) {
        return d.CustomerProducts.IsEmpty() || d.CustomerProducts.Contains(p.ProductID);
    });
}

std::vector<const CFinishingMethod*> finishingMethodsFor(const CKelvoDoc& doc, double PID) {
    const CWearerData& d = doc.WearerData();
    const CProdPerCust* allowed = d.CustomerProducts.FindBy(&CProdPerCust::ProdID, PID);
    return d.FinishingMethods.Select([&](const CFinishingMethod& m) {
        return allowed == nullptr || allowed->FinMethods.empty() || allowed->HasFinMethod(m.ID);
    });
}

WearerChange storeProduct(CKelvoDoc& doc, const ProductEntry& entry) {
    CWearerData& d = doc.WearerData();
    const CInventory* pending = d.Pending.Get();
    const CInventoryLine* same =
        pending != nullptr ? pending->FindLine(entry.PID, entry.SID) : nullptr;
    bool taken = same != nullptr &&
                 (entry.replaces < 0 || same != &pending->Lines[std::size_t(entry.replaces)]);
    // The wearer's own products count only for products of a wearer of the list: the wearer
    // selected on the wearer screen is somebody else while a new wearer is being added.
    if (pendingNewWearer(doc) == nullptr) {
        const std::string WID = selectedWID(d);
        const CWearer* wearer = selectedWearer(d);
        taken = taken || (wearer != nullptr && wearer->HasProduct(entry.PID, entry.SID)) ||
                d.Transactions.IsProductAdded(WID, entry.PID, entry.SID);
    }
    if (taken) {
        return WearerChange::refused(invalid("This product and size were already added!"));
    }
    CInventory* t = d.Pending.Get();
    if (t == nullptr) {
        t = &d.Pending.Begin(currentCustomer(doc), kAddProduct, selectedWID(d));
    }
    const double changes = doc.Config().IsDud() ? 0 : toDouble(entry.changes);
    CInventoryLine line;
    line.PID = entry.PID;
    line.SID = entry.SID;
    line.Qty = toDouble(entry.quantity);
    line.Chg = changes;
    line.TID = entry.TID;
    line.FID = entry.FID;
    line.Price = toDouble(entry.price);
    if (entry.replaces >= 0 && std::size_t(entry.replaces) < t->Lines.size()) {
        t->Lines[std::size_t(entry.replaces)] = line;
    } else {
        t->Lines.push_back(line);
    }
    return {true, {}, {}};
}

int lastAddedLine(const CKelvoDoc& doc) {
    const CInventory* t = doc.WearerData().Pending.Get();
    if (t == nullptr) {
        return -1;
    }
    // Make-a-like lines carry their product's key; the add product screen's lines do not.
    for (std::size_t i = t->Lines.size(); i-- > 0;) {
        if (t->Lines[i].ProductKey.empty()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

Message anotherProductQuestion() {
    return question(tr("Add another product ?"), tr("Question"));
}

std::vector<std::size_t> startMakeALike(CKelvoDoc& doc) {
    CWearerData& d = doc.WearerData();
    CInventory* t = pendingNewWearer(doc);
    if (t == nullptr) {
        return {};
    }
    if (t->Lines.empty()) {
        const CWearer* wearer = selectedWearer(d);
        const CInventory* added = wearer == nullptr ? selectedTransactionWearer(d) : nullptr;
        if (wearer != nullptr) {
            d.Pending.AddModelProducts(d.Transactions.ModelProducts(*wearer), d.Products);
        } else if (added != nullptr && added->Code == kAddWearer) {
            d.Pending.AddModelProducts(CInventoryTransactions::ModelProducts(*added), d.Products);
        }
    }
    std::vector<std::size_t> lines;
    for (std::size_t i = 0; i < t->Lines.size(); ++i) {
        if (!t->Lines[i].ProductKey.empty()) {
            lines.push_back(i);
        }
    }
    return lines;
}

bool chooseMakeALikeSize(CKelvoDoc& doc, std::size_t line, int size) {
    CWearerData& d = doc.WearerData();
    const CInventory* pending = pendingNewWearer(doc);
    if (pending == nullptr || line >= pending->Lines.size() || size < 0) {
        return false;
    }
    const CProduct* product = d.Products.FindBy(&CProduct::ProductID, pending->Lines[line].PID);
    if (product == nullptr || std::size_t(size) >= product->Sizes.size()) {
        return false;
    }
    return d.Pending.ChooseSize(line, product->Sizes[std::size_t(size)]);
}

bool makeALikeComplete(const CKelvoDoc& doc) {
    const CInventory* pending = doc.WearerData().Pending.Get();
    return pending != nullptr && pending->LinesComplete();
}

}  // namespace kelvo
