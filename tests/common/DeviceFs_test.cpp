#include "common/DeviceFs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::readHostFile;
using kelvo::test::TempDevice;
using Names = std::vector<std::string>;

namespace fs = std::filesystem;

TEST(DeviceFs, DevicePathsLieUnderTheRoot) {
    TempDevice dev;
    dev.put("\\VexXml\\Route_1.xml", "route");
    EXPECT_EQ(readHostFile(dev.root() / "VexXml" / "Route_1.xml"), "route");
    EXPECT_EQ(dev.fs().hostPath("\\VexXml\\Route_1.xml"), dev.root() / "VexXml" / "Route_1.xml");
    EXPECT_EQ(dev.fs().hostPath("\\My Documents\\After Arrival\\x.xml"),
              dev.root() / "My Documents" / "After Arrival" / "x.xml");
    EXPECT_EQ(dev.fs().hostPath("\\"), dev.root());
    EXPECT_TRUE(dev.fs().isFolder("\\VexXml"));
    EXPECT_FALSE(dev.fs().isFile("\\VexXml"));
    EXPECT_FALSE(dev.fs().isFolder("\\VexXml\\Route_1.xml"));
}

TEST(DeviceFs, AMappedFolderIsPlayedByAnotherHostFolder) {
    TempDevice dev;
    TempDevice other;
    other.put("\\Route_1.xml", "route");
    DeviceFs mapped(dev.root());
    mapped.mapFolder("\\VexXml", other.root());
    EXPECT_TRUE(mapped.isFile("\\vexxml\\ROUTE_1.xml"));
    EXPECT_EQ(mapped.listFiles("\\VexXml\\", "Route_*.xml"), Names{"Route_1.xml"});
    // Only paths below the mapped folder go there; ".." still cannot leave it.
    EXPECT_EQ(mapped.hostPath("\\VexXmlOther\\a.xml"), dev.root() / "VexXmlOther" / "a.xml");
    EXPECT_EQ(mapped.hostPath("\\VexXml\\..\\a.xml"), std::nullopt);
}

TEST(DeviceFs, NamesAreFoundInAnyCase) {
    TempDevice dev;
    dev.put("\\VexXml\\Route_1.xml", "route");
    dev.put("\\Caf\xC9\\\xC9t\xE9.xml", "latin");

    EXPECT_TRUE(dev.fs().isFile("\\vexxml\\ROUTE_1.xml"));
    EXPECT_EQ(dev.fs().hostPath("\\vexxml\\ROUTE_1.xml"), dev.root() / "VexXml" / "Route_1.xml");
    std::string content;
    EXPECT_TRUE(dev.fs().readFile("\\VEXXML\\route_1.XML", content));
    EXPECT_EQ(content, "route");
    EXPECT_EQ(dev.read("\\caf\xE9\\\xE9T\xC9.XML"), "latin");
    // A new file in an existing folder goes into that folder, whatever case names it.
    EXPECT_EQ(dev.fs().hostPath("\\vexxml\\New.xml"), dev.root() / "VexXml" / "New.xml");
}

TEST(DeviceFs, WildcardsMatchLikeTheDevice) {
    TempDevice dev;
    for (const char* name : {"Route_1.xml", "route_2.XML", "Config.xml", "README", "Inv_1.txt",
                             "Inv_12.txt", "Route_3.xml.bak"}) {
        dev.put(std::string("\\VexXml\\") + name, "x");
    }
    dev.put("\\VexXml\\Sub.xml\\Inner.xml", "folder named like a file");
    const DeviceFs& fs = dev.fs();
    EXPECT_EQ(fs.listFiles("\\VexXml\\", "*.xml"),
              (Names{"Config.xml", "Route_1.xml", "route_2.XML"}));
    EXPECT_EQ(fs.listFiles("\\VexXml\\", "Route_*.*"),
              (Names{"Route_1.xml", "route_2.XML", "Route_3.xml.bak"}));
    EXPECT_EQ(fs.listFiles("\\VexXml", "*.*"),
              (Names{"Config.xml", "Inv_1.txt", "Inv_12.txt", "README", "Route_1.xml",
                     "route_2.XML", "Route_3.xml.bak"}));
    EXPECT_EQ(fs.listFiles("\\VexXml", "inv_?.TXT"), (Names{"Inv_1.txt"}));
    EXPECT_EQ(fs.listFiles("\\VexXml", "Config.xml"), (Names{"Config.xml"}));
    EXPECT_TRUE(fs.listFiles("\\VexXml", "*.wav").empty());
    EXPECT_TRUE(fs.listFiles("\\NoSuchFolder", "*.*").empty());
}

