// The route and invoice sessions keep their selections consistent themselves: what a caller
// selects is refused or followed by what it implies.
#include <gtest/gtest.h>

#include "doc/InvoiceOps.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "doc/VisitOps.h"
#include "support/SampleStop.h"

using namespace kelvo;

namespace {

struct Sessions : ::testing::Test, test::StopDocument {
    RouteSession& routing() { return doc.Routing(); }
    InvoiceSession& invoicing() { return doc.Invoicing(); }
};

}  // namespace

// A selected stop is a stop of the route held or none.
TEST_F(Sessions, AStopOutsideTheRouteHeldIsRefused) {
    RouteSession fresh;
    EXPECT_FALSE(fresh.selectStop(0));  // no route held
    EXPECT_EQ(fresh.SelectedStopIndex(), -1);

    test::workAtStop(dev, doc, 2);
    const int count = static_cast<int>(doc.Route().StopCount());
    EXPECT_FALSE(selectStop(doc, count));
    EXPECT_FALSE(selectStop(doc, -2));
    EXPECT_EQ(routing().SelectedStopIndex(), 2);
    ASSERT_TRUE(selectStop(doc, count - 1));
    EXPECT_EQ(routing().SelectedStop(), &doc.Route().Stop(std::size_t(count - 1)));

    // Without a selected stop no stop becomes the one last left.
    ASSERT_TRUE(selectStop(doc, -1));
    EXPECT_EQ(routing().SelectedStop(), nullptr);
    routing().leaveSelectedStop();
    EXPECT_EQ(routing().LastDepartedStopIndex(), -1);
}

// The stop positions of one route mean nothing on another; the route read again keeps them.
TEST_F(Sessions, AnotherRouteForgetsTheStopAndTheLastDeparture) {
    test::workAtStop(dev, doc, 3);
    routing().leaveSelectedStop();
    ASSERT_TRUE(selectRoute(doc, 0));  // the same route
    EXPECT_EQ(routing().SelectedStopIndex(), 3);
    EXPECT_EQ(routing().LastDepartedStopIndex(), 3);

    ASSERT_GT(doc.Routes().Count(), 1u);
    ASSERT_TRUE(selectRoute(doc, 1));
    EXPECT_EQ(routing().SelectedStopIndex(), -1);
    EXPECT_EQ(routing().LastDepartedStopIndex(), -1);

    EXPECT_FALSE(routing().selectRoute(static_cast<int>(doc.Routes().Count())));
    EXPECT_EQ(routing().SelectedRouteIndex(), 1);
}

// A selected line is a line of the open invoice; another invoice forgets it.
TEST_F(Sessions, TheLineBelongsToTheOpenInvoice) {
    test::workAtStop(dev, doc, 2);
    invoicing().selectInvoice(100103);
    EXPECT_FALSE(invoicing().selectLine(0));  // selected, not yet open
    ASSERT_TRUE(openSelectedInvoice(doc));
    const int lines = static_cast<int>(doc.Invoice().LineCount());
    ASSERT_GT(lines, 0);
    EXPECT_FALSE(invoicing().selectLine(lines));
    EXPECT_FALSE(invoicing().selectLine(-2));
    ASSERT_TRUE(invoicing().selectLine(lines - 1));
    ASSERT_TRUE(invoicing().selectLine(0));  // a line every invoice of the stop has
    invoicing().selectInvoice(100103);       // the same one again
    EXPECT_EQ(invoicing().SelectedLine(), 0);

    invoicing().selectInvoice(100104);
    EXPECT_EQ(invoicing().SelectedLine(), -1);
    ASSERT_TRUE(openSelectedInvoice(doc));
    EXPECT_EQ(invoicing().SelectedLine(), -1);
}

// Another stop closes the invoice session; selecting the same stop again keeps it open.
TEST_F(Sessions, AnotherStopClosesTheInvoiceSession) {
    ASSERT_TRUE(openInvoice(2, 100104));
    ASSERT_TRUE(invoicing().selectLine(0));
    ASSERT_TRUE(selectStop(doc, 2));
    EXPECT_TRUE(invoicing().IsOpen());
    EXPECT_EQ(invoicing().SelectedLine(), 0);

    ASSERT_TRUE(selectStop(doc, 3));
    EXPECT_EQ(invoicing().SelectedNumber(), -1.0);
    EXPECT_FALSE(invoicing().IsOpen());
    EXPECT_FALSE(doc.Invoice().HoldsInvoice());
    EXPECT_EQ(doc.Invoices().Count(), 0u);
    EXPECT_EQ(invoicing().SelectedLine(), -1);
    EXPECT_FALSE(maySettle(doc));
}
