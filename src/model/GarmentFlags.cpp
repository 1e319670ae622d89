#include "model/GarmentFlags.h"

#include "common/Text.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"
#include "model/StoredValues.h"

namespace kelvo {

namespace {

constexpr std::string_view kField = "\r\n\t\t";

CGarmentFlag readFlag(const XmlElement& e) {
    CGarmentFlag r;
    r.ID = storedText(e.text("ID"));
    r.FlagID = storedWhole(e.number("FlagID"));
    r.Remark = storedText(e.text("Remark"));
    return r;
}

void writeFlag(std::string& out, const CGarmentFlag& r) {
    // The code is escaped like the remark: a code from a damaged file must not break the file.
    appendTextElement(out, kField, "ID", storedText(r.ID));
    appendElement(out, kField, "FlagID", format("%.0f", storedWhole(r.FlagID)));
    appendTextElement(out, kField, "Remark", storedText(r.Remark));
}

bool sameFlag(const CGarmentFlag& a, const CGarmentFlag& b) {
    return a.ID == b.ID && a.FlagID == b.FlagID;
}

}  // namespace

CGarmentFlags::CGarmentFlags()
    : GarmentList("GarmentFlags_", "GarmentFlags", &readFlag, &writeFlag, &sameFlag) {}

}  // namespace kelvo
