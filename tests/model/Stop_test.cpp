#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/Text.h"
#include "common/XmlReader.h"
#include "model/Stop.h"

using namespace kelvo;

namespace {

// A stop read from the text of one <Stop> element, on route 7 of 4 December 2006.
CStop readStop(const std::string& xml) {
    XmlDocument doc;
    doc.parse(xml);
    EXPECT_TRUE(doc.wellFormed());
    return CStop::Read(doc.root(), "20061204", 7);
}

std::string letters(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
        s.push_back(static_cast<char>('A' + i % 26));
    }
    return s;
}

std::string personNames(const CStop& s) {
    std::string out;
    for (const auto& p : s.ContactPersons()) {
        out += p.Name + ",";
    }
    return out;
}

std::string callIds(const CStop& s) {
    std::string out;
    for (const auto& c : s.Calls()) {
        out += c.CallID + ",";
    }
    return out;
}

std::string invoices(const CStop& s) {
    std::string out;
    for (const auto& i : s.Invoices()) {
        out += i + ",";
    }
    return out;
}

}  // namespace

TEST(StopLists, ContactPersonsByNumberEqualNumbersInInsertionOrder) {
    CStop s;
    s.AddContactPerson(3, "c", "");
    s.AddContactPerson(1, "a", "");
    s.AddContactPerson(0xFFFFFFFFu, "last", "");  // written as -1, but sorted as unsigned
    s.AddContactPerson(2, "b1", "");
    s.AddContactPerson(2, "b2", "");
    s.AddContactPerson(1, "a2", "");
    EXPECT_EQ(personNames(s), "a,a2,b1,b2,c,last,");
    EXPECT_NE(s.ToXml().find("<Number>-1</Number>"), std::string::npos);
}

TEST(StopLists, InvoicesInTextOrder) {
    CStop s;
    s.AddInvoice("20");
    s.AddInvoice("100");
    s.AddInvoice("\xE9t\xE9");  // a letter beyond ASCII sorts after every ASCII text
    s.AddInvoice("100");
    s.AddInvoice("9");
    EXPECT_EQ(invoices(s), "100,100,20,9,\xE9t\xE9,");
}

TEST(StopLists, CallsByRunningNumberAfterThePrefix) {
    const std::string prefix = "2006120400070005000000000100";
    CStop s;
    s.AddCall(prefix + "12", prefix);
    s.AddCall(prefix + "03", prefix);
    s.AddCall(prefix + "03", prefix + "x");  // same sequence 3: stays after the first
    // Another day's call of the customer: the fields before the running number have the
    // same widths, so its running number still orders it.
    s.AddCall(
        "2006120100070005000000000100"
        "07",
        prefix);
    ASSERT_EQ(s.Calls().size(), 4u);
    EXPECT_DOUBLE_EQ(s.Calls()[0].Sequence, 3.0);
    EXPECT_EQ(s.Calls()[1].Prefix, prefix + "x");
    EXPECT_DOUBLE_EQ(s.Calls()[2].Sequence, 7.0);
    EXPECT_DOUBLE_EQ(s.Calls()[3].Sequence, 12.0);
    EXPECT_EQ(s.Calls()[3].CallID, prefix + "12");
}

TEST(StopLists, CallWithoutRunningNumberUsesWholeIdOrSortsFirst) {
    const std::string prefix = "2006120400070005000000000100";
    CStop s;
    s.AddCall(prefix + "02", prefix);
    s.AddCall(prefix + "00", prefix);  // tail 0: the whole identifier is its number
    s.AddCall("no number", prefix);    // nothing to convert: Sequence 0, first
    s.AddCall("42", prefix);           // shorter than the prefix: the whole identifier
    EXPECT_EQ(callIds(s), "no number," + prefix + "02,42," + prefix + "00,");
    EXPECT_DOUBLE_EQ(s.Calls()[0].Sequence, 0.0);
    EXPECT_DOUBLE_EQ(s.Calls()[2].Sequence, 42.0);
    EXPECT_GT(s.Calls()[3].Sequence, 1e20);
}

TEST(StopStatus, SettledUndeliveredOrOpen) {
    CStop s;
    EXPECT_TRUE(s.IsSettled());  // no invoices
    EXPECT_EQ(s.Status(), "Settled");

    s.AddInvoice("1");
    s.AddInvoice("2");
    s.SignedInvoices = 1;
    EXPECT_FALSE(s.IsSettled());
    EXPECT_EQ(s.Status(), "");
    s.UndeliverReasonCode = "CL";
    EXPECT_EQ(s.Status(), "Undelivered");
    s.SignedInvoices = 2;
    EXPECT_EQ(s.Status(), "Settled");  // whatever the reason
    s.SignedInvoices = -1;
    EXPECT_FALSE(s.IsSettled());
}

