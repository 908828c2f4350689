#include <gtest/gtest.h>

#include "tests/platform/EngineFixture.h"

namespace {

using EngineInputTest = pm::test::EngineFixture;

TEST_F(EngineInputTest, KeysArriveWithWindowsKeyCodes) {
  Initiate();
  const std::pair<SDL_Keycode, int> cases[] = {
      {SDLK_a, 0x41},      {SDLK_z, 0x5A},        {SDLK_0, 0x30},         {SDLK_9, 0x39},
      {SDLK_F1, 0x70},     {SDLK_F12, 0x7B},      {SDLK_BACKSPACE, 0x08}, {SDLK_TAB, 0x09},
      {SDLK_RETURN, 0x0D}, {SDLK_KP_ENTER, 0x0D}, {SDLK_LSHIFT, 0x10},    {SDLK_RSHIFT, 0x10},
      {SDLK_LCTRL, 0x11},  {SDLK_RCTRL, 0x11},    {SDLK_LALT, 0x12},      {SDLK_RALT, 0x12},
      {SDLK_ESCAPE, 0x1B}, {SDLK_SPACE, 0x20},    {SDLK_END, 0x23},       {SDLK_HOME, 0x24},
      {SDLK_LEFT, 0x25},   {SDLK_UP, 0x26},       {SDLK_RIGHT, 0x27},     {SDLK_DOWN, 0x28},
      {SDLK_DELETE, 0x2E}, {SDLK_PAGEUP, 0x21},   {SDLK_INSERT, 0x2D},
  };
  for (const auto& [sdl, code] : cases) {
    SCOPED_TRACE(testing::Message() << "code " << code);
    PushKey(sdl, true);
    bool held = false;
    int pressed = 0;
    std::vector<EngineInputEvent> events;
    Run([&](int) {
      held = engine->GetKeyState(code);
      pressed = engine->GetKey();
      EngineInputEvent event{};
      while (engine->GetEvent(&event)) events.push_back(event);
      return true;
    });
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, INPUT_KEYDOWN);
    EXPECT_EQ(events[0].key, code);
    EXPECT_TRUE(held);
    EXPECT_EQ(pressed, code);
    PushKey(sdl, false);
    events = NextFrameEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, INPUT_KEYUP);
    EXPECT_EQ(events[0].key, code);
    EXPECT_FALSE(engine->GetKeyState(code));
  }
}

TEST_F(EngineInputTest, AutoRepeatArrivesAsRepeatedKeyDowns) {
  Initiate();
  PushKey(SDLK_LEFT, true);
  PushKey(SDLK_LEFT, true, true);
  PushKey(SDLK_LEFT, true, true);
  const auto events = NextFrameEvents();
  ASSERT_EQ(events.size(), 3u);
  for (const auto& event : events) {
    EXPECT_EQ(event.type, INPUT_KEYDOWN);
    EXPECT_EQ(event.key, KEY_LEFT);
  }
  EXPECT_EQ(events[0].flags & INPUT_FLAG_REPEAT, 0);
  EXPECT_EQ(events[2].flags & INPUT_FLAG_REPEAT, INPUT_FLAG_REPEAT);
}

TEST_F(EngineInputTest, ModifiersSetFlagsAndTheKeysCharacter) {
  Initiate();
  PushKey(SDLK_a, true);
  PushKey(SDLK_LSHIFT, true);
  PushKey(SDLK_a, true);
  PushKey(SDLK_LCTRL, true);
  PushKey(SDLK_LALT, true);
  PushKey(SDLK_5, true);
  const auto events = NextFrameEvents();
  ASSERT_EQ(events.size(), 6u);
  EXPECT_EQ(events[0].chr, 'a');
  EXPECT_EQ(events[0].flags, 0);
  EXPECT_EQ(events[2].chr, 'A');
  EXPECT_EQ(events[2].flags, INPUT_FLAG_SHIFT);
  EXPECT_EQ(events[5].flags, INPUT_FLAG_SHIFT | INPUT_FLAG_CTRL | INPUT_FLAG_ALT);
}

