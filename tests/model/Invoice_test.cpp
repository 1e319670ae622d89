#include "model/Invoice.h"

#include <gtest/gtest.h>

#include "common/FileValues.h"

#include <cmath>
#include <string>
#include <vector>

#include "common/Text.h"
#include "common/XmlReader.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::fixture;
using kelvo::test::readHostFile;
using kelvo::test::TempDevice;

namespace {

constexpr const char* kInv4711 = "\\VexXml\\Inv_4711.xml";

std::string amount(double v) {
    return formatPrice(v, 2);
}

CInvoiceItem makeLine(std::int16_t type, const char* code, double prebilled, char extend = 'Y',
                      std::int16_t taxType = 0, double percentage = 0, double over = 0) {
    CInvoiceItem l;
    l.LineType = type;
    l.Code = code;
    l.PrebilledAmount = prebilled;
    l.Extend = extend;
    l.TaxType = taxType;
    l.Percentage = percentage;
    l.OverAmount = over;
    return l;
}

// An invoice of the lines given, in that order (LineNumber = position).
CInvoice makeInvoice(double prebilled, std::vector<CInvoiceItem> lines) {
    CInvoice inv;
    inv.SetInvoiceNumber(1);
    inv.SetPrebilledAmount(prebilled);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i].LineNumber = static_cast<std::int32_t>(i);
        inv.AddLine(lines[i]);
    }
    return inv;
}

std::string overAndAdjustment(const CInvoice& inv, std::size_t line) {
    return amount(inv.Line(line).OverAmount) + " " + amount(inv.Line(line).AdjustmentAmount);
}

std::string totals(const CInvoice& inv) {
    return amount(inv.TotalPlusAdjustments()) + " " + amount(inv.TotalMinusAdjustments()) + " " +
           amount(inv.PayThisAmount());
}

}  // namespace

// The file holds lines with equal LineNumbers (ordered by Code, case-sensitive) and with equal
// LineNumber and Code (kept in file order), escaped and Latin-1 texts.
TEST(InvoiceFile, GoldenRoundTripOrdersLinesAndKeepsTexts) {
    TempDevice dev;
    const std::string expected = readHostFile(fixture("invoice/expected_Inv_4711.xml"));
    ASSERT_FALSE(expected.empty());
    dev.putFixture(kInv4711, fixture("invoice/Inv_4711.xml"));
    CInvoice inv;
    const InvoiceLoad load = inv.Load(dev.fs(), 4711);
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(load.clampedNumbers, 0u);
    EXPECT_EQ(inv.ToXml(), expected);
    ASSERT_TRUE(inv.Save(dev.fs()));
    EXPECT_EQ(dev.read(kInv4711), expected);

    EXPECT_EQ(inv.ID(), "INV-4711 & <B>");
    EXPECT_EQ(inv.PersonIdentification(), "J\xFCrgen");
    ASSERT_EQ(inv.LineCount(), 40u);
    EXPECT_EQ(inv.Line(39).LineNumber, -1);  // a negative LineNumber counts as the greatest

    // What was written reads back the same.
    CInvoice again;
    ASSERT_TRUE(again.Load(dev.fs(), 4711).ok());
    EXPECT_EQ(again.ToXml(), expected);

    // The number held is not read again: changes in memory stay.
    inv.SetStatus("Settled");
    dev.put(kInv4711, "<Invoice/>");
    EXPECT_TRUE(inv.Load(dev.fs(), 4711).ok());
    EXPECT_EQ(inv.Status(), "Settled");
    EXPECT_EQ(inv.LineCount(), 40u);
}

