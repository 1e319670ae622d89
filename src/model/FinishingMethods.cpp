#include "model/FinishingMethods.h"

#include "common/XmlReader.h"

namespace kelvo {

namespace {

CFinishingMethod readFinishingMethod(const XmlElement& e) {
    CFinishingMethod r;
    r.ID = e.number("ID");
    r.Desc = e.text("Desc");
    return r;
}

}  // namespace

CFinishingMethods::CFinishingMethods() : RecordList("FinishingMethods.xml", &readFinishingMethod) {}

}  // namespace kelvo
