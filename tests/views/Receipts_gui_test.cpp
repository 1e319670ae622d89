#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <functional>
#include <memory>

#include "common/DataPaths.h"
#include "frame/MainFrame.h"
#include "frame/ViewFactory.h"
#include "support/EscPosReader.h"
#include "support/FindWidget.h"
#include "support/PrinterListener.h"
#include "support/SampleStop.h"
#include "ui/FormView.h"
#include "ui/InkControl.h"
#include "views/invoice/ReceiptDialog.h"

using namespace kelvo;

namespace {

// What a command line prints on its standard output.
std::string run(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            out.append(buffer, n);
        }
        pclose(pipe);
    }
    return out;
}

// The settlement screens of the sample day's stop 3 (a charge and a COD invoice, signature
// required), and what they leave in the receipts folder.
class Receipts : public ::testing::Test, protected test::StopDocument {
protected:
    void SetUp() override {
        ASSERT_FALSE(run("command -v pdftotext pdfimages").empty())
            << "poppler-utils is missing (scripts/install-deps.sh installs it)";
        clock.set({2026, 12, 6, 14, 5, 0});
        test::workAtStop(dev, doc, 2);
        frame = std::make_unique<CMainFrame>(doc, [](int n, CKelvoDoc& d) -> FormView* {
            FormView* view = createView(n, d);
            return view ? view : new FormView(d, n);
        });
        frame->show();
    }

    // The host path of a device file, quoted for the shell.
    std::string quoted(const std::string& devicePath) const {
        return "'" + dev.fs().hostPath(devicePath)->string() + "'";
    }
    std::string pdfText(const std::string& devicePath) const {
        return run("pdftotext -layout " + quoted(devicePath) + " - 2>/dev/null");
    }
    std::string pdfImages(const std::string& devicePath) const {
        return run("pdfimages -list " + quoted(devicePath) + " 2>/dev/null");
    }

