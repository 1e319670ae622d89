#pragma once

#include "daygen/Day.h"
#include "daygen/Writers.h"

// A heavy service history at the day's first stop, for load tests of the contact, scan and
// new services screens: many calls of the stop, and the garment flag and flat-good transaction
// files the handheld wrote for its customer on earlier visits (files the back office never
// delivers; they are written only when asked for).
namespace daygen {

struct ServiceLoad {
    int Calls = 0;      // calls added to the first stop of the first route
    int Flags = 0;      // garment flags of that stop's customer
    int FlatGoods = 0;  // flat-good transactions of that customer
};

// Adds the calls to the first stop of the first route (numbered after its own calls; from the
// hundredth on the identifier has 31 characters, as the handheld makes it).
void addStopCalls(Day& day, int count);

// Writes "GarmentFlags_<customer>.xml" and "FlatGoodTransactions_<customer>.xml" for the first
// stop's customer in the handheld's own layout: flags on distinct codes of 10 hexadecimal
// digits in code order; each transaction a catalogue product at a frequency code of its own,
// so that every catalogue product and frequency can still be added.
void addServiceFiles(FileSet& files, const Day& day, const ServiceLoad& load);

}  // namespace daygen
