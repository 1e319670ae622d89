#include "common/EscPos.h"

#include <algorithm>

namespace kelvo {

namespace {

constexpr char kEsc = 0x1b;
constexpr char kGs = 0x1d;

// A 16-bit number as ESC/POS takes it: low byte first.
void appendWord(std::string& out, int value) {
    out.push_back(static_cast<char>(value & 0xff));
    out.push_back(static_cast<char>((value >> 8) & 0xff));
}

}  // namespace

bool MonoRaster::valid() const {
    // A block's width in bytes and its height each travel in 16 bits.
    return Width > 0 && Height > 0 && rowBytes() <= 0xffff &&
           Bits.size() == static_cast<std::size_t>(rowBytes()) * static_cast<std::size_t>(Height);
}

std::string escPosRasterJob(const MonoRaster& raster) {
    if (!raster.valid()) {
        return {};
    }
    const auto rowBytes = static_cast<std::size_t>(raster.rowBytes());
    std::string job;
    job.reserve(raster.Bits.size() + 8 * (raster.Height / kRasterBlockRows + 1) + 8);
    job += {kEsc, '@'};
    for (int top = 0; top < raster.Height; top += kRasterBlockRows) {
        const int rows = std::min(kRasterBlockRows, raster.Height - top);
        job += {kGs, 'v', '0', '\0'};  // mode 0: one printer dot per picture dot
        appendWord(job, raster.rowBytes());
        appendWord(job, rows);
        const auto* first = raster.Bits.data() + static_cast<std::size_t>(top) * rowBytes;
        job.append(reinterpret_cast<const char*>(first), static_cast<std::size_t>(rows) * rowBytes);
    }
    job += {kEsc, 'd', static_cast<char>(kFeedLines)};
    job += {kGs, 'V', 'B', '\0'};  // 66: feed to the cutter, then cut leaving a hinge
    return job;
}

}  // namespace kelvo
