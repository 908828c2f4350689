#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "framework/core/CMemoryInputStream.h"
#include "framework/core/CMemoryOutputStream.h"
#include "framework/core/CStreamReader.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CInGameTips.h"

namespace {

// Writes down what it is asked to show and hide.
class RecordingStrategy : public CHintStrategyBase {
 public:
  void Show(const TipRecord& tip) override { log.push_back("show " + tip.Name); }
  void Hide(const TipRecord& tip) override { log.push_back("hide " + tip.Name); }
  std::vector<std::string> log;
};

TipRecord Tip(std::string name, std::int32_t id, bool flag, std::int32_t maxShows,
              std::int32_t next = -1) {
  TipRecord tip;
  tip.Name = std::move(name);
  tip.TriggerId = id;
  tip.TriggerFlag = flag;
  tip.MaxShows = maxShows;
  tip.NextTip = next;
  return tip;
}

class CInGameTipsTest : public testing::Test {
 protected:
  void SetUp() override {
    GameProgress = {};
    TipRecords = {
        Tip("served_a", 1, true, 3),     Tip("served_b", 1, true, -1),  // 0, 1
        Tip("twice", 5, true, 2),        Tip("always", 6, true, -1),    // 2, 3
        Tip("reminder", 0, false, -1),   Tip("chain", 10, true, 1, 7),  // 4, 5
        Tip("late_only", 9, true, -1),   Tip("seven", 11, true, 1, 2),  // 6, 7
        Tip("broken", 12, true, -1, 99),                                // 8
    };
    strategy = new RecordingStrategy;
    tips.SetStrategy(strategy);
  }
  void TearDown() override {
    tips.SetStrategy(nullptr);
    TipRecords.clear();
    GameProgress = {};
  }
  void Fire(std::int32_t id, bool flag = true) {
    tips.m_triggerId = id;
    tips.Trigger(flag);
  }
  std::int32_t Count(std::int32_t index) { return CurrentProfile().TipCounts[index]; }

  CInGameTips tips;
  GF::THolder<RecordingStrategy> strategy;
};

TEST_F(CInGameTipsTest, EveryCandidateIsCountedAndOneIsDrawnByRand) {
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    std::srand(seed);
    const std::size_t pick = static_cast<std::size_t>(std::rand()) % 2;
    std::srand(seed);
    strategy->log.clear();
    tips.m_showing = false;
    Fire(1);
    EXPECT_EQ(strategy->log,
              std::vector<std::string>{pick == 0 ? "show served_a" : "show served_b"});
    EXPECT_EQ(tips.m_triggerId, 0);
  }
  EXPECT_EQ(Count(0), 3);
  EXPECT_EQ(Count(1), 4);
}

TEST_F(CInGameTipsTest, MaxShowsLimitsOffersPerPlayer) {
  for (int i = 0; i < 4; ++i) {
    Fire(5);
    Fire(6);
  }
  EXPECT_EQ(Count(2), 2);
  EXPECT_EQ(Count(3), 4);
  // A second player starts afresh; the first keeps his counts.
  GameProgress.CurrentPlayer = L"Ann";
  Fire(5);
  EXPECT_EQ(Count(2), 1);
  EXPECT_EQ(FindProfile(L"")->TipCounts[2], 2);
}

TEST_F(CInGameTipsTest, TriggersWithoutCandidates) {
  // Flag true, nothing of that id: the id stays pending, nothing shows.
  Fire(9, false);
  EXPECT_EQ(tips.m_triggerId, 0);  // the reminder fell back to id 0
  EXPECT_EQ(strategy->log, std::vector<std::string>{"show reminder"});
  strategy->log.clear();
  Fire(42);
  EXPECT_EQ(tips.m_triggerId, 42);
  EXPECT_TRUE(strategy->log.empty());
  // The reminder with the pending id takes the general tips and clears the id.
  tips.Trigger(false);
  EXPECT_EQ(tips.m_triggerId, 0);
  EXPECT_EQ(strategy->log, (std::vector<std::string>{"hide reminder", "show reminder"}));
  EXPECT_EQ(Count(4), 2);
}

TEST_F(CInGameTipsTest, WithoutStrategyNothingIsCountedOrCleared) {
  tips.SetStrategy(nullptr);
  Fire(1);
  EXPECT_EQ(tips.m_triggerId, 1);
  EXPECT_TRUE(CurrentProfile().TipCounts.empty());
  EXPECT_FALSE(tips.m_showing);
}

TEST_F(CInGameTipsTest, FollowUpTipsChainOnce) {
  Fire(10);
  ASSERT_TRUE(tips.m_showing);
  tips.OnTipClosed();
  EXPECT_EQ(tips.GetCurrentTip().Name, "seven");
  EXPECT_FALSE(tips.m_showing);
  // Tip 7 names tip 2, but a follow-up chains no further and is not hidden by the next tip.
  tips.OnTipClosed();
  Fire(6);
  EXPECT_EQ(strategy->log,
            (std::vector<std::string>{"show chain", "hide chain", "show seven", "show always"}));
}

TEST_F(CInGameTipsTest, FollowUpOutsideTheListEndsTheChain) {
  Fire(12);
  tips.OnTipClosed();
  EXPECT_FALSE(tips.m_showing);
  EXPECT_EQ(strategy->log, std::vector<std::string>{"show broken"});
}

TEST_F(CInGameTipsTest, CountsSurviveSaveAndLoadOfTheProgressBlock) {
  Fire(5);
  Fire(1);
  GF::CMemoryOutputStream out;
  WriteProgressBlock(out, GameProgress);
  const std::vector<std::uint8_t> bytes = out.TakeBytes();
  GF::CMemoryInputStream in(bytes.data(), bytes.size());
  GF::CStreamReader reader(in);
  ProgressBlock loaded;
  ReadProgressBlock(reader, loaded);
  const std::map<std::int32_t, std::int32_t> expected = {{0, 1}, {1, 1}, {2, 1}};
  EXPECT_EQ(loaded.Players.at(L"").TipCounts, expected);
}

}  // namespace
