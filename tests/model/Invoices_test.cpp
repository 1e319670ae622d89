#include "model/Invoices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Invoice.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::TempDevice;

namespace {

std::string invoiceFile(const char* status, char cod = 'N') {
    return std::string("<Invoice><InvoiceDate>20061205</InvoiceDate><CODInvoice>") + cod +
           "</CODInvoice><PayThisAmount>20.5</PayThisAmount><Status>" + status +
           "</Status></Invoice>";
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
        m_dev.put("\\VexXml\\Inv_300.xml", invoiceFile("Settled", 'Y'));
        m_dev.put("\\VexXml\\Inv_100.xml", invoiceFile(""));
        m_dev.put("\\VexXml\\Inv_200.xml", invoiceFile(""));
    }
    std::size_t load(std::vector<std::string> numbers) {
        const InvoicesLoad read = m_list.Load(m_dev.fs(), numbers);
        m_problems.insert(m_problems.end(), read.problems.begin(), read.problems.end());
        return read.count;
    }

    TempDevice m_dev;
    CInvoices m_list;
    std::vector<InvoiceFileProblem> m_problems;  // of every load, in order
};

}  // namespace

TEST_F(InvoicesTest, OrderedByNumberAndNotReadAgainForTheSameNumbers) {
    EXPECT_EQ(load({"300", "100", "200"}), 3u);
    EXPECT_EQ(numbersOf(m_list), "100 200 300 ");
    EXPECT_EQ(m_list.SettledCount(), 1);
    EXPECT_EQ(m_list.At(2).COD, 'Y');
    EXPECT_EQ(m_list.At(2).PayThisAmount, 20.5);

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
    m_list.Update(inv);
    EXPECT_EQ(m_list.SettledCount(), 3);
    ASSERT_NE(m_list.Find(200), nullptr);
    EXPECT_EQ(m_list.Find(200)->Status, "Settled");

    EXPECT_EQ(load({}), 0u);
    EXPECT_EQ(m_list.SettledCount(), 0);
    EXPECT_TRUE(m_problems.empty());
}

TEST_F(InvoicesTest, UnreadableFilesAndNumbersAreReturnedInOrder) {
    m_dev.put("\\VexXml\\Inv_150.xml", "<Invoice><Status>Settled</Status>");
    m_dev.put("\\Inv_100.xml", invoiceFile("Settled"));
    // Unusable numbers are left out, a damaged file is listed with its number only (the stop
    // must not look settled), a missing file ends the loading.
    EXPECT_EQ(load({"150", "..\\Inv_100", "a/b", "", "100", "999", "200"}), 2u);
    EXPECT_EQ(numbersOf(m_list), "100 150 ");
    EXPECT_EQ(m_list.SettledCount(), 0);
    using enum InvoiceFileRead;
    EXPECT_EQ(m_problems, (std::vector<InvoiceFileProblem>{
                              {Damaged, "\\VexXml\\Inv_150.xml"},
                              {Refused, "..\\Inv_100"},
                              {Refused, "a/b"},
                              {Refused, ""},
                              {Missing, "\\VexXml\\Inv_999.xml"}}));
}
