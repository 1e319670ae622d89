#pragma once

#include <map>
#include <string>
#include <string_view>

#include "daygen/Day.h"

// The files of a day, each composed whole.
namespace daygen {

// File name -> content.
using FileSet = std::map<std::string, std::string>;

// Every file of the day as the back office delivers it.
FileSet render(const Day& day);

// Config.xml of the handheld of this driver and truck.
std::string configFile(const Config& conf);
// Safety.xml of the truck: answers[i] marks item i 'O' (Ok) or 'M' (Need Maintenance); items
// beyond the answers, or marked otherwise, are unanswered (as delivered).
std::string safetyFile(const Config& conf, std::string_view answers = {});

// The reference lists every day carries (adjustment reasons, products, flags, ...).
void addReferenceLists(FileSet& files);
// The lists and the wearer file of one wearer customer.
void addCustomerLists(FileSet& files, const WearerCustomer& c);

}  // namespace daygen
