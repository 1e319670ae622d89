#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/AdjReasons.h"
#include "model/ContactCategories.h"
#include "model/Departments.h"
#include "model/EmblemTemplates.h"
#include "model/FinishingMethods.h"
#include "model/Flags.h"
#include "model/Frequencies.h"
#include "model/Functions.h"
#include "model/Lockers.h"
#include "model/ProdPerCusts.h"
#include "model/Products.h"
#include "model/Trucks.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::fixture;
using kelvo::test::TempDevice;

namespace {

// A device whose data folder holds the reference-list fixture `name`.
void putList(const TempDevice& dev, const std::string& name, const std::string& root = "") {
    dev.putFixture(root + "\\VexXml\\" + name, fixture("lists/" + name));
}

std::vector<std::string> codes(const std::vector<const CAdjReason*>& records) {
    std::vector<std::string> out;
    for (const CAdjReason* r : records) {
        out.push_back(r->ReasonCode);
    }
    return out;
}

using Codes = std::vector<std::string>;

}  // namespace

TEST(ReferenceListsAdjReasons, ReadsEveryFieldInFileOrder) {
    TempDevice dev;
    putList(dev, "AdjReason.xml");
    CAdjReasons reasons;
    ASSERT_TRUE(reasons.Load(dev.fs()));
    ASSERT_EQ(reasons.Count(), 6u);
    const CAdjReason& first = reasons.At(0);
    EXPECT_EQ(first.ReasonCode, "CL");
    EXPECT_EQ(first.ReasonDescription, "Customer closed");
    EXPECT_EQ(first.UndeliverableReason, 'Y');
    EXPECT_EQ(first.InventoryAdjReason, 'N');
    EXPECT_EQ(reasons.At(4).ReasonDescription, "Price & rate");
    // PR has no InventoryAdjReason and LossChargeReason elements: blank flags.
    EXPECT_EQ(reasons.At(4).LossChargeReason, '\0');
    Codes order;
    for (const CAdjReason& r : reasons) {
        order.push_back(r.ReasonCode);
    }
    EXPECT_EQ(order, (Codes{"CL", "SH", "LO", "WO", "PR", "NR"}));
}

TEST(ReferenceListsAdjReasons, GroupsOfferTheirMembersInFileOrder) {
    TempDevice dev;
    putList(dev, "AdjReason.xml");
    CAdjReasons reasons;
    ASSERT_TRUE(reasons.Load(dev.fs()));
    // SH is in both the billing and the ordering group and is offered in both lists; PR's
    // ordering flag is a lower-case "n", which is not 'Y'.
    EXPECT_EQ(codes(reasons.InGroup(AdjReasonGroup::BillingAdj)), (Codes{"SH", "PR"}));
    EXPECT_EQ(codes(reasons.InGroup(AdjReasonGroup::Ordering)), (Codes{"SH"}));
    // Only the first character of a flag counts: "Yes" makes NR a member.
    EXPECT_EQ(codes(reasons.InGroup(AdjReasonGroup::Undeliverable)), (Codes{"CL", "NR"}));
    EXPECT_EQ(codes(reasons.InGroup(AdjReasonGroup::InventoryAdj)), (Codes{"LO", "WO"}));
    EXPECT_EQ(codes(reasons.InGroup(AdjReasonGroup::LossCharge)), (Codes{"LO"}));
    // Reasons that are neither undeliverable, loss charge nor billing reasons: PR is left
    // out although it is not a loss-charge reason, because its flag is missing, not 'N'.
    EXPECT_EQ(
        codes(reasons.OutsideGroups({AdjReasonGroup::Undeliverable, AdjReasonGroup::LossCharge,
                                     AdjReasonGroup::BillingAdj})),
        (Codes{"WO"}));
}

TEST(ReferenceListsAdjReasons, DescriptionByCode) {
    TempDevice dev;
    putList(dev, "AdjReason.xml");
    CAdjReasons reasons;
    ASSERT_TRUE(reasons.Load(dev.fs()));
    EXPECT_EQ(reasons.DescriptionOf("SH"), "Short delivered");
    EXPECT_EQ(reasons.DescriptionOf("sh"), "");
    EXPECT_EQ(reasons.DescriptionOf("XX"), "");
    EXPECT_EQ(reasons.DescriptionOf(""), "");
    const CAdjReason* byDescription =
        reasons.FindBy(&CAdjReason::ReasonDescription, std::string("Worn out"));
    ASSERT_NE(byDescription, nullptr);
    EXPECT_EQ(byDescription->ReasonCode, "WO");
}

