// The smooth show over the sample menu on the real program: installed as the transition
// effect, its snapshot fades out over 1000 ms of 20 ms frames and the host drops it when it
// has finished; regaining the focus cuts it short.

#include <gtest/gtest.h>

#include "framework/engine/app/CGameManager.h"
#include "framework/engine/screens/CSmoothShow.h"
#include "tests/framework/engine/screens/MenuFixture.h"

namespace {

using GF::THolder;
using GF::HGENS::CSmoothShow;
using pm::test::Lines;

class CSmoothShowTest : public pm::test::MenuFixture {
 protected:
  // Starts a smooth show of the menu's scene before frame `start` and journals, after each
  // frame until `end`, its alpha and whether the host still holds it.
  Lines RunShow(int end, const std::string& script, int start, float duration) {
    Lines seen;
    THolder<CSmoothShow> show;
    Run("frames " + std::to_string(end) + "\n" + script, [&](int frame) {
      // Let go before the engine shuts down, as the host does.
      if (frame == end) show.Reset();
      if (show) {
        seen.push_back(std::to_string(frame - 1) + " " + std::to_string(show->GetAlpha()) +
                       (show->GetRefCount() > 1 ? " installed" : " dropped"));
      }
      if (frame != start) return;
      show = GF::MakeHolder<CSmoothShow>();
      show->Start(menu->GetScene(), duration);
      seen.push_back("start " + std::to_string(show->GetAlpha()) +
                     (show->IsFinished() ? " finished" : ""));
      GF::HGENS::GetGameManager()->SetTransitionEffect(show);
    });
    return seen;
  }
};

TEST_F(CSmoothShowTest, TheSnapshotFadesOutOverItsDurationAndIsDropped) {
  const Lines seen = RunShow(63, "", 10, 1000.0f);
  ASSERT_EQ(seen.size(), 53u);
  EXPECT_EQ(seen[0], "start 255");
  EXPECT_EQ(seen[1], "10 249 installed");   // 255 x 980 / 1000, truncated
  EXPECT_EQ(seen[25], "34 127 installed");  // after 25 frames
  EXPECT_EQ(seen[49], "58 5 installed");
  EXPECT_EQ(seen[50], "59 0 dropped");  // the 50th frame ends it
}

TEST_F(CSmoothShowTest, RegainingTheFocusEndsTheFadeAtOnce) {
  const Lines seen = RunShow(30, "@20 focuslost\n@22 focusgain\n", 10, 1000.0f);
  EXPECT_EQ(seen[10], "19 204 installed");
  // Away from the focus no frame runs: the next frame seen is the one after the return.
  EXPECT_EQ(seen[11], "20 0 dropped");
}

TEST_F(CSmoothShowTest, NoDurationOrNoRenderTargetFinishesAtOnce) {
  EXPECT_EQ(RunShow(12, "", 10, 0.0f), (Lines{"start 0 finished", "10 0 dropped"}));
  // A screen of no size can't have a render target.
  const THolder<GF::CGameProperties> properties = GF::CGameProperties::Instance();
  Lines seen;
  Run("frames 3\n", [&](int frame) {
    if (frame != 2) return;
    const int width = properties->GetScreenWidth();
    const int height = properties->GetScreenHeight();
    properties->SetScreenSize(0, 0);
    const THolder<CSmoothShow> show = GF::MakeHolder<CSmoothShow>();
    show->Start(menu->GetScene(), 1000.0f);
    properties->SetScreenSize(width, height);
    EXPECT_TRUE(show->IsFinished());
    EXPECT_EQ(show->GetAlpha(), 0);
  });
}

}  // namespace
