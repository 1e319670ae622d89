#include "common/DataPaths.h"

namespace kelvo {

std::string dataRoot(std::string_view storageLocation) {
    return storageLocation.empty() ? std::string() : "\\" + std::string(storageLocation);
}

std::string dataFolder(std::string_view storageLocation) {
    return dataRoot(storageLocation) + "\\VexXml\\";
}

std::string exportCopyFolder(std::string_view storageLocation) {
    return dataFolder(storageLocation) + "Exported\\";
}

}  // namespace kelvo
