#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kelvo {

// Where a receipt printer takes its print jobs: a raw TCP port on the network (Host, Port) or
// a serial device file (Device), such as a Bluetooth printer paired as /dev/rfcomm0.
struct PrinterAddress {
    std::string Host;  // "" for a device file
    int Port = 9100;   // the raw port of network receipt printers
    std::string Device;
};

// Reads "HOST", "HOST:PORT", "[IPv6]:PORT" or an absolute device path ("/dev/rfcomm0").
// nullopt for anything else (an empty text, a port out of 1..65535, a relative path).
std::optional<PrinterAddress> parsePrinterAddress(std::string_view text);

// Why a job did not reach the printer.
enum class PrintFailure {
    None,
    UnknownHost,    // the host name does not resolve
    Unreachable,    // no route to the printer's network or host
    Refused,        // nothing listens on the port
    NoAnswer,       // the connection was not answered in time, or the device is not connected
    Stalled,        // the printer stopped taking bytes for longer than the stall time
    Lost,           // the connection broke or the device vanished during the job
    NoDevice,       // the device file does not exist
    DeviceRefused,  // the device file cannot be opened or set up (permission, not a device)
};

// What became of a job: Failure None when every byte was taken (and, where the link can
// tell, acknowledged); else the failure, how far the job got and the system's own words.
struct PrintOutcome {
    PrintFailure Failure = PrintFailure::None;
    std::size_t BytesSent = 0;
    std::string Detail;

    bool ok() const { return Failure == PrintFailure::None; }
};

// How long a job may wait, in milliseconds: for the connection (a TCP connect, a device's
// first readiness), and for any progress once connected.
struct PrinterTimeouts {
    int ConnectMs = 5000;
    int StallMs = 5000;
};

// Sends a job to the printer and waits until it has been taken: over TCP until the printer
// has acknowledged every byte, on a terminal device until its output queue is empty (the
// terminal is set raw first, so that no byte is translated on the way). Blocks for at most
// ConnectMs plus StallMs beyond the time the printer takes the bytes; never raises SIGPIPE.
PrintOutcome sendToPrinter(const PrinterAddress& printer, std::string_view job,
                           const PrinterTimeouts& timeouts = {});

}  // namespace kelvo
