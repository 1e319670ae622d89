#pragma once

#include <map>
#include <string>

#include "daygen/Day.h"

// The files of a day, each composed whole.
namespace daygen {

// File name -> content.
using FileSet = std::map<std::string, std::string>;

// Every file of the day as the back office delivers it.
FileSet render(const Day& day);

// The reference lists every day carries (adjustment reasons, products, flags, ...).
void addReferenceLists(FileSet& files);
// The lists and the wearer file of one wearer customer.
void addCustomerLists(FileSet& files, const WearerCustomer& c);

}  // namespace daygen
