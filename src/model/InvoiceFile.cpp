#include "model/InvoiceFile.h"

#include "common/Text.h"
#include "common/XmlReader.h"

namespace kelvo {

std::string invoiceFilePath(std::string_view dataRoot, std::string_view numberText) {
    if (!isSafeNamePart(numberText)) {
        return {};
    }
    std::string path(dataRoot);
    path.append("\\VexXml\\Inv_").append(numberText).append(".xml");
    return path;
}

InvoiceFileRead readInvoiceFile(const DeviceFs& fs, const std::string& path, XmlDocument& doc) {
    if (!doc.load(fs, path)) {
        return InvoiceFileRead::Missing;
    }
    if (!doc.wellFormed()) {
        return InvoiceFileRead::Damaged;
    }
    return InvoiceFileRead::Read;
}

}  // namespace kelvo
