#include "common/DeviceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

namespace kelvo {

namespace {

// The process id written in the lock file; 0 when there is none.
long readHolder(int fd) {
    char text[32] = {};
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    return n > 0 ? std::strtol(text, nullptr, 10) : 0;
}

}  // namespace

DeviceLock::DeviceLock(const std::filesystem::path& root) {
    std::error_code ec;
    std::filesystem::create_directories(root, ec);
    // O_NOFOLLOW: a link planted in the root's place of the lock file is never written through.
    const int fd = ::open((root / kFileName).c_str(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0644);
    if (fd < 0) {
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_holder = readHolder(fd);
        ::close(fd);
        return;
    }
    m_fd = fd;
    // The holder's process id, for the second program's message; the lock itself is the flock.
    const std::string pid = std::to_string(static_cast<long>(::getpid())) + "\n";
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(fd, pid.data(), pid.size(), 0);
    }
}

DeviceLock::~DeviceLock() {
    if (m_fd >= 0) {
        ::close(m_fd);  // releases the lock
    }
}

}  // namespace kelvo
