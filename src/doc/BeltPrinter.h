#pragma once

#include <string>
#include <string_view>

namespace kelvo {

class DeviceFs;
class Prompter;
struct PrintOutcome;

// The key of the properties file's line that names the driver's belt printer: a network
// printer's raw port ("BeltPrinter=192.168.1.40:9100", the port 9100 when left out) or a
// serial device file ("BeltPrinter=/dev/rfcomm0" for a printer paired over Bluetooth).
inline constexpr std::string_view kBeltPrinterKey = "BeltPrinter";

// True when the properties file names a belt printer (the value may still be wrong).
bool beltPrinterSet(const DeviceFs& fs);

// Sends a print job (the printer's own bytes) to the belt printer the properties file names.
// Anything that keeps it from printing is told in one message: no printer set, a setting that
// names no printer, a printer that is unknown, unreachable, refuses, does not answer, stops
// taking bytes or goes away in the middle. Nothing else changes, so the driver can print
// again. True when the printer took the whole job; an empty job is not sent (false, no
// message).
bool printOnBeltPrinter(const DeviceFs& fs, Prompter& prompter, std::string_view job);

// The message for a job the printer `printer` (as set) did not take.
std::string printFailureText(const std::string& printer, const PrintOutcome& outcome);

}  // namespace kelvo
