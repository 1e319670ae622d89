#pragma once

#include <gtest/gtest.h>

#include <string>

#include "doc/WearerData.h"
#include "doc/WearerOps.h"
#include "doc/WearerRows.h"
#include "model/MessageText.h"
#include "support/SampleStop.h"

namespace kelvo::test {

// The first stop of the sample day's route 101 (customer 20117: wearers 3, 5, 7 inactive, 12,
// 21 and 30) with the wearer screen entered, as the wearer tests start from.
struct WearerFixture : ::testing::Test {
    static constexpr const char* kTransactions = "\\VexXml\\InventoryTransaction_20117.xml";

    StopDocument s;
    CKelvoDoc& doc = s.doc;
    CWearerData& data = s.doc.WearerData();
    int width = 0;

    void SetUp() override { workAtStop(s.dev, doc, 0); }

    // Enters the wearer screen, with the customer's transaction file when one is given.
    void enter(const std::string& transactions = {}) {
        if (!transactions.empty()) {
            s.dev.put(kTransactions, transactions);
        }
        width = enterWearers(doc);
    }

    // Selects the wearer row of number `nr` or, with `product`, its product row of that text.
    void select(double nr, const std::string& product = {}) {
        CWearerRows rows(data, width);
        rows.ShowWearers({});
        for (std::size_t r = 0; r < rows.Count(); ++r) {
            if (!rows.IsProduct(r) && rows.WearerOf(r).Nr == nr) {
                if (!product.empty()) {
                    rows.Expand(r);
                    for (std::size_t p = r + 1; p < rows.Count() && rows.IsProduct(p); ++p) {
                        if (rows.Text(p) == product) {
                            data.ListState.Select(rows.SelectionOf(p));
                            return;
                        }
                    }
                    ADD_FAILURE() << "no product row '" << product << "' of wearer " << nr;
                }
                data.ListState.Select(rows.SelectionOf(r));
                return;
            }
        }
        ADD_FAILURE() << "no wearer row " << nr;
    }

    // The sample configuration with another laundry code and wearer number proposal.
    void configure(const std::string& laundry, int defaultWearerNr) {
        std::string config = s.dev.read("\\VexXml\\Config.xml");
        setElement(config, "LaundryCode", laundry);
        setElement(config, "DefaultWearernr", std::to_string(defaultWearerNr));
        s.dev.put("\\VexXml\\Config.xml", config);
        ASSERT_TRUE(doc.Config().Load(s.dev.fs()));
    }
    static void setElement(std::string& xml, const std::string& tag, const std::string& value) {
        const std::size_t from = xml.find("<" + tag + ">") + tag.size() + 2;
        xml.replace(from, xml.find("</" + tag + ">") - from, value);
    }

    // Shows a change's notices as its screen does; true when the change was made.
    bool done(const WearerChange& change) { return showNotices(s.prompter, change); }
    // The messages shown since the last call, "caption: text; " each.
    std::string messages() {
        const std::string out = messageTexts(s.prompter.shown());
        s.prompter.clearShown();
        return out;
    }
    // The customer's transaction file ("" while there is none).
    std::string file() const { return s.dev.read(kTransactions); }
};

}  // namespace kelvo::test
