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

}  // namespace

TEST(InvoiceItem, NamesOfKnownCodesAndOfEveryOtherValue) {
    EXPECT_EQ(LineTypeName(18), "Tax");
    EXPECT_EQ(TaxTypeName(2), "Rent Tax");
    EXPECT_EQ(BillingMethodName(2) + MinFreqSuffix(4), "Minimum Based/(Delivery)");
    for (const std::int16_t other : {0, 24, -1}) {
        EXPECT_EQ(LineTypeName(other), "") << other;
        EXPECT_EQ(MinFreqSuffix(other), "") << other;
    }
    for (const std::int16_t other : {6, -2}) {
        EXPECT_EQ(TaxTypeName(other), "Miscellaneous Tax") << other;
        EXPECT_EQ(BillingMethodName(other), "Lease") << other;
    }
}

TEST(InvoiceItem, MissingOrOutOfRangeFieldsReadAsDefinedValues) {
    const CInvoiceItem item = readItem(
        "<Code>MT46</Code><Extend></Extend><PickUpQty>0</PickUpQty><LineType>65554</LineType>"
        "<TaxType>70000</TaxType><BillingMethod>-40000</BillingMethod>"
        "<LineNumber>99999999999</LineNumber>");
    CInvoiceItem expected;
    expected.Code = "MT46";
    expected.PickUpQty = "0";  // entered; only "" means not entered
    expected.LineType = 18;    // 16-bit fields keep their low 16 bits
    expected.TaxType = 4464;
    expected.BillingMethod = 25536;
    expected.LineNumber = 2147483647;
    EXPECT_EQ(item, expected);  // flags 'N'
    EXPECT_EQ(readItem("<PickUpQty></PickUpQty>").PickUpQty, "");
}
