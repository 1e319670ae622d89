#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/InvoiceFile.h"
#include "model/InvoiceHeader.h"
#include "model/InvoiceItem.h"

namespace kelvo {

class DeviceFs;
class XmlElement;

// What loading the open invoice found: how reading its file went, and how many numbers of the
// file lay beyond what a file carries (they were clamped).
struct InvoiceLoad {
    InvoiceFileRead result = InvoiceFileRead::Read;
    std::size_t clampedNumbers = 0;

    // True when the invoice asked for is the one held.
    bool ok() const { return result == InvoiceFileRead::Read; }
};

// The invoice open on the screens: its header, its lines in line order (LineNumber compared
// unsigned, then Code; equal lines in the order they came), its file
// data root + "\VexXml\Inv_<number>.xml", and the arithmetic that keeps the totals in step
// with the lines. Owns its lines.
//
// It holds the fields of CInvoiceHeader itself instead of deriving from it: the header's
// PayThisAmount and UndeliverReasonCode would be second copies that the open invoice never
// fills, next to its own.
class CInvoice {
public:
    // The data root: "" for an empty storage location, else "\" + it.
    void SetPath(std::string_view storageLocation);
    const std::string& StoragePath() const { return m_StoragePath; }
    // Data root + "\VexXml\Inv_" + InvoiceNumber ("%.0f") + ".xml"; "" when the number is
    // not finite.
    std::string FilePath() const;

    // Makes the invoice with this number the open one. When it is the invoice held already,
    // returns true without reading, so changes in memory stay. Otherwise takes the number and
    // reads the file. When the number cannot name a file (Refused), or the file cannot be
    // opened (Missing) or is damaged (Damaged), header and lines of the previous invoice stay,
    // the next Load reads again and Save refuses to write them. Says nothing to the driver:
    // the caller reports the result.
    InvoiceLoad Load(const DeviceFs& fs, double invoiceNumber);
    // Rewrites the invoice file from memory (atomically). False when it could not be
    // written, or when the last Load failed (nothing is then written).
    [[nodiscard]] bool Save(const DeviceFs& fs) const;
    // The invoice file's content.
    std::string ToXml() const;
    // True after a successful Load (or SetInvoiceNumber), until a failed Load.
    bool HoldsInvoice() const { return m_holdsInvoice; }

    // Number of lines.
    std::size_t LineCount() const { return m_Items.size(); }
    // The line at a list position (0 <= index < LineCount(), else std::out_of_range).
    const CInvoiceItem& Line(std::size_t index) const { return m_Items.at(index); }
    // Takes a line into the list in line order, after the lines equal to it.
    void AddLine(CInvoiceItem line);
    // Position of the first line of this type and, when code is not empty, this Code.
    std::optional<std::size_t> FindLine(std::int16_t lineType, std::string_view code) const;
    // Appends the positions of the product-level lines: Rent and Wash lines without SizeCode.
    void ProductLines(std::vector<std::size_t>& positions) const;

    // Gives line `index` the adjustment amount and recomputes the special charges computed
    // over it, the Minimum Charge line, every Tax line and the totals (rounded to cents);
    // PayThisAmount becomes PrebilledAmount + TotalPlusAdjustments - TotalMinusAdjustments.
    // Does not save. False, changing nothing, for an index out of range or an amount that is
    // not a finite number.
    bool AdjustLine(std::size_t index, double amount);

    // Before settlement: false when a line without PickUpQty has a SER other than 0 and 2
    // (the driver must enter it).
    bool PickUpsEntered() const;
    // Gives every line without PickUpQty whose SER is 2 its QtyToPick. True when any line got
    // one: the file is then to be saved. Does not save.
    bool FillPickUps();

