#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

// A picture of black and white dots as a receipt printer prints it: rows top down, each row
// rowBytes() bytes, the leftmost dot in the highest bit of the row's first byte, a set bit a
// black dot (padding bits at the end of a row are white).
struct MonoRaster {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Bits;

    // Bytes per row.
    int rowBytes() const { return (Width + 7) / 8; }
    // True when the size is positive and Bits holds exactly the rows.
    bool valid() const;
};

// Rows per raster block. Receipt printers take a raster block into a buffer before printing
// it; a band of 128 rows (72 bytes × 128 = 9 KB at 576 dots) fits the buffer of every 80 mm
// model, where one block of a whole receipt (100 KB and more) overruns the small ones.
inline constexpr int kRasterBlockRows = 128;

// Lines fed after the picture, so that its last row has passed the tear bar of a printer
// without a cutter before the cut command.
inline constexpr int kFeedLines = 4;

// The print job of a picture in the ESC/POS command language of receipt printers: initialise
// (ESC @), the picture as `GS v 0` raster blocks of at most kRasterBlockRows rows, a feed of
// kFeedLines lines (ESC d) and a partial cut (GS V 66). Empty when the raster is not valid().
std::string escPosRasterJob(const MonoRaster& raster);

}  // namespace kelvo
