#include <gtest/gtest.h>

#include <vector>

#include "framework/core/CKeyset.h"
#include "framework/core/TMethodDelegate.h"

namespace {

using GF::CKeyset;

constexpr int kEnter = 0x0D, kAlt = 0x12, kLetterA = 0x41;
constexpr int kMouseMove = 5, kMouseWheel = 6;

struct Input {
  int type, key;
  bool alt;
};

// Records the key set's events.
class CRecorder {
 public:
  explicit CRecorder(CKeyset& keyset) {
    keyset.Pressed().Subscribe(GF::MakeDelegate(this, &CRecorder::OnPressed));
    keyset.Released().Subscribe(GF::MakeDelegate(this, &CRecorder::OnReleased));
  }
  void OnPressed(int index) { pressed.push_back(index); }
  void OnReleased(int index) { released.push_back(index); }
  std::vector<int> pressed, released;
};

TEST(CKeyset, FeedingRules) {
  struct Case {
    const char* name;
    std::vector<Input> inputs;
    std::vector<int> pressed, released;
    std::vector<int> downAfter;  // key indices down at the end
  };
  const Case cases[] = {
      {"repeats fire every time, up once",
       {{CKeyset::kKeyDown, kEnter, false},
        {CKeyset::kKeyDown, kEnter, false},
        {CKeyset::kKeyDown, kEnter, false},
        {CKeyset::kKeyUp, kEnter, false}},
       {24, 24, 24},
       {24},
       {}},
      {"held key stays down",
       {{CKeyset::kKeyDown, kEnter, false}, {CKeyset::kKeyDown, kEnter, false}},
       {24, 24},
       {},
       {24}},
      {"up without down still fires", {{CKeyset::kKeyUp, 0x1B, false}}, {}, {17}, {}},
      {"letter with Alt held does nothing",
       {{CKeyset::kKeyDown, kAlt, true},
        {CKeyset::kKeyDown, kLetterA, true},
        {CKeyset::kKeyUp, kLetterA, true}},
       {},
       {},
       {}},
      {"key released during Alt comes up",
       {{CKeyset::kKeyDown, kEnter, false}, {CKeyset::kKeyUp, kEnter, true}},
       {24},
       {24},
       {}},
      {"button released during Alt comes up",
       {{CKeyset::kButtonDown, 0x01, false}, {CKeyset::kButtonUp, 0x01, true}},
       {18},
       {18},
       {}},
      {"key pressed during Alt, released after",
       {{CKeyset::kKeyDown, 0x20, true}, {CKeyset::kKeyUp, 0x20, false}},
       {},
       {41},
       {}},
      {"mouse buttons are keys",
       {{CKeyset::kButtonDown, 0x01, false},
        {CKeyset::kButtonDown, 0x02, false},
        {CKeyset::kButtonUp, 0x01, false}},
       {18, 47},
       {18},
       {47}},
      {"unmapped key uses index 0", {{CKeyset::kKeyDown, kLetterA, false}}, {0}, {}, {0}},
      {"codes outside 0 to 255 are ignored",
       {{CKeyset::kKeyDown, 256, false},
        {CKeyset::kKeyDown, 0x10D, false},
        {CKeyset::kKeyDown, -1, false},
        {CKeyset::kKeyUp, 300, false}},
       {},
       {},
       {}},
      {"movement and wheel are ignored",
       {{kMouseMove, 0x01, false}, {kMouseWheel, kEnter, false}},
       {},
       {},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto keyset = GF::MakeHolder<CKeyset>();
    CRecorder recorder(*keyset);
    for (const Input& in : c.inputs) keyset->Feed(in.type, in.key, in.alt);
    EXPECT_EQ(recorder.pressed, c.pressed);
    EXPECT_EQ(recorder.released, c.released);
    std::vector<int> down;
    for (int i = 0; i < CKeyset::kKeyCount; ++i) {
      if (keyset->IsDown(i)) down.push_back(i);
    }
    EXPECT_EQ(down, c.downAfter);
  }
}

TEST(CKeyset, KeyIndexMap) {
  const std::pair<int, int> rows[] = {
      {0x01, 18}, {0x02, 47}, {0x0D, 24}, {0x1B, 17}, {0x20, 41}, {0x25, 3}, {0x26, 1}, {0x27, 4},
      {0x28, 2},  {0x30, 5},  {0x37, 12}, {0x39, 14}, {0x41, 0},  {0x12, 0}, {0xFF, 0}, {256, 0}};
  for (const auto& [code, index] : rows) EXPECT_EQ(CKeyset::KeyIndex(code), index) << code;
}

TEST(CKeyset, TableEntriesCanBeSetAndConsumed) {
  auto keyset = GF::MakeHolder<CKeyset>();
  keyset->Feed(CKeyset::kButtonDown, 0x01, false);
  EXPECT_TRUE(keyset->Consume(18));
  EXPECT_FALSE(keyset->Consume(18));  // one reader takes the click
  keyset->SetDown(24, true);          // a screen replaying a deferred key
  EXPECT_TRUE(keyset->IsDown(24));
  keyset->SetDown(255, true);  // outside the table: ignored
  EXPECT_FALSE(keyset->IsDown(255));
  EXPECT_FALSE(keyset->IsDown(-1));
  // The engine key is still recorded down: its up clears nothing new but still fires.
  CRecorder recorder(*keyset);
  keyset->Feed(CKeyset::kButtonUp, 0x01, false);
  EXPECT_EQ(recorder.released, std::vector<int>{18});
}

TEST(CKeyset, ResetForgetsHeldKeysSoTheNextPressIsNew) {
  auto keyset = GF::MakeHolder<CKeyset>();
  keyset->Feed(CKeyset::kKeyDown, kEnter, false);
  EXPECT_TRUE(keyset->Consume(24));
  CRecorder recorder(*keyset);
  keyset->Reset();
  EXPECT_TRUE(recorder.released.empty());
  keyset->Feed(CKeyset::kKeyDown, kEnter, false);  // a fresh press, not a repeat
  EXPECT_TRUE(keyset->IsDown(24));
  keyset->SetDown(41, true);
  keyset->Reset();
  EXPECT_FALSE(keyset->IsDown(24));
  EXPECT_FALSE(keyset->IsDown(41));
}

TEST(CKeyset, InstanceIsOneObject) {
  auto first = CKeyset::Instance();
  const int count = first->GetRefCount();
  auto second = CKeyset::Instance();
  EXPECT_EQ(first, second);
  EXPECT_EQ(second->GetRefCount(), count + 1);
}

}  // namespace
