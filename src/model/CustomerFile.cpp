#include "model/CustomerFile.h"

#include <algorithm>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileWriter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "common/XmlReader.h"

namespace kelvo {

namespace {

bool isBlankText(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

}  // namespace

void CustomerFile::SetPath(const std::string& storageLocation) {
    const std::string root = dataRoot(storageLocation);
    if (root != m_DataRoot) {
        m_DataRoot = root;
        m_opened = false;
    }
}

std::string CustomerFile::Path(double custId) const {
    const std::string customer = format("%.0f", custId);
    if (!isSafeNamePart(customer)) {
        return {};
    }
    return m_DataRoot + "\\VexXml\\" + m_prefix + customer + ".xml";
}

bool CustomerFile::Read(const DeviceFs& fs, double custId, Prompter& prompter,
                        const std::function<void(const XmlElement&)>& record) {
    m_CustID = custId;
    m_opened = false;
    const std::string path = Path(custId);
    if (path.empty()) {
        prompter.inform(format(tr("The customer number %.0f cannot name a file.").c_str(), custId),
                        tr("Load Error"));
        return false;
    }
    if (!fs.isFile(path)) {
        m_opened = true;  // nothing written for this customer yet
        return true;
    }
    std::string content;
    XmlDocument doc;
    if (fs.readFile(path, content)) {
        // An empty file holds nothing that could be lost by writing over it.
        if (isBlankText(content)) {
            m_opened = true;
            return true;
        }
        doc.parse(content);
        m_opened = doc.wellFormed();
    }
    if (!m_opened) {
        prompter.inform(format(tr("Cannot read %s. The file is kept as it is, and nothing is "
                                  "saved to it until it can be read.")
                                   .c_str(),
                               path.c_str()),
                        tr("Load Error"));
        return false;
    }
    doc.root().forEachChild(record);
    return true;
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
