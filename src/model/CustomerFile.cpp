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

bool CustomerFile::Read(const DeviceFs& fs, double custId, Prompter& prompter,
                        const std::function<void(const XmlElement&)>& record) {
    XmlDocument doc;
    switch (Open(fs, custId, doc)) {
        case LoadResult::Refused:
            prompter.inform(
                format(tr("The customer number %.0f cannot name a file.").c_str(), custId),
                tr("Load Error"));
            return false;
        case LoadResult::Damaged:
            prompter.inform(format(tr("Cannot read %s. The file is kept as it is, and nothing is "
                                      "saved to it until it can be read.")
                                       .c_str(),
                                   Path().c_str()),
                            tr("Load Error"));
            return false;
        case LoadResult::Read:
            doc.root().forEachChild(record);
            reportClampedNumbers(prompter, Path(), doc.clampedNumbers());
            return true;
        default:
            return true;
    }
}

bool CustomerFile::Write(const DeviceFs& fs, std::string_view content) const {
    const std::string path = Path();
    return m_opened && !path.empty() && writeFileAtomic(fs, path, content);
}

std::optional<Message> CustomerFile::Report(FileChange change, const std::string& duplicate) const {
    switch (change) {
        case FileChange::Done:
            return std::nullopt;
        case FileChange::Duplicate:
            return Message{duplicate, tr("Invalid data"), MessageIcon::Warning, MessageButtons::Ok};
        case FileChange::Unreadable:
            return Message{format(tr("%s could not be read, so nothing is saved to it.").c_str(),
                                  Path().c_str()),
                           tr("Error data files"), MessageIcon::Warning, MessageButtons::Ok};
        case FileChange::NotWritten:
            return Message{format(tr("%s could not be written.").c_str(), Path().c_str()),
                           tr("Error data files"), MessageIcon::Warning, MessageButtons::Ok};
    }
    return std::nullopt;
}

}  // namespace kelvo
