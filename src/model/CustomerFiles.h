#pragma once

#include <string>
#include <string_view>

// The files the back office keeps one of per customer (wearers, inventory transactions):
// how they are named and what loading one did.
namespace kelvo {

class DeviceFs;
class XmlDocument;

// What loading a customer's file did to a list.
enum class LoadResult {
    Unchanged,  // the list already held this customer: nothing was read
    Read,       // the file was read; the list holds its records
    Missing,    // there is no file: the list is empty, the customer has none
    Damaged,    // the file exists but could not be read or is not well formed: the list is empty
    Refused,    // the customer number cannot be part of a file name: the list is empty
};

// What a change written to a customer's file did. Anything but Saved left the list and the
// file as they were.
enum class ChangeResult {
    Saved,          // the list changed and the file was rewritten
    NotFound,       // nothing to commit, or nothing that matches to cancel
    Refused,        // the customer's file was not read (damaged, refused name, not loaded):
                    // writing would replace what could not be read
    OtherCustomer,  // the pending transaction was built for another customer
    WriteFailed,    // the file could not be written
};

// dataRoot + "\VexXml\" + prefix + the customer number ("%.0f") + ".xml"; "" when the
// customer number cannot be part of a file name.
std::string customerFilePath(std::string_view dataRoot, std::string_view prefix, double custId);

// Reads and parses the file at path into doc: Read; Missing when there is no file or it holds
// only white space; Damaged when it cannot be read or is not well formed; Refused for "".
LoadResult readCustomerFile(const DeviceFs& fs, const std::string& path, XmlDocument& doc);

}  // namespace kelvo
