#include "model/InvoiceFile.h"

#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
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

InvoiceFileRead readInvoiceFile(const DeviceFs& fs, Prompter& prompter, const std::string& path,
                                XmlDocument& doc) {
    if (!doc.load(fs, path)) {
        prompter.inform(tr("Error Opening Invoice XML:") + path, tr("Load Error"));
        return InvoiceFileRead::Missing;
    }
    if (!doc.wellFormed()) {
        prompter.inform(tr("The invoice file is damaged and was not read: ") + path,
                        tr("Load Error"));
        return InvoiceFileRead::Damaged;
    }
    return InvoiceFileRead::Read;
}

void reportUnusableInvoiceNumber(Prompter& prompter, std::string_view numberText,
                                 std::string_view source) {
    std::string text = tr("This invoice number cannot name a file and was not read: ");
    text.append(numberText);
    if (!source.empty()) {
        text.append(" (").append(source).append(")");
    }
    prompter.inform(text, tr("Load Error"));
}

}  // namespace kelvo
