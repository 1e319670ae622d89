#include "scenario/ScenarioFiles.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "common/DeviceFs.h"
#include "common/Text.h"
#include "scenario/ScenarioScript.h"

namespace kelvo::scenario {

namespace {

// Bytes shown around a difference.
constexpr std::size_t kSnippet = 24;

std::string snippet(std::string_view bytes, std::size_t at) {
    return quoteForReport(latin1ToUtf8(bytes.substr(at, kSnippet)));
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

}  // namespace kelvo::scenario