    template <class W>
    W* find(const char* name) const {
        return test::findInDialogOrView<W>(frame->currentView(), name);
    }
    void click(const char* name) const {
        if (auto* b = find<QAbstractButton>(name)) {
            b->click();
        }
    }
    void type(const char* name, const QString& text) const {
        auto* edit = find<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QAction* actionsEntry(const QString& caption) const {
        for (QAction* a : frame->actionsMenu()->actions()) {
            if (a->text() == caption) {
                return a;
            }
        }
        return nullptr;
    }

    // Runs `act` on the modal dialog that the next action opens.
    static void onDialog(std::function<void(QDialog&)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
    }

    // Opens the invoice at this row of the list and settles it: the amount, by cheque when a
    // number is given, signed with a stroke and "RD".
    void settle(int row, const char* amount, const char* cheque) {
        auto* list = find<QTreeWidget>("1113");
        list->setCurrentItem(list->topLevelItem(row));
        click("1257");
        ASSERT_EQ(frame->currentScreen(), screen::InvDetails);
        onDialog([this, amount, cheque](QDialog& payment) {
            type("1107", QString::fromLatin1(amount));
            if (*cheque) {
                click("1236");
                type("1238", QString::fromLatin1(cheque));
            }
            onDialog([this](QDialog&) {
                auto* ink = find<CInkControl>("1112");
                QTest::mousePress(ink, Qt::LeftButton, {}, QPoint(20, 40));
                QTest::mouseMove(ink, QPoint(90, 20));
                QTest::mouseRelease(ink, Qt::LeftButton, {}, QPoint(150, 50));
                type("1108", QStringLiteral("RD"));
                prompter.queue(Answer::Yes);
                click("1120");
            });
            payment.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        click("settle");
    }

    std::unique_ptr<CMainFrame> frame;
};

}  // namespace

// Each settlement leaves a receipt that any PDF reader opens: invoice number, customer,
// amount collected, the way it was paid, "DELAYED" for the COD invoice collected short, the
// signature as a picture. The receipts stay out of the folder the export sends.
TEST_F(Receipts, EverySettlementLeavesAReceipt) {
    ASSERT_TRUE(frame->showScreen(screen::InvSelect));
    settle(0, "118.22", "CHK-0042");
    ASSERT_EQ(frame->currentScreen(), screen::InvSelect);
    settle(1, "50", "");
    ASSERT_EQ(frame->currentScreen(), screen::StopAction);

    const std::string charge = pdfText("\\My Documents\\Receipts\\Inv_100103.pdf");
    for (const char* expected :
         {"100103", "Pacific Auto Body", "Bright & Clean Linen", "118.22", "CHK-0042",
          "Signed by: RD", "Charge", "Settled Dec 6, 2026 14:05"}) {
        EXPECT_NE(charge.find(expected), std::string::npos) << expected << "\n" << charge;
    }
    EXPECT_EQ(charge.find("DELAYED"), std::string::npos);
    const std::string cod = pdfText("\\My Documents\\Receipts\\Inv_100104.pdf");
    for (const char* expected :
         {"100104", "Pacific Auto Body", "50.00", "52.62", "DELAYED", "Paid in cash", "COD"}) {
        EXPECT_NE(cod.find(expected), std::string::npos) << expected << "\n" << cod;
    }
    // One picture: the signature the customer drew.
    const std::string images = pdfImages("\\My Documents\\Receipts\\Inv_100104.pdf");
    EXPECT_NE(images.find("image"), std::string::npos) << images;
    EXPECT_EQ(run("pdfinfo " + quoted("\\My Documents\\Receipts\\Inv_100104.pdf") +
                  " 2>/dev/null | awk '/^Pages:/ { print $2 }'"),
              "1\n");

    EXPECT_TRUE(dev.fs().listFiles("\\VexXml\\", "*.pdf").empty());
    EXPECT_EQ(dev.count("\\My Documents\\Receipts\\"), 2u);
    EXPECT_TRUE(prompter.shown().size() == 2u);  // only the two "Are you sure" questions
}

// A receipt that cannot be written is said, and the settlement stands.
TEST_F(Receipts, AFailedReceiptNeverUndoesTheSettlement) {
    dev.fs().setFaultHook([](FsChange, const std::filesystem::path& path, std::size_t) {
        return path.string().find("Receipts") == std::string::npos;
    });
    ASSERT_TRUE(frame->showScreen(screen::InvSelect));
    settle(0, "118.22", "");
    EXPECT_EQ(frame->currentScreen(), screen::InvSelect);
    EXPECT_EQ(test::elementText(invoiceFile(100103), "Status"), "Settled");
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[1].caption, "Receipt");
    EXPECT_NE(prompter.shown()[1].text.find("\\My Documents\\Receipts\\Inv_100103.pdf"),
              std::string::npos);
    EXPECT_FALSE(dev.exists("\\My Documents\\Receipts\\Inv_100103.pdf"));
}

// On the invoice list the receipt of a settled invoice shows again; an open invoice has none,
// and a receipt whose file is gone is said.
TEST_F(Receipts, TheInvoiceListShowsTheReceiptAgain) {
    ASSERT_TRUE(frame->showScreen(screen::InvSelect));
    QAction* receipt = actionsEntry(QStringLiteral("Receipt"));
    ASSERT_NE(receipt, nullptr);
    EXPECT_FALSE(receipt->isEnabled());
    settle(0, "118.22", "");
    ASSERT_EQ(frame->currentScreen(), screen::InvSelect);
    auto* list = find<QTreeWidget>("1113");
    list->setCurrentItem(list->topLevelItem(0));
    receipt = actionsEntry(QStringLiteral("Receipt"));
    ASSERT_TRUE(receipt->isEnabled());
    bool shown = false;
    onDialog([&shown](QDialog& d) {
        auto* dialog = qobject_cast<ReceiptDialog*>(&d);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isOpen());
        // The page is drawn: dark print on white paper.
        const QImage page = dialog->page().convertToFormat(QImage::Format_Grayscale8);
        int dark = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                dark += page.pixelColor(x, y).value() < 128;
            }
        }
        EXPECT_GT(dark, 500);
        EXPECT_GT(page.height(), page.width());
        shown = true;
        d.reject();
    });
    receipt->trigger();
    EXPECT_TRUE(shown);

    list->setCurrentItem(list->topLevelItem(1));
    EXPECT_FALSE(actionsEntry(QStringLiteral("Receipt"))->isEnabled());

    list->setCurrentItem(list->topLevelItem(0));
    ASSERT_TRUE(dev.fs().removeFile("\\My Documents\\Receipts\\Inv_100103.pdf"));
    prompter.clearShown();
    actionsEntry(QStringLiteral("Receipt"))->trigger();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, "Receipt");
}