TEST(ReferenceListsProducts, OrderedByDescriptionCaseSensitiveTiesInFileOrder) {
    TempDevice dev;
    putList(dev, "Products.xml");
    CProducts products;
    ASSERT_TRUE(products.Load(dev.fs()));
    std::vector<double> ids;
    for (const CProduct& p : products) {
        ids.push_back(p.ProductID);
    }
    // Coat, Shirt (100), Shirt (101), Trousers, apron, then the accented "\xC9charpe": bytes
    // compare unsigned, so upper case goes before lower case and accented letters last.
    EXPECT_EQ(ids, (std::vector<double>{400, 100, 101, 300, 200, 500}));
    EXPECT_EQ(products.At(5).Description,
              "\xC9"
              "charpe");
}

TEST(ReferenceListsProducts, SizesAreNestedInFileOrder) {
    TempDevice dev;
    putList(dev, "Products.xml");
    CProducts products;
    ASSERT_TRUE(products.Load(dev.fs()));
    const CProduct* shirt = products.FindBy(&CProduct::ProductID, 100.0);
    ASSERT_NE(shirt, nullptr);
    EXPECT_EQ(shirt->Code, "SH01");
    ASSERT_EQ(shirt->Sizes.size(), 3u);
    EXPECT_EQ(shirt->Sizes[0].Code, "M");
    EXPECT_EQ(shirt->Sizes[1].Code, "S");
    EXPECT_EQ(shirt->Sizes[2].SizeID, 4.0);
    const CProductSize* small = shirt->FindSize(1);
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(small->Code, "S");
    EXPECT_EQ(shirt->FindSize(48), nullptr);

    // Without a Sizes element, and with an empty one, a product has no sizes.
    EXPECT_TRUE(products.FindBy(&CProduct::ProductID, 200.0)->Sizes.empty());
    EXPECT_TRUE(products.FindBy(&CProduct::ProductID, 101.0)->Sizes.empty());
    EXPECT_EQ(products.FindBy(&CProduct::ProductID, 999.0), nullptr);
}

TEST(ReferenceListsProdPerCusts, OrderedByProdIdWithFinishingMethods) {
    TempDevice dev;
    putList(dev, "CustomerProduct_1001.xml");
    CProdPerCusts custProducts;
    ASSERT_TRUE(custProducts.Load(dev.fs(), 1001));
    ASSERT_EQ(custProducts.Count(), 4u);
    EXPECT_EQ(custProducts.At(0).ProdID, 100.0);
    EXPECT_EQ(custProducts.At(1).ProdID, 200.0);
    // The two records of product 300 keep their file order: three methods, then none.
    EXPECT_EQ(custProducts.At(2).ProdID, 300.0);
    EXPECT_EQ(custProducts.At(2).FinMethods, (std::vector<double>{1, 2, 4}));
    EXPECT_EQ(custProducts.At(3).ProdID, 300.0);
    EXPECT_TRUE(custProducts.At(3).FinMethods.empty());
    EXPECT_TRUE(custProducts.At(1).FinMethods.empty());  // no FinMethods element
    EXPECT_TRUE(custProducts.At(2).HasFinMethod(4));
    EXPECT_FALSE(custProducts.At(2).HasFinMethod(3));
}

TEST(ReferenceListsFrequencies, LowerCaseTagsOnly) {
    TempDevice dev;
    putList(dev, "Frequency.xml");
    CFrequencies frequencies;
    ASSERT_TRUE(frequencies.Load(dev.fs()));
    ASSERT_EQ(frequencies.Count(), 3u);
    EXPECT_EQ(frequencies.At(0).code, "W1");
    EXPECT_EQ(frequencies.At(0).desc, "Weekly");
    // "Code" is not "code": the record reads an empty code but keeps its description.
    EXPECT_EQ(frequencies.At(1).code, "");
    EXPECT_EQ(frequencies.At(1).desc, "Every two weeks");
    EXPECT_EQ(frequencies.At(2).code, "M1");
    EXPECT_EQ(frequencies.At(2).desc, "");
    const CFrequency* monthly = frequencies.FindBy(&CFrequency::code, std::string("M1"));
    ASSERT_NE(monthly, nullptr);
    EXPECT_EQ(monthly, &frequencies.At(2));
}