// Any input loads; the invoice keeps the numbers the file gives and the save rounds them as
// its format says: what it wrote, loaded and saved again, is the same bytes.
TEST(InvoiceFile, AnyInputSavedLoadsAndSavesToTheSameBytes) {
    TempDevice dev;
    const std::string longText(300, 'x');
    dev.put("\\VexXml\\Inv_9.xml",
            "<Whatever><ID>&#x100;A&#13;B</ID><CODInvoice> Y</CODInvoice>"
            "<PrebilledAmount>1e40</PrebilledAmount><PayThisAmount>-7.125</PayThisAmount>"
            "<CashCollected>abc</CashCollected><Status><![CDATA[ ]]></Status>"
            "<CheckNumber>" +
                longText +
                "</CheckNumber><ID>second</ID><Invoice-Items>"
                "<Invoice-Item><Extend>&lt;</Extend><SubjectToMinimum>&#1;</SubjectToMinimum>"
                "<LineType>65554</LineType><Price>1.23456</Price>"
                "<DeliveredQuantity>2.5</DeliveredQuantity><OrderQty>-0.3</OrderQty>"
                "<Description>a<b>b</b>\xE9&amp;</Description></Invoice-Item>"
                "<x/>text<Invoice-Item/></Invoice-Items></Whatever>");
    CInvoice first;
    ASSERT_TRUE(first.Load(dev.fs(), 9).ok());
    EXPECT_EQ(first.PrebilledAmount(), kMaxFileNumber);  // clamped
    EXPECT_EQ(first.PayThisAmount(), -7.125);
    EXPECT_EQ(first.Line(0).Price, 1.23456);
    EXPECT_EQ(first.Line(0).DeliveredQuantity, 2.5);
    ASSERT_TRUE(first.Save(dev.fs()));
    const std::string written = dev.read("\\VexXml\\Inv_9.xml");
    EXPECT_EQ(written.find('\0'), std::string::npos);
    XmlDocument doc;
    doc.parse(written);
    EXPECT_TRUE(doc.wellFormed());

    CInvoice second;
    ASSERT_TRUE(second.Load(dev.fs(), 9).ok());
    EXPECT_EQ(second.ToXml(), written);
    ASSERT_EQ(second.LineCount(), 3u);  // every child of <Invoice-Items> is a line, <x/> too
    EXPECT_EQ(second.ID(), "?A\nB");
    EXPECT_EQ(second.COD(), 'N');
    EXPECT_EQ(second.PayThisAmount(), -7.13);  // halves away from zero
    EXPECT_EQ(second.CheckNumber().size(), 255u);
    EXPECT_EQ(second.Line(0).Extend, '<');
    EXPECT_EQ(second.Line(0).SubjectToMinimum, 'N');
    EXPECT_EQ(second.Line(0).Description, "ab\xE9&");
    EXPECT_EQ(second.Line(0).Price, 1.2346);  // prices are written with four decimals
    EXPECT_EQ(second.Line(0).DeliveredQuantity, 3);
    EXPECT_EQ(second.Line(0).OrderQty, 0);
}

// A city sales tax of 8.875 % is computed with as the file gives it, not as it is written: the
// tax over 980.00 is 86.98 (8.88 % would give 87.02). The save writes the percentage and the
// price as their formats say.
TEST(InvoiceFile, ArithmeticUsesTheNumbersAsTheFileGivesThem) {
    TempDevice dev;
    dev.put("\\VexXml\\Inv_5.xml",
            "<Invoice><PrebilledAmount>1088.75</PrebilledAmount>"
            "<PayThisAmount>1088.75</PayThisAmount><Invoice-Items>"
            "<Invoice-Item><LineNumber>1</LineNumber><LineType>1</LineType><Code>R</Code>"
            "<TaxType>1</TaxType><PrebilledAmount>1000.00</PrebilledAmount>"
            "<Price>0.12345</Price><Extend>Y</Extend></Invoice-Item>"
            "<Invoice-Item><LineNumber>2</LineNumber><LineType>18</LineType><Code>T</Code>"
            "<TaxType>1</TaxType><PrebilledAmount>88.75</PrebilledAmount>"
            "<Percentage>8.875</Percentage><OverAmount>1000.00</OverAmount>"
            "<Extend>Y</Extend></Invoice-Item></Invoice-Items></Invoice>");
    CInvoice inv;
    ASSERT_TRUE(inv.Load(dev.fs(), 5).ok());
    ASSERT_TRUE(inv.AdjustLine(0, -20));
    EXPECT_EQ(overAndAdjustment(inv, 1), "980.00 -1.77");
    EXPECT_EQ(totals(inv), "0.00 21.77 1066.98");
    ASSERT_TRUE(inv.Save(dev.fs()));
    const std::string written = dev.read("\\VexXml\\Inv_5.xml");
    EXPECT_NE(written.find("<Percentage>8.88</Percentage>"), std::string::npos);
    EXPECT_NE(written.find("<Price>0.1235</Price>"), std::string::npos);
}

