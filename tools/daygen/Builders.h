#pragma once

#include <string>
#include <utility>
#include <vector>

#include "daygen/Day.h"
#include "daygen/Rng.h"

// The steps both the sample day and the generated days are built from.
namespace daygen {

class InvoiceBuilder;

// Call identifier: route date, route number (4), stop number (4), customer number (12) and the
// running number of the call within the stop (2), all padded with zeros: 30 characters.
std::string callId(const Route& route, const Stop& stop, int sequence);

// Adds a call of the route's date to the stop, numbered after the stop's calls so far.
void addCall(const Route& route, Stop& stop, unsigned person, const char* category, int status,
             std::string notes, std::string followup = "");

// Builds a wearer customer's lockers and wearers. Wearers are listed by name, as the back office
// prints them, so their numbers are not in order in the file. Wearers whose index is in
// `inactive` have quit the service ('N'). `products` garments a wearer (0: shirts and pants,
// now and then a third garment); beyond the customer's products a wearer has a product in a
// second size.
WearerCustomer makeWearerCustomer(long long custId, int profile,
                                  const std::vector<std::pair<std::string, std::string>>& names,
                                  const std::vector<int>& numbers,
                                  const std::vector<std::size_t>& inactive, Rng& rng,
                                  int products = 0);

// `count` changes of the customer's wearers as the handheld saves them during a day, spread over
// the active wearers, each wearer changed at most once, every transaction code in turn.
void addTransactions(WearerCustomer& c, int count);

// A customer with its address and main contact.
Customer customer(long long custId, long long number, std::string name, std::string address1,
                  std::string address2, std::string city, std::string state, std::string zip,
                  std::string contact, std::string phone, std::string mobile);

// An empty stop of the route for the customer.
Stop makeStop(const Route& route, unsigned number, Customer cust);

// The account's aging and last payment shown at the stop.
void setAging(Stop& s, Cents current, Cents d30, Cents d60, Cents d90, Cents credit,
              std::string date, std::string number, Cents amount);

// Takes the invoice into the day and lists its number at the stop.
void attach(Day& day, Stop& stop, Invoice invoice);

// The day's wearer customer with this id (the tool stops on an unknown one).
const WearerCustomer& wearerCustomer(const Day& day, long long custId);

// Rent lines for every garment of the customer's active wearers.
void allWearerLines(InvoiceBuilder& b, const WearerCustomer& c, bool environmental);

// Puts each list of a stop, and the stops of a route, into the order in which the handheld
// keeps and writes them.
void normalise(Stop& s);
void normalise(Route& r);

}  // namespace daygen
