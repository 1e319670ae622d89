#pragma once

#include <string>
#include <string_view>

// What the open invoice and the stop's invoice list share in reading invoice files.
namespace kelvo {

class DeviceFs;
class XmlDocument;

// Data root + "\VexXml\Inv_" + number text + ".xml"; "" when the text cannot be part of a
// file name (empty, a path separator, "..", a control character).
std::string invoiceFilePath(std::string_view dataRoot, std::string_view numberText);

// How reading an invoice file went.
enum class InvoiceFileRead {
    Read,
    Missing,  // the file cannot be opened
    Damaged,  // the file is not well formed (empty included)
    Refused,  // the invoice number cannot name a file: nothing was read
};

// An invoice file that was not read: what went wrong, and the file's path (for Refused, the
// number's text instead, since it names no file).
struct InvoiceFileProblem {
    InvoiceFileRead result = InvoiceFileRead::Missing;
    std::string name;

    bool operator==(const InvoiceFileProblem&) const = default;
};

// Reads and parses the invoice file at path into doc: Read, Missing or Damaged.
InvoiceFileRead readInvoiceFile(const DeviceFs& fs, const std::string& path, XmlDocument& doc);

}  // namespace kelvo
