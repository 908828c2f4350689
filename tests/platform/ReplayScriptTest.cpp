#include <gtest/gtest.h>

#include "platform/ReplayScript.h"

namespace {

TEST(ReplayScriptTest, ReadsSettingsAndEventsByFrame) {
  std::string error;
  const auto script = ReplayScript::Parse(
      "# a comment\n"
      "seed 0x2A\n"
      "step 20\r\n"
      "frames 300 # a comment ends a line\n"
      "time 08:05:09\n"
      "\n"
      "@12 keydown 0x0D\n"
      "  @12 keyup 13   \n"
      "@20 move 400 -3\n"
      "@21 buttondown 1\n"
      "@22 wheel -1\n"
      "@30 text Hi \\s\\b\\t\\r\\e\\\\\\u00e9\\ud83d\xC3\xA9\n"
      "@40 close  # but not a text line\n"
      "@41 text a # b\n"
      "@50 focuslost\n"
      "@51 focusgain\n"
      "@60 shot frame60.png\n"
      "@61 shot /abs/frame.png\n",
      "/base/", &error);
  ASSERT_NE(script, nullptr) << error;
  EXPECT_EQ(script->Seed(), 42u);
  EXPECT_DOUBLE_EQ(script->StepSeconds(), 0.02);
  EXPECT_EQ(script->FrameLimit(), 300u);
  EXPECT_EQ(script->StartTimeOfDay(), 8 * 3600 + 5 * 60 + 9);
  EXPECT_EQ(script->EventsAt(11), nullptr);
  const auto* keys = script->EventsAt(12);
  ASSERT_NE(keys, nullptr);
  ASSERT_EQ(keys->size(), 2u);
  EXPECT_EQ((*keys)[0].kind, ReplayEvent::Kind::KeyDown);
  EXPECT_EQ((*keys)[0].a, 0x0D);
  EXPECT_EQ((*keys)[1].kind, ReplayEvent::Kind::KeyUp);
  EXPECT_EQ((*keys)[1].a, 13);
  const auto& move = script->EventsAt(20)->front();
  EXPECT_EQ(move.kind, ReplayEvent::Kind::Move);
  EXPECT_EQ(move.a, 400);
  EXPECT_EQ(move.b, -3);
  EXPECT_EQ(script->EventsAt(22)->front().a, -1);
  EXPECT_EQ(
      script->EventsAt(30)->front().text,
      (std::u16string{u'H', u'i', u' ', u' ', 0x08, 0x09, 0x0D, 0x1B, u'\\', 0xE9, 0xD83D, 0xE9}));
  EXPECT_EQ(script->EventsAt(40)->front().kind, ReplayEvent::Kind::Close);
  EXPECT_EQ(script->EventsAt(41)->front().text, u"a # b");
  EXPECT_EQ(script->EventsAt(51)->front().kind, ReplayEvent::Kind::FocusGain);
  EXPECT_EQ(script->EventsAt(60)->front().path, "/base/frame60.png");
  EXPECT_EQ(script->EventsAt(61)->front().path, "/abs/frame.png");
}

TEST(ReplayScriptTest, DefaultsWithoutSettings) {
  std::string error;
  const auto script = ReplayScript::Parse("", "", &error);
  ASSERT_NE(script, nullptr);
  EXPECT_EQ(script->Seed(), 1u);
  EXPECT_NEAR(script->StepSeconds(), 1.0 / 60.0, 1e-12);
  EXPECT_EQ(script->FrameLimit(), 0u);
  EXPECT_EQ(script->StartTimeOfDay(), 12 * 3600);
}

TEST(ReplayScriptTest, RefusesBadLinesNamingTheLine) {
  const char* const bad[] = {
      "seed x",        "step 0",        "step -5",
      "step nan",      "frames -1",     "frames 1 2",
      "@0 close",      "@x close",      "@1",
      "@1 jump",       "@1 keydown",    "@1 keydown 256",
      "@1 keydown 0",  "@1 keyup 0x",   "@1 move 1",
      "@1 move 1 y",   "@1 wheel",      "@1 text \\q",
      "@1 text end\\", "@1 text \\u12", "@1 shot",
      "@1 close now",  "volume 3",      "@99999999999 close",
      "time 24:00:00", "time 12:60:00", "time 12:00",
      "time 1:2:3:4",  "time -1:00:00", "time 12:00:00 x",
  };
  for (const char* line : bad) {
    SCOPED_TRACE(line);
    std::string error;
    EXPECT_EQ(ReplayScript::Parse(std::string("seed 1\n") + line + "\n", "", &error), nullptr);
    EXPECT_EQ(error.rfind("replay script line 2: ", 0), 0u) << error;
  }
  std::string error;
  EXPECT_EQ(ReplayScript::Load("/nonexistent/script.txt", &error), nullptr);
  EXPECT_NE(error.find("/nonexistent/script.txt"), std::string::npos);
}

}  // namespace
