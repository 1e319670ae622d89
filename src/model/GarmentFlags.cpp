#include "model/GarmentFlags.h"

#include "common/Text.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr std::string_view kFlagField = "\r\n\t\t";

CGarmentFlag readGarmentFlag(const XmlElement& e) {
    CGarmentFlag r;
    r.ID = e.text("ID");
    r.FlagID = fileNumber(e.number("FlagID"), 0);
    r.Remark = e.text("Remark");
    return r;
}

void writeFlag(std::string& out, const CGarmentFlag& r) {
    // The code is escaped like the remark: a code from a damaged file must not break the file.
    appendTextElement(out, kFlagField, "ID", r.ID);
    appendFixedElement(out, kFlagField, "FlagID", r.FlagID, 0);
    appendTextElement(out, kFlagField, "Remark", r.Remark);
}

bool sameFlag(const CGarmentFlag& a, const CGarmentFlag& b) {
    return a.ID == b.ID && a.FlagID == b.FlagID;
}

}  // namespace

CGarmentFlags::CGarmentFlags()
    : GarmentList("GarmentFlags_", "GarmentFlags", &readGarmentFlag, &writeFlag, &sameFlag) {}

}  // namespace kelvo
