#include "model/Inventory.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "common/FileValues.h"
#include "common/Text.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr std::string_view kInventoryField = "\r\n\t\t\t";
constexpr std::string_view kLineField = "\r\n\t\t\t\t\t";

// "%.0f" with halves away from zero, as the file's other numbers round.
void appendWhole(std::string& out, std::string_view line, std::string_view tag, double value) {
    appendFixedElement(out, line, tag, value, 0);
}

// True when the text is in file form already: no control character (line breaks included)
// and not only spaces, or empty. Most texts read from the file are, and keep their storage.
bool isPlainFileText(std::string_view text) {
    bool blank = true;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            return false;
        }
        blank = blank && c == ' ';
    }
    return text.size() <= kMaxFieldLength && (!blank || text.empty());
}

// A text brought to what the file carries back (fileText), at most 255 characters as a reader
// keeps them, with "\r\n" line breaks as the transaction file writes them.
void toFileText(std::string& text) {
    if (isPlainFileText(text)) {
        return;
    }
    text = normaliseLineBreaks(fileText(std::string_view(text).substr(0, kMaxFieldLength)));
}

}  // namespace

CInventoryLine& CInventory::AddLine(double PID, double SID, double Qty, double Chg, double TID,
                                    double FID, double Price, double OrgPID, double OrgSID,
                                    std::string productKey, std::string sizeKey) {
    return Lines.emplace_back(CInventoryLine{PID, SID, Qty, Chg, TID, FID, Price, OrgPID, OrgSID,
                                             std::move(productKey), std::move(sizeKey)});
}

const CInventoryLine* CInventory::FindLine(double PID, double SID) const {
    const auto it = std::find_if(Lines.begin(), Lines.end(), [&](const CInventoryLine& l) {
        return l.PID == PID && l.SID == SID;
    });
    return it == Lines.end() ? nullptr : &*it;
}

CInventoryLine* CInventory::FindLine(double PID, double SID) {
    return const_cast<CInventoryLine*>(std::as_const(*this).FindLine(PID, SID));
}

const CInventoryLine* CInventory::FindOriginalLine(double OrgPID, double OrgSID) const {
    const auto it = std::find_if(Lines.begin(), Lines.end(), [&](const CInventoryLine& l) {
        return l.OrgPID == OrgPID && l.OrgSID == OrgSID;
    });
    return it == Lines.end() ? nullptr : &*it;
}

void CInventory::RemoveFirstLine() {
    if (!Lines.empty()) {
        Lines.erase(Lines.begin());
    }
}

bool CInventory::LinesComplete() const {
    return std::none_of(Lines.begin(), Lines.end(), [](const CInventoryLine& l) {
        return l.SizeKey.empty() && !l.ProductKey.empty();
    });
}

CInventory CInventory::Read(const XmlElement& e) {
    CInventory t;
    t.Code = e.whole("Code");
    t.ReasonCode = e.text("ReasonCode");
    t.Ref = e.text("Ref");
    t.Rem = e.text("Rem");
    t.WID = e.text("WID");
    t.Nr = e.number("Nr");
    t.FName = e.text("FName");
    t.FirstName = e.text("FirstName");
    t.EmblemName = e.text("EmblemName");
    t.Admin = e.text("Admin");
    t.Dpt = e.number("Dpt");
    t.Fun = e.number("Fun");
    t.LockID = e.number("LockID");
    t.Bank = e.text("Bank");
    t.Lock = e.text("Lock");
    t.WearerRem = e.text("WearerRem");
    const XmlElement inventory = e.child("Inventory");
    t.Lines.reserve(inventory.childCount());
    inventory.forEachChild([&t](const XmlElement& p) {
        CInventoryLine& l = t.Lines.emplace_back();
        // In the order the file writes them.
        l.PID = p.number("PID");
        l.SID = p.number("SID");
        l.FID = p.number("FID");
        l.Qty = p.number("Qty");
        l.Chg = p.number("Chg");
        l.TID = p.number("TID");
        l.Price = p.number("Price");
        l.OrgPID = p.number("OrgPID");
        l.OrgSID = p.number("OrgSID");
    });
    t.ToFileTexts();
    return t;
}

void CInventory::AppendXml(std::string& out, int priceDecimals) const {
    out.append("\r\n\t\t<Transaction>");
    appendWholeElement(out, kInventoryField, "Code", Code);
    appendTextElement(out, kInventoryField, "ReasonCode", ReasonCode);
    appendTextElement(out, kInventoryField, "Ref", Ref);
    appendTextElement(out, kInventoryField, "Rem", Rem);
    appendTextElement(out, kInventoryField, "WID", WID);
    appendWhole(out, kInventoryField, "Nr", Nr);
    appendTextElement(out, kInventoryField, "FName", FName);
    appendTextElement(out, kInventoryField, "FirstName", FirstName);
    appendTextElement(out, kInventoryField, "EmblemName", EmblemName);
    appendTextElement(out, kInventoryField, "Admin", Admin);
    appendWhole(out, kInventoryField, "Dpt", Dpt);
    appendWhole(out, kInventoryField, "Fun", Fun);
    appendWhole(out, kInventoryField, "LockID", LockID);
    appendTextElement(out, kInventoryField, "Bank", Bank);
    appendTextElement(out, kInventoryField, "Lock", Lock);
    appendTextElement(out, kInventoryField, "WearerRem", WearerRem);
    out.append("\r\n\t\t\t<Inventory>");
    for (const CInventoryLine& l : Lines) {
        out.append("\r\n\t\t\t\t<Product>");
        appendWhole(out, kLineField, "PID", l.PID);
        appendWhole(out, kLineField, "SID", l.SID);
        appendWhole(out, kLineField, "FID", l.FID);
        appendWhole(out, kLineField, "Qty", l.Qty);
        appendWhole(out, kLineField, "Chg", l.Chg);
        appendWhole(out, kLineField, "TID", l.TID);
        appendFixedElement(out, kLineField, "Price", l.Price, priceDecimals);
        appendWhole(out, kLineField, "OrgPID", l.OrgPID);
        appendWhole(out, kLineField, "OrgSID", l.OrgSID);
        out.append("\r\n\t\t\t\t</Product>");
    }
    out.append("\r\n\t\t\t</Inventory>\r\n\t\t</Transaction>");
}

void CInventory::ToFileTexts() {
    for (std::string* text : {&ReasonCode, &Ref, &Rem, &WID, &FName, &FirstName, &EmblemName,
                              &Admin, &Bank, &Lock, &WearerRem}) {
        toFileText(*text);
    }
    LastName.clear();
    for (CInventoryLine& l : Lines) {
        l.ProductKey.clear();
        l.SizeKey.clear();
    }
}

}  // namespace kelvo
