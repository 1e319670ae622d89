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

// Builds a wearer customer's lockers and wearers. Wearers are listed by name, as the back office
// prints them, so their numbers are not in order in the file. Wearers whose index is in
// `inactive` have quit the service ('N').
WearerCustomer makeWearerCustomer(long long custId, int profile,
                                  const std::vector<std::pair<std::string, std::string>>& names,
                                  const std::vector<int>& numbers,
                                  const std::vector<std::size_t>& inactive, Rng& rng) {
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
