// The custom cursor on the real program over the sample menu: the screen host moves it with
// the mouse and draws it over the screen, but not once the mouse is beyond the right edge.
// "interfaces.menu_cursor" is the 32 x 32 arrow with its hot spot in the middle, so drawn at
// x = 799 its left half is on screen, and drawn at x = 800 it would still show there.

#include <gtest/gtest.h>

#include <filesystem>

#include "framework/engine/screens/CCustomCursor.h"
#include "tests/framework/engine/app/AppTestSupport.h"
#include "tests/framework/engine/screens/MenuFixture.h"

namespace {

using GF::HGENS::CCustomCursor;
using pm::test::Lines;

std::uint32_t PixelAt(Engine& engine, const std::filesystem::path& shot, int x, int y) {
  const EngineTexture texture = engine.TextureLoad(shot.c_str());
  if (!texture) return 0xDEADBEEF;
  const std::uint32_t* pixels = engine.TextureLock(texture);
  const std::uint32_t pixel = pixels[y * engine.TextureGetWidth(texture) + x] & 0x00FFFFFF;
  engine.TextureUnlock(texture);
  engine.TextureFree(texture);
  return pixel;
}

bool IsMouseHidden() {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  const bool hidden = engine->GetStateBool(EngineState::HideMouse);
  engine->Release();
  return hidden;
}

class CCustomCursorTest : public pm::test::MenuFixture {
 protected:
  void SetUp() override {
    MenuFixture::SetUp();
    CCustomCursor::InstallProvider();
  }
  static CCustomCursor& Cursor() {
    return dynamic_cast<CCustomCursor&>(*GF::HGENS::GetCustomCursor());
  }
};

TEST_F(CCustomCursorTest, FollowsTheMouseAndIsNotDrawnBeyondTheRightEdge) {
  const std::filesystem::path folder = pm::test::MakeTempDir("cursor");
  Lines positions;
  Run("frames 33\n@30 move 799 300\n@31 move 800 300\n@32 move 10 20\n"
      "@30 shot " +
          (folder / "at799.png").string() + "\n@31 shot " + (folder / "at800.png").string() + "\n",
      [&](int frame) {
        if (frame == 1) {
          Cursor().Enable("interfaces.menu_cursor");
          positions.push_back(IsMouseHidden() ? "hidden" : "shown");
        }
        if (frame >= 31) {
          const GF::TPoint<float> p = Cursor().GetAnimation()->GetPosition();
          positions.push_back(std::to_string(static_cast<int>(p.x)) + "," +
                              std::to_string(static_cast<int>(p.y)));
        }
      });
  EXPECT_EQ(positions, (Lines{"hidden", "799,300", "800,300", "10,20"}));
  EXPECT_FALSE(IsMouseHidden());  // the host gives the system cursor back when it goes

  ASSERT_TRUE(std::filesystem::exists(folder / "at799.png"));
  ASSERT_TRUE(std::filesystem::exists(folder / "at800.png"));
  pm::test::EngineSession session;
  // A white pixel of the arrow, 13 pixels left of the hot spot and 6 above it.
  EXPECT_EQ(PixelAt(session.engine(), folder / "at799.png", 786, 294), 0xFFFFFFu);
  EXPECT_NE(PixelAt(session.engine(), folder / "at800.png", 786, 294), 0xFFFFFFu);
}

TEST_F(CCustomCursorTest, UnknownDataKeepsTheSystemCursorAndDisableWithoutOneChangesNothing) {
  Lines seen;
  Run("frames 3\n", [&](int frame) {
    if (frame != 2) return;
    Cursor().Enable("interfaces.menu_cursor");
    Cursor().Enable("interfaces.no_such_cursor");
    seen.push_back(IsMouseHidden() ? "hidden" : "shown");
    seen.push_back(Cursor().GetAnimation() ? "cursor" : "none");
    Engine* engine = hgeCreate(ENGINE_VERSION);
    engine->SetStateBool(EngineState::HideMouse, true);
    Cursor().Disable();
    seen.push_back(IsMouseHidden() ? "hidden" : "shown");
    engine->SetStateBool(EngineState::HideMouse, false);
    engine->Release();
  });
  EXPECT_EQ(seen, (Lines{"shown", "none", "hidden"}));
}

}  // namespace
