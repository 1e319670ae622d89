#include "common/FileWriter.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::readHostFile;
using kelvo::test::TempDevice;

namespace fs = std::filesystem;

namespace {

// Every entry of a host folder, dot names included (listFiles hides those).
std::vector<std::string> hostEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(FileWriter, WritesExactlyTheGivenBytes) {
    TempDevice dev;
    dev.fs().createFolder("\\VexXml");
    // CRLF, a tab, a Latin-1 byte and even a zero byte come out unchanged.
    const char raw[] = "<Route>\r\n\t<Name>Caf\xE9</Name>\r\n\0</Route>";
    const std::string content(raw, sizeof raw - 1);
    ASSERT_TRUE(writeFileAtomic(dev.fs(), "\\VexXml\\Route_1.xml", content));
    EXPECT_EQ(readHostFile(dev.root() / "VexXml" / "Route_1.xml"), content);
    EXPECT_EQ(hostEntries(dev.root() / "VexXml"), (std::vector<std::string>{"Route_1.xml"}));

    ASSERT_TRUE(writeFileAtomic(dev.fs(), "\\VexXml\\Empty.xml", ""));
    EXPECT_TRUE(dev.exists("\\VexXml\\Empty.xml"));
    EXPECT_EQ(dev.read("\\VexXml\\Empty.xml"), "");
}

TEST(FileWriter, ReplacesAnExistingFileInAnyCase) {
    TempDevice dev;
    dev.put("\\VexXml\\Route_1.xml", "an older and much longer content than the new one");
    ASSERT_TRUE(writeFileAtomic(dev.fs(), "\\vexxml\\ROUTE_1.XML", "new"));
    EXPECT_EQ(dev.read("\\VexXml\\Route_1.xml"), "new");
    // The file keeps its name; no second file in another case and no temporary file.
    EXPECT_EQ(hostEntries(dev.root() / "VexXml"), (std::vector<std::string>{"Route_1.xml"}));
}

TEST(FileWriter, FailsWithoutTouchingAnything) {
    TempDevice dev;
    // The folder must exist: nothing is created on the way.
    EXPECT_FALSE(writeFileAtomic(dev.fs(), "\\NoSuchFolder\\x.xml", "x"));
    EXPECT_FALSE(fs::exists(dev.root() / "NoSuchFolder"));
    // A refused path.
    EXPECT_FALSE(writeFileAtomic(dev.fs(), "\\..\\x.xml", "x"));
    EXPECT_FALSE(writeFileAtomic(dev.fs(), "\\VexXml\\a/b.xml", "x"));
    // A target that cannot be replaced (a folder in its place) stays as it was, and the
    // temporary file is cleaned up.
    dev.put("\\VexXml\\Config.xml\\inside.txt", "kept");
    EXPECT_FALSE(writeFileAtomic(dev.fs(), "\\VexXml\\Config.xml", "new"));
    EXPECT_EQ(dev.read("\\VexXml\\Config.xml\\inside.txt"), "kept");
    EXPECT_EQ(hostEntries(dev.root() / "VexXml"), (std::vector<std::string>{"Config.xml"}));
}

// A write that the disk refuses half way (a full disk; here a file size limit, which holds for
// root too) leaves the old file and no temporary file.
TEST(FileWriter, FailsWhenTheDiskRefusesTheContent) {
    TempDevice dev;
    dev.put("\\VexXml\\Route_1.xml", "old");
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeFileAtomic(dev.fs(), "\\VexXml\\Route_1.xml", std::string(4096, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(dev.read("\\VexXml\\Route_1.xml"), "old");
    EXPECT_EQ(hostEntries(dev.root() / "VexXml"), (std::vector<std::string>{"Route_1.xml"}));
}
