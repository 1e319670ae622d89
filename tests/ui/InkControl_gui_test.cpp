#include "ui/InkControl.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QTabletEvent>
#include <QTest>
#include <cstdint>
#include <memory>

#include "scenario/ScenarioWidgets.h"
#include "support/TempDevice.h"

using namespace kelvo;

namespace {

// A little-endian number of the file's bytes.
std::int64_t le(const std::string& bytes, std::size_t at, int size) {
    std::uint64_t v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    }
    return size == 4 ? static_cast<std::int32_t>(v) : static_cast<std::int64_t>(v);
}

int darkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dark += qGray(image.pixel(x, y)) < 128;
        }
    }
    return dark;
}

struct InkControlTest : ::testing::Test {
    InkControlTest() {
        ink.resize(200, 90);
        ink.show();
    }
    void stroke() {
        QTest::mousePress(&ink, Qt::LeftButton, {}, QPoint(20, 45));
        for (int x = 30; x <= 180; x += 15) {
            QTest::mouseMove(&ink, QPoint(x, x % 30 == 0 ? 20 : 70));
        }
        QTest::mouseRelease(&ink, Qt::LeftButton, {}, QPoint(180, 45));
    }
    CInkControl ink;
};

}  // namespace

TEST_F(InkControlTest, MouseStrokeLeavesInkThatClears) {
    QSignalSpy changed(&ink, &CInkControl::inkChanged);
    EXPECT_FALSE(ink.hasInk());
    stroke();
    EXPECT_TRUE(ink.hasInk());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_GT(darkPixels(ink.picture()), 100);
    ink.clear();
    EXPECT_FALSE(ink.hasInk());
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(darkPixels(ink.picture()), 0);
}

// The scenario step `sign` finds the control and draws on it.
TEST_F(InkControlTest, ScenarioSignDrawsOnIt) {
    ASSERT_TRUE(scenario::isSignatureControl(&ink));
    scenario::drawStroke(&ink);
    EXPECT_TRUE(ink.hasInk());
}

TEST_F(InkControlTest, FingerAndPenDrawToo) {
    const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
    QTest::touchEvent(&ink, screen.get()).press(0, QPoint(30, 30));
    QTest::touchEvent(&ink, screen.get()).move(0, QPoint(120, 60));
    QTest::touchEvent(&ink, screen.get()).release(0, QPoint(150, 60));
    EXPECT_TRUE(ink.hasInk());
    EXPECT_GT(darkPixels(ink.picture()), 50);

    ink.clear();
    const QPointingDevice* pen = QPointingDevice::primaryPointingDevice();
    for (auto type : {QEvent::TabletPress, QEvent::TabletMove, QEvent::TabletRelease}) {
        const QPointF at(type == QEvent::TabletPress ? 20 : 90, 40);
        QTabletEvent e(type, pen, at, ink.mapToGlobal(at), 0.5, 0, 0, 0, 0, 0, {}, Qt::LeftButton,
                       type == QEvent::TabletRelease ? Qt::NoButton : Qt::LeftButton);
        QApplication::sendEvent(&ink, &e);
    }
    EXPECT_TRUE(ink.hasInk());
}

// The picture is a 24-bit bitmap of the control's size that any reader takes.
TEST_F(InkControlTest, SavesA24BitBitmapOfItsSize) {
    test::TempDevice dev;
    dev.put("\\VexXml\\Inv_1.xml", "x");
    stroke();
    ASSERT_TRUE(ink.savePicture(dev.fs(), "\\VexXml\\Inv_1.bmp"));
    const std::string bmp = dev.read("\\VexXml\\Inv_1.bmp");
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(le(bmp, 2, 4), static_cast<std::int64_t>(bmp.size()));
    EXPECT_EQ(le(bmp, 18, 4), 200);
    EXPECT_EQ(std::abs(le(bmp, 22, 4)), 90);
    EXPECT_EQ(le(bmp, 28, 2), 24);
    QImage read;
    ASSERT_TRUE(read.loadFromData(reinterpret_cast<const uchar*>(bmp.data()),
                                  static_cast<int>(bmp.size()), "BMP"));
    EXPECT_EQ(read.size(), QSize(200, 90));
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB888), ink.picture());
    // A folder that is not there takes no picture.
    EXPECT_FALSE(ink.savePicture(dev.fs(), "\\Missing\\Inv_1.bmp"));
}
