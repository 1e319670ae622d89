#include "doc/AddWearerOps.h"

#include <gtest/gtest.h>

#include <string>

#include "common/Text.h"
#include "doc/WearerFixture.h"
#include "model/Products.h"

using namespace kelvo;
using kelvo::test::WearerFixture;

namespace {

using AddWearerTest = WearerFixture;

WearerPage1 page(const char* number, const char* last = "Stone", const char* first = "Ann") {
    return {number, last, first, first, 10, "A", "03"};
}

TEST_F(AddWearerTest, PageOneIsCheckedInOrder) {
    enter("<Transactions><T><Code>1</Code><Nr>40</Nr><FName>Eve New</FName></T></Transactions>");
    const std::string twenty(20, 'f');
    struct Case {
        const char* laundry;
        WearerPage1 page;
        Page1Field field;
        const char* message;
    } cases[] = {
        {"BCL", page("12"), Page1Field::Number, "Wearer number already in use for another wearer!"},
        // A wearer added today holds his number as well.
        {"BCL", page("40"), Page1Field::Number, "Wearer number already in use for another wearer!"},
        {"BCL", page("5000"), Page1Field::None, ""},
        {"DUD", page("0"), Page1Field::Number, "Wearer number should be between 1 and 4999"},
        {"DUD", page("5000"), Page1Field::Number, "Wearer number should be between 1 and 4999"},
        {"DUD", page("1"), Page1Field::None, ""},
        {"DUD", page("4999"), Page1Field::None, ""},
        {"BCL", {"8", std::string(19, 'l'), twenty, "E", 10, "", ""}, Page1Field::None, ""},
        {"BCL",
         {"8", std::string(20, 'l'), twenty, "E", 10, "", ""},
         Page1Field::FirstName,
         "First and last name together should not exceed 40 characters!"},
        {"BCL", {"8", "S", "A", "A", 10, "A", ""}, Page1Field::Locker, "Please fill Locker field!"},
    };
    for (const Case& c : cases) {
        configure(c.laundry, 1);
        const Page1Check check = validatePage1(doc, c.page);
        EXPECT_EQ(check.field, c.field) << c.laundry << c.page.number;
        const std::string expected = *c.message ? "Invalid data: " + std::string(c.message) : "";
        EXPECT_EQ(check.why.caption + (*c.message ? ": " : "") + check.why.text, expected)
            << c.laundry << c.page.number;
    }
}

TEST_F(AddWearerTest, BankAndLockerWithAndWithoutTheCustomersLockerList) {
    enter();
    EXPECT_TRUE(hasLockerList(doc));
    EXPECT_TRUE(knownBank(doc, "A"));
    EXPECT_FALSE(knownBank(doc, "Q"));
    EXPECT_TRUE(knownLocker(doc, "A", "12"));
    EXPECT_FALSE(knownLocker(doc, "A", "13"));
    EXPECT_FALSE(page1Complete(doc, {"8", "S", "A", "A", 10, "A", ""}));
    EXPECT_FALSE(page1Complete(doc, {"8", "S", "A", "A", 0, "", ""}));
    EXPECT_TRUE(page1Complete(doc, {"8", "S", "A", "A", 10, "", ""}));

    doc.Route().Stop(0).LockerManagement = 'N';
    const Page1Check bank = validatePage1(doc, {"8", "S", "A", "A", 10, "", "7"});
    EXPECT_EQ(bank.field, Page1Field::Bank);
    EXPECT_EQ(bank.why.caption + ": " + bank.why.text, "Invalid data: Please fill Bank field!");
    // The "DUD" laundry has no department field.
    configure("DUD", 1);
    EXPECT_TRUE(page1Complete(doc, {"8", "S", "A", "A", 0, "", ""}));
}

TEST_F(AddWearerTest, BothPagesGoIntoTheNewWearerAndComeBackFromIt) {
    enter();
    EXPECT_EQ(openWearerPage1(doc).number, "1");  // the lowest free number
    configure("BCL", 2);
    EXPECT_EQ(openWearerPage1(doc).number, "31");  // one above the highest
    configure("BCL", 0);
    EXPECT_EQ(openWearerPage1(doc).number, "");

    storePage1(doc, {"8", "Stone", "Ann", "Annie", 30, "A", "07"});
    storePage2(doc, {"ADM-1", "Welder", "Left-handed"});
    const CInventory& t = *data.Pending.Get();
    EXPECT_EQ(t.Code, kAddWearer);
    EXPECT_EQ(t.WID, "");
    EXPECT_EQ(t.Nr, 8);
    EXPECT_EQ(t.FName, "Ann Stone");
    EXPECT_EQ(t.LastName, "Stone");
    EXPECT_EQ(t.Dpt, 30);
    EXPECT_EQ(t.LockID, 7);
    EXPECT_EQ(t.Fun, 2);
    EXPECT_EQ(t.WearerRem, "Left-handed");
    EXPECT_EQ(productWearerLine(doc), "8 Ann Stone");

    const WearerPage1 again = openWearerPage1(doc);
    EXPECT_EQ(again.number, "8");
    EXPECT_EQ(again.emblemName, "Annie");
    EXPECT_EQ(again.department, 30);
    EXPECT_EQ(again.locker, "07");
    EXPECT_EQ(openWearerPage2(doc).function, "Welder");
    EXPECT_TRUE(knownFunction(doc, "Welder"));
    EXPECT_FALSE(knownFunction(doc, "Diver"));
    EXPECT_EQ(file(), "");
}

TEST_F(AddWearerTest, AProductAndSizeIsAddedOnce) {
    enter(
        "<Transactions><T><Code>3</Code><WID>W20117-00005</WID><Inventory><P><PID>105</PID>"
        "<SID>3</SID></P></Inventory></T></Transactions>");
    select(5);
    ProductEntry shirt{101, 3, "4", "4", 1, 2, "0.45"};
    const std::string refused = "Invalid data: This product and size were already added!; ";
    ASSERT_TRUE(done(storeProduct(doc, shirt)));
    EXPECT_EQ(data.Pending.Get()->Code, kAddProduct);
    EXPECT_EQ(data.Pending.Get()->WID, "W20117-00005");
    EXPECT_FALSE(done(storeProduct(doc, shirt)));
    EXPECT_EQ(messages(), refused);
    EXPECT_FALSE(done(storeProduct(doc, {.PID = 101, .SID = 2})));  // the wearer has it
    EXPECT_EQ(messages(), refused);
    EXPECT_FALSE(done(storeProduct(doc, {.PID = 105, .SID = 3})));  // added to him today
    EXPECT_EQ(messages(), refused);
    // Shown again after the work order, the line may be stored again, changed.
    shirt.quantity = "6";
    shirt.replaces = lastAddedLine(doc);
    ASSERT_TRUE(done(storeProduct(doc, shirt)));
    ASSERT_EQ(data.Pending.Get()->Lines.size(), 1u);
    EXPECT_EQ(data.Pending.Get()->Lines[0].Qty, 6);

    // For a new wearer only its own lines count; the "DUD" laundry keeps no changes.
    configure("DUD", 1);
    storePage1(doc, {"8", "Stone", "Ann", "Ann", 0, "", ""});
    ASSERT_TRUE(done(storeProduct(doc, {.PID = 101, .SID = 2, .quantity = "3", .changes = "9"})));
    EXPECT_EQ(data.Pending.Get()->Lines.back().Chg, 0);
}

TEST_F(AddWearerTest, MakeALikeCopiesTheModelAndWaitsForEverySize) {
    enter(
        "<Transactions><T><Code>5</Code><WID>W20117-00012</WID><Inventory><P><PID>101</PID>"
        "<SID>2</SID><Qty>11</Qty><Chg>11</Chg><OrgPID>101</OrgPID><OrgSID>4</OrgSID></P>"
        "</Inventory></T></Transactions>");
    select(12);
    storePage1(doc, {"8", "Stone", "Ann", "Ann", 10, "", ""});
    const std::vector<std::size_t> lines = startMakeALike(doc);
    CInventory& t = *data.Pending.Get();
    // Nina Park wears the exchanged shirt, the pants and the coverall.
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(t.Lines[0].ProductKey, "SH100");
    EXPECT_EQ(t.Lines[0].Qty, 11);
    EXPECT_FALSE(makeALikeComplete(doc));
    // A size past the product's sizes, or a line that is not there, changes nothing.
    EXPECT_FALSE(chooseMakeALikeSize(doc, lines[0], 99));
    EXPECT_FALSE(chooseMakeALikeSize(doc, lines[0], -1));
    EXPECT_FALSE(chooseMakeALikeSize(doc, 7, 0));
    EXPECT_EQ(t.Lines[0].SID, 0);
    for (std::size_t i : lines) {
        const CProduct* p = data.Products.FindBy(&CProduct::ProductID, t.Lines[i].PID);
        ASSERT_TRUE(chooseMakeALikeSize(doc, i, int(p->Sizes.size()) - 1));
    }
    EXPECT_TRUE(makeALikeComplete(doc));
    EXPECT_EQ(t.Lines[1].SID, 4032);
    // Coming back to the sizes keeps the sizes chosen.
    EXPECT_EQ(startMakeALike(doc).size(), 3u);
    EXPECT_EQ(t.Lines.size(), 3u);
}

// A new wearer made like another gets the model's wearer file: neither the products added nor
// the quantities changed today (the model's own changes), and a model who quit today still
// lends his products.
TEST_F(AddWearerTest, MakeALikeCopiesTheModelsWearerFileNotTodaysChanges) {
    enter(
        "<Transactions>"
        "<T><Code>3</Code><WID>W20117-00021</WID><Inventory><P><PID>104</PID><SID>2</SID>"
        "<Qty>5</Qty><Chg>5</Chg><Price>1.10</Price></P></Inventory></T>"
        "<T><Code>7</Code><WID>W20117-00021</WID><Inventory><P><PID>101</PID><SID>3</SID>"
        "<Qty>13</Qty><Chg>12</Chg><Price>0.5</Price></P></Inventory></T>"
        "<T><Code>2</Code><WID>W20117-00030</WID></T></Transactions>");
    const auto madeLike = [this](double model) {
        data.Pending.Abandon();
        select(model);
        storePage1(doc, {"8", "Stone", "Ann", "Ann", 10, "", ""});
        startMakeALike(doc);
        std::string lines;
        for (const CInventoryLine& l : data.Pending.Get()->Lines) {
            lines += l.ProductKey + format(" %.0f %.0f %.2f; ", l.Qty, l.Chg, l.Price);
        }
        return lines;
    };
    // Sam Keller: his shirt (11 of them, not today's 13) and his pants.
    EXPECT_EQ(madeLike(21), "SH100 11 11 0.45; PA200 11 11 0.55; ");
    // Tom Becker, who quit today: shirt, pants and coverall.
    EXPECT_EQ(madeLike(30), "SH100 11 11 0.45; PA200 11 11 0.55; CO300 5 5 1.10; ");
}

}  // namespace
