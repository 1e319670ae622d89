#include "doc/ServiceOps.h"

#include "common/Text.h"
#include "common/Translate.h"
#include "doc/FileReports.h"
#include "doc/KelvoDoc.h"
#include "doc/VisitOps.h"
#include "model/NewService.h"

namespace kelvo {

namespace {

// Element `i` of a list of records; nullptr outside it.
template <class List>
auto entry(const List& list, int i) -> decltype(&list.At(0)) {
    if (i < 0 || static_cast<std::size_t>(i) >= list.Count()) {
        return nullptr;
    }
    return &list.At(static_cast<std::size_t>(i));
}

const CFlatProduct* chosenProduct(const CKelvoDoc& doc, int group, int product) {
    const CProdGroup* g = entry(doc.FlatGoodProducts(), group);
    if (!g || product < 0 || static_cast<std::size_t>(product) >= g->products.size()) {
        return nullptr;
    }
    return &g->products[static_cast<std::size_t>(product)];
}

// Reads a reference list when it is empty; tells the driver when it stays empty.
template <class List>
void loadWhenEmpty(CKelvoDoc& doc, List& list, const char* fileName, const char* what) {
    if (!list.IsEmpty()) {
        return;
    }
    list.SetPath(doc.StorageLocation());
    list.Load(doc.Fs());
    if (list.IsEmpty()) {
        doc.Prompt().inform(format(tr(what).c_str(), (doc.DataFolder() + fileName).c_str()),
                            tr("Load Error"));
    }
}

}  // namespace

bool openNewServices(CKelvoDoc& doc) {
    const CStop* stop = selectedStop(doc);
    if (!stop) {
        return false;
    }
    CFlatGoodTransactions& services = doc.FlatGoodTransactions();
    services.SetPath(doc.StorageLocation());
    reportFileRead(doc.Prompt(), services.File(), stop->CustID,
                   services.Load(doc.Fs(), stop->CustID));
    // The list shows the codes without the catalogue; the add screen says when it is missing.
    if (doc.FlatGoodProducts().IsEmpty()) {
        doc.FlatGoodProducts().SetPath(doc.StorageLocation());
        doc.FlatGoodProducts().Load(doc.Fs());
    }
    return true;
}

std::array<std::string, 5> serviceRow(const CKelvoDoc& doc, const CFlatGoodTrans& service) {
    return {service.Prodcode, doc.FlatGoodProducts().DescriptionOf(service.Prodcode),
            service.Freqcode, format("%.0f", service.Qty),
            formatPrice(service.Price, doc.Config().PriceDecimals())};
}

Outcome deleteService(CKelvoDoc& doc, std::size_t row) {
    if (row >= doc.FlatGoodTransactions().Count()) {
        return {};
    }
    CFlatGoodTransactions& services = doc.FlatGoodTransactions();
    return fileChangeOutcome(services.File(),
                             services.Remove(doc.Fs(), row, doc.Config().PriceDecimals()), {});
}

void openAddService(CKelvoDoc& doc) {
    loadWhenEmpty(doc, doc.FlatGoodProducts(), "Flatgoodproducts.xml",
                  "No flat-good products could be read from %s, so no service can be added.");
    loadWhenEmpty(doc, doc.Frequencies(), "Frequency.xml",
                  "No delivery frequencies could be read from %s, so no service can be added.");
}

std::vector<std::string> serviceGroups(const CKelvoDoc& doc) {
    std::vector<std::string> out;
    for (const CProdGroup& g : doc.FlatGoodProducts()) {
        out.push_back(g.pgdesc);
    }
    return out;
}

std::vector<std::string> serviceProducts(const CKelvoDoc& doc, int group) {
    std::vector<std::string> out;
    if (const CProdGroup* g = entry(doc.FlatGoodProducts(), group)) {
        for (const CFlatProduct& p : g->products) {
            out.push_back(p.pdesc);
        }
    }
    return out;
}

std::vector<std::string> serviceFrequencies(const CKelvoDoc& doc) {
    std::vector<std::string> out;
    for (const CFrequency& f : doc.Frequencies()) {
        out.push_back(f.desc);
    }
    return out;
}

std::string servicePrice(const CKelvoDoc& doc, int group, int product, int frequency) {
    const CFlatProduct* p = chosenProduct(doc, group, product);
    const CFrequency* f = entry(doc.Frequencies(), frequency);
    if (!p || !f) {
        return {};
    }
    return catalogPrice(*p, f->code, doc.Config().PriceDecimals());
}

FieldCheck checkServiceQuantity(std::string_view typed) {
    return fieldCheck(checkQuantityEntry(typed), 0, 0);
}

FieldCheck checkServicePrice(const CKelvoDoc& doc, std::string_view typed) {
    const int decimals = doc.Config().PriceDecimals();
    return fieldCheck(checkPriceEntry(typed, decimals), 0, decimals);
}

bool serviceSavable(const CKelvoDoc& doc, int group, int product, int frequency,
                    std::string_view quantity, std::string_view price) {
    return canSaveService(entry(doc.FlatGoodProducts(), group) != nullptr,
                          chosenProduct(doc, group, product) != nullptr,
                          entry(doc.Frequencies(), frequency) != nullptr, price, quantity);
}

Outcome saveService(CKelvoDoc& doc, int group, int product, int frequency,
                    std::string_view quantity, std::string_view price) {
    // The choices are taken by position, so that two entries of the same description are
    // still told apart.
    const CFlatProduct* p = chosenProduct(doc, group, product);
    const CFrequency* f = entry(doc.Frequencies(), frequency);
    if (!p || !f) {
        return Outcome::refused(
            warning(tr("Please choose a product and a frequency first!"), tr("Invalid data")));
    }
    CFlatGoodTransactions& services = doc.FlatGoodTransactions();
    const ServiceAdded added = addService(doc.Fs(), services, *p, f->code, quantity, price,
                                          doc.Config().PriceDecimals());
    switch (added.entry) {
        case ServiceEntryProblem::Price:
            return Outcome::refused(warning(tr("Invalid entered price!"), tr("Invalid data")));
        case ServiceEntryProblem::Quantity:
            return Outcome::refused(
                warning(tr("Only numerical characters are allowed!"), tr("Error data")));
        case ServiceEntryProblem::None:
            break;
    }
    return fileChangeOutcome(services.File(), added.change,
                             tr("This product and frequency were already added!"));
}

}  // namespace kelvo
