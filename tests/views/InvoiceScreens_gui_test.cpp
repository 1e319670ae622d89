#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "common/Clock.h"
#include "doc/InvoiceOps.h"
#include "doc/ScreenTable.h"
#include "frame/MainFrame.h"
#include "frame/ViewFactory.h"
#include "support/FindWidget.h"
#include "support/SampleStop.h"
#include "ui/FormView.h"
#include "ui/InkControl.h"

using namespace kelvo;
using kelvo::test::elementText;

namespace {

// Cells of a row as "a|b|c".
QStringList cells(const char* joined) {
    return QString::fromLatin1(joined).split(QLatin1Char('|'));
}

// The frame with the real screens at a stop of the sample day; screens without a view yet
// stand in as plain views.
class InvoiceScreens : public ::testing::Test, protected test::StopDocument {
protected:
    // The stop's state without a screen yet (to change files before a screen reads them).
    void atStop(int stopIndex) {
        test::workAtStop(dev, doc, stopIndex);
        stopReady = true;
    }
    void open(int stopIndex, int screenIndex, const std::string& laundry = {}) {
        if (!stopReady) {
            atStop(stopIndex);
        }
        if (!laundry.empty()) {
            std::string config = dev.read("\\VexXml\\Config.xml");
            const std::string tag = "<LaundryCode>";
            const auto at = config.find(tag) + tag.size();
            config.replace(at, config.find('<', at) - at, laundry);
            dev.put("\\VexXml\\Config.xml", config);
            loadConfiguration(doc);
        }
        frame = std::make_unique<CMainFrame>(doc, [](int n, CKelvoDoc& d) -> FormView* {
            FormView* view = createView(n, d);
            return view ? view : new FormView(d, n);
        });
        frame->show();
        ASSERT_TRUE(frame->showScreen(screenIndex));
    }

