#include "doc/ScreenTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace kelvo;

namespace {

// Back and Next are tried with every combination of these facts and flags.
std::vector<NavFacts> allFacts() {
    std::vector<NavFacts> out;
    for (int bits = 0; bits < 128; ++bits) {
        NavFacts f;
        f.dud = bits & 1;
        f.invoiceList = bits & 2;
        f.routeInProgress = bits & 4;
        f.atStop = bits & 8;
        f.beforeArrival = bits & 16;
        f.invoiceSettled = bits & 32;
        f.firstEntryEnabled = bits & 64;
        out.push_back(f);
    }
    return out;
}

std::vector<FrameFlags> allFlows() {
    std::vector<FrameFlags> out;
    for (int bits = 0; bits < 32; ++bits) {
        FrameFlags f;
        f.makeALike = bits & 1;
        f.productOnly = bits & 2;
        f.exchangeInProgress = bits & 4;
        f.quantityChangeInProgress = bits & 8;
        f.wearerFlowResumed = bits & 16;
        out.push_back(f);
    }
    return out;
}

}  // namespace

TEST(ScreenTable, OneEntryPerScreenInIndexOrder) {
    const auto& table = screenTable();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(screen::Count));
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].index, static_cast<int>(i));
        EXPECT_NE(table[i].name, nullptr) << i;
        EXPECT_EQ(findScreen(static_cast<int>(i)), &table[i]);
    }
    EXPECT_EQ(findScreen(-1), nullptr);
    EXPECT_EQ(findScreen(screen::Count), nullptr);
}

TEST(ScreenTable, ACommandMeansTheSameOnEveryScreenThatOffersIt) {
    std::map<CommandId, const ScreenCommand*> first;
    for (const ScreenEntry& screen : screenTable()) {
        std::set<CommandId> ids;
        for (const ScreenCommand& c : screen.commands) {
            SCOPED_TRACE(testing::Message() << "screen " << screen.index << " command " << c.id);
            EXPECT_TRUE(ids.insert(c.id).second) << "offered twice";
            EXPECT_NE(c.id, cmd::Back);
            EXPECT_NE(c.id, cmd::Next);
            EXPECT_TRUE(c.menuCaption == nullptr || *c.menuCaption != '\0');
            // A command leads to a screen, or stays and does something there.
            if (c.target == screen::None) {
                EXPECT_TRUE(c.check == Check::ByScreen || c.rule != nullptr);
            } else {
                EXPECT_NE(findScreen(c.target), nullptr);
            }
            const auto [it, inserted] = first.emplace(c.id, &c);
            EXPECT_EQ(findCommand(c.id), it->second);
            EXPECT_EQ(findCommand(screen, c.id), &c);
            if (!inserted) {
                EXPECT_EQ(c.target, it->second->target);
                EXPECT_EQ(c.check, it->second->check);
                EXPECT_EQ(c.rule, it->second->rule);
                EXPECT_EQ(c.repeats, it->second->repeats);
                EXPECT_EQ(c.enabledRule, it->second->enabledRule);
            }
        }
    }
    EXPECT_EQ(findCommand(cmd::Back), nullptr);
    EXPECT_EQ(findCommand(0), nullptr);
}

TEST(ScreenTable, BackAndNextLeadToAScreenOrToACommandOfTheTable) {
    for (const ScreenEntry& screen : screenTable()) {
        for (StepRule rule : {screen.back, screen.next}) {
            if (!rule) {
                continue;
            }
            for (const NavFacts& facts : allFacts()) {
                for (FrameFlags flags : allFlows()) {
                    const Translation t = rule(flags, facts);
                    SCOPED_TRACE(testing::Message() << "screen " << screen.index << " -> "
                                                    << t.command << "/" << t.screen);
                    EXPECT_FALSE(t.command != 0 && t.screen != screen::None);
                    EXPECT_TRUE(t.command == 0 || findCommand(t.command) != nullptr);
                    EXPECT_TRUE(t.screen == screen::None || findScreen(t.screen) != nullptr);
                }
            }
        }
    }
}
