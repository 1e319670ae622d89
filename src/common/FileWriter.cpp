#include "common/FileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

#include "common/DeviceFs.h"

namespace kelvo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryMark = ".kelvo-";

bool writeAll(const DeviceFs& dfs, const fs::path& target, int fd, std::string_view content) {
    if (!dfs.allows(FsChange::Write, target, content.size())) {
        return false;
    }
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;  // interrupted by a signal before anything was written
            }
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Writes a temporary file beside the target with fill(fd), flushes it and renames it over the
// target. The temporary file never outlives a failure.
template <class Fill>
bool replaceThroughTemporary(const DeviceFs& dfs, const fs::path& target, Fill fill,
                             FolderFlush flush = FolderFlush::Now) {
    if (!target.has_filename()) {
        return false;
    }
    const fs::path folder = target.parent_path();
    // A dot name: listings of device folders never show the temporary file.
    std::string tmpl =
        (folder / ("." + target.filename().string() + std::string(kTemporaryMark) + "XXXXXX"))
            .string();
    if (!dfs.allows(FsChange::Create, tmpl, 0)) {
        return false;
    }
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) {
        return false;
    }
    const bool ok = fill(fd) && ::fsync(fd) == 0 && ::fchmod(fd, 0644) == 0;
    if (::close(fd) != 0 || !ok || !dfs.allows(FsChange::Rename, target, 0) ||
        std::rename(tmpl.c_str(), target.c_str()) != 0) {
        ::unlink(tmpl.c_str());
        return false;
    }
    // Make the rename itself durable.
    if (flush == FolderFlush::Now) {
        flushFolder(folder);
    }
    return true;
}

}  // namespace

bool writeFileAtomic(const DeviceFs& fs, std::string_view devicePath, std::string_view content) {
    const auto target = fs.hostPath(devicePath);
    return target && replaceThroughTemporary(
                         fs, *target, [&](int fd) { return writeAll(fs, *target, fd, content); });
}

bool copyFileAtomic(const DeviceFs& fs, const fs::path& source, const fs::path& target,
                    FolderFlush flush) {
    const int in = openRegularFile(source);
    if (in < 0) {
        return false;
    }
    const bool copied = replaceThroughTemporary(
        fs, target,
        [&](int fd) {
            char buffer[64 * 1024];
            for (;;) {
                const ssize_t n = ::read(in, buffer, sizeof buffer);
                if (n < 0 && errno == EINTR) {
                    continue;
                }
                if (n <= 0) {
                    return n == 0;
                }
                if (!writeAll(fs, target, fd, std::string_view(buffer, std::size_t(n)))) {
                    return false;
                }
            }
        },
        flush);
    ::close(in);
    return copied;
}

bool flushFolder(const fs::path& hostFolder) {
    const int dirFd = ::open(hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) {
        return false;
    }
    const bool flushed = ::fsync(dirFd) == 0;
    ::close(dirFd);
    return flushed;
}

bool isTemporaryName(std::string_view name) {
    constexpr std::size_t kRandom = 6;  // the letters mkstemp puts in place of "XXXXXX"
    if (name.size() < 1 + 1 + kTemporaryMark.size() + kRandom || name.front() != '.') {
        return false;
    }
    const std::size_t mark = name.size() - kRandom - kTemporaryMark.size();
    if (name.substr(mark, kTemporaryMark.size()) != kTemporaryMark) {
        return false;
    }
    for (const char c : name.substr(name.size() - kRandom)) {
        const bool alnum =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alnum) {
            return false;
        }
    }
    return true;
}

std::size_t removeLeftoverTemporaries(const DeviceFs& fs, std::string_view folder) {
    const auto host = fs.hostPath(folder);
    std::size_t removed = 0;
    std::error_code ec;
    if (!host) {
        return 0;
    }
    for (fs::directory_iterator it(*host, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code sec;
        if (isTemporaryName(it->path().filename().string()) && it->is_regular_file(sec) &&
            fs.allows(FsChange::Remove, it->path(), 0) && fs::remove(it->path(), sec)) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace kelvo
