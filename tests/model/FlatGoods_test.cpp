#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/Prompter.h"
#include "common/Text.h"
#include "model/FlatGoodProducts.h"
#include "model/FlatGoodTransactions.h"
#include "model/MessageText.h"
#include "model/NewService.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::changeWord;
using kelvo::test::fixture;
using kelvo::test::readHostFile;
using kelvo::test::TempDevice;

namespace {

constexpr const char* kFlatGoodsFile = "\\VexXml\\FlatGoodTransactions_20117.xml";

CFlatGoodTransactions loaded(const TempDevice& dev) {
    dev.fs().createFolder("\\VexXml");
    CFlatGoodTransactions list;
    EXPECT_TRUE(list.Load(dev.fs(), 20117).ok());
    return list;
}

// What became of a service to add, in a word.
std::string outcome(const ServiceAdded& added) {
    switch (added.entry) {
        case ServiceEntryProblem::Price:
            return "price";
        case ServiceEntryProblem::Quantity:
            return "quantity";
        case ServiceEntryProblem::None:
            break;
    }
    return changeWord(added.change);
}

std::string dump(const CFlatGoodTransactions& list) {
    std::string out;
    for (const CFlatGoodTrans& t : list) {
        out +=
            format("%s|%s|%.17g|%.17g\n", t.Prodcode.c_str(), t.Freqcode.c_str(), t.Qty, t.Price);
    }
    return out;
}

}  // namespace

TEST(FlatGoodProducts, SampleCatalogueGroupsProductsAndPrices) {
    TempDevice dev;
    dev.putFolder("\\VexXml", std::filesystem::path(KELVO_SAMPLES_DIR) / "day");
    CFlatGoodProducts catalogue;
    ASSERT_TRUE(catalogue.Load(dev.fs()));
    ASSERT_EQ(catalogue.Count(), 4u);
    EXPECT_EQ(catalogue.At(3).products.size(), 2u);
    const CProdGroup* mats = catalogue.FindGroup("Mats");
    ASSERT_NE(mats, nullptr);
    const CFlatProduct* mat = mats->FindProduct("Entrance mat 3x5");
    ASSERT_NE(mat, nullptr);
    EXPECT_EQ(mat->pcode, "MT35");
    EXPECT_EQ(catalogPrice(*mat, "2W", 3), "5.250");
    EXPECT_EQ(catalogPrice(*mat, "9X", 2), "");
    EXPECT_EQ(catalogue.DescriptionOf("MT46"), "Entrance mat 4x6");
    EXPECT_EQ(catalogue.DescriptionOf("nothing"), "");
}

TEST(FlatGoodTransactions, WrittenWithThePriceDecimals) {
    TempDevice dev;
    auto list = loaded(dev);
    const CFlatProduct mat{"MT35", "Entrance mat 3x5", {}};
    const CFlatProduct towel{"T&<1>", "Towel", {}};
    EXPECT_EQ(outcome(addService(dev.fs(), list, mat, "1W", "2", "4.5", 4)), "done");
    EXPECT_EQ(outcome(addService(dev.fs(), list, mat, "2W", "10", "3.5", 4)), "done");
    EXPECT_EQ(outcome(addService(dev.fs(), list, mat, "2W", "1", "3", 4)), "duplicate");
    EXPECT_EQ(outcome(addService(dev.fs(), list, mat, "3W", "1", "0", 4)), "price");
    EXPECT_EQ(outcome(addService(dev.fs(), list, mat, "3W", "1x", "3", 4)), "quantity");
    EXPECT_EQ(outcome(addService(dev.fs(), list, towel, "4W", "1", "1234.5678", 4)), "done");
    EXPECT_EQ(dev.read(kFlatGoodsFile),
              readHostFile(fixture("flatgoods/FlatGoodTransactions_4.xml")));
    EXPECT_EQ(dump(loaded(dev)), dump(list));

    ASSERT_TRUE(list.Save(dev.fs(), 2));
    EXPECT_EQ(dev.read(kFlatGoodsFile),
              readHostFile(fixture("flatgoods/FlatGoodTransactions_2.xml")));
    const std::string saved = dev.read(kFlatGoodsFile);
    auto reread = loaded(dev);
    ASSERT_TRUE(reread.Save(dev.fs(), 2));
    EXPECT_EQ(dev.read(kFlatGoodsFile), saved);

    EXPECT_EQ(reread.Remove(dev.fs(), 0, 2), FileChange::Done);
    EXPECT_EQ(dump(loaded(dev)), "MT35|2W|10|3.5\nT&<1>|4W|1|1234.5699999999999\n");
}

