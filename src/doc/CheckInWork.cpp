#include <algorithm>
#include <string>
#include <vector>

#include "common/Prompter.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "common/XmlReader.h"
#include "doc/CheckInParts.h"
#include "doc/FileReports.h"
#include "model/CallList.h"
#include "model/FlatGoodTransactions.h"
#include "model/GarmentFlags.h"
#include "model/GarmentsToReplace.h"
#include "model/InventoryTransactions.h"
#include "model/Route.h"
#include "model/SafetyChecks.h"
#include "model/Wearers.h"

// The work a route leaves for the people who act on it: calls, wearer changes, garments and new
// services. What the office sent is not news: a customer's file that was sent (a day resumed)
// counts only what changed since; a sent change that did not come back was cancelled.
namespace kelvo {

namespace {

// The entries of `returned` that `sent` does not hold (each sent entry matches one returned).
template <class Entry>
std::vector<const Entry*> notIn(const std::vector<const Entry*>& returned,
                                const std::vector<const Entry*>& sent) {
    std::vector<bool> matched(sent.size(), false);
    std::vector<const Entry*> fresh;
    for (const Entry* e : returned) {
        std::size_t i = 0;
        while (i < sent.size() && (matched[i] || !(*sent[i] == *e))) {
            ++i;
        }
        if (i < sent.size()) {
            matched[i] = true;
        } else {
            fresh.push_back(e);
        }
    }
    return fresh;
}

template <class List>
std::vector<const typename List::const_iterator::value_type*> entries(const List& list) {
    std::vector<const typename List::const_iterator::value_type*> out;
    for (const auto& e : list) {
        out.push_back(&e);
    }
    return out;
}

std::vector<const CInventory*> entries(const CInventoryTransactions& list) {
    std::vector<const CInventory*> out;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        out.push_back(&list.At(i));
    }
    return out;
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::string x;
    std::string y;
    std::uintmax_t length = 0;
    constexpr std::size_t kWhole = DeviceFs::kMaxFileBytes;
    return readHead(a, kWhole, x, length) && readHead(b, kWhole, y, length) && x == y;
}

class WorkCollector {
public:
    WorkCollector(ReturnedFolder& folder, const CRoute& route, CheckInRoute& out)
        : m_f(folder), m_route(route), m_out(out) {}

    void Calls(const CStop& stop) {
        if (stop.Calls().empty()) {
            return;
        }
        const std::string place =
            format("/Route/Stops/Stop[StopNumber=%u]/Calls/Call", stop.StopNumber);
        std::vector<std::string> missing;
        for (const CStop::CallRef& ref : stop.Calls()) {
            if (!isSafeNamePart(ref.CallID)) {
                m_f.Add(FindingSeverity::Error, FindingKind::UnsafeName, RouteFile(), place,
                        format(tr("the call id \"%s\" cannot be part of a file name").c_str(),
                               ref.CallID.c_str()));
                continue;
            }
            const std::string name = "Call_" + ref.CallID + ".xml";
            m_f.Expect(name);
            m_f.Expect("Call_" + ref.CallID + ".wav");
            const std::string recording = "Call_" + ref.CallID + "_T.wav";
            if (m_f.Has(recording)) {
                m_f.Expect(recording);
                m_f.Add(FindingSeverity::Warning, FindingKind::VoiceNotSaved, recording, place,
                        format(tr("a voice recording of call %s that was never saved with its "
                                  "call")
                                   .c_str(),
                               ref.CallID.c_str()));
            }
            if (!m_f.Has(name)) {
                m_f.Add(FindingSeverity::Error, FindingKind::MissingFile, name, place,
                        format(tr("call %s of stop %u did not come back").c_str(),
                               ref.CallID.c_str(), stop.StopNumber));
                missing.push_back(name);
            }
        }
        CCallList calls;
        calls.SetPath("");
        ScriptedPrompter messages;
        reportCallsLeftOut(messages, m_route, calls.Load(m_f.Fs(), m_route, stop));
        for (const Message& m : messages.shown()) {
            // A call that did not come back is a finding already; the others are damaged.
            const bool told = std::any_of(missing.begin(), missing.end(), [&m](const auto& n) {
                return m.text.find(n) != std::string::npos;
            });
            if (!told) {
                m_f.Add(FindingSeverity::Error, FindingKind::NotWellFormed, RouteFile(), place,
                        m.text);
            }
        }
        for (std::size_t i = 0; i < calls.Count(); ++i) {
            Call(stop, calls.At(i));
        }
    }

