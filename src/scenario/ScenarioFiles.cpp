#include "scenario/ScenarioFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "common/DeviceFs.h"
#include "common/FileWriter.h"
#include "common/Text.h"
#include "scenario/ScenarioScript.h"

namespace kelvo::scenario {

namespace {

// Bytes shown around a difference.
constexpr std::size_t kSnippet = 24;

std::string snippet(std::string_view bytes, std::size_t at) {
    return quoteText(latin1ToUtf8(bytes.substr(at, kSnippet)));
}

// Little-endian whole numbers of a BMP header.
std::uint32_t le(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint32_t v = 0;
    for (std::size_t i = size; i-- > 0;) {
        v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return v;
}

}  // namespace

bool copyToDevice(const DeviceFs& fs, const std::filesystem::path& hostFile,
                  std::string_view devicePath) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(hostFile, ec)) {
        return false;
    }
    const std::size_t slash = devicePath.rfind('\\');
    if (slash == std::string_view::npos || slash + 1 == devicePath.size()) {
        return false;  // no file name
    }
    fs.createFolder(devicePath.substr(0, slash + 1));
    const auto target = fs.hostPath(devicePath);
    if (!target) {
        return false;
    }
    return std::filesystem::copy_file(hostFile, *target,
                                      std::filesystem::copy_options::overwrite_existing, ec) &&
           !ec;
}

int copyFolderToDevice(const DeviceFs& fs, const std::filesystem::path& hostFolder,
                       std::string_view deviceFolder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(hostFolder, ec)) {
        return -1;
    }
    fs.createFolder(deviceFolder);
    int copied = 0;
    for (std::filesystem::directory_iterator it(hostFolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code fec;
        if (name.empty() || name.front() == '.' || !it->is_regular_file(fec)) {
            continue;  // host bookkeeping such as .gitattributes is no device file
        }
        if (!copyToDevice(fs, it->path(), joinDevicePath(deviceFolder, utf8ToLatin1(name)))) {
            return -1;
        }
        ++copied;
    }
    return ec ? -1 : copied;
}

int writeDurably(const DeviceFs& fs, std::string_view deviceFolder) {
    namespace sfs = std::filesystem;
    const sfs::path scratch = fs.root() / ".durable-writes";
    std::error_code ec;
    sfs::remove_all(scratch, ec);
    if (!sfs::create_directory(scratch, ec)) {
        return -1;
    }
    int written = 0;
    for (const std::string& name : fs.listFiles(deviceFolder, "*.*")) {
        std::string bytes;
        if (!fs.readFile(joinDevicePath(deviceFolder, name), bytes, SIZE_MAX)) {
            written = -1;
            break;
        }
        const int fd = ::open((scratch / std::to_string(written)).c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        const bool ok =
            fd >= 0 &&
            ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
            ::fsync(fd) == 0;
        if (fd >= 0) {
            ::close(fd);
        }
        if (!ok) {
            written = -1;
            break;
        }
        ++written;
    }
    if (written >= 0 && !flushFolder(scratch)) {
        written = -1;
    }
    sfs::remove_all(scratch, ec);
    return written;
}

bool readHostBytes(const std::filesystem::path& file, std::string& out) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

std::string describeDifference(std::string_view actual, std::string_view expected) {
    std::size_t i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) {
        ++i;
    }
    if (i == actual.size() && i == expected.size()) {
        return std::string();
    }
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t k = 0; k < i; ++k) {
        if (actual[k] == '\n') {
            ++line;
            lineStart = k + 1;
        }
    }
    const std::string where = "byte " + std::to_string(i) + " (line " + std::to_string(line) +
                              ", column " + std::to_string(i - lineStart + 1) + ")";
    if (i == actual.size()) {
        return "the file ends at " + where + " where the expected file goes on with " +
               snippet(expected, i);
    }
    if (i == expected.size()) {
        return "the file goes on at " + where + " with " + snippet(actual, i) +
               " where the expected file ends";
    }
    return "a difference at " + where + ": " + snippet(actual, i) +
           " where the expected file has " + snippet(expected, i);
}

std::string describeSignatureProblem(std::string_view bytes, int width, int height) {
    // BITMAPFILEHEADER (14 bytes), then at least a BITMAPINFOHEADER (40 bytes).
    constexpr std::size_t kHeaders = 54;
    if (bytes.size() < kHeaders || bytes.substr(0, 2) != "BM" || le(bytes, 14, 4) < 40) {
        return "no BMP picture (" + std::to_string(bytes.size()) + " bytes)";
    }
    if (le(bytes, 2, 4) != bytes.size()) {
        return std::to_string(bytes.size()) + " bytes where the header says " +
               std::to_string(le(bytes, 2, 4));
    }
    const auto w = static_cast<std::int32_t>(le(bytes, 18, 4));
    const auto h = static_cast<std::int32_t>(le(bytes, 22, 4));  // negative: rows top down
    if (w != width || std::abs(h) != height) {
        return "a picture of " + std::to_string(w) + " x " + std::to_string(std::abs(h)) +
               " where the signature control was " + std::to_string(width) + " x " +
               std::to_string(height);
    }
    if (le(bytes, 28, 2) != 24 || le(bytes, 30, 4) != 0) {
        return std::to_string(le(bytes, 28, 2)) + " bits per pixel, compression " +
               std::to_string(le(bytes, 30, 4)) + " (not an uncompressed 24-bit picture)";
    }
    const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
    const std::size_t offset = le(bytes, 10, 4);
    if (offset < kHeaders || offset + stride * static_cast<std::size_t>(height) > bytes.size()) {
        return "pixels that do not fit in the file";
    }
    for (std::size_t row = 0; row < static_cast<std::size_t>(height); ++row) {
        const std::string_view pixels = bytes.substr(offset + row * stride, std::size_t(w) * 3);
        for (char c : pixels) {
            if (static_cast<unsigned char>(c) < 0x80) {
                return {};
            }
        }
    }
    return "a blank picture (no signature on it)";
}

}  // namespace kelvo::scenario
