#include "doc/WearerOps.h"

#include <algorithm>

#include "common/Text.h"
#include "common/Translate.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"
#include "doc/WearerData.h"
#include "doc/WearerTexts.h"
#include "model/Stop.h"

namespace kelvo {

namespace {

// A warning captioned "Warning", its text translated.
Message captionedWarning(const char* text) {
    return warning(tr(text), tr("Warning"));
}

void warn(CKelvoDoc& doc, const char* text) {
    doc.Prompt().show(captionedWarning(text));
}

// Tells the driver about a customer file that exists but could not be read, or a customer
// number that cannot name a file. `consequence` says what the screens do without it.
void reportLoad(CKelvoDoc& doc, LoadResult result, const std::string& path, double custId,
                const char* consequence) {
    if (result == LoadResult::Damaged) {
        doc.Prompt().inform(
            format(tr("Cannot read %s.").c_str(), path.c_str()) + " " + tr(consequence),
            tr("Load Error"));
    } else if (result == LoadResult::Refused) {
        doc.Prompt().inform(
            format(tr("The customer number %.0f cannot name a file.").c_str(), custId),
            tr("Load Error"));
    }
}

// Why a change of the transaction file was not saved.
Message changeFailure(const CKelvoDoc& doc, ChangeResult result) {
    const std::string path = doc.WearerData().Transactions.FilePath(currentCustomer(doc));
    std::string text;
    switch (result) {
        case ChangeResult::Refused:
            text = format(tr("%s could not be read, so nothing is saved to it.").c_str(),
                          path.c_str());
            break;
        case ChangeResult::OtherCustomer:
            text = tr("The change was made for another customer and is not saved.");
            break;
        default:
            text = format(tr("%s could not be written.").c_str(), path.c_str());
            break;
    }
    return warning(text, tr("Error data files"));
}

// A change of the transaction file that was saved.
WearerChange saved(const CKelvoDoc& doc) {
    return {true, {}, {doc.WearerData().Transactions.FilePath(currentCustomer(doc))}};
}

// Reads the reference lists of the wearer screens for the customer (per-customer lists are not
// read again for the customer they hold).
void loadReferenceLists(CKelvoDoc& doc, double custId, bool sharedToo) {
    CWearerData& d = doc.WearerData();
    const std::string& location = doc.StorageLocation();
    d.Departments.SetPath(location);
    d.Departments.Load(doc.Fs(), custId);
    d.Functions.SetPath(location);
    d.Functions.Load(doc.Fs(), custId);
    d.Lockers.SetPath(location);
    d.Lockers.Load(doc.Fs(), custId);
    d.EmblemTemplates.SetPath(location);
    d.EmblemTemplates.Load(doc.Fs(), custId);
    d.CustomerProducts.SetPath(location);
    d.CustomerProducts.Load(doc.Fs(), custId);
    if (sharedToo || d.Products.IsEmpty()) {
        d.Products.SetPath(location);
        d.Products.Load(doc.Fs());
        d.FinishingMethods.SetPath(location);
        d.FinishingMethods.Load(doc.Fs());
    }
}

const WearerRow* selectedRow(const CWearerData& d) {
    const int i = d.ListState.Find(d.ListState.Selection().wearer);
    return i < 0 ? nullptr : &d.ListState.Rows()[static_cast<std::size_t>(i)];
}

bool inactive(const CWearerData& d) {
    const CWearer* w = selectedWearer(d);
    return w != nullptr && !w->IsActive();
}

}  // namespace

double currentCustomer(const CKelvoDoc& doc) {
    const CStop* stop = selectedStop(doc);
    return stop != nullptr ? stop->CustID : -1;
}

int enterWearers(CKelvoDoc& doc) {
    CWearerData& d = doc.WearerData();
    d.Pending.Abandon();
    const CStop* stop = selectedStop(doc);
    if (stop == nullptr) {
        d.ListState.Clear();
        return wearerColumnWidth(0);
    }
    const double cust = stop->CustID;
    d.Transactions.SetPath(doc.StorageLocation());
    d.Wearers.SetPath(doc.StorageLocation());
    const LoadResult transactions =
        d.Transactions.Load(doc.Fs(), cust, doc.Config().PriceDecimals());
    const LoadResult wearers = d.Wearers.Load(doc.Fs(), cust);
    reportLoad(doc, transactions, d.Transactions.FilePath(cust), cust,
               "The file is kept as it is, and nothing is saved to it until it can be read.");
    if (transactions != LoadResult::Refused) {
        reportLoad(doc, wearers, d.Wearers.FilePath(cust), cust,
                   "Only the wearers added on the handheld are shown.");
    }
    const bool reloaded = transactions != LoadResult::Unchanged || wearers != LoadResult::Unchanged;
    if (reloaded) {
        // The rows point into the lists just read.
        d.NextWearerNumber = 0;
        d.ListState.Clear();
    }
    loadReferenceLists(doc, cust, reloaded);
    if (d.NextWearerNumber == 0) {
        d.NextWearerNumber = std::max(d.Wearers.MaxNumber(), d.Transactions.MaxNumber());
    }
    if (!d.ListState.Built()) {
        d.ListState.Build(d.Wearers, d.Transactions);
    }
    return wearerColumnWidth(d.NextWearerNumber);
}

const CWearer* selectedWearer(const CWearerData& data) {
    const WearerRow* row = selectedRow(data);
    return row != nullptr ? row->Wearer : nullptr;
}

const CInventory* selectedTransactionWearer(const CWearerData& data) {
    const WearerRow* row = selectedRow(data);
    if (row == nullptr) {
        return nullptr;
    }
    if (row->Added != nullptr) {
        return row->Added;
    }
    return row->Wearer->ID.empty() ? nullptr : data.Transactions.Find(row->Wearer->ID, kQuitWearer);
}

std::string selectedWID(const CWearerData& data) {
    if (const CInventory* t = selectedTransactionWearer(data)) {
        return t->WID;
    }
    const CWearer* w = selectedWearer(data);
    return w != nullptr ? w->ID : std::string();
}

std::string selectedWearerLabel(const CKelvoDoc& doc) {
    const CWearerData& d = doc.WearerData();
    const WearerRow* row = selectedRow(d);
    return row != nullptr
               ? wearerRowText(row->Nr, row->Name(), wearerColumnWidth(d.NextWearerNumber))
               : std::string();
}

std::string selectedWearerLine(const CWearerData& data) {
    const WearerRow* row = selectedRow(data);
    return row != nullptr ? format("%.0f", row->Nr) + " " + row->Name() : std::string();
}

bool mayCancelSelected(const CWearerData& data) {
    const WearerRow* row = selectedRow(data);
    if (row == nullptr) {
        return false;
    }
    if (row->Added != nullptr) {
        return true;
    }
    const WearerSelection& s = data.ListState.Selection();
    const std::string& WID = row->Wearer->ID;
    return s.isProduct ? data.Transactions.ProductStatus(WID, s.product.Product.PID,
                                                         s.product.Product.SID) != 0
                       : data.Transactions.IsQuit(WID);
}

const char* refuseSelection(const CWearerData& data) {
    return selectedRow(data) == nullptr ? "Action not allowed, no wearer selected!" : nullptr;
}

const char* refuseAddProduct(const CWearerData& data) {
    if (const char* why = refuseSelection(data)) {
        return why;
    }
    if (inactive(data)) {
        return "Add products not allowed, wearer is already inactive!";
    }
    if (!data.Transactions.WearerFree(selectedWID(data))) {
        return "Action not allowed while transactions are pending for this wearer!";
    }
    return nullptr;
}

const char* refuseQuitWearer(const CWearerData& data) {
    if (const char* why = refuseSelection(data)) {
        return why;
    }
    if (inactive(data)) {
        return "Quit wearer not allowed, wearer is already inactive!";
    }
    if (!data.Transactions.NoTransactions(selectedWID(data))) {
        return "Action not allowed while transactions are pending for this wearer!";
    }
    return nullptr;
}

const char* refuseProductAction(const CWearerData& data, ProductAction action) {
    if (const char* why = refuseSelection(data)) {
        return why;
    }
    const WearerSelection& s = data.ListState.Selection();
    if (!s.isProduct) {
        return "";  // the actions are offered on product rows only
    }
    if (inactive(data)) {
        return action == ProductAction::Exchange
                   ? "Exchange product not allowed, wearer is already inactive!"
               : action == ProductAction::ChangeQuantity
                   ? "Change quantity not allowed, wearer is already inactive!"
                   : "Quit product not allowed, wearer is already inactive!";
    }
    if (!data.Transactions.ProductFree(selectedWID(data), s.product.Product.PID,
                                       s.product.Product.SID)) {
        return "Action not allowed while transactions are pending for this product!";
    }
    return nullptr;
}

namespace {

// Shows a refusal (none for an empty text) and returns false; true when there is none.
bool allowed(CKelvoDoc& doc, const char* why) {
    if (why != nullptr && *why != '\0') {
        warn(doc, why);
    }
    return why == nullptr;
}

// A refused change with its warning (none for an empty text).
WearerChange refusedChange(const char* why) {
    WearerChange change;
    if (*why != '\0') {
        change.notices.push_back(captionedWarning(why));
    }
    return change;
}

}  // namespace

bool checkWearerSelected(CKelvoDoc& doc) {
    return allowed(doc, refuseSelection(doc.WearerData()));
}

bool checkAddProduct(CKelvoDoc& doc) {
    return allowed(doc, refuseAddProduct(doc.WearerData()));
}

bool checkQuitWearer(CKelvoDoc& doc) {
    return allowed(doc, refuseQuitWearer(doc.WearerData()));
}

bool checkProductAction(CKelvoDoc& doc, ProductAction action) {
    return allowed(doc, refuseProductAction(doc.WearerData(), action));
}

WearerChange commitPending(CKelvoDoc& doc) {
    CWearerData& d = doc.WearerData();
    const ChangeResult result = d.Transactions.Commit(doc.Fs(), d.Pending);
    if (result != ChangeResult::Saved) {
        return WearerChange::refused(changeFailure(doc, result));
    }
    d.ListState.Build(d.Wearers, d.Transactions);
    return saved(doc);
}

WearerChange commitChange(CKelvoDoc& doc) {
    CWearerData& d = doc.WearerData();
    if (!d.Pending.IsOpen()) {
        return {};
    }
    const std::int32_t code = d.Pending.Get()->Code;
    const double number = d.Pending.Get()->Nr;
    WearerChange change = commitPending(doc);
    if (!change.done) {
        return change;
    }
    d.NextWearerNumber = std::max(d.NextWearerNumber, number);
    CWearerListState& state = d.ListState;
    state.ClearSavedView();
    WearerSelection selection;
    if (code == kAddWearer) {
        // The list comes back collapsed with the new wearer selected.
        selection.wearer = {nullptr, number, true};
        state.SetExpandSelected(false);
    } else {
        // The list comes back with the changed wearer's products shown.
        selection.wearer = state.Selection().wearer;
        state.SetExpandSelected(true);
    }
    state.Select(selection);
    return change;
}

std::optional<Message> quitWearerQuestion(const CKelvoDoc& doc) {
    const CWearerData& d = doc.WearerData();
    if (refuseQuitWearer(d)) {
        return std::nullopt;
    }
    return question(tr("Are you sure you want to quit ") + selectedRow(d)->Name() + tr(" ?"),
                    tr("Question"));
}

WearerChange quitWearer(CKelvoDoc& doc, Answer answer) {
    CWearerData& d = doc.WearerData();
    if (const char* why = refuseQuitWearer(d)) {
        return refusedChange(why);
    }
    if (answer != Answer::Yes) {
        return {};
    }
    d.Pending.Begin(currentCustomer(doc), kQuitWearer, selectedWID(d));
    return commitPending(doc);
}

std::optional<Message> quitProductQuestion(const CKelvoDoc& doc) {
    const CWearerData& d = doc.WearerData();
    if (refuseProductAction(d, ProductAction::Quit)) {
        return std::nullopt;
    }
    return question(tr("Are you sure you want to quit ") + d.ListState.Selection().productText +
                        tr(" for ") + selectedWearerLabel(doc) + tr(" ?"),
                    tr("Question"));
}

WearerChange quitProduct(CKelvoDoc& doc, Answer answer) {
    CWearerData& d = doc.WearerData();
    if (const char* why = refuseProductAction(d, ProductAction::Quit)) {
        return refusedChange(why);
    }
    if (answer != Answer::Yes) {
        return {};
    }
    const WearerSelection& s = d.ListState.Selection();
    d.Pending.Begin(currentCustomer(doc), kQuitProduct, selectedWID(d))
        .AddLine(s.product.Product.PID, s.product.Product.SID, 0, 0, 0, 0, 0);
    return commitPending(doc);
}

namespace {

constexpr const char* kNoTransaction = KELVO_TR_NOOP(
    "Action not allowed, no transaction exists on selected line!");

// The transaction behind the selected row that Cancel Transaction removes.
struct CancelTarget {
    const char* refusal = nullptr;  // why nothing can be cancelled ("" without a warning)
    WearerSelection selection;
    std::string WID;           // "" for an added wearer
    double number = 0;         // the transaction's Nr
    bool wearerLevel = false;  // the whole wearer's transaction, not a product's line
    std::string word;          // the transaction as the question names it
};

CancelTarget cancelTarget(const CWearerData& d) {
    CancelTarget t;
    if ((t.refusal = refuseSelection(d)) != nullptr) {
        return t;
    }
    const WearerRow row = *selectedRow(d);
    const WearerSelection& s = d.ListState.Selection();
    t.selection = s;
    t.number = row.Nr;
    t.wearerLevel = !s.isProduct;
    if (row.Added != nullptr) {
        t.word =
            s.isProduct ? tr("product from ") + actionName(kAddWearer) : actionName(kAddWearer);
        return t;
    }
    t.WID = row.Wearer->ID;
    const CInventory* quit = t.WID.empty() ? nullptr : d.Transactions.Find(t.WID, kQuitWearer);
    const std::int32_t code = s.isProduct ? d.Transactions.ProductStatus(
                                                t.WID, s.product.Product.PID, s.product.Product.SID)
                              : quit != nullptr ? kQuitWearer
                                                : 0;
    if (code == 0) {
        t.refusal = kNoTransaction;
        return t;
    }
    // A product row of a quit wearer stands for the quit wearer.
    t.wearerLevel = code == kQuitWearer;
    if (t.wearerLevel) {
        t.number = quit != nullptr ? quit->Nr : 0;
    }
    t.word = actionName(code);
    return t;
}

}  // namespace

std::optional<Message> cancelTransactionQuestion(const CKelvoDoc& doc) {
    const CancelTarget t = cancelTarget(doc.WearerData());
    if (t.refusal != nullptr) {
        return std::nullopt;
    }
    return question(tr("Are you sure you want to cancel this ") + t.word + tr(" transaction?"),
                    tr("Confirm cancel"));
}

WearerChange cancelSelectedTransaction(CKelvoDoc& doc, Answer answer) {
    CWearerData& d = doc.WearerData();
    const CancelTarget t = cancelTarget(d);
    if (t.refusal != nullptr) {
        return refusedChange(t.refusal);
    }
    if (answer != Answer::Yes) {
        return {};
    }
    const WearerSelection& s = t.selection;
    const bool wearerLevel = t.wearerLevel;
    int linesLeft = -1;
    const ChangeResult result =
        wearerLevel ? d.Transactions.CancelWearer(doc.Fs(), t.WID, t.number)
                    : d.Transactions.CancelProduct(doc.Fs(), t.WID, s.product.Product.PID,
                                                   s.product.Product.SID, t.number, linesLeft);
    if (result == ChangeResult::NotFound) {
        return refusedChange(kNoTransaction);
    }
    if (result != ChangeResult::Saved) {
        return WearerChange::refused(changeFailure(doc, result));
    }
    d.ListState.Build(d.Wearers, d.Transactions);
    d.ListState.ClearSavedView();
    // The wearer row stays selected; a product change shows the wearer's products again.
    WearerSelection wearer;
    if (d.ListState.Find(s.wearer) >= 0) {
        wearer.wearer = s.wearer;
    }
    d.ListState.Select(wearer);
    d.ListState.SetExpandSelected(!wearerLevel && wearer.wearer.IsSet());
    if (doc.Config().DefaultWearernr() == 2) {
        const auto& rows = d.ListState.Rows();
        d.NextWearerNumber = rows.empty() ? 0 : rows.back().Nr;
    }
    return saved(doc);
}

}  // namespace kelvo
