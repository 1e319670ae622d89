#include "model/Invoice.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "common/DataPaths.h"
#include "common/FileValues.h"
#include "common/FileWriter.h"
#include "common/Text.h"
#include "common/WaitCursor.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"
#include "model/InvoiceFile.h"

namespace kelvo {

namespace {

constexpr std::string_view kLine = "\r\n\t";

// Line order: LineNumber compared unsigned, then Code (byte by byte).
bool lineBefore(const CInvoiceItem& a, const CInvoiceItem& b) {
    const auto na = static_cast<std::uint32_t>(a.LineNumber);
    const auto nb = static_cast<std::uint32_t>(b.LineNumber);
    if (na != nb) {
        return na < nb;
    }
    return a.Code < b.Code;
}

// v counted in hundredths, rounded half up to whole cents (truncating v + 0.5, so that a
// negative v rounds its halves toward zero), as an amount.
double RoundCents(double v) {
    return std::trunc(v + 0.5) * 0.01;
}

// A charge held within its least and greatest amount (0 stands for no limit).
double clampCharge(double x, double minimum, double maximum) {
    if (minimum > x && minimum != 0) {
        x = minimum;
    }
    if (maximum < x && maximum != 0) {
        x = maximum;
    }
    return x;
}

}  // namespace

void CInvoice::SetPath(std::string_view storageLocation) {
    m_StoragePath = dataRoot(storageLocation);
}

std::string CInvoice::FilePath() const {
    if (!std::isfinite(m_InvoiceNumber)) {
        return {};
    }
    return invoiceFilePath(m_StoragePath, format("%.0f", m_InvoiceNumber));
}

void CInvoice::SetInvoiceNumber(double v) {
    m_InvoiceNumber = v;
    m_holdsInvoice = true;
    m_loadFailed = false;
}

InvoiceLoad CInvoice::Load(const DeviceFs& fs, double invoiceNumber) {
    if (m_holdsInvoice && invoiceNumber == m_InvoiceNumber) {
        return {};
    }
    // Until the file is read, what is in memory is not this invoice: a second Load reads
    // again, and Save does not write it under this number.
    m_InvoiceNumber = invoiceNumber;
    m_holdsInvoice = false;
    m_loadFailed = true;
    const std::string path = FilePath();
    if (path.empty()) {
        return {InvoiceFileRead::Refused, 0};
    }
    const WaitCursor wait;
    XmlDocument doc;
    // A damaged file is not taken for an invoice without lines: saving that would replace
    // what the back office sent.
    const InvoiceFileRead read = readInvoiceFile(fs, path, doc);
    if (read != InvoiceFileRead::Read) {
        return {read, 0};
    }
    ReadFrom(doc.root());
    m_holdsInvoice = true;
    m_loadFailed = false;
    return {InvoiceFileRead::Read, doc.clampedNumbers()};
}

void CInvoice::ReadFrom(const XmlElement& e) {
    m_ID = e.text("ID");
    m_InvoiceDate = e.text("InvoiceDate");
    m_COD = e.flag("CODInvoice", 'N');
    m_PrebilledAmount = e.number("PrebilledAmount");
    m_TotalPlusAdjustments = e.number("TotalPlusAdjustments");
    m_TotalMinusAdjustments = e.number("TotalMinusAdjustments");
    m_PayThisAmount = e.number("PayThisAmount");
    m_CashCollected = e.number("CashCollected");
    m_UndeliverReasonCode = e.text("UndeliverReasonCode");
    m_PersonIdentification = e.text("PersonIdentification");
    m_MinimumInvoiceAmount = e.number("MinimumInvoiceAmount");
    m_Status = e.text("Status");
    m_CheckNumber = e.text("CheckNumber");

    // Sorting the lines once keeps the order of inserting each before the first greater one
    // (equal lines in file order), without a walk of the list per line.
    const XmlElement items = e.child("Invoice-Items");
    std::vector<CInvoiceItem> lines;
    lines.reserve(items.childCount());
    items.forEachChild(
        [&lines](const XmlElement& item) { lines.push_back(CInvoiceItem::Read(item)); });
    std::stable_sort(lines.begin(), lines.end(), lineBefore);
    m_Items = std::move(lines);
}

bool CInvoice::Save(const DeviceFs& fs) const {
    if (m_loadFailed) {
        return false;
    }
    const std::string path = FilePath();
    return !path.empty() && writeFileAtomic(fs, path, ToXml());
}

std::string CInvoice::ToXml() const {
    std::string out;
    // A line takes about 1.4 kB: one allocation for the usual invoice.
    out.reserve(1024 + 1536 * m_Items.size());
    out.append("<Invoice>");
    appendTextElement(out, kLine, "ID", m_ID);
    appendTextElement(out, kLine, "InvoiceDate", m_InvoiceDate);
    appendFlagElement(out, kLine, "CODInvoice", m_COD);
    appendFixedElement(out, kLine, "PrebilledAmount", m_PrebilledAmount, 2);
    appendFixedElement(out, kLine, "TotalPlusAdjustments", m_TotalPlusAdjustments, 2);
    appendFixedElement(out, kLine, "TotalMinusAdjustments", m_TotalMinusAdjustments, 2);
    appendFixedElement(out, kLine, "PayThisAmount", m_PayThisAmount, 2);
    appendFixedElement(out, kLine, "CashCollected", m_CashCollected, 2);
    appendTextElement(out, kLine, "UndeliverReasonCode", m_UndeliverReasonCode);
    appendTextElement(out, kLine, "PersonIdentification", m_PersonIdentification);
    appendFixedElement(out, kLine, "MinimumInvoiceAmount", m_MinimumInvoiceAmount, 2);
    appendTextElement(out, kLine, "Status", m_Status);
    appendTextElement(out, kLine, "CheckNumber", m_CheckNumber);
    out.append("\r\n\t<Invoice-Items>");
    for (const CInvoiceItem& line : m_Items) {
        line.AppendXml(out);
    }
    out.append("\r\n\t</Invoice-Items>\r\n</Invoice>");
    return out;
}

void CInvoice::AddLine(CInvoiceItem line) {
    const auto at = std::upper_bound(m_Items.begin(), m_Items.end(), line, lineBefore);
    m_Items.insert(at, std::move(line));
}

std::optional<std::size_t> CInvoice::FindLine(std::int16_t lineType, std::string_view code) const {
    for (std::size_t i = 0; i < m_Items.size(); ++i) {
        if (m_Items[i].LineType == lineType && (code.empty() || m_Items[i].Code == code)) {
            return i;
        }
    }
    return std::nullopt;
}

CInvoiceItem* CInvoice::FindLineItem(std::int16_t lineType, std::string_view code) {
    const auto at = FindLine(lineType, code);
    return at ? &m_Items[*at] : nullptr;
}

void CInvoice::ProductLines(std::vector<std::size_t>& positions) const {
    for (std::size_t i = 0; i < m_Items.size(); ++i) {
        const CInvoiceItem& l = m_Items[i];
        if ((l.LineType == LineTypes::Rent || l.LineType == LineTypes::Wash) &&
            l.SizeCode.empty()) {
            positions.push_back(i);
        }
    }
}

void CInvoice::AddToTotals(double x) {
    if (x > 0) {
        m_TotalPlusAdjustments += x;
    } else if (x < 0) {
        m_TotalMinusAdjustments -= x;
    }
}

void CInvoice::RemoveFromTotals(double x) {
    if (x > 0) {
        m_TotalPlusAdjustments -= x;
    } else if (x < 0) {
        m_TotalMinusAdjustments += x;
    }
}

bool CInvoice::AdjustLine(std::size_t index, double amount) {
    if (index >= m_Items.size() || !std::isfinite(amount)) {
        return false;
    }
    CInvoiceItem& line = m_Items[index];
    const double old = line.AdjustmentAmount;
    if (line.Extend == 'Y') {
        RemoveFromTotals(old);
    }
    // Each special charge after the first is computed over the adjustment of the one before
    // it, not over the line's amount.
    double base = amount;
    for (const std::string& code : line.SpecialChargeCode) {
        if (code.empty()) {
            break;
        }
        base = RecalcSpecialCharge(code, old, base);
    }
    if (line.Extend == 'Y') {
        AddToTotals(amount);
    }
    line.AdjustmentAmount = amount;
    RecalcMinimumCharge();
    RecalcTaxLines();
    m_TotalPlusAdjustments = RoundCents(m_TotalPlusAdjustments * 100);
    m_TotalMinusAdjustments = RoundCents(m_TotalMinusAdjustments * 100);
    m_PayThisAmount = m_PrebilledAmount + m_TotalPlusAdjustments - m_TotalMinusAdjustments;
    return true;
}

double CInvoice::RecalcSpecialCharge(const std::string& code, double oldBase, double newBase) {
    CInvoiceItem* s = FindLineItem(LineTypes::SpecialCharge, code);
    if (s == nullptr) {
        return 0.0;
    }
    const double over = s->OverAmount - oldBase + newBase;
    if (s->Extend == 'Y') {
        RemoveFromTotals(s->AdjustmentAmount);
    }
    const double x =
        clampCharge(RoundCents(s->Percentage * over), s->MinimumAmount, s->MaximumAmount);
    const double adjustment = x - s->PrebilledAmount;
    if (s->Extend == 'Y') {
        AddToTotals(adjustment);
    }
    s->OverAmount = over;
    s->AdjustmentAmount = adjustment;
    return adjustment;
}

void CInvoice::RecalcMinimumCharge() {
    CInvoiceItem* m = FindLineItem(LineTypes::MinimumCharge, "");
    if (m == nullptr) {
        return;
    }
    // The minimum charge counts in the totals whatever its Extend flag.
    RemoveFromTotals(m->AdjustmentAmount);
    double subject = 0.0;
    for (const CInvoiceItem& l : m_Items) {
        if (l.SubjectToMinimum == 'Y') {
            subject += l.AdjustmentAmount + l.PrebilledAmount;
        }
    }
    const double missing = std::max(m_MinimumInvoiceAmount - subject, 0.0);
    m->AdjustmentAmount = missing - m->PrebilledAmount;
    AddToTotals(m->AdjustmentAmount);
}

void CInvoice::RecalcTaxLines() {
    // The base of each tax type in one pass (the other lines do not change while the tax lines
    // are recomputed), summed in list order as a pass per tax line would.
    std::unordered_map<std::int16_t, double> bases;
    for (const CInvoiceItem& l : m_Items) {
        if (l.LineType != LineTypes::Tax) {
            bases[l.TaxType] += l.AdjustmentAmount + l.PrebilledAmount;
        }
    }
    for (CInvoiceItem& t : m_Items) {
        if (t.LineType != LineTypes::Tax) {
            continue;
        }
        if (t.Extend == 'Y') {
            RemoveFromTotals(t.AdjustmentAmount);
        }
        const auto base = bases.find(t.TaxType);
        const double over = base == bases.end() ? 0.0 : base->second;
        const double x =
            clampCharge(RoundCents(t.Percentage * over), t.MinimumAmount, t.MaximumAmount);
        t.AdjustmentAmount = x - t.PrebilledAmount;
        t.OverAmount = over;
        if (t.Extend == 'Y') {
            AddToTotals(t.AdjustmentAmount);
        }
    }
}

bool CInvoice::PickUpsEntered() const {
    return std::none_of(m_Items.begin(), m_Items.end(), [](const CInvoiceItem& l) {
        return l.PickUpQty.empty() && l.PickUpMode() == PickUp::Entered;
    });
}

bool CInvoice::FillPickUps() {
    bool filled = false;
    for (CInvoiceItem& l : m_Items) {
        if (l.PickUpQty.empty() && l.PickUpMode() == PickUp::ToPick) {
            l.PickUpQty = l.PickUpShown();
            filled = true;
        }
    }
    return filled;
}

}  // namespace kelvo