// Belt Printer on the receipt sends the receipt to the printer the properties file names;
// without one it is off. A printer that refuses is said, the receipt stays open, and once
// the printer is back the same button prints it.
TEST_F(Receipts, TheReceiptGoesToTheBeltPrinter) {
    ASSERT_TRUE(frame->showScreen(screen::InvSelect));
    settle(0, "118.22", "");
    auto* list = find<QTreeWidget>("1113");
    list->setCurrentItem(list->topLevelItem(0));
    bool shown = false;
    onDialog([&](QDialog& d) {
        EXPECT_FALSE(d.findChild<QPushButton*>(QStringLiteral("beltPrint"))->isEnabled());
        shown = true;
        d.reject();
    });
    actionsEntry(QStringLiteral("Receipt"))->trigger();
    ASSERT_TRUE(shown);

    const std::string properties = "\\Program Files\\Kelvo\\Kelvo.properties";
    dev.put(properties,
            "Storagelocation=\\\nBeltPrinter=127.0.0.1:" + std::to_string(test::closedPort()));
    test::PrinterListener printer;
    prompter.clearShown();
    std::string job;
    onDialog([&](QDialog& d) {
        auto* belt = d.findChild<QPushButton*>(QStringLiteral("beltPrint"));
        ASSERT_TRUE(belt->isEnabled());
        belt->click();
        ASSERT_EQ(prompter.shown().size(), 1u);
        EXPECT_EQ(prompter.shown()[0].caption, "Belt Printer");
        EXPECT_TRUE(d.isVisible());
        dev.put(properties,
                "Storagelocation=\\\nBeltPrinter=127.0.0.1:" + std::to_string(printer.port()));
        belt->click();
        job = printer.job();
        d.reject();
    });
    actionsEntry(QStringLiteral("Receipt"))->trigger();
    const test::PrintedJob printed = test::readEscPos(job);
    EXPECT_EQ(printed.Error, "");
    EXPECT_EQ(printed.Picture.Width, 576);
    EXPECT_GT(printed.Picture.Height, 1000);  // a receipt of some 15 cm
    EXPECT_EQ(prompter.shown().size(), 1u);
}

// The recap screen lists the day after a settlement, and PDF writes the same recap.
TEST_F(Receipts, TheRecapScreenAndItsPdf) {
    ASSERT_TRUE(frame->showScreen(screen::InvSelect));
    settle(1, "50", "");
    ASSERT_TRUE(frame->showScreen(screen::RouteMan));
    QAction* recap = actionsEntry(QStringLiteral("Day Recap"));
    ASSERT_NE(recap, nullptr);
    recap->trigger();
    ASSERT_EQ(frame->currentScreen(), screen::DayRecap);
    auto* list = find<QTreeWidget>("recapList");
    QStringList shown;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        shown << list->topLevelItem(i)->text(0) + QLatin1Char('=') + list->topLevelItem(i)->text(1);
    }
    EXPECT_TRUE(shown.contains(QStringLiteral("COD delayed=2.62")))
        << shown.join(u',').toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Cash collected=50.00")));

    click("recapPdf");
    const std::string path = "\\My Documents\\Receipts\\Recap_20261206.pdf";
    ASSERT_TRUE(dev.exists(path));
    ASSERT_EQ(prompter.shown().back().text, "The recap is written: " + path);
    const std::string text = pdfText(path);
    for (const char* expected :
         {"Day Recap", "Route 101", "Route 102", "COD delayed", "2.62", "Dave Kowalski"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    click("recapBack");
    EXPECT_EQ(frame->currentScreen(), screen::RouteMan);
}

// A stop with one invoice goes from the stop straight to the invoice, never to the list: the
// invoice details offer its receipt. Where the stop signs for nothing, the receipt says so and
// carries no picture.
TEST_F(Receipts, TheInvoiceDetailsOfAOneInvoiceStopShowTheReceipt) {
    selectStop(doc, 9);  // 100110, COD, no signature
    doc.Route().Stop(9).ArrivalTime = "11:00";
    ASSERT_TRUE(frame->showScreen(screen::InvDetails));
    ASSERT_NE(actionsEntry(QStringLiteral("Receipt")), nullptr);
    EXPECT_FALSE(actionsEntry(QStringLiteral("Receipt"))->isEnabled());
    onDialog([](QDialog& payment) {
        payment.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    click("settle");
    ASSERT_EQ(frame->currentScreen(), screen::StopAction);
    const std::string path = "\\My Documents\\Receipts\\Inv_100110.pdf";
    const std::string text = pdfText(path);
    EXPECT_NE(text.find("No signature required"), std::string::npos) << text;
    EXPECT_NE(text.find("45.10"), std::string::npos) << text;
    EXPECT_EQ(pdfImages(path).find("image"), std::string::npos);

    ASSERT_TRUE(frame->showScreen(screen::InvDetails));
    QAction* receipt = actionsEntry(QStringLiteral("Receipt"));
    ASSERT_TRUE(receipt->isEnabled());
    bool shown = false;
    onDialog([&shown](QDialog& d) {
        auto* dialog = qobject_cast<ReceiptDialog*>(&d);
        ASSERT_NE(dialog, nullptr);
        shown = dialog->isOpen();
        d.reject();
    });
    receipt->trigger();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(prompter.shown().empty());
}