    // What the driver enters on a line (index as for Line; std::out_of_range beyond it).
    void SetPickUpQty(std::size_t index, std::string v) {
        m_Items.at(index).PickUpQty = std::move(v);
    }
    void SetAdjustmentQuantity(std::size_t index, double v) {
        m_Items.at(index).AdjustmentQuantity = v;
    }
    void SetAdjustmentDeliveredQuantity(std::size_t index, double v) {
        m_Items.at(index).AdjustmentDeliveredQuantity = v;
    }
    void SetAdjustmentReasonCode(std::size_t index, std::string v) {
        m_Items.at(index).AdjustmentReasonCode = std::move(v);
    }
    void SetOrderingReasonCode(std::size_t index, std::string v) {
        m_Items.at(index).OrderingReasonCode = std::move(v);
    }
    void SetOrderQty(std::size_t index, double v) { m_Items.at(index).OrderQty = v; }
    void SetFutureInv(std::size_t index, double v) { m_Items.at(index).FutureInv = v; }

    // The invoice number; SetInvoiceNumber starts an invoice built in memory under this number
    // (held as if loaded).
    double InvoiceNumber() const { return m_InvoiceNumber; }
    void SetInvoiceNumber(double v);
    // Identifier from the back office, written back as read.
    const std::string& ID() const { return m_ID; }
    void SetID(std::string v) { m_ID = std::move(v); }
    // "yyyyMMdd".
    const std::string& InvoiceDate() const { return m_InvoiceDate; }
    void SetInvoiceDate(std::string v) { m_InvoiceDate = std::move(v); }
    // 'Y' for cash on delivery, anything else for a charge to the account.
    char COD() const { return m_COD; }
    void SetCOD(char v) { m_COD = v; }
    // Amount prepared by the back office, and the least amount the invoice is to reach.
    double PrebilledAmount() const { return m_PrebilledAmount; }
    void SetPrebilledAmount(double v) { m_PrebilledAmount = v; }
    double MinimumInvoiceAmount() const { return m_MinimumInvoiceAmount; }
    void SetMinimumInvoiceAmount(double v) { m_MinimumInvoiceAmount = v; }
    // Sums of the positive / magnitude of the negative adjustments that count; the amount due.
    // Kept by AdjustLine.
    double TotalPlusAdjustments() const { return m_TotalPlusAdjustments; }
    double TotalMinusAdjustments() const { return m_TotalMinusAdjustments; }
    double PayThisAmount() const { return m_PayThisAmount; }

    // Settlement and the undeliverable stop.
    double CashCollected() const { return m_CashCollected; }
    void SetCashCollected(double v) { m_CashCollected = v; }
    const std::string& UndeliverReasonCode() const { return m_UndeliverReasonCode; }
    void SetUndeliverReasonCode(std::string v) { m_UndeliverReasonCode = std::move(v); }
    const std::string& PersonIdentification() const { return m_PersonIdentification; }
    void SetPersonIdentification(std::string v) { m_PersonIdentification = std::move(v); }
    // kSettledStatus once settled.
    const std::string& Status() const { return m_Status; }
    void SetStatus(std::string v) { m_Status = std::move(v); }
    // True once the invoice is settled.
    bool IsSettled() const { return m_Status == kSettledStatus; }
    // Marks the invoice settled.
    void SetSettled() { m_Status = kSettledStatus; }
    const std::string& CheckNumber() const { return m_CheckNumber; }
    void SetCheckNumber(std::string v) { m_CheckNumber = std::move(v); }

private:
    void ReadFrom(const XmlElement& invoice);
    CInvoiceItem* FindLineItem(std::int16_t lineType, std::string_view code);
    double RecalcSpecialCharge(const std::string& code, double oldBase, double newBase);
    void RecalcMinimumCharge();
    void RecalcTaxLines();
    void AddToTotals(double x);
    void RemoveFromTotals(double x);

    double m_InvoiceNumber = 0.0;
    std::string m_InvoiceDate;
    char m_COD = 'N';
    std::string m_Status;
    std::string m_CheckNumber;
    std::vector<CInvoiceItem> m_Items;
    std::string m_ID;
    double m_PrebilledAmount = 0.0;
    double m_TotalPlusAdjustments = 0.0;
    double m_TotalMinusAdjustments = 0.0;
    double m_PayThisAmount = 0.0;
    double m_CashCollected = 0.0;
    std::string m_UndeliverReasonCode;
    std::string m_PersonIdentification;
    double m_MinimumInvoiceAmount = 0.0;
    std::string m_StoragePath;
    bool m_holdsInvoice = false;
    bool m_loadFailed = false;
};

}  // namespace kelvo
