#include <gtest/gtest.h>

#include <string>

#include "common/Text.h"
#include "model/AdjReason.h"
#include "model/Flag.h"
#include "model/GarmentFlags.h"
#include "model/GarmentScan.h"
#include "model/GarmentsToReplace.h"
#include "model/MessageText.h"
#include "support/TempDevice.h"

using namespace kelvo;
using kelvo::test::changeWord;
using kelvo::test::fixture;
using kelvo::test::messageTexts;
using kelvo::test::readHostFile;
using kelvo::test::TempDevice;

namespace {

constexpr const char* kFlagFile = "\\VexXml\\GarmentFlags_4711.xml";
constexpr const char* kReplaceFile = "\\VexXml\\GarmentsToReplace_4711.xml";
constexpr const char* kLengths = " 8, 16,";

// Every field of every entry, numbers with all their digits.
std::string dump(const CGarmentFlags& list) {
    std::string out;
    for (const CGarmentFlag& f : list) {
        out += f.ID + "|" + format("%.17g", f.FlagID) + "|" + f.Remark + "\n";
    }
    return out;
}

// A list of customer 4711 loaded from the device, expecting no message.
template <class List>
List loaded(const TempDevice& dev) {
    dev.fs().createFolder("\\VexXml");
    List list;
    EXPECT_TRUE(list.Load(dev.fs(), 4711).ok());
    return list;
}

// What became of a scanned garment, in a word.
std::string word(const GarmentStored& stored) {
    if (stored.code != IDCodeProblem::None) {
        return "code";
    }
    if (!stored.chosen) {
        return "no choice";
    }
    return changeWord(stored.change);
}

}  // namespace

TEST(GarmentFlags, StoredInCodeOrderOneFlagOnceAGarment) {
    TempDevice dev;
    auto flags = loaded<CGarmentFlags>(dev);
    const CFlag torn{1, "Torn"}, stain{2, "Stain"}, button{3, "Button"};
    const auto store = [&](const char* code, const CFlag& flag, const char* remark) {
        return word(storeGarmentFlag(dev.fs(), flags, kLengths, code, &flag, remark));
    };
    EXPECT_EQ(store("C3000000", stain, "Stain"), "done");
    EXPECT_EQ(store("A1000000", torn, "Torn & <frayed>"), "done");
    EXPECT_EQ(store("B2000000", button, ""), "done");
    EXPECT_EQ(store("A1000000", button, "second flag"), "done");
    EXPECT_EQ(store("A1000000", torn, "again"), "duplicate");
    EXPECT_EQ(dev.read(kFlagFile), readHostFile(fixture("garment/GarmentFlags_stored.xml")));
    EXPECT_EQ(dump(loaded<CGarmentFlags>(dev)), dump(flags));
}

TEST(GarmentsToReplace, StoredInCodeOrderOneReasonOnceAGarment) {
    TempDevice dev;
    auto list = loaded<CGarmentsToReplace>(dev);
    CAdjReason wornOut{"WO", "Worn out", 'N', 'N', 'N', 'N', 'N'};
    CAdjReason repair{"RP", "Repair & return", 'N', 'N', 'N', 'N', 'N'};
    const auto store = [&](const char* code, const CAdjReason* reason, const char* ref) {
        return word(storeGarmentReplace(dev.fs(), list, kLengths, code, reason, ref));
    };
    EXPECT_EQ(store("0123456789ABCDEF", &wornOut, "Ref <7> & co"), "done");
    EXPECT_EQ(store("01234567", &repair, ""), "done");
    EXPECT_EQ(store("0123456789ABCDEF", &repair, ""), "done");
    EXPECT_EQ(store("01234567", &repair, "x"), "duplicate");
    EXPECT_EQ(store("01234567", nullptr, "x"), "no choice");
    EXPECT_EQ(dev.read(kReplaceFile),
              readHostFile(fixture("garment/GarmentsToReplace_stored.xml")));
}

