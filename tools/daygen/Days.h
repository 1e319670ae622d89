#pragma once

#include <cstdint>

#include "daygen/Day.h"

namespace daygen {

// The sample day: two routes of ten stops, hand-picked so that every case the screens and files
// know about occurs at least once.
Day sampleDay();

// The size and seed of a generated day.
struct Options {
    int Routes = 2;
    int Stops = 10;
    int InvoicesPerStop = 1;
    int LinesPerInvoice = 12;
    int WearersPerCustomer = 6;
    int WearerCustomers = 3;
    int ProductsPerWearer = 0;  // 0: shirts and pants, now and then a third garment
    int Transactions = 0;       // changes already in each wearer customer's transaction file
    std::uint64_t Seed = 1;
};

// Every tenth stop (stop 5, 15, 25, ...) is a visit without invoices, as on real routes.
bool visitOnly(unsigned stopNumber);

// A day of any size, the same for the same options on every platform.
Day generatedDay(const Options& o);

}  // namespace daygen
