#pragma once

#include <string>
#include <string_view>

// What the open invoice and the stop's invoice list share in reading invoice files.
namespace kelvo {

class DeviceFs;
class Prompter;
class XmlDocument;

// Data root + "\VexXml\Inv_" + number text + ".xml"; "" when the text cannot be part of a
// file name (empty, a path separator, "..", a control character).
std::string invoiceFilePath(std::string_view dataRoot, std::string_view numberText);

// How reading an invoice file went.
enum class InvoiceFileRead { Read, Missing, Damaged };

// Reads and parses the invoice file at path into doc. A file that cannot be opened is reported
// as "Error Opening Invoice XML:" + path, one that is not well formed (empty included) as
// damaged, both with the caption "Load Error".
InvoiceFileRead readInvoiceFile(const DeviceFs& fs, Prompter& prompter, const std::string& path,
                                XmlDocument& doc);

// Reports an invoice number that cannot name a file; source (when not empty) says where the
// number came from.
void reportUnusableInvoiceNumber(Prompter& prompter, std::string_view numberText,
                                 std::string_view source);

}  // namespace kelvo