TEST(GarmentScan, RefusedCodesChangeNothing) {
    TempDevice dev;
    auto flags = loaded<CGarmentFlags>(dev);
    const CFlag torn{1, "Torn"};
    for (const char* code :
         {"", "ABC", "0123456", "0123456789", "ABCDEFG1", "abcdef12", "A1B2 C3D"}) {
        EXPECT_EQ(word(storeGarmentFlag(dev.fs(), flags, kLengths, code, &torn, "")), "code")
            << code;
    }
    EXPECT_EQ(word(storeGarmentFlag(dev.fs(), flags, kLengths, "A1B2C3D4", nullptr, "")),
              "no choice");
    EXPECT_EQ(flags.Count(), 0u);
    EXPECT_FALSE(dev.exists(kFlagFile));
}

TEST(GarmentFlags, AnotherWritersFileIsReadInCodeOrderAndWrittenInOurs) {
    TempDevice dev;
    dev.putFixture(kFlagFile, fixture("garment/GarmentFlags_other.xml"));
    auto flags = loaded<CGarmentFlags>(dev);
    EXPECT_EQ(dump(flags), "00AA00AA|7|<x> & y\n00AA00AA|2|\nFF00FF00|2|line one\nline two\n");
    EXPECT_TRUE(flags.Save(dev.fs()));
    EXPECT_EQ(dev.read(kFlagFile), readHostFile(fixture("garment/GarmentFlags_other_saved.xml")));
}

TEST(GarmentFlags, BadFilesAreNeverOverwritten) {
    struct Case {
        const char* name;
        const char* content;  // nullptr: no file
        bool readable;
        std::size_t entries;
    };
    const Case cases[] = {
        {"missing", nullptr, true, 0},
        {"empty", "", true, 0},
        {"blank", " \r\n\t", true, 0},
        {"not well formed", "<GarmentFlags><Garment><ID>A1</ID>", false, 0},
        {"not XML", "\x01\x02 binary \xff", false, 0},
        {"no entries", "<Nonsense>hello</Nonsense>", true, 0},
        {"strange entries", "<G><Foo><Bar/></Foo><Garment>x</Garment></G>", true, 2},
    };
    const CFlag torn{1, "Torn"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDevice dev;
        dev.fs().createFolder("\\VexXml");
        if (c.content != nullptr) {
            dev.put(kFlagFile, c.content);
        }
        CGarmentFlags flags;
        EXPECT_EQ(flags.Load(dev.fs(), 4711).ok(), c.readable);
        EXPECT_EQ(flags.Count(), c.entries);
        const GarmentStored stored =
            storeGarmentFlag(dev.fs(), flags, kLengths, "A1B2C3D4", &torn, "");
        if (c.readable) {
            EXPECT_TRUE(stored.done());
            EXPECT_EQ(flags.Count(), c.entries + 1);
            continue;
        }
        EXPECT_EQ(word(stored), "unreadable");
        EXPECT_FALSE(flags.Save(dev.fs()));
        EXPECT_EQ(dev.read(kFlagFile), c.content);
        // The file is tried again on the next load.
        dev.put(kFlagFile, "<GarmentFlags/>");
        EXPECT_EQ(flags.Load(dev.fs(), 4711).result, LoadResult::Read);
        EXPECT_TRUE(storeGarmentFlag(dev.fs(), flags, kLengths, "A1B2C3D4", &torn, "").done());
    }
}

TEST(GarmentFlags, EntryThatCannotBeWrittenIsTakenOutAgain) {
    TempDevice dev;
    auto flags = loaded<CGarmentFlags>(dev);
    dev.fs().createFolder(kFlagFile);  // a folder where the file should go
    const CFlag torn{1, "Torn"};
    EXPECT_EQ(word(storeGarmentFlag(dev.fs(), flags, kLengths, "A1B2C3D4", &torn, "")),
              "not written");
    EXPECT_EQ(flags.Count(), 0u);
}
