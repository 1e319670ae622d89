#include "model/Frequencies.h"

#include "common/XmlReader.h"

namespace kelvo {

namespace {

CFrequency readFrequency(const XmlElement& e) {
    CFrequency r;
    // The file uses lower-case tags; "Code" or "Desc" are other tags and read as "".
    r.code = e.text("code");
    r.desc = e.text("desc");
    return r;
}

}  // namespace

CFrequencies::CFrequencies() : RecordList("Frequency.xml", &readFrequency) {}

}  // namespace kelvo
