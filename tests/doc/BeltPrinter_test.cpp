#include "doc/BeltPrinter.h"

#include <gtest/gtest.h>

#include "common/PrinterLink.h"
#include "common/Prompter.h"
#include "support/PrinterListener.h"
#include "support/TempDevice.h"

using namespace kelvo;

namespace {

const std::string kSettingsFile = "\\Program Files\\Kelvo\\Kelvo.properties";

}  // namespace

// The belt printer is the one the properties file names: none set, a setting that names no
// printer, a printer that refuses, each in one message that names what to mend; a printer
// that takes the job gets it whole, and nothing is said.
TEST(BeltPrinter, PrintsWhereTheSettingSaysOrSaysWhyNot) {
    test::TempDevice dev;
    ScriptedPrompter prompter;
    const std::string job = "\x1b@job";

    EXPECT_FALSE(beltPrinterSet(dev.fs()));
    EXPECT_FALSE(printOnBeltPrinter(dev.fs(), prompter, job));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, "Belt Printer");
    EXPECT_NE(prompter.shown()[0].text.find(kSettingsFile), std::string::npos);

    dev.put(kSettingsFile, "Storagelocation=\\\nBeltPrinter=printer:ninety");
    EXPECT_TRUE(beltPrinterSet(dev.fs()));
    EXPECT_FALSE(printOnBeltPrinter(dev.fs(), prompter, job));
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_NE(prompter.shown()[1].text.find("\"printer:ninety\""), std::string::npos);

    const std::string refusing = "127.0.0.1:" + std::to_string(test::closedPort());
    dev.put(kSettingsFile, "Storagelocation=\\\nBeltPrinter=" + refusing);
    EXPECT_FALSE(printOnBeltPrinter(dev.fs(), prompter, job));
    ASSERT_EQ(prompter.shown().size(), 3u);
    EXPECT_EQ(prompter.shown()[2].text,
              "The belt printer " + refusing +
                  " refuses the connection. Check that it is switched on and ready, then print "
                  "again.");

    test::PrinterListener printer;
    dev.put(kSettingsFile,
            "Storagelocation=\\\nBeltPrinter=127.0.0.1:" + std::to_string(printer.port()));
    EXPECT_TRUE(printOnBeltPrinter(dev.fs(), prompter, job));
    EXPECT_EQ(printer.job(), job);
    EXPECT_FALSE(printOnBeltPrinter(dev.fs(), prompter, ""));  // nothing to print: not sent
    EXPECT_EQ(printer.connections(), 1);
    EXPECT_EQ(prompter.shown().size(), 3u);
}

// Every failure has its own words, naming the printer as set and, where the system gives
// one, its reason.
TEST(BeltPrinter, EachFailureSaysWhatToDo) {
    const PrintFailure failures[] = {PrintFailure::UnknownHost, PrintFailure::Unreachable,
                                     PrintFailure::Refused,     PrintFailure::NoAnswer,
                                     PrintFailure::Stalled,     PrintFailure::Lost,
                                     PrintFailure::NoDevice,    PrintFailure::DeviceRefused};
    std::vector<std::string> texts;
    for (const PrintFailure f : failures) {
        const std::string text = printFailureText("/dev/rfcomm0", {f, 10, "Input/output error"});
        EXPECT_EQ(text.find("The belt printer /dev/rfcomm0 "), 0u) << text;
        for (const std::string& other : texts) {
            EXPECT_NE(text, other);
        }
        texts.push_back(text);
    }
    EXPECT_NE(printFailureText("p", {PrintFailure::Lost, 10, "Broken pipe"}).find("(Broken pipe)"),
              std::string::npos);
    EXPECT_EQ(printFailureText("p", {}), "");
}
