// The check box on the real program with the sample menu's "sound" box at
// (304, 376)-(496, 424): a click toggles it, its six looks follow hover, checked and
// enabled, and disabled it ignores clicks.

#include <gtest/gtest.h>

#include "tests/framework/engine/screens/MenuFixture.h"

namespace {

using pm::test::Lines;

const std::vector<std::string> kLooks = {"_up",
                                         "_checked",
                                         "_unchecked",
                                         "_over_checked",
                                         "_over_unchecked",
                                         "_disabled_checked",
                                         "_disabled_unchecked"};

class CCheckBoxControlTest : public pm::test::MenuFixture {};

TEST_F(CCheckBoxControlTest, AClickTogglesWithItsLooksAndADisabledBoxIgnoresClicks) {
  bool checked = true;
  const Lines seen =
      Run("frames 40\n"
          "@29 move 400 400\n"
          "@30 buttondown 1\n"
          "@31 buttonup 1\n"
          "@32 move 400 300\n"
          "@34 move 400 400\n@35 buttondown 1\n@36 buttonup 1\n@37 move 400 300\n",
          [&](int frame) {
            if (frame == 1) Watch("sound", kLooks);
            if (frame == 33) Watched().SetEnabled(false);
            if (frame == 38) Watched().SetEnabled(true);
            if (frame == 39)
              checked = dynamic_cast<GF::HGENS::CCheckBoxControl&>(Watched()).IsChecked();
          });
  // Created checked, it shows "_up" until its first over; checked-changed comes before click.
  EXPECT_EQ(seen, (Lines{"1 look _up", "1 _show", "1 hint ' '", "27 _idle", "29 over",
                         "29 look _over_checked", "30 down", "31 up", "31 unchecked", "31 click",
                         "31 over", "31 look _over_unchecked", "32 leave", "32 look _unchecked",
                         "33 disabled", "33 look _disabled_unchecked", "38 enabled",
                         "38 look _unchecked"}));
  EXPECT_FALSE(checked);
}

TEST_F(CCheckBoxControlTest, ABoxCreatedUncheckedShowsItsLookAtOnce) {
  pm::test::CurrentMenuSetup().soundChecked = false;
  const Lines seen = Run("frames 2\n", [this](int frame) {
    if (frame == 1) Watch("sound", kLooks);
  });
  EXPECT_EQ(seen.front(), "1 look _unchecked");
}

}  // namespace
