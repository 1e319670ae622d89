// One Kelvo per device: a second lock on the same root is refused while the first is held, by
// this process or another, and the lock of a process that died is taken over at once.
#include "common/DeviceLock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::TempDevice;

TEST(DeviceLock, ASecondLockOnTheRootIsRefusedUntilTheFirstIsGiven) {
    TempDevice dev;
    TempDevice other;
    auto first = std::make_unique<DeviceLock>(dev.root());
    ASSERT_TRUE(first->held());
    const DeviceLock second(dev.root());
    EXPECT_FALSE(second.held());
    EXPECT_EQ(second.holder(), static_cast<long>(::getpid()));
    EXPECT_TRUE(DeviceLock(other.root()).held());  // another device is another lock
    // The lock file is no file of the device.
    EXPECT_TRUE(dev.fs().listFiles("\\", "*").empty());

    first.reset();
    EXPECT_TRUE(DeviceLock(dev.root()).held());
}

TEST(DeviceLock, TheLockOfAProcessThatDiedIsTakenOver) {
    TempDevice dev;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const DeviceLock lock(dev.root());
        const char held = lock.held() ? 'y' : 'n';
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &held, 1);
        ::pause();  // until killed, as a crashed or killed Kelvo
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    {
        const DeviceLock refused(dev.root());
        EXPECT_FALSE(refused.held());
        EXPECT_EQ(refused.holder(), static_cast<long>(child));
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    const DeviceLock taken(dev.root());
    EXPECT_TRUE(taken.held());
}