TEST(DeviceFs, MatchesHandlesStarsAndQuestionMarks) {
    EXPECT_TRUE(DeviceFs::matches("Route_1.xml", "*"));
    EXPECT_TRUE(DeviceFs::matches("Route_1.xml", "*1*"));
    EXPECT_TRUE(DeviceFs::matches("Route_1.xml", "Route_1.xml*"));
    EXPECT_TRUE(DeviceFs::matches("abcabd", "*abd"));
    EXPECT_FALSE(DeviceFs::matches("Route_1.xml", "Route_?"));
    EXPECT_FALSE(DeviceFs::matches("Route_1.xml", "?oute_1.xm"));
    EXPECT_FALSE(DeviceFs::matches("", "?"));
    EXPECT_TRUE(DeviceFs::matches("", "*"));
    EXPECT_TRUE(DeviceFs::matches("CAF\xC9.XML", "caf\xE9.*"));
    // A host name holding '*' itself does not stop the star from being a wildcard.
    EXPECT_TRUE(DeviceFs::matches("*x", "*"));
    EXPECT_TRUE(DeviceFs::matches("a*b", "a*"));
}

TEST(DeviceFs, DotFilesAreNeverListed) {
    TempDevice dev;
    dev.put("\\VexXml\\Route_1.xml", "x");
    dev.put("\\VexXml\\.Route_2.xml.Ab12Cd", "temporary");
    dev.put("\\VexXml\\.hidden", "x");
    EXPECT_EQ(dev.fs().listFiles("\\VexXml\\", "*.*"), (Names{"Route_1.xml"}));
    EXPECT_EQ(dev.fs().listFiles("\\VexXml\\", "*"), (Names{"Route_1.xml"}));
    EXPECT_EQ(dev.count("\\VexXml\\"), 1u);
}

TEST(DeviceFs, PathsThatLeaveTheRootAreRefused) {
    TempDevice dev;
    dev.put("\\a\\x.xml", "x");
    const DeviceFs& fs = dev.fs();
    const std::string escape = dev.root().filename().string() + "-escape";
    for (const std::string& path :
         {std::string(".."), std::string("\\.."), std::string("\\a\\..\\..\\etc"),
          std::string("\\a\\..\\x.xml"), "\\..\\" + escape, std::string("\\a/..\\x.xml"),
          std::string("\\VexXml\\a/b.xml"), std::string("\\a\\x.xml\0", 9)}) {
        EXPECT_FALSE(fs.hostPath(path).has_value()) << path;
        EXPECT_FALSE(fs.isFile(path)) << path;
        EXPECT_FALSE(fs.createFolder(path)) << path;
        std::string content = "old";
        EXPECT_FALSE(fs.readFile(path, content)) << path;
        EXPECT_EQ(content, "");
    }
    EXPECT_FALSE(fs.copyFile("\\a\\x.xml", "\\..\\" + escape, true));
    EXPECT_FALSE(fs.moveFile("\\a\\x.xml", "\\..\\" + escape));
    EXPECT_FALSE(fs::exists(dev.root().parent_path() / escape));
    EXPECT_TRUE(dev.exists("\\a\\x.xml"));
}

TEST(DeviceFs, StorageCardsAreMarkedFolders) {
    TempDevice dev;
    dev.put("\\Storage Card\\.storage-card", "");
    dev.put("\\Card2\\.storage-card", "");
    dev.put("\\Plain\\x.txt", "x");
    dev.put("\\.storage-card", "");
    dev.put("\\Deep\\Inner\\.storage-card", "");
    EXPECT_EQ(dev.fs().storageCards(), (Names{"Card2", "Storage Card"}));
}

