#include "common/EscPos.h"

#include <gtest/gtest.h>

#include "support/EscPosReader.h"

using namespace kelvo;

// The bytes of a tiny picture, as printers of the ESC/POS family read them: initialise, one
// raster block (width in bytes and height in rows, low byte first), feed, cut.
TEST(EscPos, ATinyPictureByteForByte) {
    MonoRaster raster;
    raster.Width = 10;  // two bytes a row, the last six bits padding
    raster.Height = 2;
    raster.Bits = {0x80, 0x40, 0xff, 0xc0};
    const std::string expected{
        "\x1b@"
        "\x1dv0\x00\x02\x00\x02\x00"
        "\x80\x40\xff\xc0"
        "\x1b"
        "d\x04"
        "\x1dVB\x00",
        21};
    EXPECT_EQ(escPosRasterJob(raster), expected);
}

// A receipt-long picture goes in blocks of at most 128 rows that a printer puts back
// together dot for dot, the feed and cut after the last.
TEST(EscPos, ALongPictureInBlocksThatReadBackTheSame) {
    MonoRaster raster;
    raster.Width = 576;
    raster.Height = 1000;
    raster.Bits.resize(static_cast<std::size_t>(raster.rowBytes()) * 1000);
    for (std::size_t i = 0; i < raster.Bits.size(); ++i) {
        raster.Bits[i] =
            static_cast<std::uint8_t>(i * 131 + i / 72);  // every byte value, rows unlike
    }
    const test::PrintedJob printed = test::readEscPos(escPosRasterJob(raster));
    ASSERT_EQ(printed.Error, "");
    EXPECT_TRUE(printed.Initialised);
    EXPECT_EQ(printed.BlockRows, (std::vector<int>{128, 128, 128, 128, 128, 128, 128, 104}));
    EXPECT_EQ(printed.Picture.Width, 576);
    EXPECT_EQ(printed.Picture.Height, 1000);
    EXPECT_TRUE(printed.Picture.Bits == raster.Bits);
    EXPECT_EQ(printed.FedLines, kFeedLines);
    EXPECT_TRUE(printed.Cut);
}

// A raster whose bits do not fill its size, or of no size, makes no job at all.
TEST(EscPos, NoJobForAMalformedRaster) {
    MonoRaster raster;
    EXPECT_EQ(escPosRasterJob(raster), "");
    raster.Width = 16;
    raster.Height = 3;
    raster.Bits.resize(5);
    EXPECT_EQ(escPosRasterJob(raster), "");
    raster.Bits.resize(6);
    EXPECT_NE(escPosRasterJob(raster), "");
    raster.Width = 0x10000 * 8;  // a row wider than a block's width can say
    raster.Bits.resize(static_cast<std::size_t>(raster.rowBytes()) * 3);
    EXPECT_EQ(escPosRasterJob(raster), "");
}
