#include "model/ContactCategories.h"

#include "common/XmlReader.h"

namespace kelvo {

namespace {

CContactCategory readContactCategory(const XmlElement& e) {
    CContactCategory r;
    r.Code = e.text("Code");
    r.Description = e.text("Description");
    return r;
}

}  // namespace

CContactCategories::CContactCategories()
    : RecordList("ContactCategory.xml", &readContactCategory) {}

}  // namespace kelvo
