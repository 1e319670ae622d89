#include "model/GarmentsToReplace.h"

#include "common/XmlReader.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr std::string_view kGarmentField = "\r\n\t\t";

CGarmentReplace readReplace(const XmlElement& e) {
    CGarmentReplace r;
    r.ID = e.text("ID");
    r.Reason = e.text("Reason");
    r.Ref = e.text("Ref");
    return r;
}

void writeReplace(std::string& out, const CGarmentReplace& r) {
    // Codes are escaped like the reference: a code from a damaged file must not break the file.
    appendTextElement(out, kGarmentField, "ID", r.ID);
    appendTextElement(out, kGarmentField, "Reason", r.Reason);
    appendTextElement(out, kGarmentField, "Ref", r.Ref);
}

bool sameReplace(const CGarmentReplace& a, const CGarmentReplace& b) {
    return a.ID == b.ID && a.Reason == b.Reason;
}

}  // namespace

CGarmentsToReplace::CGarmentsToReplace()
    : GarmentList("GarmentsToReplace_", "GarmentToReplaces", &readReplace, &writeReplace,
                  &sameReplace) {}

}  // namespace kelvo
