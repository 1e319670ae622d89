#pragma once

// The files of a settlement that the screens' layer draws, as plain bytes for the tests of the
// core: written as the program writes its files (atomically, folders created), so that faults
// and kills reach them.

#include <string>
#include <vector>

#include "common/DeviceFs.h"
#include "common/FileWriter.h"
#include "doc/Receipt.h"
#include "doc/SettleOps.h"

namespace kelvo::test {

// The receipt as a few lines of text: invoice, payment, signature and time of settlement. The
// receipts handed on after their settlement are listed by path.
class TextReceipts : public ReceiptWriter {
public:
    bool write(const DeviceFs& fs, const Receipt& r, const std::string& devicePath) override {
        return fs.createFolder(devicePath.substr(0, devicePath.rfind('\\'))) &&
               writeFileAtomic(
                   fs, devicePath,
                   r.Invoice + "\n" + r.PaidBy + "\n" + r.SignedBy + "\n" + r.SettledAt + "\n");
    }
    void settled(const DeviceFs&, const Receipt&, const std::string& devicePath) override {
        handedOn.push_back(devicePath);
    }

    std::vector<std::string> handedOn;
};

// The customer's signature picture: a few bytes stand for the bitmap.
inline SignatureWriter signatureBytes(const DeviceFs& fs) {
    return [&fs](const std::string& devicePath) {
        return writeFileAtomic(fs, devicePath, "BM signature");
    };
}

}  // namespace kelvo::test
