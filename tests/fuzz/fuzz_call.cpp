// A call file, read through the call list of a stop: saved and read again, unchanged.
#include "FuzzSupport.h"
#include "model/CallList.h"
#include "model/Route.h"

using namespace kelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceFs& fs = fuzz::device().fs();
    const std::string id = "200612040007000100000000471101";
    fuzz::put("\\VexXml\\Call_" + id + ".xml", fuzz::input(data, size));
    CRoute route;
    CStop stop;
    stop.StopNumber = 1;
    stop.CustomerNumber = 4711;
    stop.AddCall(id, callPrefix("20061204", 0, 1, 4711));
    CCallList first, second;
    first.Load(fs, route, stop);
    if (first.Count() != 1) {
        return 0;
    }
    KELVO_FUZZ_CHECK(first.At(0).Save(fs, ""));
    KELVO_FUZZ_CHECK(fuzz::wellWritten(fuzz::device().read("\\VexXml\\Call_" + id + ".xml")));
    second.Load(fs, route, stop);
    KELVO_FUZZ_CHECK(second.Count() == 1);
    KELVO_FUZZ_CHECK(first.At(0) == second.At(0));
    return 0;
}
