// The properties file: the storage location it gives can name a folder below the device root
// only, and written back it reads the same; the belt printer set on a later line stays set,
// and what it names is a device file or a host with a port.
#include "FuzzSupport.h"
#include "common/DataPaths.h"
#include "common/PrinterLink.h"
#include "common/Properties.h"
#include "common/Text.h"

using namespace kelvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DeviceFs& fs = fuzz::device().fs();
    fuzz::put(propertiesPath(), fuzz::input(data, size));
    std::string refused;
    const std::string location = readStorageLocation(fs, &refused);
    const auto printer = readProperty(fs, "BeltPrinter");
    if (printer) {
        if (const auto address = parsePrinterAddress(*printer)) {
            KELVO_FUZZ_CHECK(address->Device.empty() != address->Host.empty());
            KELVO_FUZZ_CHECK(address->Device.empty() || address->Device[0] == '/');
            KELVO_FUZZ_CHECK(address->Port >= 1 && address->Port <= 65535);
        }
    }
    KELVO_FUZZ_CHECK(location.empty() || isSafeNamePart(location));
    KELVO_FUZZ_CHECK(location.empty() || refused.empty());
    const auto folder = fs.hostPath(dataFolder(location));
    KELVO_FUZZ_CHECK(folder && folder->string().rfind(fs.root().string(), 0) == 0);
    KELVO_FUZZ_CHECK(writeStorageLocation(fs, location));
    KELVO_FUZZ_CHECK(readStorageLocation(fs) == location);
    KELVO_FUZZ_CHECK(readProperty(fs, "BeltPrinter") == printer);
    return 0;
}
