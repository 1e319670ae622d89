#include "doc/BeltPrinter.h"

#include "common/DeviceFs.h"
#include "common/PrinterLink.h"
#include "common/Prompter.h"
#include "common/Properties.h"
#include "common/Text.h"
#include "common/Translate.h"
#include "common/WaitCursor.h"

namespace kelvo {

bool beltPrinterSet(const DeviceFs& fs) {
    const auto value = readProperty(fs, kBeltPrinterKey);
    return value && !value->empty();
}

std::string printFailureText(const std::string& printer, const PrintOutcome& outcome) {
    // Each text takes the printer as set, and some the system's reason after it.
    const char* text = nullptr;
    switch (outcome.Failure) {
        case PrintFailure::None:
            return {};
        case PrintFailure::UnknownHost:
            text = KELVO_TR_NOOP(
                "The belt printer %s is not known on the network (%s). Check the printer's name "
                "in the settings, then print again.");
            break;
        case PrintFailure::Unreachable:
            text = KELVO_TR_NOOP(
                "The belt printer %s cannot be reached (%s). Check the network connection, then "
                "print again.");
            break;
        case PrintFailure::Refused:
            text = KELVO_TR_NOOP(
                "The belt printer %s refuses the connection. Check that it is switched on and "
                "ready, then print again.");
            break;
        case PrintFailure::NoAnswer:
            text = KELVO_TR_NOOP(
                "The belt printer %s does not answer. Check that it is switched on and within "
                "reach, then print again.");
            break;
        case PrintFailure::Stalled:
            text = KELVO_TR_NOOP(
                "The belt printer %s stopped taking the printout. Check its paper and its cover, "
                "then print again.");
            break;
        case PrintFailure::Lost:
            text = KELVO_TR_NOOP(
                "The belt printer %s went away in the middle of the printout (%s). Print again "
                "once it is back.");
            break;
        case PrintFailure::NoDevice:
            text = KELVO_TR_NOOP(
                "The belt printer %s is not there. Pair it with the handheld again, then print "
                "again.");
            break;
        case PrintFailure::DeviceRefused:
            text = KELVO_TR_NOOP(
                "The belt printer %s cannot be used (%s). Check the setting and the device's "
                "permissions.");
            break;
    }
    if (text == nullptr) {
        return {};
    }
    // A text without the reason leaves the second argument unused, which printf allows.
    return format(tr(text).c_str(), printer.c_str(), outcome.Detail.c_str());
}

bool printOnBeltPrinter(const DeviceFs& fs, Prompter& prompter, std::string_view job) {
    if (job.empty()) {
        return false;
    }
    const std::string caption = tr("Belt Printer");
    const auto setting = readProperty(fs, kBeltPrinterKey);
    if (!setting || setting->empty()) {
        prompter.inform(format(tr("No belt printer is set up. Name it in %s on a line such as "
                                  "BeltPrinter=192.168.1.40:9100 or BeltPrinter=/dev/rfcomm0.")
                                   .c_str(),
                               propertiesPath().c_str()),
                        caption);
        return false;
    }
    const auto address = parsePrinterAddress(*setting);
    if (!address) {
        prompter.inform(format(tr("The belt printer setting \"%s\" in %s names no printer: it "
                                  "takes a network address with its port, such as "
                                  "192.168.1.40:9100, or a device file, such as /dev/rfcomm0.")
                                   .c_str(),
                               setting->c_str(), propertiesPath().c_str()),
                        caption);
        return false;
    }
    PrintOutcome outcome;
    {
        const WaitCursor wait;
        outcome = sendToPrinter(*address, job);
    }
    if (!outcome.ok()) {
        prompter.inform(printFailureText(*setting, outcome), caption);
        return false;
    }
    return true;
}

}  // namespace kelvo
