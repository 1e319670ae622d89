#include "model/Products.h"

#include "common/XmlReader.h"

namespace kelvo {

namespace {

CProduct readProduct(const XmlElement& e) {
    CProduct r;
    r.ProductID = e.number("ProductID");
    r.Code = e.text("Code");
    r.Description = e.text("Description");
    e.child("Sizes").forEachChild([&r](const XmlElement& size) {
        r.Sizes.push_back(CProductSize{size.text("Code"), size.number("SizeID")});
    });
    return r;
}

// std::string compares bytes as unsigned characters: upper case before lower case, and
// accented ISO-8859-1 letters after both.
bool byDescription(const CProduct& a, const CProduct& b) {
    return a.Description < b.Description;
}

}  // namespace

CProducts::CProducts() : RecordList("Products.xml", &readProduct, &byDescription) {}

}  // namespace kelvo
