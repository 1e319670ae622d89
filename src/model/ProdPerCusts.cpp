#include "model/ProdPerCusts.h"

#include "common/Text.h"
#include "common/XmlReader.h"

namespace kelvo {

namespace {

CProdPerCust readProdPerCust(const XmlElement& e) {
    CProdPerCust r;
    r.ProdID = e.number("ProdID");
    // Each child of FinMethods holds one finishing method id as its own text.
    e.child("FinMethods").forEachChild([&r](const XmlElement& method) {
        r.FinMethods.push_back(toDouble(method.ownText()));
    });
    return r;
}

bool byProdId(const CProdPerCust& a, const CProdPerCust& b) {
    return a.ProdID < b.ProdID;
}

}  // namespace

CProdPerCusts::CProdPerCusts() : RecordList("CustomerProduct_", &readProdPerCust, &byProdId) {}

}  // namespace kelvo
