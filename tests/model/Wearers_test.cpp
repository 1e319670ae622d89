#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/Wearers.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::fixture;
using kelvo::test::TempDevice;

namespace {

constexpr const char* kWearerFile = "\\VexXml\\Wearer_4711.xml";

std::string numbers(const CWearers& wearers) {
    std::string out;
    for (const CWearer& w : wearers) {
        out += w.ID + " ";
    }
    return out;
}

}  // namespace

TEST(WearerFile, WearersInNumberOrderWithTheirProducts) {
    TempDevice dev;
    dev.putFixture(kWearerFile, fixture("wearer/Wearer_4711.xml"));
    CWearers wearers;
    ASSERT_EQ(wearers.Load(dev.fs(), 4711), LoadResult::Read);
    // Listed 30, 5, 12, 12: equal numbers keep file order; record tags are not checked.
    EXPECT_EQ(numbers(wearers), "W-5 W-12 W-12b W-30 ");
    const CWearer& tom = wearers.At(3);
    EXPECT_EQ(tom.EmblemName, "Tommy & Co");
    EXPECT_EQ(tom.Dpt, 30);
    EXPECT_EQ(tom.Lock, "01");
    ASSERT_EQ(tom.Inventory.size(), 2u);
    EXPECT_EQ(tom.Inventory[0], (CWearerProduct{101, 2, 11, 11, 1, 1, 0.45}));
    EXPECT_EQ(tom.Inventory[1], (CWearerProduct{104, 4, 5, 5, 0, 2, 1.10}));
    EXPECT_TRUE(tom.HasProduct(104, 4));
    EXPECT_FALSE(tom.HasProduct(104, 2));
    EXPECT_EQ(tom.FindProduct(101, 2)->Price, 0.45);

    const CWearer& luis = wearers.At(0);
    EXPECT_FALSE(luis.IsActive());
    EXPECT_TRUE(luis.Inventory.empty());
    EXPECT_EQ(luis.Admin, "");
    const CWearer& ann = wearers.At(1);
    EXPECT_TRUE(ann.IsActive());  // no Active element
    EXPECT_EQ(ann.Dpt, 0);        // "ten" is no number
    EXPECT_TRUE(ann.Inventory.empty());

    EXPECT_EQ(wearers.Find(12)->ID, "W-12");
    EXPECT_EQ(wearers.Find(13), nullptr);
    EXPECT_EQ(wearers.FindByID("W-30"), &tom);
    EXPECT_EQ(wearers.FindByID("W-31"), nullptr);
    EXPECT_EQ(wearers.MaxNumber(), 30);
}

TEST(WearerFile, LoadsOncePerCustomerAndNoWearersWithoutAReadableFile) {
    TempDevice dev;
    CWearers wearers;
    wearers.SetPath("Card");
    const std::string file = wearers.FilePath(4711);
    EXPECT_EQ(file, "\\Card\\VexXml\\Wearer_4711.xml");
    dev.putFixture(file, fixture("wearer/Wearer_4711.xml"));
    EXPECT_EQ(wearers.Load(dev.fs(), 4711), LoadResult::Read);
    dev.put(file, "<Wearers><Wearer><Nr>1</Nr></Wearer>");  // damaged from now on
    EXPECT_EQ(wearers.Load(dev.fs(), 4711), LoadResult::Unchanged);
    EXPECT_EQ(wearers.Count(), 4u);
    EXPECT_EQ(wearers.Load(dev.fs(), 4712), LoadResult::Missing);
    EXPECT_EQ(wearers.Count(), 0u);
    EXPECT_EQ(wearers.MaxNumber(), 0);
    EXPECT_EQ(wearers.Load(dev.fs(), 4712), LoadResult::Unchanged);
    EXPECT_EQ(wearers.Load(dev.fs(), 4711), LoadResult::Damaged);
    EXPECT_EQ(wearers.Count(), 0u);
    EXPECT_EQ(wearers.CustID(), -1);  // tried again next time
    dev.put(file, "<Wearers><Wearer><Nr>1</Nr></Wearer></Wearers>");
    EXPECT_EQ(wearers.Load(dev.fs(), 4711), LoadResult::Read);
    EXPECT_EQ(wearers.Count(), 1u);
    EXPECT_EQ(wearers.Load(dev.fs(), std::nan("")), LoadResult::Refused);
    EXPECT_EQ(wearers.Count(), 0u);
}