TEST(DeviceFs, MoveNeverOverwrites) {
    TempDevice dev;
    dev.put("\\a\\new.xml", "new");
    dev.put("\\b\\old.xml", "old");
    const DeviceFs& fs = dev.fs();

    EXPECT_FALSE(fs.moveFile("\\a\\new.xml", "\\b\\old.xml"));
    EXPECT_FALSE(fs.moveFile("\\a\\new.xml", "\\B\\OLD.XML"));
    EXPECT_EQ(dev.read("\\a\\new.xml"), "new");
    EXPECT_EQ(dev.read("\\b\\old.xml"), "old");

    EXPECT_FALSE(fs.moveFile("\\a\\new.xml", "\\missing\\new.xml"));
    EXPECT_FALSE(fs.moveFile("\\a\\gone.xml", "\\b\\gone.xml"));
    EXPECT_TRUE(dev.exists("\\a\\new.xml"));

    EXPECT_TRUE(fs.moveFile("\\a\\new.xml", "\\b\\new.xml"));
    EXPECT_FALSE(dev.exists("\\a\\new.xml"));
    EXPECT_EQ(dev.read("\\b\\new.xml"), "new");
}

TEST(DeviceFs, CopyOverwritesOnlyWhenAsked) {
    TempDevice dev;
    dev.put("\\a\\x.xml", "new");
    dev.put("\\b\\x.xml", "old");
    const DeviceFs& fs = dev.fs();

    EXPECT_FALSE(fs.copyFile("\\a\\x.xml", "\\b\\x.xml", false));
    EXPECT_EQ(dev.read("\\b\\x.xml"), "old");
    EXPECT_TRUE(fs.copyFile("\\a\\x.xml", "\\B\\X.XML", true));
    EXPECT_EQ(dev.read("\\b\\x.xml"), "new");
    EXPECT_EQ(dev.fs().listFiles("\\b\\"), (Names{"x.xml"}));
    EXPECT_EQ(dev.read("\\a\\x.xml"), "new");

    EXPECT_TRUE(fs.copyFile("\\a\\x.xml", "\\b\\y.xml", false));
    EXPECT_EQ(dev.read("\\b\\y.xml"), "new");
    EXPECT_FALSE(fs.copyFile("\\a\\missing.xml", "\\b\\z.xml", true));
    EXPECT_FALSE(fs.copyFile("\\a\\x.xml", "\\missing\\x.xml", true));
}

TEST(DeviceFs, RemoveAndCreateFolder) {
    TempDevice dev;
    dev.put("\\a\\x.xml", "x");
    EXPECT_TRUE(dev.fs().removeFile("\\A\\X.xml"));
    EXPECT_FALSE(dev.exists("\\a\\x.xml"));
    EXPECT_TRUE(dev.fs().removeFile("\\a\\x.xml"));  // already gone
    EXPECT_FALSE(dev.fs().removeFile("\\a"));        // a folder is no file
    EXPECT_TRUE(dev.fs().isFolder("\\a"));

    EXPECT_TRUE(dev.fs().createFolder("\\VexXml\\Exported\\"));
    EXPECT_TRUE(fs::is_directory(dev.root() / "VexXml" / "Exported"));
    EXPECT_TRUE(dev.fs().createFolder("\\vexxml\\exported"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dev.root() / "VexXml"), {}), 1);
}

TEST(DeviceFs, ReadFileRefusesOversizedFiles) {
    TempDevice dev;
    dev.put("\\f.xml", "0123456789");
    std::string out = "stale";
    EXPECT_FALSE(dev.fs().readFile("\\f.xml", out, 9));
    EXPECT_EQ(out, "");
    EXPECT_TRUE(dev.fs().readFile("\\f.xml", out, 10));
    EXPECT_EQ(out, "0123456789");
    out = "stale";
    EXPECT_FALSE(dev.fs().readFile("\\missing.xml", out));
    EXPECT_EQ(out, "");
    EXPECT_FALSE(dev.fs().readFile("\\", out));
}

TEST(DeviceFs, JoinDevicePath) {
    EXPECT_EQ(joinDevicePath("\\VexXml\\", "a.xml"), "\\VexXml\\a.xml");
    EXPECT_EQ(joinDevicePath("\\VexXml", "a.xml"), "\\VexXml\\a.xml");
    EXPECT_EQ(joinDevicePath("", "a.xml"), "\\a.xml");
}
