#include "model/FlatGoodProducts.h"

#include "common/XmlReader.h"

namespace kelvo {

namespace {

CProdGroup readGroup(const XmlElement& e) {
    CProdGroup g;
    g.pgdesc = e.text("pgdesc");
    const XmlElement products = e.child("products");
    g.products.reserve(products.childCount());
    products.forEachChild([&g](const XmlElement& p) {
        CFlatProduct& product = g.products.emplace_back();
        product.pcode = p.text("pcode");
        product.pdesc = p.text("pdesc");
        p.child("prices").forEachChild([&product](const XmlElement& price) {
            product.prices.push_back({price.number("price"), price.text("fcode")});
        });
    });
    return g;
}

}  // namespace

CFlatGoodProducts::CFlatGoodProducts() : RecordList("Flatgoodproducts.xml", &readGroup) {}

const CProdGroup* CFlatGoodProducts::FindGroup(std::string_view pgdesc) const {
    return Find([pgdesc](const CProdGroup& g) { return g.pgdesc == pgdesc; });
}

std::string CFlatGoodProducts::DescriptionOf(std::string_view pcode) const {
    for (const CProdGroup& g : *this) {
        for (const CFlatProduct& p : g.products) {
            if (p.pcode == pcode) {
                return p.pdesc;
            }
        }
    }
    return {};
}

}  // namespace kelvo
