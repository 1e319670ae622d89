#include "model/Functions.h"

#include "common/XmlReader.h"

namespace kelvo {

namespace {

CFunction readFunction(const XmlElement& e) {
    CFunction r;
    r.FunctionID = e.number("FunctionID");
    r.Description = e.text("Description");
    return r;
}

}  // namespace

CFunctions::CFunctions() : RecordList("Function_", &readFunction) {}

}  // namespace kelvo
