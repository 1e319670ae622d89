#include "support/EscPosReader.h"

#include <cstdio>

namespace kelvo::test {

namespace {

std::string at(const char* what, std::size_t offset) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%s at byte %zu", what, offset);
    return buffer;
}

}  // namespace

PrintedJob readEscPos(std::string_view job) {
    PrintedJob out;
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(job[i]); };
    std::size_t i = 0;
    while (i < job.size()) {
        const std::size_t left = job.size() - i;
        if (byte(i) == 0x1b && left >= 2 && job[i + 1] == '@') {
            if (i != 0) {
                out.Error = at("ESC @ after the start", i);
                return out;
            }
            out.Initialised = true;
            i += 2;
        } else if (byte(i) == 0x1d && left >= 8 && job[i + 1] == 'v' && job[i + 2] == '0') {
            if (out.FedLines != 0 || out.Cut || byte(i + 3) != 0) {
                out.Error = at("raster block after the feed, or not in mode 0", i);
                return out;
            }
            const int rowBytes = byte(i + 4) | byte(i + 5) << 8;
            const int rows = byte(i + 6) | byte(i + 7) << 8;
            const std::size_t size =
                static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(rows);
            if (rows == 0 || rowBytes == 0 || job.size() - (i + 8) < size) {
                out.Error = at("raster block cut short", i);
                return out;
            }
            if (out.Picture.Width != 0 && out.Picture.Width != rowBytes * 8) {
                out.Error = at("raster block of another width", i);
                return out;
            }
            out.Picture.Width = rowBytes * 8;
            out.Picture.Height += rows;
            out.BlockRows.push_back(rows);
            out.Picture.Bits.insert(out.Picture.Bits.end(), job.begin() + static_cast<long>(i + 8),
                                    job.begin() + static_cast<long>(i + 8 + size));
            i += 8 + size;
        } else if (byte(i) == 0x1b && left >= 3 && job[i + 1] == 'd') {
            out.FedLines += byte(i + 2);
            i += 3;
        } else if (byte(i) == 0x1d && left >= 4 && job[i + 1] == 'V' &&
                   (job[i + 2] == 'A' || job[i + 2] == 'B')) {
            out.Cut = true;
            i += 4;
            if (i != job.size()) {
                out.Error = at("bytes after the cut", i);
            }
            return out;
        } else {
            out.Error = at("unknown command", i);
            return out;
        }
    }
    return out;
}

}  // namespace kelvo::test
