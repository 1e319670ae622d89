#include "daygen/ReturnedDay.h"

#include <algorithm>
#include <map>
#include <string>

#include "daygen/Builders.h"
#include "daygen/MasterData.h"

namespace daygen {

namespace {

const char* const kUndeliverable[] = {"CL", "NA", "RF"};
const char* const kPerCustomer[] = {"Department_",
                                    "EmblemTemplate_",
                                    "Function_",
                                    "Locker_",
                                    "CustomerProduct_",
                                    "Wearer_",
                                    "InventoryTransaction_",
                                    "GarmentFlags_",
                                    "GarmentsToReplace_",
                                    "FlatGoodTransactions_"};
const char* const kDrivers[] = {"Dave Kowalski", "Maria Lopez", "Ken Ito",    "Rosa Delgado",
                                "Hans Vogel",    "Amy Chen",    "Omar Farah", "Gina Russo"};

// Running counters that decide, in turn, what happens at each stop and invoice.
struct Turns {
    int stop = 0, cod = 0, charge = 0, cheque = 0, adjust = 0, calls = 0;
};

std::string hhmm(int minutes) {
    minutes = std::min(minutes, 23 * 60 + 59);
    return format("%02d:%02d", minutes / 60, minutes % 60);
}

void le(std::string& out, unsigned long long value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A signature picture as the signature control saves it: a 24-bit BMP with a stroke on white.
std::string signatureBmp(long long invoice) {
    const int w = 64, h = 24, row = (w * 3 + 3) & ~3;
    std::string out = "BM";
    le(out, static_cast<unsigned>(54 + row * h), 4);
    le(out, 0, 4);
    le(out, 54, 4);
    le(out, 40, 4);
    le(out, w, 4);
    le(out, h, 4);
    le(out, 1, 2);
    le(out, 24, 2);
    le(out, 0, 4);
    le(out, static_cast<unsigned>(row * h), 4);
    le(out, 2835, 4);
    le(out, 2835, 4);
    le(out, 0, 8);
    for (int y = 0; y < h; ++y) {
        std::string line(static_cast<std::size_t>(row), '\xFF');
        const int x = static_cast<int>((y * 5 + invoice) % w);
        line.replace(static_cast<std::size_t>(x) * 3, 3, 3, '\0');
        out += line;
    }
    return out;
}

// A voice message as the recorder saves it: 16-bit PCM, mono, 8 kHz, a quarter of a second.
std::string voiceWav() {
    const unsigned samples = 2000, data = samples * 2;
    std::string out = "RIFF";
    le(out, 36 + data, 4);
    out += "WAVEfmt ";
    le(out, 16, 4);
    le(out, 1, 2);
    le(out, 1, 2);
    le(out, 8000, 4);
    le(out, 16000, 4);
    le(out, 2, 2);
    le(out, 16, 2);
    out += "data";
    le(out, data, 4);
    for (unsigned i = 0; i < samples; ++i)
        le(out, static_cast<unsigned>(static_cast<int>(i % 40) * 400 - 8000) & 0xFFFF, 2);
    return out;
}

std::string initials(const std::string& name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (name[i] != ' ' && (i == 0 || name[i - 1] == ' ') && out.size() < 3)
            out += name[i];
    return out.empty() ? "X" : out;
}

bool hasLine(const Invoice& inv, int lineType) {
    return std::any_of(inv.Items.begin(), inv.Items.end(),
                       [lineType](const InvoiceLine& l) { return l.LineType == lineType; });
}

// One piece less of a sale line, where nothing else on the invoice is computed from it (no tax
// line, no minimum charge, no special charge over the line): the adjustment is then the line's
// own, exactly as the handheld's arithmetic gives it.
void adjust(Invoice& inv) {
    if (hasLine(inv, 17) || hasLine(inv, 18))
        return;
    for (InvoiceLine& l : inv.Items) {
        if (l.LineType == 5 && l.PreBilledQuantity >= 2 && l.SpecialChargeCode1.empty() &&
            l.Extend == 'Y') {
            l.AdjustmentQuantity = l.AdjustmentDeliveredQuantity = -1;
            l.AdjustmentAmount = -(l.Price / 100);  // whole cents of Price x -1, toward zero
            l.AdjustmentReasonCode = "DM";
            inv.TotalMinusAdjustments -= l.AdjustmentAmount;
            return;
        }
    }
}

void settle(Invoice& inv, const Stop& s, Turns& t) {
    for (InvoiceLine& l : inv.Items)
        if (l.SER != 0 && l.PickUpQty.empty())
            l.PickUpQty = std::to_string(l.QtyToPick);
    if (++t.adjust % 3 == 0)
        adjust(inv);
    const Cents pay = inv.payThisAmount();
    Cents collected = 0;
    bool cheque = false;
    if (inv.COD == 'Y') {
        ++t.cod;
        collected = t.cod % 7 == 3 && pay > 1000 ? pay - 500 : t.cod % 11 == 5 ? pay + 100 : pay;
        cheque = t.cod % 5 == 0;
    } else if (++t.charge % 4 == 1) {
        collected = pay;
        cheque = true;
    } else if (t.charge % 5 == 2) {
        collected = pay;
    }
    inv.CashCollected = collected;
    inv.CheckNumber = cheque ? format("%06d", 100000 + ++t.cheque) : "";
    inv.PersonIdentification = s.SignatureRequired == 'N' ? "" : initials(s.Cust.ContactName);
    inv.Status = "Settled";
}

// Calls: now and then a new one (every other with a voice message), and a follow-up of a call
// the office sent.
void callWork(const Route& r, Stop& s, Turns& t, std::map<std::string, std::string>& voices) {
    if (!s.Calls.empty() && t.stop % 3 == 0) {
        s.Calls.front().FollowupNotes = "Called back: sorted out.";
        s.Calls.front().Status = 4;
    }
    if (t.stop % 50 == 7 && !s.ContactPersons.empty()) {
        addCall(r, s, s.ContactPersons.front().Number, kContactCategories[1].Code, 1,
                "Asks for two more mats from next week.\r\nCall before noon.");
        if (++t.calls % 2 == 1)
            voices["Call_" + s.Calls.back().CallID + ".wav"] = voiceWav();
    }
}

void workRoute(Day& day, Route& r, std::size_t index, Turns& t,
               std::map<std::string, std::string>& voices) {
    const int perStop =
        std::max<int>(2, 14 * 60 / std::max<int>(1, static_cast<int>(r.Stops.size())));
    int minutes = 6 * 60 + 30 + static_cast<int>(index % 3) * 5;
    r.StartTime = hhmm(minutes);
    r.StartMileage = 12000 + 731 * static_cast<long>(index);
    long driven = 0;
    for (Stop& s : r.Stops) {
        const int g = t.stop++;
        const int travel = std::max(1, perStop * 2 / 5);
        minutes += travel;
        s.ArrivalTime = hhmm(minutes);
        s.TravelMinutes = travel;
        driven += 7 + g % 23;
        callWork(r, s, t, voices);
        if (!s.Invoices.empty() && g % 23 == 11) {
            s.UndeliverReasonCode = kUndeliverable[g % 3];
            s.DepartureTime = s.ArrivalTime;
            for (const auto& n : s.Invoices)
                day.Invoices.at(std::stoll(n)).UndeliverReasonCode = s.UndeliverReasonCode;
            continue;
        }
        const int visit = std::max(1, perStop - travel);
        minutes += visit;
        s.DepartureTime = hhmm(minutes);
        s.VisitMinutes = visit;
        for (const auto& n : s.Invoices)
            settle(day.Invoices.at(std::stoll(n)), s, t);
    }
    r.EndTime = hhmm(minutes + 25);
    r.EndMileage = r.StartMileage + driven + 85;
    if (index == 0)
        r.SafetyRemarks = "Left mirror loose.\r\nReplaced a bulb on the road.";
}

// The garment flags and replacements a wearer customer's garments got today.
std::string flagsFile(std::size_t customer) {
    std::string x = "<GarmentFlags>";
    for (unsigned i = 0; i < 2; ++i)
        x += format(
            "\r\n\t<Garment>\r\n\t\t<ID>%010zX</ID>\r\n\t\t<FlagID>%d</FlagID>\r\n\t\t"
            "<Remark>%s</Remark>\r\n\t</Garment>",
            0x0B000000u + customer * 16 + i, kFlags[(customer + i) % kFlags.size()].ID,
            esc(i == 0 ? "Left sleeve" : "Collar & cuffs").c_str());
    return x + "\r\n</GarmentFlags>";
}

std::string replaceFile(std::size_t customer) {
    return format(
        "<GarmentToReplaces>\r\n\t<Garment>\r\n\t\t<ID>%010zX</ID>\r\n\t\t<Reason>WO</"
        "Reason>\r\n\t\t<Ref>%s</Ref>\r\n\t</Garment>\r\n</GarmentToReplaces>",
        0x0B000000u + customer * 16 + 8, format("R-%zu", customer + 1).c_str());
}

std::string servicesFile(int turn) {
    const auto g = static_cast<std::size_t>(turn);
    const FlatProduct& p = kFlatGroups.front().Products[g % 4];
    const CodeText& f = kFrequencies[g / 4 % kFrequencies.size()];
    return format(
        "<FlatgoodTransactions>\r\n\t<flatgoodtransaction>\r\n\t\t<Prodcode>%s</"
        "Prodcode>\r\n\t\t<Freqcode>%s</Freqcode>\r\n\t\t<Qty>%d</Qty>\r\n\t\t<Price>%.2f"
        "</Price>\r\n\t</flatgoodtransaction>\r\n</FlatgoodTransactions>",
        esc(p.Code).c_str(), esc(f.Code).c_str(), 2 + turn % 5, unitPrice(flatPrice(p, f.Code)));
}

}  // namespace

std::vector<FileSet> returnedDay(Day day, const FileSet& sent, int handhelds) {
    handhelds = std::max(1, handhelds);
    Turns turns;
    std::map<std::string, std::string> work;  // voice messages, garments, services
    for (std::size_t r = 0; r < day.Routes.size(); ++r)
        workRoute(day, day.Routes[r], r, turns, work);
    for (std::size_t c = 0; c < day.WearerCustomers.size(); ++c) {
        WearerCustomer& wc = day.WearerCustomers[c];
        const std::string id = std::to_string(wc.CustID);
        if (wc.Transactions.empty())
            addTransactions(wc, 7);  // every kind of change once
        else
            wc.Transactions.pop_back();  // a change of earlier in the day cancelled
        if (!sent.count("GarmentFlags_" + id + ".xml"))
            work["GarmentFlags_" + id + ".xml"] = flagsFile(c);
        work["GarmentsToReplace_" + id + ".xml"] = replaceFile(c);
    }
    int g = 0;
    for (const Route& r : day.Routes)
        for (const Stop& s : r.Stops) {
            const std::string name =
                "FlatGoodTransactions_" + std::to_string(s.Cust.CustID) + ".xml";
            if (++g % 40 == 13 && s.UndeliverReasonCode.empty() && !sent.count(name))
                work[name] = servicesFile(g / 40);
        }

    // Who brings each file back: a route's files with it, a customer's with the customer's
    // route; every other file comes back from every handheld.
    std::map<std::string, int> owner;
    for (std::size_t r = 0; r < day.Routes.size(); ++r) {
        const Route& route = day.Routes[r];
        const int h = static_cast<int>(r % static_cast<std::size_t>(handhelds));
        owner[format("Route_%d_%s.xml", route.RouteNumber, route.Date.c_str())] = h;
        for (const Stop& s : route.Stops) {
            for (const auto& n : s.Invoices) {
                owner["Inv_" + n + ".xml"] = h;
                const Invoice& inv = day.Invoices.at(std::stoll(n));
                if (inv.settled() && s.SignatureRequired != 'N')
                    work["Inv_" + n + ".bmp"] = signatureBmp(inv.Number);
                owner["Inv_" + n + ".bmp"] = h;
            }
            for (const Call& c : s.Calls) {
                owner["Call_" + c.CallID + ".xml"] = h;
                owner["Call_" + c.CallID + ".wav"] = h;
            }
            for (const char* prefix : kPerCustomer)
                owner[prefix + std::to_string(s.Cust.CustID) + ".xml"] = h;
        }
    }
    FileSet all = sent;
    for (auto& [name, content] : render(day))
        all[name] = std::move(content);
    for (auto& [name, content] : work)
        all[name] = std::move(content);
    all.erase("ZZDepartureCheck.xml");

    std::vector<FileSet> out(static_cast<std::size_t>(handhelds));
    for (int h = 0; h < handhelds; ++h) {
        FileSet& files = out[static_cast<std::size_t>(h)];
        Config conf = day.Conf;
        if (handhelds > 1) {
            conf.RouteManNumber = 17 + h;
            conf.RouteManName = kDrivers[h % 8];
            conf.TruckCode = format("T%02d", 12 + h);
        }
        files["Config.xml"] = configFile(conf);
        files["Safety.xml"] = safetyFile(conf, h % 2 == 0 ? "OMOOOO" : "OOOOOO");
        files["ZZArrivalCheck.xml"] = "<ArrivalCheck>\r\n</ArrivalCheck>";
    }
    for (auto& [name, content] : all) {
        const auto found = owner.find(name);
        if (found != owner.end()) {
            out[static_cast<std::size_t>(found->second)][name] = content;
            continue;
        }
        for (FileSet& files : out)
            files.emplace(name, content);  // Config.xml and Safety.xml stay the handheld's own
    }
    return out;
}

}  // namespace daygen
