#include "ui/BeltPrinterPage.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "doc/Receipt.h"
#include "doc/SettleOps.h"
#include "doc/VisitOps.h"
#include "support/EscPosReader.h"
#include "support/PrinterListener.h"
#include "support/SampleStop.h"
#include "ui/ReceiptPdf.h"

using namespace kelvo;

namespace {

const std::string kProperties = "\\Program Files\\Kelvo\\Kelvo.properties";

// The picture a printer prints from the dots of a job: colour 0 white, 1 black.
QImage pictureOf(const MonoRaster& raster) {
    QImage image(raster.Width, raster.Height, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < raster.Height; ++y) {
        std::memcpy(image.scanLine(y),
                    raster.Bits.data() + static_cast<std::size_t>(y) * raster.rowBytes(),
                    static_cast<std::size_t>(raster.rowBytes()));
    }
    return image;
}

bool black(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
           qGray(image.pixel(x, y)) < 128;
}

int blackCount(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += black(image, x, y);
        }
    }
    return n;
}

// Black dots of `a` with no black dot of `b` at most one dot away: what two renderings of the
// same page disagree on beyond the edges of their strokes.
int strayDots(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!black(a, x, y)) {
                continue;
            }
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    near = black(b, x + dx, y + dy);
                }
            }
            n += !near;
        }
    }
    return n;
}

// The sample day's stop 3 with its COD invoice settled short and signed: a receipt with
// lines, totals, "DELAYED" and the signature picture, written as the settlement writes it.
class BeltReceipt : public ::testing::Test, protected test::StopDocument {
protected:
    void SetUp() override {
        ASSERT_TRUE(openInvoice(2, 100104));
        ASSERT_TRUE(settle(doc, {50.00, "", "RD"}).settled);
        const Receipt r =
            receiptFor(doc, *selectedStop(doc), doc.Invoice(), {2026, 12, 6, 14, 5, 0});
        ASSERT_FALSE(r.SignaturePicture.empty());
        QImage signature(300, 150, QImage::Format_RGB888);
        signature.fill(Qt::white);
        {
            QPainter p(&signature);
            p.setPen(QPen(Qt::black, 4));
            p.drawLine(20, 120, 140, 30);
            p.drawLine(140, 30, 280, 110);
        }
        ASSERT_TRUE(signature.save(
            QString::fromStdString(dev.fs().hostPath(r.SignaturePicture)->string()), "BMP"));
        ASSERT_TRUE(writeReceiptPdf(dev.fs(), r, receiptPath(100104)));
        pdf = QString::fromStdString(dev.fs().hostPath(receiptPath(100104))->string());
    }

    void setPrinter(const std::string& value) const {
        dev.put(kProperties, "Storagelocation=\\\r\nBeltPrinter=" + value + "\r\n");
    }

    QString pdf;
};

}  // namespace

// The receipt as the belt printer gets it: the bytes a listener on 127.0.0.1 collects, read
// back as a printer reads them, give the receipt page as poppler renders it at the printer's
// 203 dpi (its printable 576 dots in the middle of the paper): the same size and the same
// black dots but for the edges of strokes, where two renderers differ.
TEST_F(BeltReceipt, ThePrinterGetsTheReceiptPage) {
    const QImage picture = beltPrinterPicture(pdf);
    ASSERT_EQ(picture.width(), kPrinterDots);
    test::PrinterListener printer;
    setPrinter("127.0.0.1:" + std::to_string(printer.port()));
    ASSERT_TRUE(printPictureOnBeltPrinter(dev.fs(), prompter, picture));
    EXPECT_TRUE(prompter.shown().empty());

    const test::PrintedJob job = test::readEscPos(printer.job());
    ASSERT_EQ(job.Error, "");
    EXPECT_TRUE(job.Initialised);
    EXPECT_TRUE(job.Cut);
    const QImage printed = pictureOf(job.Picture);
    EXPECT_EQ(printed.size(), picture.size());
    const std::filesystem::path out = KELVO_TEST_OUT;
    std::filesystem::create_directories(out);
    printed.save(QString::fromStdString((out / "belt-receipt.png").string()));

    // Grey, not poppler's own dithered black and white: the printer's dots are black where
    // the page is darker than mid grey, so a light grey line is no dot in either.
    const std::string base = (out / "belt-receipt-poppler").string();
    ASSERT_EQ(
        std::system(("pdftoppm -r 203 -gray -singlefile '" + pdf.toStdString() + "' '" + base + "'")
                        .c_str()),
        0);
    const QImage page(QString::fromStdString(base + ".pgm"));
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(page.height(), printed.height(), 1);
    const QImage direct =
        page.copy((page.width() - kPrinterDots) / 2, 0, kPrinterDots, printed.height());

    const int dots = blackCount(direct);
    EXPECT_GT(dots, 20000);  // a page of print, not an empty one
    EXPECT_NEAR(blackCount(printed), dots, dots * 0.15);
    const int missing = strayDots(direct, printed);
    const int extra = strayDots(printed, direct);
    std::printf(
        "[ dots     ] %d black in poppler's page, %d in the printer's; %d missing, %d extra\n",
        dots, blackCount(printed), missing, extra);
    EXPECT_LT(missing, dots / 50);
    EXPECT_LT(extra, dots / 50);
}