    void Customer(const CStop& stop) {
        const std::string customer = format("%.0f", stop.CustID);
        Transactions(stop, "InventoryTransaction_" + customer + ".xml");
        Garments<CGarmentFlags>(stop, "GarmentFlags_" + customer + ".xml");
        Garments<CGarmentsToReplace>(stop, "GarmentsToReplace_" + customer + ".xml");
        Services(stop, "FlatGoodTransactions_" + customer + ".xml");
    }

private:
    std::string RouteFile() const {
        return format("Route_%d_%s.xml", m_out.RouteNumber, m_out.Date.c_str());
    }

    void Call(const CStop& stop, const CCall& call) {
        const std::string name = "Call_" + call.CallID + ".xml";
        const std::string voice = "Call_" + call.CallID + ".wav";
        const bool sent = m_f.Sent().Has(name);
        if (sent &&
            sameFile(m_f.HostPath(m_f.Files().at(foldedName(name))),
                     m_f.Sent().Fs().root() / m_f.Sent().Files().at(foldedName(name))) &&
            m_f.Sent().Has(voice) == m_f.Has(voice)) {
            return;  // as the office sent it
        }
        CallNote note;
        note.New = !sent;
        note.StopNumber = stop.StopNumber;
        note.CustomerName = stop.CustomerName;
        note.CallID = call.CallID;
        for (const CStop::ContactPerson& p : stop.ContactPersons()) {
            if (static_cast<std::int32_t>(p.Number) == call.Person) {
                note.Person = p.Name;
                break;
            }
        }
        const CContactCategory* category =
            m_f.Categories().FindBy(&CContactCategory::Code, call.Category);
        note.Category = category != nullptr ? category->Description : call.Category;
        note.Status = callStatusName(call.Status);
        note.Notes = note.New ? call.Notes : call.FollowupNotes;
        if (m_f.Has(voice)) {
            std::string head;
            std::uintmax_t length = 0;
            const bool plays =
                readHead(m_f.HostPath(m_f.Files().at(foldedName(voice))), 4096, head, length) &&
                isPlayableWav(head, length);
            note.Voice = plays ? VoiceMessage::Plays : VoiceMessage::Unreadable;
            if (!plays) {
                m_f.Add(FindingSeverity::Warning, FindingKind::VoiceUnreadable, voice, "",
                        format(tr("the voice message of call %s does not play").c_str(),
                               call.CallID.c_str()));
            }
        }
        m_out.Calls.push_back(std::move(note));
    }

    // A product of the product list with its size: "Work shirt L"; the ids when unknown.
    std::string ProductText(double pid, double sid) const {
        const CProduct* product = m_f.Products().FindBy(&CProduct::ProductID, pid);
        if (product == nullptr) {
            return format(tr("product %.0f size %.0f").c_str(), pid, sid);
        }
        const CProductSize* size = product->FindSize(sid);
        return product->Description + " " + (size != nullptr ? size->Code : format("%.0f", sid));
    }

    std::string LineText(const CInventory& t, const CInventoryLine& l) const {
        switch (t.Code) {
            case kQuitProduct:
                return ProductText(l.PID, l.SID);
            case kExchangeProduct:
                return ProductText(l.OrgPID, l.OrgSID) + " -> " + ProductText(l.PID, l.SID) +
                       format(" x%.0f", l.Qty);
            case kQuantityDown:
            case kQuantityUp:
                return ProductText(l.PID, l.SID) + format(tr(": quantity %.0f").c_str(), l.Qty);
            default:
                return ProductText(l.PID, l.SID) + format(" x%.0f", l.Qty);
        }
    }

