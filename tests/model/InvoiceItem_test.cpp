#include "model/InvoiceItem.h"

#include <gtest/gtest.h>

#include <string>

#include "common/XmlReader.h"

using namespace kelvo;

namespace {

CInvoiceItem readItem(const std::string& fields) {
    XmlDocument doc;
    doc.parse("<Invoice-Item>" + fields + "</Invoice-Item>");
    return CInvoiceItem::Read(doc.root());
}

std::string xmlOf(const CInvoiceItem& item) {
    std::string out;
    item.AppendXml(out);
    return out;
}

}  // namespace

TEST(InvoiceItemNames, KnownCodesAndEveryOtherValue) {
    EXPECT_EQ(LineTypeName(18), "Tax");
    EXPECT_EQ(LineTypeName(12), "Prep & Emblem");
    EXPECT_EQ(LineTypeName(23), "Stock Charge");
    for (const std::int16_t none : {0, 24, -1, 32767}) {
        EXPECT_EQ(LineTypeName(none), "") << none;
    }
    EXPECT_EQ(TaxTypeName(0), "Non Taxable");
    EXPECT_EQ(TaxTypeName(2), "Rent Tax");
    for (const std::int16_t other : {3, 4, -1}) {
        EXPECT_EQ(TaxTypeName(other), "Miscellaneous Tax") << other;
    }
    EXPECT_EQ(BillingMethodName(0), "");
    EXPECT_EQ(BillingMethodName(3), "Circulating Inv.");
    for (const std::int16_t other : {5, 6, -2}) {
        EXPECT_EQ(BillingMethodName(other), "Lease") << other;
    }
    // A Rent line billed per delivery: the slash stands before the parenthesis.
    EXPECT_EQ(BillingMethodName(2) + MinFreqSuffix(4), "Minimum Based/(Delivery)");
    EXPECT_EQ(MinFreqSuffix(1), "(/Week)");
    for (const std::int32_t none : {0, 5, -1}) {
        EXPECT_EQ(MinFreqSuffix(none), "") << none;
    }
}

TEST(InvoiceItemRead, MissingElementsGiveDefinedValues) {
    const CInvoiceItem item = readItem("<Code>MT46</Code><Extend></Extend>");
    EXPECT_EQ(item.Code, "MT46");
    EXPECT_EQ(item.Extend, 'N');
    EXPECT_EQ(item.SubjectToMinimum, 'N');
    EXPECT_EQ(item.PickUpQty, "");
    EXPECT_EQ(item.Price, 0.0);
    EXPECT_EQ(item.LineType, 0);
    CInvoiceItem expected;
    expected.Code = "MT46";
    EXPECT_EQ(item, expected);
    // Written back, every flag is a character.
    const std::string xml = xmlOf(item);
    EXPECT_NE(xml.find("<Extend>N</Extend>\r\n\t\t\t<SubjectToMinimum>N</SubjectToMinimum>"),
              std::string::npos);
}

TEST(InvoiceItemRead, EnteredZeroIsNotEmpty) {
    EXPECT_EQ(readItem("<PickUpQty>0</PickUpQty>").PickUpQty, "0");
    EXPECT_EQ(readItem("<PickUpQty></PickUpQty>").PickUpQty, "");
}

TEST(InvoiceItemRead, SixteenBitFieldsKeepTheirLowBits) {
    const CInvoiceItem item = readItem(
        "<LineType>65554</LineType><TaxType>70000</TaxType><BillingMethod>-40000</BillingMethod>"
        "<LineNumber>99999999999</LineNumber>");
    EXPECT_EQ(item.LineType, 18);
    EXPECT_EQ(LineTypeName(item.LineType), "Tax");
    EXPECT_EQ(item.TaxType, 4464);
    EXPECT_EQ(item.BillingMethod, 25536);
    EXPECT_EQ(item.LineNumber, 2147483647);
}

TEST(InvoiceItemWrite, PricesKeepFourDecimalsQuantitiesNone) {
    CInvoiceItem item;
    item.Price = 1.23456;
    item.DeliveredQuantity = 12;
    item.OrderQty = -3;
    item.AdjustmentAmount = -1.375;
    item.Extend = '&';
    item.Description = "Cr\xE8me & <large>";
    const std::string xml = xmlOf(item);
    for (const char* part :
         {"<Price>1.2346</Price>", "<DeliveredQuantity>12</DeliveredQuantity>",
          "<OrderQty>-3</OrderQty>", "<AdjustmentAmount>-1.38</AdjustmentAmount>",
          "<Extend>&amp;</Extend>", "<Description>Cr\xE8me &amp; &lt;large&gt;</Description>"}) {
        EXPECT_NE(xml.find(part), std::string::npos) << part;
    }
}