TEST(ReferenceListsSmallLists, ReadTheirFieldsInFileOrder) {
    TempDevice dev;
    for (const char* name :
         {"ContactCategory.xml", "FinishingMethods.xml", "Flags.xml", "Trucks.xml",
          "Function_1001.xml", "EmblemTemplate_1001.xml", "Locker_1001.xml"}) {
        putList(dev, name);
    }

    CContactCategories categories;
    ASSERT_TRUE(categories.Load(dev.fs()));
    ASSERT_EQ(categories.Count(), 2u);
    EXPECT_EQ(categories.At(1).Code, "SRV");
    EXPECT_EQ(categories.At(1).Description, "Service request");

    CFinishingMethods methods;
    ASSERT_TRUE(methods.Load(dev.fs()));
    ASSERT_EQ(methods.Count(), 3u);
    EXPECT_EQ(methods.At(2).ID, 4.0);
    EXPECT_EQ(methods.At(2).Desc, "Folded in bag");

    CFlags flags;
    ASSERT_TRUE(flags.Load(dev.fs()));
    ASSERT_EQ(flags.Count(), 2u);
    EXPECT_EQ(flags.At(0).FlagID, 3.0);  // file order, not by id
    EXPECT_EQ(flags.At(0).Description, "Torn seam");

    CTrucks trucks;
    ASSERT_TRUE(trucks.Load(dev.fs()));
    ASSERT_EQ(trucks.Count(), 3u);
    EXPECT_EQ(trucks.At(0).Code, "TR-12");
    EXPECT_EQ(trucks.At(2).Code, "VAN & CO");

    CFunctions functions;
    ASSERT_TRUE(functions.Load(dev.fs(), 1001));
    ASSERT_EQ(functions.Count(), 2u);
    EXPECT_EQ(functions.At(1).FunctionID, 12.0);
    EXPECT_EQ(functions.At(1).Description, "Mechanic");

    CEmblemTemplates templates;
    ASSERT_TRUE(templates.Load(dev.fs(), 1001));
    ASSERT_EQ(templates.Count(), 3u);
    EXPECT_EQ(templates.At(0).EmblemTemplateID, 501.0);
    // Only 'Y' is active: 'N' and a missing flag are not.
    const auto active = templates.Active();
    ASSERT_EQ(active.size(), 1u);
    EXPECT_EQ(active[0]->Description, "Logo left chest");

    CLockers lockers;
    ASSERT_TRUE(lockers.Load(dev.fs(), 1001));
    ASSERT_EQ(lockers.Count(), 3u);
    EXPECT_EQ(lockers.Banks(), (std::vector<std::string>{"B", "A"}));
    const auto bankB = lockers.LockersOfBank("B");
    ASSERT_EQ(bankB.size(), 2u);
    EXPECT_EQ(bankB[0]->Locker, "12");
    EXPECT_EQ(bankB[1]->Locker, "03");
    ASSERT_NE(lockers.Find("B", "03"), nullptr);
    EXPECT_EQ(lockers.Find("B", "03")->LockerID, 903.0);
    EXPECT_EQ(lockers.Find("A", "03"), nullptr);
}

TEST(ReferenceListsPerCustomer, SameCustomerIsNotReadAgainAnotherIs) {
    TempDevice dev;
    putList(dev, "Department_1001.xml");
    putList(dev, "Department_1002.xml");
    CDepartments departments;
    EXPECT_EQ(departments.CustID(), -1.0);
    ASSERT_TRUE(departments.Load(dev.fs(), 1001));
    ASSERT_EQ(departments.Count(), 3u);
    EXPECT_EQ(departments.CustID(), 1001.0);
    const auto active = departments.Active();
    ASSERT_EQ(active.size(), 2u);
    EXPECT_EQ(active[1]->DeptID, 30.0);

    // The file changes on the device: the same customer keeps the records already read.
    dev.put("\\VexXml\\Department_1001.xml",
            "<Departments><Department><DeptID>99</DeptID>"
            "</Department></Departments>");
    ASSERT_TRUE(departments.Load(dev.fs(), 1001));
    EXPECT_EQ(departments.Count(), 3u);

    ASSERT_TRUE(departments.Load(dev.fs(), 1002));
    ASSERT_EQ(departments.Count(), 1u);
    EXPECT_EQ(departments.At(0).Description, "Garage");

    // Back to the first customer: read again, now with the changed file.
    ASSERT_TRUE(departments.Load(dev.fs(), 1001));
    ASSERT_EQ(departments.Count(), 1u);
    EXPECT_EQ(departments.At(0).DeptID, 99.0);
}