TEST(InvoiceFile, FailedLoadKeepsThePreviousInvoiceAndRefusesToSave) {
    TempDevice dev;
    dev.putFixture(kInv4711, fixture("invoice/Inv_4711.xml"));
    dev.put("\\VexXml\\Inv_2.xml", "<Invoice><ID>2</ID><Invoice-Items>");
    dev.put("\\VexXml\\Inv_3.xml", "");
    CInvoice inv;
    inv.SetPath("");
    ASSERT_TRUE(inv.Load(dev.fs(), 4711).ok());

    const struct {
        double number;
        InvoiceFileRead result;
    } cases[] = {
        {2, InvoiceFileRead::Damaged},  // not well formed
        {3, InvoiceFileRead::Damaged},  // empty
        {4, InvoiceFileRead::Missing},
        {NAN, InvoiceFileRead::Refused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        const InvoiceLoad load = inv.Load(dev.fs(), c.number);
        EXPECT_FALSE(load.ok());
        EXPECT_EQ(load.result, c.result);
        EXPECT_FALSE(inv.HoldsInvoice());
        EXPECT_EQ(inv.LineCount(), 40u);  // invoice 4711's lines stay
        EXPECT_EQ(inv.ID(), "INV-4711 & <B>");
        EXPECT_FALSE(inv.Save(dev.fs()));
    }
    EXPECT_EQ(dev.read("\\VexXml\\Inv_2.xml"), "<Invoice><ID>2</ID><Invoice-Items>");
    EXPECT_EQ(dev.read("\\VexXml\\Inv_3.xml"), "");
    EXPECT_FALSE(dev.exists("\\VexXml\\Inv_4.xml"));

    // Once the file is there, the same number is read, not taken as held.
    EXPECT_FALSE(inv.Load(dev.fs(), 4).ok());
    dev.put("\\VexXml\\Inv_4.xml", "<Invoice><ID>four</ID></Invoice>");
    ASSERT_TRUE(inv.Load(dev.fs(), 4).ok());
    EXPECT_EQ(inv.ID(), "four");
    EXPECT_EQ(inv.LineCount(), 0u);
    EXPECT_TRUE(inv.Save(dev.fs()));
}

TEST(InvoiceArithmetic, LineWithoutExtendMovesOnlyItsChargeLines) {
    CInvoice inv = makeInvoice(107, {makeLine(LineTypes::Rent, "R", 100, 'N', 1),
                                     makeLine(LineTypes::Tax, "T", 7, 'Y', 1, 7.5, 100)});
    ASSERT_TRUE(inv.AdjustLine(0, 10));
    EXPECT_EQ(amount(inv.Line(0).AdjustmentAmount), "10.00");
    EXPECT_EQ(amount(inv.Line(1).AdjustmentAmount), "1.25");  // 7.5 % of 110.00, less 7.00
    EXPECT_EQ(totals(inv), "1.25 0.00 108.25");
    EXPECT_FALSE(inv.AdjustLine(2, 1));
    EXPECT_FALSE(inv.AdjustLine(0, NAN));
    EXPECT_EQ(totals(inv), "1.25 0.00 108.25");
}

TEST(InvoiceArithmetic, MinimumChargeKicksInAndDropsOut) {
    std::vector<CInvoiceItem> lines = {makeLine(LineTypes::Rent, "A", 30),
                                       makeLine(LineTypes::Wash, "B", 10),
                                       makeLine(LineTypes::MinimumCharge, "MIN", 10, 'N')};
    lines[0].SubjectToMinimum = lines[1].SubjectToMinimum = 'Y';
    CInvoice inv = makeInvoice(50, lines);
    inv.SetMinimumInvoiceAmount(50);
    // 35.00 subject to the minimum: the minimum charge grows by 5.00 to keep 50.00.
    ASSERT_TRUE(inv.AdjustLine(0, -5));
    EXPECT_EQ(amount(inv.Line(2).AdjustmentAmount), "5.00");
    EXPECT_EQ(totals(inv), "5.00 5.00 50.00");
    // 65.00 subject: above the minimum, the charge drops to nothing (minus its prebilled 10.00).
    ASSERT_TRUE(inv.AdjustLine(0, 25));
    EXPECT_EQ(amount(inv.Line(2).AdjustmentAmount), "-10.00");
    EXPECT_EQ(totals(inv), "25.00 10.00 65.00");
}

TEST(InvoiceArithmetic, TaxLineWithinItsMinimumAndMaximum) {
    const struct {
        double minimum, maximum, base;
        const char* adjustment;
        const char* totals;
    } cases[] = {
        {0, 0, 100, "0.50", "0.50 0.00 107.50"},   // 7.50 of 100.00, prebilled 7.00
        {0, 5, 100, "-2.00", "0.00 2.00 105.00"},  // held at its maximum 5.00
        {9, 0, 100, "2.00", "2.00 0.00 109.00"},   // raised to its minimum 9.00
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.adjustment);
        CInvoiceItem tax = makeLine(LineTypes::Tax, "T", 7, 'Y', 1, 7.5, 0);
        tax.MinimumAmount = c.minimum;
        tax.MaximumAmount = c.maximum;
        // The tax counts the lines of its own tax type only, and no tax line (the first one
        // taxes at 0 % and stays at 0.00).
        CInvoice inv = makeInvoice(107, {makeLine(LineTypes::Rent, "R", c.base, 'Y', 1),
                                         makeLine(LineTypes::Rent, "OTHER", 50, 'Y', 2),
                                         makeLine(LineTypes::Tax, "T0", 0, 'Y', 1, 0, 0), tax});
        ASSERT_TRUE(inv.AdjustLine(0, 0));
        EXPECT_EQ(amount(inv.Line(3).AdjustmentAmount), c.adjustment);
        EXPECT_EQ(amount(inv.Line(3).OverAmount), amount(c.base));
        EXPECT_EQ(totals(inv), c.totals);
    }
}

