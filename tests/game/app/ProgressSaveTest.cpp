#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "framework/core/CMemoryInputStream.h"
#include "framework/core/CMemoryOutputStream.h"
#include "framework/core/TStaticDelegate.h"
#include "game/app/ProgressSave.h"
#include "tests/game/app/GameAppSession.h"

namespace {

using pm::test::GameAppSession;
using pm::test::PlayerCalls;

PlayerProfile FullProfile(const std::wstring& name, float seed) {
  PlayerProfile p;
  p.LastGrantedItem = "apron";
  p.UpgradeNames = {"mixer_2", ""};
  p.Flags = {{"comics_1", true}, {"comics_2", false}};
  p.TipCounts = {{3, 2}, {-1, 70000}};
  LevelRecord level{1.5f, 2, true, 9000.0f, {{6, 250.0f}, {5, 300.0f}}};
  p.LevelRecords = {{"stage1_1", level}, {"stage1_2", LevelRecord{}}};
  p.Floats = {{ProfileFloat::StageNumber, seed}, {ProfileFloat::MusicVolume, -0.25f}};
  p.Strings = {{ProfileString::CurrentLevelKey, "stage1_2"}, {40, ""}};
  p.Name = name;
  p.Unlocked = {{"soup", true}};
  p.ExtraNames = {"x"};
  p.StageKey = "stage_a";
  p.StageValues = {1, -2, 3};
  StageRecord stage{{4, 7}, {{"hat", "red_hat"}}, "", 2};
  p.StageRecords = {{"stage_a", stage}, {"stage_b", StageRecord{}}};
  return p;
}

// Two players covering every field (empty maps and strings too) and a name outside Latin-1.
ProgressBlock FullBlock(std::int32_t version) {
  ProgressBlock block;
  block.Version = version;
  block.CurrentPlayer = L"\u0416\u00e9\u4e2d";
  block.Players[L""] = PlayerProfile{};
  block.Players[block.CurrentPlayer] = FullProfile(block.CurrentPlayer, 3.0f);
  block.Players[L"Ann"] = FullProfile(L"Ann", 5.0f);
  block.Scores = {{"Ann", 120.5f}, {"", 0.0f}};
  return block;
}

std::vector<std::uint8_t> SavedSettingsBlock() {
  GF::THolder<GF::CMemoryOutputStream> out = GF::MakeHolder<GF::CMemoryOutputStream>();
  OnSaveProfiles(out);
  return out->Bytes();
}

void LoadSettingsBlock(const std::vector<std::uint8_t>& bytes) {
  OnLoadProfiles(GF::MakeHolder<GF::CMemoryInputStream>(bytes));
}

// The default block of "gamedata.bin" in force, as at start-up.
void UseDefaultBlock(std::int32_t version) {
  DefaultProgressBlock.Version = version;
  DefaultProgressBlock.Players[L""].Floats[ProfileFloat::StageNumber] = 1.0f;
  ResetProgressToDefault();
}

void ExpectDefaultVolumes() {
  GF::THolder<GF::CGameProperties> properties = GF::HGENS::GetGameProperties();
  EXPECT_EQ(properties->GetInt("MusicVolume"), 60);
  EXPECT_EQ(properties->GetInt("SoundVolume"), 100);
}

TEST(ProgressSave, WritesTheVersionThenTheBlock) {
  GameAppSession session;
  GameProgress.Version = 7;
  GameProgress.CurrentPlayer = L"\u0416";
  const std::vector<std::uint8_t> expected = {0,    0, 0, 7, 0, 0, 0, 7, 1, 0x04,
                                              0x16, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(SavedSettingsBlock(), expected);
}

TEST(ProgressSave, BlockRoundTripsByteForByte) {
  GameAppSession session;
  const ProgressBlock original = FullBlock(4);
  GameProgress = original;
  GF::CMemoryOutputStream first;
  SaveProgress(first);

  GameProgress = ProgressBlock{};
  GF::CMemoryInputStream in(first.Bytes());
  ASSERT_TRUE(LoadProgress(in));
  EXPECT_EQ(GameProgress, original);
  EXPECT_EQ(in.Remaining(), 0u);

  GF::CMemoryOutputStream second;
  SaveProgress(second);
  EXPECT_EQ(second.Bytes(), first.Bytes());
}

TEST(ProgressSave, LoadReplacesTheBlockAndClearsTheTransientProperties) {
  GameAppSession session;
  ProgressBlock saved = FullBlock(4);
  for (PlayerProfile* p : {&saved.Players[saved.CurrentPlayer], &saved.Players[L"Ann"]}) {
    for (std::int32_t id : {35, 17, 21, 19, 20}) p->Floats[id] = 5.0f;
    for (std::int32_t id : {31, 30, 28, 33, 11}) p->Strings[id] = "kept?";
  }
  GameProgress = saved;
  const std::vector<std::uint8_t> bytes = SavedSettingsBlock();
  UseDefaultBlock(4);

  LoadSettingsBlock(bytes);
  const PlayerProfile& current = GameProgress.Players.at(saved.CurrentPlayer);
  for (std::int32_t id : {35, 17, 21, 19}) EXPECT_EQ(current.Floats.at(id), 0.0f) << id;
  for (std::int32_t id : {31, 30, 28, 33}) EXPECT_EQ(current.Strings.at(id), "") << id;
  EXPECT_EQ(current.Floats.at(20), 5.0f);
  EXPECT_EQ(current.Strings.at(11), "kept?");
  // Only the current player's transient values go.
  EXPECT_EQ(GameProgress.Players.at(L"Ann"), saved.Players.at(L"Ann"));
  EXPECT_EQ(GameProgress.Scores, saved.Scores);
  EXPECT_TRUE(PlayerCalls().empty());
}

TEST(ProgressSave, OtherVersionKeepsTheDefaultBlockWithDefaultVolumes) {
  GameAppSession session;
  GameProgress = FullBlock(3);
  const std::vector<std::uint8_t> bytes = SavedSettingsBlock();
  UseDefaultBlock(4);

  LoadSettingsBlock(bytes);
  EXPECT_EQ(GameProgress, DefaultProgressBlock);
  ExpectDefaultVolumes();
  EXPECT_EQ(PlayerCalls(), std::vector<std::string>{"music:ApplyVolume"});
}

TEST(ProgressSave, DamagedBlockKeepsTheBlockInForceWhole) {
  GameAppSession session;
  GameProgress = FullBlock(4);
  const std::vector<std::uint8_t> bytes = SavedSettingsBlock();
  UseDefaultBlock(4);
  // Every cut, from inside the version to the last byte of the block.
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    GF::HGENS::GetGameProperties()->SetInt("MusicVolume", 1);
    LoadSettingsBlock(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + size));
    ASSERT_EQ(GameProgress, DefaultProgressBlock) << "cut at " << size;
    ExpectDefaultVolumes();
  }
}

