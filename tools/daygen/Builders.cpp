#include "daygen/Builders.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <tuple>

#include "daygen/InvoiceBuilder.h"
#include "daygen/MasterData.h"

namespace daygen {

// Call identifier: route date, route number (4), stop number (4), customer number (12) and the
// running number of the call within the stop (2), all padded with zeros: 30 characters.
std::string callId(const Route& route, const Stop& stop, int sequence) {
    return route.Date + padZeros(std::to_string(route.RouteNumber), 4) +
           padZeros(std::to_string(stop.StopNumber), 4) +
           padZeros(std::to_string(stop.Cust.CustomerNumber), 12) +
           padZeros(std::to_string(sequence), 2);
}

void addCall(const Route& route, Stop& stop, unsigned person, const char* category, int status,
             std::string notes, std::string followup) {
    Call call;
    call.CallID = callId(route, stop, static_cast<int>(stop.Calls.size()) + 1);
    call.NewDate = route.Date;
    call.Person = person;
    call.Category = category;
    call.Status = status;
    call.Notes = std::move(notes);
    call.FollowupNotes = std::move(followup);
    stop.Calls.push_back(std::move(call));
}

namespace {

bool holds(const Wearer& w, int PID, int SID) {
    return std::any_of(w.Inventory.begin(), w.Inventory.end(),
                       [&](const WearerProduct& p) { return p.PID == PID && p.SID == SID; });
}

// A size of the product that the wearer does not have yet; nullptr when he has every size.
const Size* freeSize(const Wearer& w, const GarmentProduct& gp) {
    for (const Size& size : gp.Sizes)
        if (!holds(w, gp.ProductID, size.SizeID))
            return &size;
    return nullptr;
}

// `count` garments: the customer's products in turn, each further round of them in a size the
// wearer does not have yet (a second size after a change of figure).
void addGarments(Wearer& w, const std::vector<CustomerProduct>& offer, std::size_t count, int tid,
                 Rng& rng) {
    for (std::size_t k = 0; k < count; ++k) {
        const CustomerProduct& cp = offer[k % offer.size()];
        const GarmentProduct& gp = product(cp.ProdID);
        const Size* size = k < offer.size() ? &rng.pick(gp.Sizes) : freeSize(w, gp);
        if (size != nullptr)
            w.Inventory.push_back({gp.ProductID, size->SizeID, gp.Quantity, gp.Quantity, tid,
                                   rng.pick(cp.FinMethods), gp.RentPrice});
    }
}

// The transaction of `code` about wearer `w` (not used for code 1), the `index`th of the day.
Transaction change(const WearerCustomer& c, const Wearer& w, int code, int index) {
    Transaction t;
    t.Code = code;
    t.WID = w.ID;
    const std::string order = format("WO-%05d", index + 1);
    const WearerProduct& first = w.Inventory.front();
    switch (code) {
        case 3:  // a product of the customer in a size the wearer does not have
            for (const CustomerProduct& cp :
                 kProductProfiles[static_cast<std::size_t>(c.Profile)]) {
                const GarmentProduct& gp = product(cp.ProdID);
                if (const Size* size = freeSize(w, gp)) {
                    t.Lines.push_back({gp.ProductID, size->SizeID, gp.Quantity, gp.Quantity,
                                       first.TID, cp.FinMethods.front(), gp.RentPrice});
                    break;
                }
            }
            t.ReasonCode = "XD";
            t.Ref = order;
            break;
        case 4:
            t.Lines.push_back({w.Inventory.back().PID, w.Inventory.back().SID});
            break;
        case 5:
            if (const Size* size = freeSize(w, product(first.PID)))
                t.Lines.push_back({first.PID, size->SizeID, first.Qty, first.Chg, first.TID,
                                   first.FID, first.Price, first.PID, first.SID});
            t.ReasonCode = "SZ";
            t.Ref = order;
            t.Rem = "Size & fit <checked>";
            break;
        case 6:
        case 7:
            t.Lines.push_back({first.PID, first.SID, code == 6 ? first.Qty - 1 : first.Qty + 2,
                               first.Chg, 0, 0, first.Price});
            if (code == 7) {
                t.ReasonCode = "XD";
                t.Ref = order;
            }
            break;
        default:  // 2: the wearer leaves; no lines
            break;
    }
    return t;
}

}  // namespace

void addTransactions(WearerCustomer& c, int count) {
    std::vector<const Wearer*> active;
    int highest = 0;
    for (const auto& w : c.Wearers) {
        highest = std::max(highest, w.Nr);
        if (w.Active == 'Y' && !w.Inventory.empty())
            active.push_back(&w);
    }
    std::sort(active.begin(), active.end(),
              [](const Wearer* a, const Wearer* b) { return a->Nr < b->Nr; });
    const auto& offer = kProductProfiles[static_cast<std::size_t>(c.Profile)];
    static const int kCodes[] = {3, 4, 5, 6, 7, 2, 1};
    const std::size_t n = std::min(static_cast<std::size_t>(count), active.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int code = kCodes[i % 7];
        if (code != 1) {
            c.Transactions.push_back(
                change(c, *active[i * active.size() / n], code, static_cast<int>(i)));
            continue;
        }
        // A new wearer, numbered after every other, with the customer's first two products.
        Transaction t;
        t.Code = 1;
        t.ReasonCode = "NE";
        t.Ref = format("WO-%05zu", i + 1);
        t.Nr = ++highest;
        t.FirstName = "Robin";
        t.FName = t.FirstName + " " + format("Newhire %d", t.Nr);
        t.EmblemName = t.FirstName;
        t.Admin = format("N%05d", t.Nr);
        t.Dpt = kDepartments.front().ID;
        t.Fun = kFunctions.front().ID;
        for (std::size_t k = 0; k < 2; ++k) {
            const GarmentProduct& gp = product(offer[k].ProdID);
            t.Lines.push_back({gp.ProductID, gp.Sizes.front().SizeID, gp.Quantity, gp.Quantity, 1,
                               offer[k].FinMethods.front(), gp.RentPrice});
        }
        c.Transactions.push_back(std::move(t));
    }
}

// Builds a wearer customer's lockers and wearers. Wearers are listed by name, as the back office
// prints them, so their numbers are not in order in the file. Wearers whose index is in
// `inactive` have quit the service ('N').
WearerCustomer makeWearerCustomer(long long custId, int profile,
                                  const std::vector<std::pair<std::string, std::string>>& names,
                                  const std::vector<int>& numbers,
                                  const std::vector<std::size_t>& inactive, Rng& rng,
                                  int products) {
    WearerCustomer c;
    c.CustID = custId;
    c.Profile = profile;
    const std::size_t lockerCount = std::max<std::size_t>(12, names.size() + 4);
    for (std::size_t i = 0; i < lockerCount; ++i) {
        std::string bank;
        std::size_t b = i / 12;
        do {
            bank.insert(bank.begin(), static_cast<char>('A' + b % 26));
            b /= 26;
        } while (b-- > 0);
        c.Lockers.push_back({static_cast<int>(i + 1), bank, format("%02zu", i % 12 + 1)});
    }
    const auto& offer = kProductProfiles[static_cast<std::size_t>(profile)];
    for (std::size_t i = 0; i < names.size(); ++i) {
        Wearer w;
        w.Nr = numbers[i];
        w.ID = format("W%lld-%05d", custId, w.Nr);
        w.FirstName = names[i].first;
        w.LastName = names[i].second;
        w.FName = w.FirstName + " " + w.LastName;
        w.EmblemName = w.FirstName;
        w.Admin = format("E%04d", 1000 + (w.Nr * 37) % 9000);
        w.Dpt = kDepartments[static_cast<std::size_t>(rng.between(0, 2))].ID;
        w.Fun = kFunctions[static_cast<std::size_t>(rng.between(0, 4))].ID;
        const Locker& locker = c.Lockers[i % c.Lockers.size()];
        w.LockID = locker.LockerID;
        w.Bank = locker.Bank;
        w.Lock = locker.Locker;
        w.Active = std::find(inactive.begin(), inactive.end(), i) != inactive.end() ? 'N' : 'Y';
        const int tid = rng.between(1, 3);
        if (products > 0) {
            addGarments(w, offer, static_cast<std::size_t>(products), tid, rng);
        } else {
            // Shirts and pants for everybody; now and then the third garment of the profile.
            for (std::size_t k = 0; k < 3; ++k) {
                if (k == 2 && !rng.percent(40))
                    continue;
                const CustomerProduct& cp = offer[k];
                const GarmentProduct& gp = product(cp.ProdID);
                const Size& size = rng.pick(gp.Sizes);
                w.Inventory.push_back({gp.ProductID, size.SizeID, gp.Quantity, gp.Quantity, tid,
                                       rng.pick(cp.FinMethods), gp.RentPrice});
            }
        }
        c.Wearers.push_back(std::move(w));
    }
    std::stable_sort(c.Wearers.begin(), c.Wearers.end(), [](const Wearer& a, const Wearer& b) {
        return std::tie(a.LastName, a.FirstName) < std::tie(b.LastName, b.FirstName);
    });
    return c;
}

Customer customer(long long custId, long long number, std::string name, std::string address1,
                  std::string address2, std::string city, std::string state, std::string zip,
                  std::string contact, std::string phone, std::string mobile) {
    return {custId,
            number,
            std::move(name),
            std::move(address1),
            std::move(address2),
            std::move(city),
            std::move(state),
            std::move(zip),
            std::move(contact),
            std::move(phone),
            std::move(mobile)};
}

Stop makeStop(const Route& route, unsigned number, Customer cust) {
    Stop s;
    s.StopNumber = number;
    s.StopID = format("%d-%03u", route.RouteNumber, number);
    s.Cust = std::move(cust);
    return s;
}

void setAging(Stop& s, Cents current, Cents d30, Cents d60, Cents d90, Cents credit,
              std::string date, std::string number, Cents amount) {
    s.AgingCurrent = current;
    s.Aging30 = d30;
    s.Aging60 = d60;
    s.Aging90 = d90;
    s.OpenCredit = credit;
    s.LastPaymentDate = std::move(date);
    s.LastPaymentNumber = std::move(number);
    s.LastPaymentAmount = amount;
}

void attach(Day& day, Stop& stop, Invoice invoice) {
    stop.Invoices.push_back(std::to_string(invoice.Number));
    day.Invoices[invoice.Number] = std::move(invoice);
}

const WearerCustomer& wearerCustomer(const Day& day, long long custId) {
    for (const auto& c : day.WearerCustomers)
        if (c.CustID == custId)
            return c;
    std::cerr << "kelvo-daygen: no wearers for customer " << custId << "\n";
    std::exit(2);
}

// Rent lines for every garment of the customer's active wearers.
void allWearerLines(InvoiceBuilder& b, const WearerCustomer& c, bool environmental) {
    std::vector<const Wearer*> byNumber;
    for (const auto& w : c.Wearers)
        if (w.Active == 'Y')
            byNumber.push_back(&w);
    std::sort(byNumber.begin(), byNumber.end(),
              [](const Wearer* a, const Wearer* x) { return a->Nr < x->Nr; });
    for (const Wearer* w : byNumber)
        for (const auto& wp : w->Inventory)
            b.wearerRent(*w, wp, environmental);
}

// Puts each list of a stop into the order in which the handheld keeps and writes it.
void normalise(Stop& s) {
    std::stable_sort(
        s.ContactPersons.begin(), s.ContactPersons.end(),
        [](const ContactPerson& a, const ContactPerson& b) { return a.Number < b.Number; });
    std::stable_sort(s.Invoices.begin(), s.Invoices.end());
}

void normalise(Route& r) {
    for (auto& s : r.Stops)
        normalise(s);
    std::stable_sort(r.Stops.begin(), r.Stops.end(), [](const Stop& a, const Stop& b) {
        if (a.StopNumber != b.StopNumber)
            return a.StopNumber < b.StopNumber;
        return a.Cust.CustomerNumber < b.Cust.CustomerNumber;
    });
}

}  // namespace daygen