TEST(InvoiceArithmetic, ChainOfTwoSpecialCharges) {
    CInvoiceItem product = makeLine(LineTypes::Rent, "R", 100);
    product.SpecialChargeCode = {"FUEL", "ENV", "", "NONE", ""};
    CInvoice inv = makeInvoice(112, {product, makeLine(16, "FUEL", 10, 'Y', 0, 10, 100),
                                     makeLine(16, "ENV", 2, 'Y', 0, 50, 4)});
    // FUEL over 100.00 + 20.00: 12.00, adjustment 2.00. ENV over its 4.00 + FUEL's 2.00 (not
    // the line's 20.00): 3.00, adjustment 1.00.
    ASSERT_TRUE(inv.AdjustLine(0, 20));
    EXPECT_EQ(overAndAdjustment(inv, 1), "120.00 2.00");
    EXPECT_EQ(overAndAdjustment(inv, 2), "6.00 1.00");
    EXPECT_EQ(totals(inv), "23.00 0.00 135.00");

    // Every charge of the chain takes the line's old amount (20.00) out of its base: ENV goes
    // over 6.00 - 20.00 + 0.50, and rounds -6.745 toward zero.
    ASSERT_TRUE(inv.AdjustLine(0, 5));
    EXPECT_EQ(overAndAdjustment(inv, 1), "105.00 0.50");
    EXPECT_EQ(overAndAdjustment(inv, 2), "-13.50 -8.74");
    EXPECT_EQ(totals(inv), "5.50 8.74 108.76");
}

TEST(InvoiceArithmetic, TotalsAreRoundedToCents) {
    const struct {
        double adjustment;
        const char* totals;
    } cases[] = {
        {1.006, "1.01 0.00 11.01"}, {1.004, "1.00 0.00 11.00"}, {-1.004, "0.00 1.00 9.00"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.adjustment);
        CInvoice inv = makeInvoice(10, {makeLine(LineTypes::Rent, "R", 10)});
        ASSERT_TRUE(inv.AdjustLine(0, c.adjustment));
        EXPECT_EQ(totals(inv), c.totals);
        EXPECT_EQ(inv.Line(0).AdjustmentAmount, c.adjustment);  // the line keeps its amount
    }
    // 5 % of 10.10 is 0.505: the half cent goes up.
    CInvoice inv = makeInvoice(10.10, {makeLine(LineTypes::Rent, "R", 10.10, 'Y', 1),
                                       makeLine(LineTypes::Tax, "T", 0, 'Y', 1, 5, 0)});
    ASSERT_TRUE(inv.AdjustLine(0, 0));
    EXPECT_EQ(amount(inv.Line(1).AdjustmentAmount), "0.51");
    EXPECT_EQ(totals(inv), "0.51 0.00 10.61");
}

TEST(InvoicePickUps, ReadyOnlyWhenEveryEnteredQuantityIsThere) {
    const auto pickUpLine = [](const char* code, std::int32_t ser, const char* entered) {
        CInvoiceItem l = makeLine(LineTypes::Rent, code, 0);
        l.SER = ser;
        l.QtyToPick = 7;
        l.PickUpQty = entered;
        return l;
    };
    const struct {
        std::vector<CInvoiceItem> lines;
        bool entered;
        const char* filled;  // PickUpQty of line 0 after FillPickUps; nullptr: nothing filled
    } cases[] = {
        {{pickUpLine("A", 2, ""), pickUpLine("B", 1, "")}, false, "7"},
        {{pickUpLine("A", 2, ""), pickUpLine("B", 1, "0"), pickUpLine("C", 0, "")}, true, "7"},
        {{pickUpLine("A", 2, "3"), pickUpLine("B", 5, "0"), pickUpLine("C", 0, "")}, true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        CInvoice inv = makeInvoice(0, c.lines);
        EXPECT_EQ(inv.PickUpsEntered(), c.entered);
        EXPECT_EQ(inv.FillPickUps(), c.filled != nullptr);
        EXPECT_EQ(inv.Line(0).PickUpQty, c.filled != nullptr ? c.filled : c.lines[0].PickUpQty);
        EXPECT_EQ(inv.Line(1).PickUpQty, c.lines[1].PickUpQty);  // entered or not, never filled
    }
}
