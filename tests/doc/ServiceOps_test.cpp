#include "doc/ServiceOps.h"

#include <gtest/gtest.h>

#include "support/SampleStop.h"

using namespace kelvo;

namespace {

// Stop 1 of route 101, customer 20117. The sample catalogue's first group is "Mats" with
// "Entrance mat 3x5" (MT35: 4.50 weekly, 5.25 every other week) first; the frequencies are
// Weekly (1W), Every other week (2W), Every four weeks (4W), Twice a week (2X).
constexpr const char* kServices = "\\VexXml\\FlatGoodTransactions_20117.xml";

struct ServiceOpsTest : ::testing::Test {
    ServiceOpsTest() { test::workAtStop(s.dev, s.doc, 0); }
    test::StopDocument s;
};

TEST_F(ServiceOpsTest, ServiceChosenFromTheCatalogueIsAddedOnceAndDeleted) {
    ASSERT_TRUE(openNewServices(s.doc));
    openAddService(s.doc);
    EXPECT_TRUE(s.prompter.shown().empty());
    EXPECT_EQ(serviceGroups(s.doc).front(), "Mats");
    EXPECT_EQ(serviceProducts(s.doc, 0).front(), "Entrance mat 3x5");
    EXPECT_TRUE(serviceProducts(s.doc, -1).empty());
    EXPECT_EQ(serviceFrequencies(s.doc).size(), 4u);
    EXPECT_EQ(servicePrice(s.doc, 0, 0, 1), "5.25");
    EXPECT_EQ(servicePrice(s.doc, 0, -1, 1), "");

    EXPECT_FALSE(serviceSavable(s.doc, 0, 0, 1, "", "5.25"));
    EXPECT_FALSE(serviceSavable(s.doc, 0, 0, -1, "3", "5.25"));
    EXPECT_FALSE(serviceSavable(s.doc, 0, 0, 1, "3", "0"));
    ASSERT_TRUE(serviceSavable(s.doc, 0, 0, 1, "3", "5.25"));
    const Outcome added = saveService(s.doc, 0, 0, 1, "3", "5.25");
    EXPECT_TRUE(added.done);
    EXPECT_TRUE(added.notices.empty());
    EXPECT_EQ(added.written, std::vector<std::string>{kServices});
    // The same product at another frequency is another service; at the same one it is refused.
    EXPECT_TRUE(saveService(s.doc, 0, 0, 0, "2", "4.5").done);
    const Outcome again = saveService(s.doc, 0, 0, 1, "1", "5.25");
    EXPECT_FALSE(again.done);
    EXPECT_TRUE(again.written.empty());
    ASSERT_EQ(again.notices.size(), 1u);
    EXPECT_EQ(again.notices[0].text, "This product and frequency were already added!");
    EXPECT_EQ(again.notices[0].caption, "Invalid data");

    const CFlatGoodTransactions& services = s.doc.FlatGoodTransactions();
    ASSERT_EQ(services.Count(), 2u);
    EXPECT_EQ(serviceRow(s.doc, services.At(1)),
              (std::array<std::string, 5>{"MT35", "Entrance mat 3x5", "1W", "2", "4.50"}));
    EXPECT_EQ(deleteService(s.doc, 0).written, std::vector<std::string>{kServices});
    EXPECT_FALSE(deleteService(s.doc, 5).done);
    EXPECT_EQ(s.dev.read(kServices),
              "<FlatgoodTransactions>\r\n\t<flatgoodtransaction>\r\n\t\t<Prodcode>MT35</Prodcode>"
              "\r\n\t\t<Freqcode>1W</Freqcode>\r\n\t\t<Qty>2</Qty>\r\n\t\t<Price>4.50</Price>\r\n\t"
              "</flatgoodtransaction>\r\n</FlatgoodTransactions>");
}

TEST_F(ServiceOpsTest, MissingCatalogueIsNamedWhenAServiceIsToBeAdded) {
    s.dev.fs().removeFile("\\VexXml\\Flatgoodproducts.xml");
    ASSERT_TRUE(openNewServices(s.doc));
    EXPECT_TRUE(s.prompter.shown().empty());
    openAddService(s.doc);
    ASSERT_EQ(s.prompter.shown().size(), 1u);
    EXPECT_EQ(s.prompter.shown()[0].text,
              "No flat-good products could be read from \\VexXml\\Flatgoodproducts.xml, so no "
              "service can be added.");
    EXPECT_FALSE(serviceSavable(s.doc, 0, 0, 0, "1", "1"));
    EXPECT_FALSE(saveService(s.doc, 0, 0, 0, "1", "1").done);
    EXPECT_FALSE(s.dev.exists(kServices));
}

TEST_F(ServiceOpsTest, AnUnreadableFileIsToldAndKeptAndBadEntriesAreRefused) {
    const std::string damaged = "<FlatgoodTransactions><flatgoodtransaction><Prodcode>MT";
    s.dev.put(kServices, damaged);
    ASSERT_TRUE(openNewServices(s.doc));
    ASSERT_EQ(s.prompter.shown().size(), 1u);
    EXPECT_EQ(s.prompter.shown()[0].caption, "Load Error");
    EXPECT_EQ(s.prompter.shown()[0].text,
              std::string("Cannot read ") + kServices +
                  ". The file is kept as it is, and nothing is saved to it until it can be read.");
    openAddService(s.doc);
    struct Case {
        const char* quantity;
        const char* price;
        const char* message;
    } const cases[] = {
        {"3", "0", "Invalid data: Invalid entered price!"},
        {"3x", "5.25", "Error data: Only numerical characters are allowed!"},
        {"3", "5.25",
         "Error data files: \\VexXml\\FlatGoodTransactions_20117.xml could not be read, so "
         "nothing is saved to it."},
    };
    for (const Case& c : cases) {
        const Outcome refused = saveService(s.doc, 0, 0, 1, c.quantity, c.price);
        EXPECT_FALSE(refused.done);
        EXPECT_TRUE(refused.written.empty());
        ASSERT_EQ(refused.notices.size(), 1u) << c.message;
        EXPECT_EQ(refused.notices[0].caption + ": " + refused.notices[0].text, c.message);
    }
    EXPECT_EQ(s.dev.read(kServices), damaged);
}

}  // namespace