    static WearerChangeKind KindOf(std::int32_t code) {
        switch (code) {
            case kAddWearer:
                return WearerChangeKind::NewWearer;
            case kAddProduct:
                return WearerChangeKind::AddProduct;
            case kExchangeProduct:
                return WearerChangeKind::Exchange;
            case kQuitWearer:
                return WearerChangeKind::QuitWearer;
            case kQuitProduct:
                return WearerChangeKind::QuitProduct;
            default:
                return WearerChangeKind::QuantityChange;
        }
    }

    void Transactions(const CStop& stop, const std::string& name) {
        if (!m_f.Has(name)) {
            return;  // nothing changed, or it did not come back (a finding of its own)
        }
        CInventoryTransactions returned;
        returned.SetPath("");
        const LoadResult read = returned.Load(m_f.Fs(), stop.CustID, m_f.PriceDecimals());
        if (read != LoadResult::Read && read != LoadResult::Missing) {
            m_f.Add(FindingSeverity::Error, FindingKind::NotWellFormed, name, "",
                    tr("cannot be read: the customer's wearer changes are missing"));
            return;
        }
        CInventoryTransactions sent;
        sent.SetPath("");
        if (m_f.Sent().Has(name)) {
            sent.Load(m_f.Sent().Fs(), stop.CustID, m_f.PriceDecimals());
        }
        const auto now = entries(returned);
        const auto before = entries(sent);
        const auto made = notIn(now, before);
        const auto cancelled = notIn(before, now);
        if (made.empty() && cancelled.empty()) {
            return;
        }
        CWearers wearers;
        wearers.SetPath("");
        if (wearers.Load(m_f.Fs(), stop.CustID) != LoadResult::Read) {
            wearers.Load(m_f.Sent().Fs(), stop.CustID);
        }
        for (const CInventory* t : made) {
            m_out.WearerChanges.push_back(Change(stop, *t, KindOf(t->Code), wearers));
        }
        for (const CInventory* t : cancelled) {
            m_out.WearerChanges.push_back(Change(stop, *t, WearerChangeKind::Cancel, wearers));
        }
    }

    ReturnedWearerChange Change(const CStop& stop, const CInventory& t, WearerChangeKind kind,
                                const CWearers& wearers) const {
        ReturnedWearerChange c;
        c.Kind = kind;
        c.Code = t.Code;
        c.StopNumber = stop.StopNumber;
        c.CustomerName = stop.CustomerName;
        if (const CWearer* w = t.WID.empty() ? nullptr : wearers.FindByID(t.WID)) {
            c.Wearer = format("%.0f ", w->Nr) + w->FName;
        } else if (!t.FName.empty()) {
            c.Wearer = format("%.0f ", t.Nr) + t.FName;
        } else {
            c.Wearer = t.WID;
        }
        for (const CInventoryLine& l : t.Lines) {
            c.Products.push_back(LineText(t, l));
        }
        c.ReasonCode = t.ReasonCode;
        c.ReasonDescription = m_f.Reasons().DescriptionOf(t.ReasonCode);
        c.Ref = t.Ref;
        c.Rem = t.Rem;
        return c;
    }

    template <class List>
    void Garments(const CStop& stop, const std::string& name) {
        if (!m_f.Has(name)) {
            return;
        }
        List returned;
        returned.SetPath("");
        if (!returned.Load(m_f.Fs(), stop.CustID).ok()) {
            m_f.Add(FindingSeverity::Error, FindingKind::NotWellFormed, name, "",
                    tr("cannot be read: the customer's garments are missing"));
            return;
        }
        List sent;
        sent.SetPath("");
        if (m_f.Sent().Has(name)) {
            sent.Load(m_f.Sent().Fs(), stop.CustID);
        }
        for (const auto* entry : notIn(entries(returned), entries(sent))) {
            m_out.Garments.push_back(Note(stop, *entry));
        }
    }

