#include "model/Flags.h"

#include "common/XmlReader.h"

namespace kelvo {

namespace {

CFlag readFlag(const XmlElement& e) {
    CFlag r;
    r.FlagID = e.number("FlagID");
    r.Description = e.text("Description");
    return r;
}

}  // namespace

CFlags::CFlags() : RecordList("Flags.xml", &readFlag) {}

}  // namespace kelvo
