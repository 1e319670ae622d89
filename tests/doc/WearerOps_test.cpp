#include "doc/WearerOps.h"

#include <gtest/gtest.h>

#include <string>

#include "doc/WearerFixture.h"

using namespace kelvo;
using kelvo::test::WearerFixture;

namespace {

// Wearer 21 has an add product transaction, wearer 12 a quit product of its coverall.
constexpr const char* kSomeChanges =
    "<Transactions>"
    "<T><Code>3</Code><WID>W20117-00021</WID><Inventory><P><PID>104</PID><SID>3</SID>"
    "<Qty>2</Qty></P></Inventory></T>"
    "<T><Code>4</Code><WID>W20117-00012</WID><Inventory><P><PID>104</PID><SID>1</SID></P>"
    "</Inventory></T>"
    "</Transactions>";

constexpr const char* kWarning = "Warning: ";

using WearerOpsTest = WearerFixture;

// The question a change's screen asks first, "caption: text"; "" when there is none.
std::string asked(const std::optional<Message>& question) {
    return question ? question->caption + ": " + question->text : "";
}

TEST_F(WearerOpsTest, EachActionTellsWhyItIsRefused) {
    enter(kSomeChanges);
    enum Action { AddProduct, QuitWearer, Exchange, Quantity, QuitProduct };
    struct Case {
        double wearer;  // 0: none selected
        const char* product;
        Action action;
        const char* message;  // "" when allowed
    } cases[] = {
        {0, "", AddProduct, "Action not allowed, no wearer selected!"},
        {0, "", QuitWearer, "Action not allowed, no wearer selected!"},
        {7, "", AddProduct, "Add products not allowed, wearer is already inactive!"},
        {7, "", QuitWearer, "Quit wearer not allowed, wearer is already inactive!"},
        {7, " SH100 XL", Exchange, "Exchange product not allowed, wearer is already inactive!"},
        {7, " SH100 XL", Quantity, "Change quantity not allowed, wearer is already inactive!"},
        {7, " SH100 XL", QuitProduct, "Quit product not allowed, wearer is already inactive!"},
        // An unrelated add product still keeps the wearer from quitting.
        {21, "", QuitWearer, "Action not allowed while transactions are pending for this wearer!"},
        {21, "", AddProduct, ""},
        {21, " CO300 L", Exchange,
         "Action not allowed while transactions are pending for this product!"},
        {21, " SH100 L", Exchange, ""},
        {12, " CO300 S", Quantity,
         "Action not allowed while transactions are pending for this product!"},
        {12, " PA200 36x32", QuitProduct, ""},
        {3, "", QuitWearer, ""},
    };
    for (const Case& c : cases) {
        if (c.wearer == 0) {
            data.ListState.Select({});
        } else {
            select(c.wearer, c.product);
        }
        bool allowed = false;
        switch (c.action) {
            case AddProduct:
                allowed = checkAddProduct(doc);
                break;
            case QuitWearer:
                allowed = checkQuitWearer(doc);
                break;
            case Exchange:
                allowed = checkProductAction(doc, ProductAction::Exchange);
                break;
            case Quantity:
                allowed = checkProductAction(doc, ProductAction::ChangeQuantity);
                break;
            case QuitProduct:
                allowed = checkProductAction(doc, ProductAction::Quit);
                break;
        }
        const std::string expected = *c.message ? kWarning + std::string(c.message) + "; " : "";
        EXPECT_EQ(messages(), expected) << c.wearer << c.product;
        EXPECT_EQ(allowed, !*c.message) << c.wearer << c.product;
    }
}

TEST_F(WearerOpsTest, QuitAndCancelAWearer) {
    enter();
    select(3);
    EXPECT_FALSE(mayCancelSelected(data));
    EXPECT_EQ(asked(quitWearerQuestion(doc)), "Question: Are you sure you want to quit Ray Dunn ?");
    EXPECT_FALSE(done(quitWearer(doc, Answer::No)));
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(file(), "");

    const WearerChange quit = quitWearer(doc, Answer::Yes);
    ASSERT_TRUE(quit.done);
    EXPECT_EQ(quit.written, std::vector<std::string>{kTransactions});
    messages();
    EXPECT_NE(file().find("<Code>2</Code>\r\n\t\t\t<ReasonCode></ReasonCode>\r\n\t\t\t<Ref></Ref>"
                          "\r\n\t\t\t<Rem></Rem>\r\n\t\t\t<WID>W20117-00003</WID>"),
              std::string::npos);
    EXPECT_TRUE(mayCancelSelected(data));
    ASSERT_NE(selectedTransactionWearer(data), nullptr);
    EXPECT_EQ(selectedWID(data), "W20117-00003");

    // A product row of the quit wearer stands for the quit wearer.
    select(3, " SH100 XL");
    EXPECT_TRUE(mayCancelSelected(data));
    EXPECT_EQ(asked(cancelTransactionQuestion(doc)),
              "Confirm cancel: Are you sure you want to cancel this quit wearer transaction?");
    ASSERT_TRUE(done(cancelSelectedTransaction(doc, Answer::Yes)));
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(file(), "<Transactions>\r\n</Transactions>");
    EXPECT_FALSE(data.ListState.Selection().isProduct);
    EXPECT_FALSE(data.ListState.ExpandSelected());

    // Nothing to cancel: no question, and the refusal comes whatever the answer.
    EXPECT_EQ(asked(cancelTransactionQuestion(doc)), "");
    EXPECT_FALSE(done(cancelSelectedTransaction(doc, Answer::Yes)));
    EXPECT_EQ(messages(), "Warning: Action not allowed, no transaction exists on selected line!; ");
}

TEST_F(WearerOpsTest, QuitAProductAndCancelTheProductsOfAnAddedWearer) {
    enter(
        "<Transactions><T><Code>1</Code><Nr>40</Nr><FName>Eve New</FName><Inventory>"
        "<P><PID>101</PID><SID>3</SID></P><P><PID>103</PID><SID>3432</SID></P></Inventory></T>"
        "</Transactions>");
    select(12, " PA200 36x32");
    // The question names the product row as the list shows it, its leading blank included.
    EXPECT_EQ(asked(quitProductQuestion(doc)),
              "Question: Are you sure you want to quit  PA200 "
              "36x32 for 12" +
                  std::string(12, ' ') + "Nina Park ?");
    EXPECT_FALSE(done(quitProduct(doc, Answer::No)));
    EXPECT_EQ(file().find("<WID>W20117-00012</WID>"), std::string::npos);
    ASSERT_TRUE(done(quitProduct(doc, Answer::Yes)));
    EXPECT_NE(file().find("<WID>W20117-00012</WID>"), std::string::npos);
    EXPECT_NE(file().find("<PID>103</PID>\r\n\t\t\t\t\t<SID>3632</SID>\r\n\t\t\t\t\t<FID>0</FID>"
                          "\r\n\t\t\t\t\t<Qty>0</Qty>"),
              std::string::npos);

    // One product of the added wearer goes; the other keeps the wearer.
    select(40, " SH100 L");
    EXPECT_EQ(asked(cancelTransactionQuestion(doc)),
              "Confirm cancel: Are you sure you want to cancel this product from add wearer "
              "transaction?");
    ASSERT_TRUE(done(cancelSelectedTransaction(doc, Answer::Yes)));
    EXPECT_EQ(data.Transactions.At(0).Lines.size(), 1u);
    EXPECT_TRUE(data.ListState.ExpandSelected());
    select(40, " PA200 34x32");
    ASSERT_TRUE(done(cancelSelectedTransaction(doc, Answer::Yes)));
    // The last product takes the added wearer with it.
    EXPECT_EQ(data.ListState.Find({nullptr, 40, true}), -1);
    EXPECT_FALSE(data.ListState.Selection().wearer.IsSet());
    EXPECT_EQ(data.Transactions.Count(), 1u);
}

TEST_F(WearerOpsTest, AFileThatCannotBeReadIsReportedAndNeverWrittenOver) {
    const std::string damaged = "<Transactions><T><Code>3</Code>";
    enter(damaged);
    EXPECT_EQ(messages(),
              "Load Error: Cannot read \\VexXml\\InventoryTransaction_20117.xml. The file is kept "
              "as it is, and nothing is saved to it until it can be read.; ");
    select(3);
    const WearerChange refused = quitWearer(doc, Answer::Yes);
    EXPECT_FALSE(refused.done);
    EXPECT_TRUE(refused.written.empty());
    // The change shows nothing itself and leaves the failure to its screen.
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(test::messageTexts(refused.notices),
              "Error data files: \\VexXml\\InventoryTransaction_20117.xml could not be read, so "
              "nothing is saved to it.; ");
    EXPECT_TRUE(data.Pending.IsOpen());
    EXPECT_EQ(file(), damaged);

    // Coming back to the wearer screen drops the change that was not saved.
    enterWearers(doc);
    messages();
    EXPECT_FALSE(data.Pending.IsOpen());
    EXPECT_EQ(file(), damaged);
}

}  // namespace
