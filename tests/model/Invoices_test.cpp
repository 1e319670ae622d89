#include "model/Invoices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Prompter.h"
#include "model/Invoice.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::TempDevice;

namespace {

std::string invoiceFile(const char* status, const char* pay = "10.00", char cod = 'N') {
    return std::string("<Invoice><InvoiceDate>20061205</InvoiceDate><CODInvoice>") + cod +
           "</CODInvoice><PayThisAmount>" + pay + "</PayThisAmount><Status>" + status +
           "</Status><CheckNumber>C-1</CheckNumber><Invoice-Items/></Invoice>";
}

std::string numbersOf(const CInvoices& list) {
    std::string out;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        out += std::to_string(static_cast<long long>(list.At(i).InvoiceNumber)) + " ";
    }
    return out;
}

class InvoicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dev.put("\\VexXml\\Inv_300.xml", invoiceFile("Settled", "30.00", 'Y'));
        m_dev.put("\\VexXml\\Inv_100.xml", invoiceFile(""));
        m_dev.put("\\VexXml\\Inv_200.xml", invoiceFile("", "20.5"));
        m_list.SetPath("");
    }
    std::size_t load(std::vector<std::string> numbers, std::string_view source = {}) {
        return m_list.Load(m_dev.fs(), m_prompter, numbers, source);
    }

    TempDevice m_dev;
    ScriptedPrompter m_prompter;
    CInvoices m_list;
};

}  // namespace

TEST_F(InvoicesTest, OrderedByNumberAndNotReadAgainForTheSameNumbers) {
    EXPECT_EQ(load({"300", "100", "200"}), 3u);
    EXPECT_EQ(numbersOf(m_list), "100 200 300 ");
    EXPECT_EQ(m_list.SettledCount(), 1);
    const CInvoiceHeader& settled = m_list.At(2);
    EXPECT_EQ(settled.COD, 'Y');
    EXPECT_EQ(settled.PayThisAmount, 30.0);
    EXPECT_EQ(settled.InvoiceDate, "20061205");
    EXPECT_EQ(settled.CheckNumber, "C-1");
    ASSERT_NE(m_list.Find(200), nullptr);
    EXPECT_EQ(m_list.Find(200)->PayThisAmount, 20.5);
    EXPECT_EQ(m_list.Find(250), nullptr);

    // The same numbers at the same positions: nothing is read; in another order: all is.
    m_dev.put("\\VexXml\\Inv_100.xml", invoiceFile("Settled"));
    EXPECT_EQ(load({"100", "200", "300"}), 3u);
    EXPECT_EQ(m_list.SettledCount(), 1);
    EXPECT_EQ(load({"300", "100", "200"}), 3u);
    EXPECT_EQ(m_list.SettledCount(), 2);

    // An invoice settled in memory shows in its header without a reread.
    CInvoice inv;
    inv.SetInvoiceNumber(200);
    inv.SetStatus("Settled");
    inv.SetCheckNumber("C-9");
    m_list.Update(inv);
    EXPECT_EQ(m_list.SettledCount(), 3);
    EXPECT_EQ(m_list.Find(200)->CheckNumber, "C-9");
    EXPECT_EQ(m_list.Find(200)->PayThisAmount, 0.0);

    EXPECT_EQ(load({}), 0u);
    EXPECT_EQ(m_list.SettledCount(), 0);
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST_F(InvoicesTest, MissingFileEndsTheLoadingWithItsMessage) {
    EXPECT_EQ(load({"100", "999", "200"}), 1u);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0].text, "Error Opening Invoice XML:\\VexXml\\Inv_999.xml");
    EXPECT_EQ(m_prompter.shown()[0].caption, "Load Error");
}

TEST_F(InvoicesTest, NumbersThatCannotNameAFileAreLeftOutAndNamed) {
    m_dev.put("\\Inv_100.xml", invoiceFile("Settled"));
    const std::vector<std::string> unusable = {"..\\Inv_100", "a/b", "", "x:y", "1\n"};
    std::vector<std::string> numbers = unusable;
    numbers.push_back("100");
    EXPECT_EQ(load(numbers, "Route_12_20061205.xml, stop 3"), 1u);
    EXPECT_EQ(m_list.SettledCount(), 0);
    ASSERT_EQ(m_prompter.shown().size(), unusable.size());
    for (std::size_t i = 0; i < unusable.size(); ++i) {
        EXPECT_EQ(m_prompter.shown()[i].text,
                  "This invoice number cannot name a file and was not read: " + unusable[i] +
                      " (Route_12_20061205.xml, stop 3)");
    }
}

TEST_F(InvoicesTest, DamagedFileIsListedWithItsNumberOnly) {
    m_dev.put("\\VexXml\\Inv_150.xml", "<Invoice><Status>Settled</Status>");
    EXPECT_EQ(load({"150", "100"}), 2u);
    EXPECT_EQ(numbersOf(m_list), "100 150 ");
    EXPECT_EQ(m_list.At(1).Status, "");
    EXPECT_EQ(m_list.SettledCount(), 0);  // the stop does not look settled
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0].text,
              "The invoice file is damaged and was not read: \\VexXml\\Inv_150.xml");
}