TEST_F(EngineInputTest, MouseButtonsUseCodes1And2And4) {
  Initiate();
  PushButton(SDL_BUTTON_LEFT, true, 10, 20);
  PushButton(SDL_BUTTON_RIGHT, true, 10, 20);
  PushButton(SDL_BUTTON_MIDDLE, true, 10, 20);
  bool held[3] = {};
  int last = 0;
  std::vector<EngineInputEvent> events;
  Run([&](int) {
    held[0] = engine->GetKeyState(KEY_LBUTTON);
    held[1] = engine->GetKeyState(KEY_RBUTTON);
    held[2] = engine->GetKeyState(KEY_MBUTTON);
    last = engine->GetKey();
    EngineInputEvent event{};
    while (engine->GetEvent(&event)) events.push_back(event);
    return true;
  });
  ASSERT_EQ(events.size(), 4u);  // the move to (10, 20), then the presses
  EXPECT_EQ(events[0].type, INPUT_MOUSEMOVE);
  const int codes[] = {KEY_LBUTTON, KEY_RBUTTON, KEY_MBUTTON};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(events[i + 1].type, INPUT_MBUTTONDOWN);
    EXPECT_EQ(events[i + 1].key, codes[i]);
    EXPECT_EQ(events[i + 1].x, 10);
    EXPECT_EQ(events[i + 1].y, 20);
    EXPECT_TRUE(held[i]);
  }
  EXPECT_EQ(last, KEY_MBUTTON);
  PushButton(SDL_BUTTON_LEFT, false, 10, 20);
  const auto up = NextFrameEvents();
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(up[0].type, INPUT_MBUTTONUP);
  EXPECT_EQ(up[0].key, KEY_LBUTTON);
  EXPECT_FALSE(engine->GetKeyState(KEY_LBUTTON));
  EXPECT_TRUE(engine->GetKeyState(KEY_RBUTTON));
}

TEST_F(EngineInputTest, WheelStepsArriveAsEvents) {
  Initiate();
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = -2;
  SDL_PushEvent(&wheel);
  const auto events = NextFrameEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].type, INPUT_MOUSEWHEEL);
  EXPECT_EQ(events[0].wheel, -2);
}

std::u16string g_typed;

TEST_F(EngineInputTest, TypedTextReachesTheCharHookAsUtf16WithControlCharacters) {
  g_typed.clear();
  engine->SetStateCharFunc(EngineState::CharInput,
                           [](std::uint16_t unit) { g_typed += static_cast<char16_t>(unit); });
  Initiate();
  PushKey(SDLK_h, true);
  PushText("h");
  PushText("\xC3\xA9\xF0\x9F\x98\x80");  // é and an emoji beyond the BMP
  PushKey(SDLK_BACKSPACE, true);
  PushKey(SDLK_BACKSPACE, true, true);  // auto-repeat types again
  PushKey(SDLK_TAB, true);
  PushKey(SDLK_RETURN, true);
  PushKey(SDLK_KP_ENTER, true);
  PushKey(SDLK_ESCAPE, true);
  PushKey(SDLK_DELETE, true);  // no character on Windows either
  PushKey(SDLK_LALT, true);
  PushKey(SDLK_RETURN, true);  // Alt+Enter switches the screen mode and types nothing
  int lastChar = 0;
  Run([&](int) {
    lastChar = engine->GetChar();
    return true;
  });
  EXPECT_EQ(g_typed,
            (std::u16string{u'h', 0x00E9, 0xD83D, 0xDE00, 0x08, 0x08, 0x09, 0x0D, 0x0D, 0x1B}));
  EXPECT_EQ(lastChar, 0x1B);
}

TEST_F(EngineInputTest, UnreadEventsAndThisFramesKeyEndWithTheFrame) {
  Initiate();
  PushKey(SDLK_SPACE, true);
  Run([](int) { return true; });  // reads nothing
  int key = -1;
  std::vector<EngineInputEvent> events;
  Run([&](int) {
    key = engine->GetKey();
    EngineInputEvent event{};
    while (engine->GetEvent(&event)) events.push_back(event);
    return true;
  });
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(key, 0);
  EXPECT_TRUE(engine->GetKeyState(KEY_SPACE)) << "still held";
  EngineInputEvent event{};
  EXPECT_FALSE(engine->GetEvent(&event));
  EXPECT_FALSE(engine->GetKeyState(-1));
  EXPECT_FALSE(engine->GetKeyState(256));
}

TEST_F(EngineInputTest, EventsLeftAfterAPartialReadGoWithTheFrameAndNewOnesFollowInOrder) {
  Initiate();
  PushKey(SDLK_a, true);
  PushKey(SDLK_b, true);
  PushKey(SDLK_c, true);
  std::vector<int> keys;
  Run([&](int) {
    EngineInputEvent event{};
    if (engine->GetEvent(&event)) keys.push_back(event.key);
    return true;
  });
  EXPECT_EQ(keys, (std::vector<int>{0x41}));
  const std::pair<SDL_Keycode, SDL_Keycode> rounds[] = {
      {SDLK_d, SDLK_e}, {SDLK_f, SDLK_g}, {SDLK_h, SDLK_i}};
  for (const auto& [first, second] : rounds) {
    PushKey(first, true);
    PushKey(second, true);
    std::vector<int> next;
    for (const auto& event : NextFrameEvents()) next.push_back(event.key);
    const int code = static_cast<int>(first - SDLK_a) + 0x41;
    EXPECT_EQ(next, (std::vector<int>{code, code + 1}));
  }
}

TEST_F(EngineInputTest, RegainingTheFocusForgetsKeysReleasedElsewhere) {
  Initiate();
  PushKey(SDLK_LALT, true);
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  NextFrameEvents();
  EXPECT_FALSE(engine->GetKeyState(KEY_ALT));
}

}  // namespace
