#pragma once

#include <string>
#include <vector>

#include "doc/Receipt.h"

class QImage;

namespace kelvo {

class DeviceFs;
class PaperColumn;
struct RecapRow;

// Lays a receipt out on the paper: plant, invoice, customer, lines, totals, payment, the
// signature picture (`signature`, may be null) and the time of settlement.
void layoutReceipt(PaperColumn& paper, const Receipt& receipt, const QImage& signature);

// Writes the receipt as a one-page PDF to a device path, with the signature picture read
// from its device path. False when it could not be written.
bool writeReceiptPdf(const DeviceFs& fs, const Receipt& receipt, const std::string& devicePath);

// The program's receipts: one-page PDFs written by writeReceiptPdf.
class PdfReceiptWriter : public ReceiptWriter {
public:
    bool write(const DeviceFs& fs, const Receipt& receipt, const std::string& devicePath) override {
        return writeReceiptPdf(fs, receipt, devicePath);
    }
};

// Lays the day recap out: its heading lines, then its rows.
void layoutRecap(PaperColumn& paper, const std::vector<std::string>& heading,
                 const std::vector<RecapRow>& rows);

// Writes the day recap as a one-page PDF to a device path. False when it could not be
// written.
bool writeRecapPdf(const DeviceFs& fs, const std::vector<std::string>& heading,
                   const std::vector<RecapRow>& rows, const std::string& devicePath);

}  // namespace kelvo