    // A widget of the open modal dialog, else of the current screen.
    template <class W>
    W* find(const char* name) const {
        return test::findInDialogOrView<W>(frame->currentView(), name);
    }
    QString text(const char* name) const {
        if (auto* edit =
                QApplication::activeModalWidget()
                    ? QApplication::activeModalWidget()->findChild<QLineEdit*>(
                          QString::fromLatin1(name))
                    : frame->currentView()->findChild<QLineEdit*>(QString::fromLatin1(name))) {
            return edit->text();
        }
        return find<QLabel>(name)->text();
    }
    QStringList row(const char* list, int r) const {
        QTreeWidgetItem* item = find<QTreeWidget>(list)->topLevelItem(r);
        QStringList cells;
        for (int c = 0; item && c < item->columnCount(); ++c) {
            cells << item->text(c);
        }
        return cells;
    }
    void click(const char* name) { find<QAbstractButton>(name)->click(); }
    void type(const char* name, const QString& text) {
        auto* edit = find<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void selectRow(const char* list, int r) {
        auto* tree = find<QTreeWidget>(list);
        tree->setCurrentItem(tree->topLevelItem(r));
    }

    // Runs `act` on the modal dialog that the next action opens.
    static void onDialog(std::function<void(QDialog&)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
    }
    static void pressOk(QDialog& d) {
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
    // The signature dialog: the customer signs and writes the initials, then OK.
    void signAndConfirm(const char* initials, const char* delayed) {
        onDialog([this, initials, delayed](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Sign Invoice"));
            EXPECT_EQ(text("1111"), QString::fromLatin1(delayed));
            auto* ink = d.findChild<CInkControl*>(QStringLiteral("1112"));
            QTest::mousePress(ink, Qt::LeftButton, {}, QPoint(20, 40));
            QTest::mouseMove(ink, QPoint(90, 20));
            QTest::mouseRelease(ink, Qt::LeftButton, {}, QPoint(150, 50));
            type("1108", QString::fromLatin1(initials));
            prompter.queue(Answer::Yes);
            click("1120");
        });
    }

    std::unique_ptr<CMainFrame> frame;
    bool stopReady = false;
};

}  // namespace

// A stop with two invoices: the charge one settled by cheque leads back to the list, the COD
// one collected short ("DELAYED") settles the stop and leads to the stop's screen.
TEST_F(InvoiceScreens, SettleBothInvoicesOfAStop) {
    open(2, screen::InvSelect);
    EXPECT_EQ(text("1007"), QStringLiteral("Pacific Auto Body"));
    EXPECT_EQ(find<QTreeWidget>("1113")->topLevelItemCount(), 2);
    EXPECT_EQ(row("1113", 1), cells("100104|COD|52.62||05-Dec"));
    EXPECT_EQ(text("1061"), QStringLiteral("170.84"));
    click("1257");
    ASSERT_EQ(frame->currentScreen(), screen::InvDetails);
    EXPECT_EQ(text("1007"), QStringLiteral("Inv# 100103 Pacific Auto Body"));

    onDialog([this](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Enter Collected Cash"));
        EXPECT_EQ(text("1107"), QStringLiteral("0.00"));  // a charge invoice
        EXPECT_FALSE(find<QLineEdit>("1238")->isEnabled());
        EXPECT_FALSE(find<QLabel>("1237")->isVisible());
        type("1107", QStringLiteral("118.22"));
        click("1236");
        type("1238", QStringLiteral("CHK-0042"));
        signAndConfirm("RD", "");
        pressOk(d);
    });
    click("settle");
    EXPECT_EQ(frame->currentScreen(), screen::InvSelect);
    std::string inv = invoiceFile(100103);
    EXPECT_EQ(elementText(inv, "Status"), "Settled");
    EXPECT_EQ(elementText(inv, "CheckNumber"), "CHK-0042");
    EXPECT_EQ(elementText(inv, "PersonIdentification"), "RD");
    EXPECT_TRUE(dev.exists("\\VexXml\\Inv_100103.bmp"));
    EXPECT_EQ(row("1113", 0).at(3), QStringLiteral("Settled"));
    EXPECT_EQ(text("1062"), QStringLiteral("118.22"));

    selectRow("1113", 1);
    click("1257");
    ASSERT_EQ(frame->currentScreen(), screen::InvDetails);
    onDialog([this](QDialog& d) {
        EXPECT_EQ(text("1107"), QStringLiteral("52.62"));  // a COD invoice
        type("1107", QStringLiteral("50"));
        signAndConfirm("RD", "DELAYED");
        pressOk(d);
    });
    click("settle");
    EXPECT_EQ(frame->currentScreen(), screen::StopAction);
    inv = invoiceFile(100104);
    EXPECT_EQ(elementText(inv, "CashCollected"), "50.00");
    EXPECT_EQ(elementText(inv, "CheckNumber"), "");
    EXPECT_EQ(elementText(dev.read(test::kSampleRoute), "TotalCollectionsCOD"), "50.00");
    EXPECT_TRUE(prompter.shown().size() == 2u);  // the two "Are you sure" questions
}

// The invoice list's columns take their shares of the width (0.24, 0.21, 0.25, 0.22, 0.20);
// together wider than the list, it scrolls sideways to the date.
TEST_F(InvoiceScreens, InvoiceListColumnsTakeTheirShares) {
    open(2, screen::InvSelect);
    auto* list = find<QTreeWidget>("1113");
    const int width = list->viewport()->width();
    const double shares[] = {0.24, 0.21, 0.25, 0.22, 0.20};
    for (int c = 0; c < 5; ++c) {
        EXPECT_GE(list->columnWidth(c), static_cast<int>(width * shares[c])) << c;
    }
    // "Terms" holds three letters: its share sets its width.
    EXPECT_EQ(list->columnWidth(1), static_cast<int>(width * 0.21));
}

TEST_F(InvoiceScreens, PaymentDialogEntries) {
    open(9, screen::InvDetails);  // COD, no signature
    onDialog([this](QDialog& d) {
        EXPECT_TRUE(find<QLabel>("1237")->isVisible());
        type("1107", QStringLiteral("12a.345"));
        EXPECT_EQ(text("1107"), QStringLiteral("12.34"));
        click("1236");
        pressOk(d);  // a cheque without its number
        EXPECT_EQ(prompter.shown().back().text, "You must fill the check number before!");
        EXPECT_EQ(prompter.shown().back().caption, "Payment by Check");
        type("1238", QStringLiteral("12345678901234567890"));
        EXPECT_EQ(text("1238"), QStringLiteral("1234567890123456"));
        click("1235");
        EXPECT_FALSE(find<QLineEdit>("1238")->isEnabled());
        EXPECT_EQ(text("1238"), QString());
        click("1236");
        EXPECT_EQ(text("1238"), QStringLiteral("1234567890123456"));
        click("1235");
        pressOk(d);
    });
    click("settle");
    EXPECT_EQ(frame->currentScreen(), screen::StopAction);
    const std::string inv = invoiceFile(100110);
    EXPECT_EQ(elementText(inv, "CashCollected"), "12.34");
    EXPECT_EQ(elementText(inv, "CheckNumber"), "");
    EXPECT_EQ(elementText(inv, "PersonIdentification"), "");
}

TEST_F(InvoiceScreens, SignatureDialogAsksBeforeItActs) {
    open(2, screen::InvDetails);
    onDialog([this](QDialog& payment) {
        type("1107", QStringLiteral("10"));
        onDialog([this](QDialog& d) {
            auto* ok = find<QPushButton>("1120");
            auto* initials = find<QLineEdit>("1108");
            QFocusEvent focus(QEvent::FocusIn);
            QApplication::sendEvent(initials, &focus);
            EXPECT_EQ(prompter.shown().back().text, "Please sign the invoice first");
            type("1108", QStringLiteral("ABCDEFGH"));
            EXPECT_EQ(initials->text(), QStringLiteral("ABCDEF"));
            EXPECT_FALSE(ok->isEnabled());
            auto* ink = d.findChild<CInkControl*>();
            QTest::mousePress(ink, Qt::LeftButton, {}, QPoint(20, 40));
            QTest::mouseRelease(ink, Qt::LeftButton, {}, QPoint(60, 50));
            EXPECT_TRUE(ok->isEnabled());
            click("1022");
            EXPECT_FALSE(ink->hasInk());
            EXPECT_EQ(initials->text(), QString());
            EXPECT_FALSE(ok->isEnabled());
            QTest::mousePress(ink, Qt::LeftButton, {}, QPoint(20, 40));
            QTest::mouseRelease(ink, Qt::LeftButton, {}, QPoint(60, 50));
            click("cancel");  // answered No: the dialog stays
            EXPECT_EQ(prompter.shown().back().caption, "Confirm Cancellation");
            EXPECT_TRUE(d.isVisible());
            type("1108", QStringLiteral("RD"));
            click("1120");  // No to the settlement: cancelled
            EXPECT_EQ(prompter.shown().back().text,
                      "Are you sure you want to settle this invoice?");
        });
        pressOk(payment);
    });
    click("settle");
    // Without the signature nothing is settled, and the details stay.
    EXPECT_EQ(frame->currentScreen(), screen::InvDetails);
    EXPECT_EQ(elementText(invoiceFile(100103), "Status"), "");
    EXPECT_FALSE(dev.exists("\\VexXml\\Inv_100103.bmp"));
}

// A Rent line billed on a minimum per visit: the billed quantity follows the delivered one
// down to the minimum; the pick-up quantity must be entered, in digits.
TEST_F(InvoiceScreens, AdjustALine) {
    open(0, screen::InvDetails);
    EXPECT_EQ(find<QTreeWidget>("invoiceLines")->topLevelItemCount(), 17);
    selectRow("invoiceLines", 13);
    click("adjustLine");
    ASSERT_EQ(frame->currentScreen(), screen::InvAdjLine);
    EXPECT_EQ(text("1007"), QStringLiteral("Invoice# 100101 Line# 14 Rent"));
    auto* tabs = find<QTabWidget>("adjustTabs");
    EXPECT_EQ(tabs->count(), 3);
    EXPECT_EQ(find<QLabel>("lineBilling")->text(), QStringLiteral("Minimum Based(/Visit)"));
    EXPECT_EQ(find<QLabel>("lineMinimum")->text(), QStringLiteral("4"));
    type("deliveredAdjustment", QStringLiteral("2"));
    EXPECT_EQ(text("billedAdjustment"), QStringLiteral("1"));
    EXPECT_EQ(text("adjustmentAmount"), QStringLiteral("4.50"));
    type("deliveredAdjustment", QStringLiteral("-5"));
    EXPECT_EQ(prompter.shown().back().text, "Negative delivered quantity not allowed!");
    EXPECT_EQ(text("deliveredAdjustment"), QStringLiteral("-3"));
    EXPECT_EQ(text("billedAdjustment"), QStringLiteral("0"));
    type("deliveredAdjustment", QStringLiteral("2"));
    find<QComboBox>("adjustmentReason")->setCurrentIndex(0);  // Damaged goods

    click("ok");  // no pick-up quantity yet
    EXPECT_EQ(prompter.shown().back().text, "Fill a picked up quantity!");
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(frame->currentScreen(), screen::InvAdjLine);
    type("pickUpQuantity", QStringLiteral("3x"));
    EXPECT_EQ(prompter.shown().back().text, "Only numerical characters are allowed!");
    EXPECT_EQ(text("pickUpQuantity"), QStringLiteral("3"));
    click("pickUpIncrease");
    EXPECT_EQ(text("pickUpQuantity"), QStringLiteral("4"));
    click("ok");
    ASSERT_EQ(frame->currentScreen(), screen::InvDetails);
    EXPECT_EQ(row("invoiceLines", 13),
              cells("MT35 |Entrance mat 3x5|5|5|22.50|4.50|Damaged goods"));
    const std::string inv = invoiceFile(100101);
    EXPECT_NE(inv.find("<AdjustmentReasonCode>DM</AdjustmentReasonCode>"), std::string::npos);
    EXPECT_NE(inv.find("<PickUpQty>4</PickUpQty>"), std::string::npos);
    EXPECT_EQ(find<QTreeWidget>("invoiceLines")->currentItem()->text(0), QStringLiteral("MT35 "));
}

// Where the configuration keeps invoices from adjustment, a line still opens for its pick-up
// quantity; the Adjust page is read-only and Ok keeps only the pick-up.
TEST_F(InvoiceScreens, ReadOnlyLineTakesItsPickUp) {
    open(0, screen::InvDetails);
    // Without a line the adjustment offers no Ok; with one it does again.
    doc.Invoicing().selectLine(-1);
    ASSERT_TRUE(frame->showScreen(screen::InvAdjLine));
    EXPECT_FALSE(findCommand(*findScreen(screen::InvAdjLine), cmd::LineOk)->enabled(doc));
    ASSERT_TRUE(frame->showScreen(screen::InvDetails));
    const std::string config = dev.read("\\VexXml\\Config.xml");
    const auto allow = config.find("<AllowInvoiceAdjust>Y");
    ASSERT_NE(allow, std::string::npos);
    dev.put("\\VexXml\\Config.xml", std::string(config).replace(allow, 21, "<AllowInvoiceAdjust>N"));
    loadConfiguration(doc);
    ASSERT_TRUE(invoiceReadOnly(doc));
    selectRow("invoiceLines", 13);
    click("adjustLine");
    ASSERT_EQ(frame->currentScreen(), screen::InvAdjLine);
    EXPECT_FALSE(find<QLineEdit>("billedAdjustment")->isEnabled());
    EXPECT_FALSE(find<QComboBox>("adjustmentReason")->isEnabled());
    type("pickUpQuantity", QStringLiteral("2"));
    click("ok");
    EXPECT_EQ(frame->currentScreen(), screen::InvDetails);
    EXPECT_NE(invoiceFile(100101).find("<PickUpQty>2</PickUpQty>"), std::string::npos);
}

// OK stores the reason chosen, also none, with the quantity; a settled invoice takes an order
// for the next delivery as well.
TEST_F(InvoiceScreens, OrderExtraForTheNextDelivery) {
    atStop(0);
    std::string settled = invoiceFile(100101);
    settled.replace(settled.find("<Status></Status>"), 17, "<Status>Settled</Status>");
    dev.put("\\VexXml\\Inv_100101.xml", settled);
    open(0, screen::InvDetails);
    ASSERT_TRUE(find<QAbstractButton>("order")->isEnabled());
    onDialog([this](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Order Enter"));
        EXPECT_EQ(find<QComboBox>("orderReason")->currentIndex(), -1);
        type("orderQuantity", QStringLiteral("3"));
        pressOk(d);  // without a reason
    });
    click("order");
    std::string inv = invoiceFile(100101);
    EXPECT_NE(inv.find("<OrderingReasonCode></OrderingReasonCode>\r\n\t\t\t<OrderQty>3</OrderQty>"),
              std::string::npos);

    onDialog([this](QDialog& d) {
        find<QComboBox>("orderReason")->setCurrentIndex(1);  // Extra demand
        type("orderQuantity", QStringLiteral("12345"));
        EXPECT_EQ(text("orderQuantity"), QStringLiteral("1234"));
        pressOk(d);
    });
    click("order");
    EXPECT_EQ(frame->currentScreen(), screen::InvDetails);
    inv = invoiceFile(100101);
    EXPECT_NE(inv.find("<OrderingReasonCode>XD</OrderingReasonCode>"), std::string::npos);
    EXPECT_NE(inv.find("<OrderQty>1234</OrderQty>"), std::string::npos);
}

// The "DUD" laundry orders through its order detail: a product's inventory is changed on the
// inventory change screen and can be cancelled again.
TEST_F(InvoiceScreens, DudOrderDetailChangesTheFutureInventory) {
    open(0, screen::InvDetails, "DUD");
    click("order");
    ASSERT_EQ(frame->currentScreen(), screen::InvDudDetail);
    ASSERT_EQ(find<QTreeWidget>("productLines")->topLevelItemCount(), 2);
    EXPECT_EQ(row("productLines", 0), cells("MT35 |4|4"));
    click("changeInventory");
    ASSERT_EQ(frame->currentScreen(), screen::InventoryChange);
    EXPECT_EQ(text("currentInventory"), QStringLiteral("4"));
    type("inventoryChange", QStringLiteral("-1"));
    EXPECT_EQ(text("futureInventory"), QStringLiteral("3"));
    click("ok");
    ASSERT_EQ(frame->currentScreen(), screen::InvDudDetail);
    EXPECT_EQ(row("productLines", 0), cells("MT35 |4|3"));
    EXPECT_NE(invoiceFile(100101).find("<FutureInv>3</FutureInv>"), std::string::npos);
    prompter.queue(Answer::Yes);
    click("cancelChange");
    EXPECT_EQ(row("productLines", 0), cells("MT35 |4|4"));
    frame->dispatch(cmd::Back);
    EXPECT_EQ(frame->currentScreen(), screen::InvDetails);
}

// A damaged invoice file: the loader says so, nothing of another invoice is shown, nothing
// can be settled, adjusted or ordered, and the file stays as it was.
TEST_F(InvoiceScreens, DamagedInvoiceShowsNothing) {
    atStop(9);
    dev.put("\\VexXml\\Inv_100110.xml", "<Invoice><ID>1");
    open(9, screen::InvDetails);
    ASSERT_FALSE(prompter.shown().empty());
    EXPECT_EQ(prompter.shown().back().caption, "Load Error");
    EXPECT_EQ(find<QTreeWidget>("invoiceLines")->topLevelItemCount(), 0);
    for (const char* button : {"adjustLine", "order", "settle"}) {
        EXPECT_FALSE(find<QPushButton>(button)->isEnabled()) << button;
    }
    frame->dispatch(cmd::Next);
    EXPECT_EQ(frame->currentScreen(), screen::InvDetails);
    EXPECT_EQ(invoiceFile(100110), "<Invoice><ID>1");
}
