#include "model/CustomerFiles.h"

#include <cmath>

#include "common/DeviceFs.h"
#include "common/Text.h"
#include "common/XmlReader.h"

namespace kelvo {

std::string customerFilePath(std::string_view dataRoot, std::string_view prefix, double custId) {
    const std::string customer = format("%.0f", custId);
    if (!std::isfinite(custId) || !isSafeNamePart(customer)) {
        return {};
    }
    std::string path(dataRoot);
    path.append("\\VexXml\\").append(prefix).append(customer).append(".xml");
    return path;
}

LoadResult readCustomerFile(const DeviceFs& fs, const std::string& path, XmlDocument& doc) {
    if (path.empty()) {
        return LoadResult::Refused;
    }
    if (!doc.load(fs, path)) {
        // Present but not readable (or over the size limit) is not the same as absent: what
        // it holds must not be taken for nothing.
        return fs.isFile(path) ? LoadResult::Damaged : LoadResult::Missing;
    }
    if (doc.wellFormed()) {
        return LoadResult::Read;
    }
    // An empty file holds nothing that could be lost: the customer simply has no records yet.
    std::string content;
    return fs.readFile(path, content) && content.find_first_not_of(" \t\r\n") == std::string::npos
               ? LoadResult::Missing
               : LoadResult::Damaged;
}

}  // namespace kelvo