    GarmentNote Note(const CStop& stop, const CGarmentFlag& flag) const {
        const CFlag* known = m_f.Flags().FindBy(&CFlag::FlagID, flag.FlagID);
        return {false,
                stop.StopNumber,
                stop.CustomerName,
                flag.ID,
                format("%.0f", flag.FlagID),
                known != nullptr ? known->Description : std::string(),
                flag.Remark};
    }

    GarmentNote Note(const CStop& stop, const CGarmentReplace& replace) const {
        return {true,       stop.StopNumber, stop.CustomerName,
                replace.ID, replace.Reason,  m_f.Reasons().DescriptionOf(replace.Reason),
                replace.Ref};
    }

    void Services(const CStop& stop, const std::string& name) {
        if (!m_f.Has(name)) {
            return;
        }
        const int decimals = m_f.PriceDecimals();
        CFlatGoodTransactions returned;
        returned.SetPath("");
        if (!returned.Load(m_f.Fs(), stop.CustID).ok()) {
            m_f.Add(FindingSeverity::Error, FindingKind::NotWellFormed, name, "",
                    tr("cannot be read: the customer's new services are missing"));
            return;
        }
        CFlatGoodTransactions sent;
        sent.SetPath("");
        if (m_f.Sent().Has(name)) {
            sent.Load(m_f.Sent().Fs(), stop.CustID);
        }
        for (const CFlatGoodTrans* t : notIn(entries(returned), entries(sent))) {
            NewService s;
            s.StopNumber = stop.StopNumber;
            s.CustomerName = stop.CustomerName;
            s.Product = t->Prodcode;
            s.Description = m_f.FlatGoods().DescriptionOf(t->Prodcode);
            s.Frequency = t->Freqcode;
            const CFrequency* f = m_f.Frequencies().FindBy(&CFrequency::code, t->Freqcode);
            s.FrequencyDescription = f != nullptr ? f->desc : std::string();
            s.Quantity = t->Qty;
            s.Price = formatPrice(t->Price, decimals);
            m_out.Services.push_back(std::move(s));
        }
    }

    ReturnedFolder& m_f;
    const CRoute& m_route;
    CheckInRoute& m_out;
};

}  // namespace

void collectWork(ReturnedFolder& folder, const CRoute& route, CheckInRoute& out,
                 std::set<std::string>& done) {
    WorkCollector work(folder, route, out);
    for (std::size_t i = 0; i < route.StopCount(); ++i) {
        const CStop& stop = route.Stop(i);
        work.Calls(stop);
        if (done.insert(format("%.0f", stop.CustID)).second) {
            work.Customer(stop);
        }
    }
}

void checkSafety(ReturnedFolder& folder, CheckInTruck& truck) {
    if (!folder.Has("Safety.xml")) {
        return;  // not sent, or a finding of what did not come back
    }
    XmlDocument doc;
    if (!doc.load(folder.Fs(), "\\VexXml\\Safety.xml") || !doc.wellFormed()) {
        folder.Add(FindingSeverity::Error, FindingKind::NotWellFormed, "Safety.xml", "",
                   tr("cannot be read: the truck's safety check is missing"));
        return;
    }
    CSafetyChecks checks;
    checks.SetPath("");
    checks.Load(folder.Fs());
    truck.SafetyReturned = true;
    truck.SafetyTruckID = checks.TruckID();
    for (std::size_t i = 0; i < checks.Count(); ++i) {
        const CSafetyCheck& item = checks.At(i);
        if (item.NeedMaintenance == 'Y') {
            truck.Maintenance.push_back(item);
        }
        truck.Unanswered += item.IsAnswered() ? 0 : 1;
    }
    if (truck.Unanswered > 0) {
        folder.Add(
            FindingSeverity::Warning, FindingKind::SafetyIncomplete, "Safety.xml", "",
            format(tr("%zu of the %zu items of the safety check were left unanswered").c_str(),
                   truck.Unanswered, checks.Count()));
    }
}

}  // namespace kelvo
