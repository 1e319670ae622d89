#include "doc/WearerRows.h"

#include <gtest/gtest.h>

#include <string>

#include "doc/WearerFixture.h"
#include "doc/WearerListOps.h"
#include "doc/WearerTexts.h"

using namespace kelvo;
using kelvo::test::WearerFixture;

namespace {

std::string spaces(std::size_t n) {
    return std::string(n, ' ');
}

TEST(WearerTexts, NamesStartAtOnePlaceForEveryNumber) {
    struct Case {
        double highest;
        int width;
        const char* header;
    } cases[] = {
        {1250, 16, "Wearer#   Name"},
        {9999999, 16, "Wearer#   Name"},
        {12345678, 18, "Wearer#     Name"},
        {123456789, 20, "Wearer#       Name"},
        {123456789012, 26, "Wearer#             Name"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wearerColumnWidth(c.highest), c.width) << c.highest;
        EXPECT_EQ(wearerHeader(c.width), c.header) << c.highest;
    }
    EXPECT_EQ(wearerRowText(7, "Ann", 16), "7" + spaces(14) + "Ann");
    EXPECT_EQ(wearerRowText(12, "Ann", 16), "12" + spaces(12) + "Ann");
    EXPECT_EQ(wearerRowText(1250, "Ann", 16), "1250" + spaces(8) + "Ann");
    EXPECT_EQ(wearerRowText(12345678, "Ann", 18), "12345678" + spaces(2) + "Ann");
}

TEST(WearerTexts, LowestFreeNumberIsTheFirstGap) {
    struct Case {
        std::vector<double> numbers;
        double lowest;
    } cases[] = {{{1, 2, 3, 5}, 4}, {{1, 2, 3}, 4}, {{}, 1}, {{2, 3}, 1}, {{1, 1, 2, 4}, 3}};
    for (const Case& c : cases) {
        std::string xml = "<Wearers>";
        for (double n : c.numbers) {
            xml += "<W><ID>W" + std::to_string(int(n)) + "</ID><Nr>" + std::to_string(int(n)) +
                   "</Nr></W>";
        }
        kelvo::test::TempDevice dev;
        dev.put("\\VexXml\\Wearer_1.xml", xml + "</Wearers>");
        CWearers wearers;
        CInventoryTransactions transactions;
        wearers.Load(dev.fs(), 1);
        CWearerListState state;
        state.Build(wearers, transactions);
        EXPECT_EQ(state.LowestFreeNumber(), c.lowest) << xml;
    }
}

using WearerRowsTest = WearerFixture;

TEST_F(WearerRowsTest, AddedWearersJoinTheFileInNumberOrderAndEveryRowHasItsMark) {
    enter(
        "<Transactions>"
        "<T><Code>1</Code><Nr>6</Nr><FName>Eve New</FName><Inventory><P><PID>101</PID>"
        "<SID>3</SID><Qty>4</Qty></P></Inventory></T>"
        "<T><Code>2</Code><WID>W20117-00030</WID></T>"
        "<T><Code>5</Code><WID>W20117-00005</WID><Inventory><P><PID>101</PID><SID>3</SID>"
        "<Qty>11</Qty><OrgPID>101</OrgPID><OrgSID>2</OrgSID></P></Inventory></T>"
        "<T><Code>7</Code><WID>W20117-00005</WID><Inventory><P><PID>103</PID><SID>3432</SID>"
        "<Qty>13</Qty></P></Inventory></T>"
        "</Transactions>");
    CWearerRows rows(data, width);
    rows.ShowWearers({});
    ASSERT_EQ(rows.Count(), 7u);
    const std::string texts[] = {"3", "5", "6", "7", "12", "21", "30"};
    for (std::size_t r = 0; r < rows.Count(); ++r) {
        EXPECT_EQ(rows.Text(r).substr(0, rows.Text(r).find(' ')), texts[r]);
    }
    EXPECT_EQ(rows.Text(2), "6" + spaces(14) + "Eve New");
    EXPECT_EQ(rows.Mark(0), RowMark::None);
    EXPECT_EQ(rows.Mark(2), RowMark::Added);
    EXPECT_EQ(rows.Mark(3), RowMark::Inactive);
    EXPECT_EQ(rows.Mark(6), RowMark::Quit);

    // Luis Alvarez (5): the exchanged shirt shows the new size green and the old one red, the
    // pants their new quantity; rows sorted by text.
    ASSERT_EQ(rows.Expand(1), 4u);
    EXPECT_TRUE(rows.AnyExpanded());
    EXPECT_EQ(rows.Text(2), " CO300 XL");
    EXPECT_EQ(rows.Text(3), " PA200 34x32");
    EXPECT_EQ(rows.Quantity(3), "13");
    EXPECT_EQ(rows.Mark(3), RowMark::QuantityChanged);
    EXPECT_EQ(rows.Text(4), " SH100 L");
    EXPECT_EQ(rows.Mark(4), RowMark::Added);
    EXPECT_EQ(rows.Text(5), " SH100 M");
    EXPECT_EQ(rows.Mark(5), RowMark::Quit);
    EXPECT_EQ(rows.WearerRowIndex(5), 1u);
    EXPECT_EQ(rows.Expand(1), 0u);

    // The added wearer's products are its transaction's lines.
    ASSERT_EQ(rows.Expand(6), 1u);
    EXPECT_EQ(rows.Text(7), " SH100 L");
    EXPECT_EQ(rows.Mark(7), RowMark::Added);

    // A selection finds its row again, also in a list built anew.
    const WearerSelection pants = rows.SelectionOf(3);
    EXPECT_TRUE(pants.isProduct);
    EXPECT_EQ(rows.RowOf(pants), 3);
    EXPECT_EQ(rows.Collapse(1), 4u);
    EXPECT_EQ(rows.RowOf(pants), -1);
    EXPECT_EQ(rows.RowOf(rows.SelectionOf(2)), 2);
}

TEST_F(WearerRowsTest, FilterAndTheViewTheScreenComesBackTo) {
    enter();
    CWearerRows rows(data, width);
    rows.ShowWearers("PARK");
    ASSERT_EQ(rows.Count(), 1u);
    EXPECT_EQ(rows.Text(0), "12" + spaces(12) + "Nina Park");
    rows.ShowWearers("n");  // Ray Dunn, Jim O'Brien, Nina Park
    EXPECT_EQ(rows.Count(), 3u);

    // Left with a filter and two wearers expanded, the screen comes back so.
    rows.ShowWearers({});
    WearerSelection becker;
    becker.wearer = data.ListState.Rows()[5].Key();
    rows.Expand(std::size_t(rows.RowOf(becker)));
    rows.Expand(0);
    data.ListState.SaveView(rows.Filter(), rows.ExpandedKeys());
    CWearerRows again(data, width);
    again.Restore();
    EXPECT_EQ(again.Count(), 6u + 3 + 2);
    EXPECT_TRUE(again.IsExpanded(0));

    // Without a saved view: every wearer collapsed, the selected one expanded when asked.
    select(12);
    data.ListState.ClearSavedView();
    data.ListState.SetExpandSelected(true);
    CWearerRows fresh(data, width);
    fresh.Restore();
    EXPECT_EQ(fresh.Count(), 6u + 3);
    EXPECT_TRUE(fresh.IsExpanded(3));
}

// The list made anew shows the selected row again, or the wearer of a product row no longer
// shown; a wearer filtered away, or a filter that keeps no row, leaves nothing selected.
TEST_F(WearerRowsTest, TheSelectionOutlivesTheRowsItCanStillBeFoundIn) {
    enter();
    select(5, " CO300 XL");
    CWearerRows rows(data, width);
    rows.ShowWearers({});
    const int row = reselectWearerRow(data, rows);
    ASSERT_GE(row, 0);
    EXPECT_EQ(rows.WearerOf(std::size_t(row)).Nr, 5);
    chooseWearerRow(data, rows, row);
    EXPECT_FALSE(data.ListState.Selection().isProduct);
    EXPECT_EQ(selectedWearerLine(data), "5 Luis Alvarez");

    rows.ShowWearers("PARK");
    EXPECT_EQ(reselectWearerRow(data, rows), -1);
    EXPECT_FALSE(data.ListState.Selection().wearer.IsSet());

    select(12);
    data.ListState.SetExpandSelected(true);
    wearerFilterApplied(data, rows);  // Nina Park still shown
    EXPECT_FALSE(data.ListState.ExpandSelected());
    EXPECT_TRUE(data.ListState.Selection().wearer.IsSet());
    rows.ShowWearers("nobody");
    wearerFilterApplied(data, rows);
    EXPECT_FALSE(data.ListState.Selection().wearer.IsSet());
}

}  // namespace
