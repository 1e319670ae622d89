#include "common/FileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "common/DeviceFs.h"

namespace kelvo {

namespace {

bool writeAll(int fd, std::string_view content) {
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

}  // namespace

bool writeFileAtomic(const DeviceFs& fs, std::string_view devicePath, std::string_view content) {
    const auto target = fs.hostPath(devicePath);
    if (!target || !target->has_filename()) {
        return false;
    }
    const std::filesystem::path folder = target->parent_path();
    // A dot name: listings of device folders never show the temporary file.
    std::string tmpl = (folder / ("." + target->filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) {
        return false;
    }
    const bool ok = writeAll(fd, content) && ::fsync(fd) == 0 && ::fchmod(fd, 0644) == 0;
    if (::close(fd) != 0 || !ok || std::rename(tmpl.c_str(), target->c_str()) != 0) {
        ::unlink(tmpl.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

}  // namespace kelvo