TEST(ReferenceListsPerCustomer, MissingFileForAnotherCustomerLeavesTheListEmpty) {
    TempDevice dev;
    putList(dev, "Department_1001.xml");
    CDepartments departments;
    ASSERT_TRUE(departments.Load(dev.fs(), 1001));
    // Customer 1003 has no file: none of 1001's departments may be offered for it.
    EXPECT_FALSE(departments.Load(dev.fs(), 1003));
    EXPECT_EQ(departments.Count(), 0u);
    EXPECT_EQ(departments.CustID(), -1.0);
    // The failure is not remembered: once the file is there it is read.
    dev.putFixture("\\VexXml\\Department_1003.xml", fixture("lists/Department_1002.xml"));
    ASSERT_TRUE(departments.Load(dev.fs(), 1003));
    EXPECT_EQ(departments.Count(), 1u);
}

TEST(ReferenceListsPerCustomer, CustomerIdNamesTheFileWithoutDecimals) {
    TempDevice dev;
    putList(dev, "Function_1001.xml");
    CFunctions functions;
    // 1000.6 is written "1001" by "%.0f", so it names customer 1001's file.
    ASSERT_TRUE(functions.Load(dev.fs(), 1000.6));
    EXPECT_EQ(functions.Count(), 2u);
}

TEST(ReferenceListsLoading, MissingSharedFileKeepsTheList) {
    TempDevice dev;
    CFlags flags;
    EXPECT_FALSE(flags.Load(dev.fs()));
    EXPECT_TRUE(flags.IsEmpty());
    putList(dev, "Flags.xml");
    ASSERT_TRUE(flags.Load(dev.fs()));
    ASSERT_TRUE(dev.fs().removeFile("\\VexXml\\Flags.xml"));
    EXPECT_FALSE(flags.Load(dev.fs()));
    EXPECT_EQ(flags.Count(), 2u);
}

TEST(ReferenceListsLoading, ReloadReplacesAndBrokenFileEmpties) {
    TempDevice dev;
    putList(dev, "Trucks.xml");
    CTrucks trucks;
    ASSERT_TRUE(trucks.Load(dev.fs()));
    ASSERT_TRUE(trucks.Load(dev.fs()));
    EXPECT_EQ(trucks.Count(), 3u);  // read again, not appended
    dev.put("\\VexXml\\Trucks.xml", "<Trucks><Truck>T1</Truck><Truck>");
    EXPECT_TRUE(trucks.Load(dev.fs()));
    EXPECT_EQ(trucks.Count(), 0u);
}

TEST(ReferenceListsLoading, StorageLocationIsTheDataRoot) {
    TempDevice dev;
    putList(dev, "Frequency.xml", "\\Storage Card");
    CFrequencies frequencies;
    EXPECT_FALSE(frequencies.Load(dev.fs()));
    frequencies.SetPath("Storage Card");
    EXPECT_EQ(frequencies.DataRoot(), "\\Storage Card");
    ASSERT_TRUE(frequencies.Load(dev.fs()));
    EXPECT_EQ(frequencies.Count(), 3u);

    // A list loaded for a customer reads again after a change of root, even for that customer.
    putList(dev, "Locker_1001.xml");
    dev.put("\\Storage Card\\VexXml\\Locker_1001.xml", "<Lockers><Locker/></Lockers>");
    CLockers lockers;
    ASSERT_TRUE(lockers.Load(dev.fs(), 1001));
    EXPECT_EQ(lockers.Count(), 3u);
    lockers.SetPath("Storage Card");
    ASSERT_TRUE(lockers.Load(dev.fs(), 1001));
    EXPECT_EQ(lockers.Count(), 1u);
}