// A printer that refuses or hangs up in the middle of the receipt is told within a few
// seconds, nothing else changes, and printing again works.
TEST_F(BeltReceipt, APrinterThatFailsIsToldAndPrintingAgainWorks) {
    const QImage picture = beltPrinterPicture(pdf);
    auto print = [&](const char* what) {
        const auto start = std::chrono::steady_clock::now();
        const bool printed = printPictureOnBeltPrinter(dev.fs(), prompter, picture);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - start)
                            .count();
        std::printf("[ timing   ] %s: %lld ms\n", what, static_cast<long long>(ms));
        EXPECT_LT(ms, 20000);
        return printed;
    };
    setPrinter("127.0.0.1:" + std::to_string(test::closedPort()));
    EXPECT_FALSE(print("closed port"));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_NE(prompter.shown()[0].text.find("refuses the connection"), std::string::npos);

    test::PrinterListener hangsUp(test::PrinterListener::Mode::HangUp, 8000);
    setPrinter("127.0.0.1:" + std::to_string(hangsUp.port()));
    EXPECT_FALSE(print("hang-up after 8,000 bytes"));
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_NE(prompter.shown()[1].text.find("went away in the middle of the printout"),
              std::string::npos);
    EXPECT_EQ(prompter.shown()[1].caption, "Belt Printer");

    test::PrinterListener printer;
    setPrinter("127.0.0.1:" + std::to_string(printer.port()));
    EXPECT_TRUE(print("printer back"));
    EXPECT_EQ(test::readEscPos(printer.job()).Picture.Height, picture.height());
    EXPECT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(test::elementText(invoiceFile(100104), "Status"), "Settled");
}

namespace {

// The sample day's stop 3 with its COD invoice open, and the program's receipt writer: the one
// that prints a settlement's receipt on the belt printer when one is set.
class SettlementPrint : public ::testing::Test, protected test::StopDocument {
protected:
    void SetUp() override {
        doc.SetReceiptWriter(&writer);
        ASSERT_TRUE(openInvoice(2, 100104));
    }
    void setPrinter(int port) const {
        dev.put(kProperties,
                "Storagelocation=\\\r\nBeltPrinter=127.0.0.1:" + std::to_string(port) + "\r\n");
    }

    PrintingReceiptWriter writer{prompter};
};

}  // namespace

// The customer's receipt comes out of the belt printer as soon as the invoice is settled,
// and the receipt's file is there too.
TEST_F(SettlementPrint, TheReceiptIsPrintedRightAfterTheSettlement) {
    test::PrinterListener printer;
    setPrinter(printer.port());
    ASSERT_TRUE(settle(doc, {50.00, "", "RD"}).settled);
    const test::PrintedJob job = test::readEscPos(printer.job());
    EXPECT_EQ(job.Error, "");
    EXPECT_TRUE(job.Cut);
    EXPECT_EQ(job.Picture.Width, kPrinterDots);
    EXPECT_GT(job.Picture.Height, 400);  // a receipt's length of paper, not a blank feed
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_TRUE(dev.exists(receiptPath(100104)));
}

// Without a belt printer nothing is printed and nothing is said; a printer that refuses is
// told once, and the settlement stands either way.
TEST_F(SettlementPrint, NoPrinterOrAFailingOneLeavesTheSettlementStanding) {
    ASSERT_TRUE(settle(doc, {50.00, "", "RD"}).settled);
    EXPECT_TRUE(prompter.shown().empty());

    ASSERT_TRUE(openInvoice(0, 100101));
    setPrinter(test::closedPort());
    const double number = 100101;
    ASSERT_TRUE(settle(doc, {doc.Invoice().PayThisAmount(), "", "RD"}).settled);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_NE(prompter.shown()[0].text.find("refuses the connection"), std::string::npos);
    EXPECT_EQ(test::elementText(invoiceFile(number), "Status"), "Settled");
    EXPECT_TRUE(dev.exists(receiptPath(number)));
}