TEST(StopRead, FieldsTextsNumbersAndLimits) {
    const auto s = readStop(
        "<Stop><StopID>S1</StopID><StopNumber>5</StopNumber><CustID> 1001.4xyz</CustID>"
        "<CustomerNumber>4711</CustomerNumber><CustomerName>" +
        letters(300) + "</CustomerName><DepartureTime>" + letters(300) +
        "</DepartureTime><TravelMinutes>12</TravelMinutes><VisitMinutes>-3</VisitMinutes>"
        "<PayTotal>12.5</PayTotal><Aging90>-5.1</Aging90><LastPaymentAmount>abc</LastPaymentAmount>"
        "<SignatureRequired>Yes</SignatureRequired><SignedInvoices>2</SignedInvoices>"
        "<CustomerCity>first</CustomerCity><CustomerCity>second</CustomerCity></Stop>");
    EXPECT_EQ(s.StopID, "S1");
    EXPECT_EQ(s.StopNumber, 5u);
    EXPECT_EQ(s.CustID, 1001.0);  // as "%.0f" writes it back
    EXPECT_DOUBLE_EQ(s.CustomerNumber, 4711.0);
    EXPECT_EQ(s.CustomerName, letters(255));   // a text keeps 255 characters
    EXPECT_EQ(s.DepartureTime, letters(300));  // the departure time is taken whole
    EXPECT_EQ(s.TravelMinutes, 12);
    EXPECT_EQ(s.VisitMinutes, -3);
    EXPECT_DOUBLE_EQ(s.PayTotal, 12.5);
    EXPECT_DOUBLE_EQ(s.Aging90, -5.1);
    EXPECT_DOUBLE_EQ(s.LastPaymentAmount, 0.0);
    EXPECT_EQ(s.SignatureRequired, 'Y');
    EXPECT_EQ(s.SignedInvoices, 2);
    EXPECT_EQ(s.CustomerCity, "first");  // the first element with the tag counts
    EXPECT_EQ(s.ArrivalTime, "");        // missing
}

TEST(StopRead, InstructionLineBreaksBecomeCrLf) {
    const auto s = readStop(
        "<Stop><DeliveryInstructions>one\ntwo\r\nthree\r\r\n</DeliveryInstructions>"
        "<DrivingInstructions>\n\nx</DrivingInstructions>"
        "<CustomerName>a\r\nb</CustomerName></Stop>");
    EXPECT_EQ(s.DeliveryInstructions, "one\r\ntwo\r\nthree\r\n\r\n");
    EXPECT_EQ(s.DrivingInstructions, "\r\n\r\nx");
    EXPECT_EQ(s.CustomerName, "a\nb");  // other texts keep what the parser gives
}

TEST(StopRead, ListsAndCallPrefixFromRouteAndStop) {
    const auto s = readStop(
        "<Stop><StopNumber>5</StopNumber><CustomerNumber>100.7</CustomerNumber>"
        "<ContactPersons><ContactPerson><Number>3</Number><Name>C</Name><Function>f3</Function>"
        "</ContactPerson><!-- note --><ContactPerson><Number>1</Number><Name>A</Name>"
        "</ContactPerson><ContactPerson><Number>2</Number><Name>B</Name></ContactPerson>"
        "</ContactPersons>"
        "<Calls><Call>200612040007000500000000010011</Call><Call>200612040007000500000000010002"
        "</Call></Calls>"
        "<Invoices><Invoice>100</Invoice><Invoice>20</Invoice><Invoice> 3</Invoice></Invoices>"
        "</Stop>");
    EXPECT_EQ(personNames(s), "A,B,C,");
    EXPECT_EQ(s.ContactPersons()[2].Function, "f3");
    ASSERT_EQ(s.Calls().size(), 2u);
    // Route date, route 7 and stop 5 padded to 4, customer 100 (whole) padded to 12.
    EXPECT_EQ(s.Calls()[0].Prefix, "2006120400070005000000000100");
    EXPECT_DOUBLE_EQ(s.Calls()[0].Sequence, 2.0);
    EXPECT_DOUBLE_EQ(s.Calls()[1].Sequence, 11.0);
    EXPECT_EQ(invoices(s), " 3,100,20,");
}

TEST(StopRead, MissingFlagsReadAndWriteAsN) {
    const auto s = readStop("<Stop><LockerManagement></LockerManagement></Stop>");
    EXPECT_EQ(s.LockerManagement, 'N');
    EXPECT_EQ(s.SatisfactionSurvey, 'N');
    EXPECT_EQ(s.SignatureRequired, 'N');

    CStop blank;
    blank.SignatureRequired = '\0';
    blank.SatisfactionSurvey = 'Y';
    blank.LockerManagement = '&';  // nonsense from a file must not break the route file
    const std::string xml = blank.ToXml();
    EXPECT_EQ(xml.find('\0'), std::string::npos);
    EXPECT_NE(xml.find("<SignatureRequired>N</SignatureRequired>"), std::string::npos);
    EXPECT_NE(xml.find("<SatisfactionSurvey>Y</SatisfactionSurvey>"), std::string::npos);
    EXPECT_NE(xml.find("<LockerManagement>&amp;</LockerManagement>"), std::string::npos);
}

TEST(StopWrite, EscapedTextsReadBackUnchanged) {
    CStop s;
    s.CustomerName = "A&B <C> & >D<";
    s.DeliveryInstructions = "x < y\r\n& z > w";
    s.LastPaymentNumber = "&amp;";  // already looks escaped: escaped again
    s.AddContactPerson(1, "<Jo>", "R&D");
    s.AddInvoice("1&2");
    const auto back = readStop(s.ToXml());
    EXPECT_EQ(back.CustomerName, s.CustomerName);
    EXPECT_EQ(back.DeliveryInstructions, s.DeliveryInstructions);
    EXPECT_EQ(back.LastPaymentNumber, "&amp;");
    EXPECT_EQ(back.ContactPersons()[0].Name, "<Jo>");
    EXPECT_EQ(back.ContactPersons()[0].Function, "R&D");
    EXPECT_EQ(invoices(back), "1&2,");
    EXPECT_EQ(back.ToXml(), s.ToXml());
}
