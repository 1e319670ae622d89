// One <Stop> record: what the route file writes of it, read and written again, is the same
// bytes.
#include "FuzzSupport.h"
#include "common/XmlReader.h"
#include "model/Stop.h"

using namespace kelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    XmlDocument doc;
    doc.parse(fuzz::input(data, size));
    if (!doc.wellFormed()) {
        return 0;
    }
    const std::string written = CStop::Read(doc.root(), "20061204", 7).ToXml();
    KELVO_FUZZ_CHECK(fuzz::wellWritten(written));
    XmlDocument again;
    again.parse(written);
    KELVO_FUZZ_CHECK(again.wellFormed());
    KELVO_FUZZ_CHECK(CStop::Read(again.root(), "20061204", 7).ToXml() == written);
    return 0;
}
