#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/InventoryLine.h"

namespace kelvo {

class XmlElement;

// Transaction codes of inventory transactions.
enum InventoryCode : std::int32_t {
    kAddWearer = 1,
    kQuitWearer = 2,
    kAddProduct = 3,
    kQuitProduct = 4,
    kExchangeProduct = 5,
    kQuantityDown = 6,
    kQuantityUp = 7,
};

// One inventory transaction: a change the driver made to a wearer or to a wearer's products,
// with the products concerned. The wearer fields are filled by add wearer; the other codes
// carry the wearer's WID.
struct CInventory {
    std::int32_t Code = 0;  // InventoryCode; any other value matches no query
    std::string ReasonCode;
    std::string Ref;
    std::string Rem;
    std::string WID;  // ID of the wearer in the wearer file; "" for a wearer added here
    double Nr = 0;
    std::string FName;
    std::string FirstName;
    std::string EmblemName;
    std::string Admin;
    double Dpt = 0;
    double Fun = 0;
    double LockID = 0;
    std::string Bank;
    std::string Lock;
    std::string WearerRem;
    std::string LastName;  // add wearer: the last name as typed; never written
    std::vector<CInventoryLine> Lines;

    // Appends a line and returns it.
    CInventoryLine& AddLine(double PID, double SID, double Qty, double Chg, double TID, double FID,
                            double Price, double OrgPID = 0, double OrgSID = 0,
                            std::string productKey = {}, std::string sizeKey = {});
    // The first line with this product and size; nullptr when none.
    const CInventoryLine* FindLine(double PID, double SID) const;
    CInventoryLine* FindLine(double PID, double SID);
    // The first line that replaces this product and size (OrgPID, OrgSID); nullptr when none.
    const CInventoryLine* FindOriginalLine(double OrgPID, double OrgSID) const;
    // True when FindLine / FindOriginalLine finds a line.
    bool HasLine(double PID, double SID) const { return FindLine(PID, SID) != nullptr; }
    bool HasOriginalLine(double OrgPID, double OrgSID) const {
        return FindOriginalLine(OrgPID, OrgSID) != nullptr;
    }
    // The first line; nullptr when there is none.
    const CInventoryLine* FirstLine() const { return Lines.empty() ? nullptr : &Lines.front(); }
    // Removes the first line (nothing when there is none).
    void RemoveFirstLine();
    // False while a make-a-like line has its product key but no size chosen yet.
    bool LinesComplete() const;

    // Reads one transaction element of the transaction file: numbers with the values the file
    // gives, texts as the file would carry them (see ToFileTexts).
    static CInventory Read(const XmlElement& e);
    // Appends the transaction as the transaction file holds it ("\r\n\t\t<Transaction>" ...).
    void AppendXml(std::string& out, int priceDecimals) const;
    // Brings the texts to what the transaction file carries, so that writing and reading the
    // transaction gives them back unchanged: at most 255 characters with "\r\n" line breaks
    // and no control characters; the texts that are never written are emptied. Numbers keep
    // their values: the file rounds them as it writes them.
    void ToFileTexts();

    bool operator==(const CInventory&) const = default;
};

}  // namespace kelvo
