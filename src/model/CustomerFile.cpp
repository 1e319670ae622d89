#include "model/CustomerFile.h"

#include <cmath>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileValues.h"
#include "common/FileWriter.h"
#include "common/Text.h"
#include "common/Translate.h"
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

void CustomerFile::SetPath(const std::string& storageLocation) {
    const std::string root = dataRoot(storageLocation);
    if (root != m_DataRoot) {
        m_DataRoot = root;
        m_opened = false;
    }
}

std::string CustomerFile::Path(double custId) const {
    return customerFilePath(m_DataRoot, m_prefix, custId);
}

void CustomerFile::Forget() {
    m_CustID = -1;
    m_opened = false;
}

LoadResult CustomerFile::Open(const DeviceFs& fs, double custId, XmlDocument& doc) {
    m_CustID = custId;
    m_opened = false;
    const std::string path = Path(custId);
    if (path.empty()) {
        return LoadResult::Refused;
    }
    if (!doc.load(fs, path)) {
        // Present but not readable (or over the size limit) is not the same as absent: what it
        // holds must not be taken for nothing.
        if (fs.isFile(path)) {
            return LoadResult::Damaged;
        }
        m_opened = true;  // nothing written for this customer yet
        return LoadResult::Missing;
    }
    if (doc.wellFormed()) {
        m_opened = true;
        return LoadResult::Read;
    }
    // An empty file holds nothing that could be lost by writing over it.
    std::string content;
    if (fs.readFile(path, content) && content.find_first_not_of(" \t\r\n") == std::string::npos) {
        m_opened = true;
        return LoadResult::Missing;
    }
    return LoadResult::Damaged;
}

FileRead CustomerFile::Read(const DeviceFs& fs, double custId,
                           const std::function<void(const XmlElement&)>& record) {
    XmlDocument doc;
    FileRead read{Open(fs, custId, doc), 0};
    if (read.result == LoadResult::Read) {
        doc.root().forEachChild(record);
        read.clampedNumbers = doc.clampedNumbers();
    }
    return read;
}

bool CustomerFile::Write(const DeviceFs& fs, std::string_view content) const {
    const std::string path = Path();
    return m_opened && !path.empty() && writeFileAtomic(fs, path, content);
}

}  // namespace kelvo
