#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kelvo {

class DeviceFs;
class XmlDocument;
class XmlElement;

// What loading a customer's file did to a list.
enum class LoadResult {
    Unchanged,  // the list already held this customer: nothing was read
    Read,       // the file was read; the list holds its records
    Missing,    // there is no file (or only white space): the list is empty, the customer has none
    Damaged,    // the file exists but could not be read or is not well formed: the list is empty
    Refused,    // the customer number cannot be part of a file name: the list is empty
};

// What reading a customer's file found: how the load went, and how many numbers of its records
// lay beyond what a file carries (they were clamped).
struct FileRead {
    LoadResult result = LoadResult::Unchanged;
    std::size_t clampedNumbers = 0;

    // True when the list holds what the file holds: it was read, found missing or not read again.
    bool ok() const { return result != LoadResult::Damaged && result != LoadResult::Refused; }
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

// What became of a change asked of a list that the program writes to a file.
enum class FileChange {
    Done,        // changed and written
    Duplicate,   // refused: the list already holds such an entry
    Unreadable,  // refused: the file could not be read, so it must not be replaced
    NotWritten,  // the file could not be written; the list is left as it was
};

// dataRoot + "\VexXml\" + prefix + the customer number ("%.0f") + ".xml"; "" when the
// customer number cannot be part of a file name (isSafeNamePart). Every file the back office
// keeps one of per customer is named here.
std::string customerFilePath(std::string_view dataRoot, std::string_view prefix, double custId);

// One customer's file of a list, such as
// data root + "\VexXml\GarmentFlags_" + customer ("%.0f") + ".xml": which customer the list
// holds, where the file lies, and whether it may be written. A file that exists but cannot be
// read is never replaced: Write refuses until a later Open has read it.
class CustomerFile {
public:
    // prefix: the part of the file name before the customer ("GarmentFlags_").
    explicit CustomerFile(const char* prefix) : m_prefix(prefix) {}

    // Data root "" for an empty storage location, else "\" + storage location. A change of
    // root forgets the customer, so the next Open reads from the new place.
    void SetPath(const std::string& storageLocation);
    // The data root the file is read from and written to.
    const std::string& DataRoot() const { return m_DataRoot; }

    // True when the last Open read this customer's file (or found none): no need to read again.
    bool Holds(double custId) const { return m_opened && custId == m_CustID; }
    // The customer of the last Open; -1 before the first.
    double CustID() const { return m_CustID; }
    // Device path of the customer's file; "" when the customer cannot be part of a file name.
    std::string Path(double custId) const;
    // Device path of the file of the last Open's customer.
    std::string Path() const { return Path(m_CustID); }

    // Reads and parses the customer's file into doc, without a message: Read; Missing when
    // there is no file or it holds only white space (the customer has no records yet); Damaged
    // when it cannot be read or is not well formed; Refused when the customer cannot name a
    // file. Writable afterwards for Read and Missing only.
    LoadResult Open(const DeviceFs& fs, double custId, XmlDocument& doc);
    // Reads the customer's file, calling record() with each child element of its document
    // element in document order, without a message. Read, or Missing when there is no file or
    // it holds nothing but white space (no records). Damaged or Refused as Open gives them: no
    // record is passed on, and Write refuses. The caller reports what it found.
    FileRead Read(const DeviceFs& fs, double custId,
                  const std::function<void(const XmlElement&)>& record);
    // True when Write may replace the file: the last Open read the file or found none.
    bool Writable() const { return m_opened; }
    // Replaces the customer's file with content (atomically). False when not Writable or when
    // the file could not be written (the old file is then untouched).
    [[nodiscard]] bool Write(const DeviceFs& fs, std::string_view content) const;

    // Forgets the customer: the next Open reads again, Write refuses until then.
    void Forget();

private:
    const char* m_prefix;
    std::string m_DataRoot;
    double m_CustID = -1;
    bool m_opened = false;
};

}  // namespace kelvo
