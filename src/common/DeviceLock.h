#pragma once

#include <filesystem>
#include <string>

namespace kelvo {

// The one Kelvo that works on a device: an exclusive lock on the lock file ".kelvo.lock" in
// the device root, held for as long as the object lives. Two programs that each keep the
// route in memory and write it whole would overwrite each other's work, so a second one must
// not start. The lock is the kernel's (flock): it goes with the process, so the lock of a
// process that died (a crash, a kill, a power loss) is free again at once and taken over.
class DeviceLock {
public:
    // Tries to take the lock of the device root `root` (created when missing); never waits.
    explicit DeviceLock(const std::filesystem::path& root);
    ~DeviceLock();
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

    // True when this object holds the lock.
    bool held() const { return m_fd >= 0; }
    // When not held: the process id the holder wrote into the lock file (0 when unknown).
    long holder() const { return m_holder; }

    // The lock file's name in the device root. It starts with a dot: no listing of the device
    // ever shows it.
    static constexpr const char* kFileName = ".kelvo.lock";

private:
    int m_fd = -1;
    long m_holder = 0;
};

}  // namespace kelvo