TEST(FlatGoodTransactions, UnreadableFileIsNeverReplaced) {
    TempDevice dev;
    dev.fs().createFolder("\\VexXml");
    const std::string damaged = "<FlatgoodTransactions><flatgoodtransaction><Prodcode>MT";
    dev.put(kFlatGoodsFile, damaged);
    CFlatGoodTransactions list;
    EXPECT_EQ(list.Load(dev.fs(), 20117).result, LoadResult::Damaged);
    const CFlatProduct mat{"MT35", "Entrance mat 3x5", {}};
    EXPECT_EQ(outcome(addService(dev.fs(), list, mat, "1W", "2", "4.5", 2)), "unreadable");
    EXPECT_FALSE(list.Save(dev.fs(), 2));
    EXPECT_EQ(dev.read(kFlatGoodsFile), damaged);
}

TEST(NewService, PriceEntry) {
    using P = std::vector<FieldProblem>;
    const P tooBig{FieldProblem::PriceTooBig};
    const P decimals{FieldProblem::TooManyDecimals};
    const P invalid{FieldProblem::NotPrice};
    struct Case {
        const char* typed;
        int decimals;
        const char* kept;
        P problems;
    } const cases[] = {
        {"12.34", 2, "12.34", {}},
        {"", 2, "", {}},
        {".5", 2, ".5", {}},
        {"12.", 2, "12.", {}},
        {"12.345", 2, "12.34", decimals},
        {"12345", 2, "1234", tooBig},
        {"12345.678", 2, "1234.67", {FieldProblem::PriceTooBig, FieldProblem::TooManyDecimals}},
        {"12a", 2, "12a", invalid},
        {"-1", 2, "-1", invalid},
        {"1.2.3", 2, "1.2.3", invalid},
        {" 1", 2, " 1", invalid},
        {"12.5", 0, "12", decimals},
        {"99999", 0, "9999", tooBig},
        {"1.23456", 4, "1.2345", decimals},
    };
    for (const Case& c : cases) {
        const FieldEntry check = checkPriceEntry(c.typed, c.decimals);
        EXPECT_EQ(check.Text, c.kept) << c.typed;
        EXPECT_EQ(check.Problems, c.problems) << c.typed;
    }
    EXPECT_EQ(largestPrice(2), "9999.99");
    EXPECT_EQ(largestPrice(0), "9999");
}

TEST(NewService, QuantityEntryAndSaveSwitch) {
    EXPECT_EQ(checkQuantityEntry("007").Text, "007");
    EXPECT_TRUE(checkQuantityEntry("007").Problems.empty());
    const FieldEntry letters = checkQuantityEntry("1a2-3.");
    EXPECT_EQ(letters.Text, "123");
    EXPECT_EQ(letters.Problems, std::vector<FieldProblem>{FieldProblem::NotDigits});

    struct Case {
        bool group, product, frequency;
        const char* price;
        const char* quantity;
        bool enabled;
    } const cases[] = {
        {true, true, true, "4.50", "2", true},      {true, true, true, "99999", "2", true},
        {false, true, true, "4.50", "2", false},    {true, false, true, "4.50", "2", false},
        {true, true, false, "4.50", "2", false},    {true, true, true, "4.50", "", false},
        {true, true, true, "0.00", "2", false},     {true, true, true, "", "2", false},
        {true, true, true, "99999.01", "2", false}, {true, true, true, "12a", "2", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(canSaveService(c.group, c.product, c.frequency, c.price, c.quantity), c.enabled)
            << c.price << " " << c.quantity;
    }
}