TEST(ProgressSave, SavedCurrentPlayerWithoutProfileSelectsTheDefaultProfile) {
  GameAppSession session;
  GameProgress = FullBlock(4);
  GameProgress.Players.erase(L"");
  GameProgress.CurrentPlayer = L"Gone";
  const std::vector<std::uint8_t> bytes = SavedSettingsBlock();
  UseDefaultBlock(4);

  LoadSettingsBlock(bytes);
  EXPECT_EQ(GameProgress.CurrentPlayer, L"");
  ASSERT_TRUE(GameProgress.Players.contains(L""));
  EXPECT_EQ(GameProgress.Players.at(L"").Floats.at(ProfileFloat::StageNumber), 1.0f);
  EXPECT_TRUE(GameProgress.Players.contains(L"Ann"));
}

TEST(ProgressSave, SettingsFileCarriesTheBlockThroughTheGameManager) {
  GameAppSession session;
  GF::THolder<GF::HGENS::CGameManager> manager = GF::HGENS::GetGameManager();
  SubscribeProgressEvents(*manager);
  UseDefaultBlock(4);

  // No file yet: the default block with the default volumes.
  manager->LoadSettings();
  EXPECT_EQ(GameProgress, DefaultProgressBlock);
  ExpectDefaultVolumes();

  ProgressBlock played = FullBlock(4);
  // Present with their cleared values, so the load has nothing left to clear.
  PlayerProfile& current = played.Players[played.CurrentPlayer];
  for (std::int32_t id : {35, 17, 21, 19}) current.Floats[id] = 0.0f;
  for (std::int32_t id : {31, 30, 28, 33}) current.Strings[id] = "";
  GameProgress = played;
  manager->SaveSettings();
  ResetProgressToDefault();
  manager->LoadSettings();
  EXPECT_EQ(GameProgress, played);
}

void FailMidSave(GF::THolder<GF::IDataOutputStream>) {
  throw std::runtime_error("disk gone");
}

TEST(ProgressSave, SaveFailingMidWayKeepsThePreviousFile) {
  GameAppSession session;
  GF::THolder<GF::HGENS::CGameManager> manager = GF::HGENS::GetGameManager();
  SubscribeProgressEvents(*manager);
  UseDefaultBlock(4);
  ProgressBlock first = FullBlock(4);
  first.Players[first.CurrentPlayer].Strings[31] = "";  // nothing for the load to clear
  for (std::int32_t id : {35, 17, 21, 19}) first.Players[first.CurrentPlayer].Floats[id] = 0.0f;
  for (std::int32_t id : {30, 28, 33}) first.Players[first.CurrentPlayer].Strings[id] = "";
  GameProgress = first;
  manager->SaveSettings();

  // The block is half written when the save breaks off.
  manager->SaveSettingsEvent().Subscribe(GF::MakeDelegate(&FailMidSave));
  GameProgress.Players.erase(L"Ann");
  EXPECT_THROW(manager->SaveSettings(), std::runtime_error);

  ResetProgressToDefault();
  manager->LoadSettings();
  EXPECT_EQ(GameProgress, first);
}

}  // namespace
