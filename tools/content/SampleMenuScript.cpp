#include "tools/content/SampleResources.h"

namespace {

// A menu layout for the screen framework: two buttons and a check box with every look the
// controls play, a hint line, and show, idle and hide sequences; a layout that hosts it; a
// cursor. The layout is placed at the middle of the screen, so its offsets are relative to
// the middle. Each look has a time span of its own, so the look being played can be told
// from the animation's start time.
const char* const kMenuScript = R"(
// A menu button: its face, its caption and a click rectangle half its size.
void MenuButton(CResourceReader@ r) {
  r.CreateAnimationData('menu_button');
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_over', 100, 200, 1);
  r.AddNamedPart('_down', 200, 300, 1);
  r.AddNamedPart('_leave', 300, 400, 1);
  r.AddNamedPart('_disabled', 400, 500, 1);
  r.CreateSpriteObjectData('face');
  r.AddSpriteIDResource(1, 100);
  r.AddSpriteIDResource(2, 100);
  r.AddSpriteIDResource(3, 100);
  r.AddSpriteIDResource(1, 100);
  r.AddSpriteIDResource(1, 100);
  r.AddHotspot(5000, 5000, 0, 500);
  r.AddOpaque(255, 0, 400);
  r.AddOpaque(128, 0, 100);
  r.AddLayer(10, 500);
  r.CreateTextSpriteObjectData('_text');
  r.AddTextSpriteIDResource(1, 500);
  r.AddOffset(-40, -8, 0, 500);
  r.AddLayer(11, 500);
  r.CreateSpriteObjectData('_button_rect');
  r.AddSpriteIDResource(1, 500);
  r.AddHotspot(5000, 5000, 0, 500);
  r.AddZoom(50, 50, 0, 500);
  r.AddOpaque(0, 0, 500);
  r.AddLayer(9, 500);
}

// A check box: "_up" and its six looks.
void CheckBox(CResourceReader@ r) {
  r.CreateAnimationData('check_box');
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_checked', 100, 200, 1);
  r.AddNamedPart('_unchecked', 200, 300, 1);
  r.AddNamedPart('_over_checked', 300, 400, 1);
  r.AddNamedPart('_over_unchecked', 400, 500, 1);
  r.AddNamedPart('_disabled_checked', 500, 600, 1);
  r.AddNamedPart('_disabled_unchecked', 600, 700, 1);
  r.CreateSpriteObjectData('box');
  r.AddSpriteIDResource(1, 100);
  r.AddSpriteIDResource(3, 100);
  r.AddSpriteIDResource(1, 100);
  r.AddSpriteIDResource(3, 100);
  r.AddSpriteIDResource(2, 100);
  r.AddSpriteIDResource(3, 100);
  r.AddSpriteIDResource(1, 100);
  r.AddHotspot(5000, 5000, 0, 700);
  r.AddLayer(10, 700);
  r.CreateTextSpriteObjectData('_text');
  r.AddTextSpriteIDResource(1, 700);
  r.AddOffset(-40, -8, 0, 700);
  r.AddLayer(11, 700);
}

// The menu: "play" and "quit" buttons, the "sound" check box and the hint line.
void MenuLayout(CResourceReader@ r) {
  r.CreateAnimationData('menu');
  ShowIdleHide(r, 500, 1000, 500);
  r.CreateSpriteObjectData('background');
  r.AddSpriteIDResource(0, 2000);
  r.AddHotspot(5000, 5000, 0, 2000);
  r.AddOpaque(0, 1, 500);
  r.AddOpaque(255, 0, 1000);
  r.AddOpaque(255, 1, 500);
  r.AddOpaque(0, 0, 0);
  r.AddLayer(0, 2000);
  r.CreateSpriteObjectData('_item_play');
  r.AddSubstAnimation('interfaces', 'menu_button');
  r.AddOffset(0, -60, 0, 2000);
  r.AddLayer(20, 2000);
  r.CreateSpriteObjectData('_item_quit');
  r.AddSubstAnimation('interfaces', 'menu_button');
  r.AddOffset(0, 20, 0, 2000);
  r.AddLayer(20, 2000);
  r.CreateSpriteObjectData('_item_sound');
  r.AddSubstAnimation('interfaces', 'check_box');
  r.AddOffset(0, 100, 0, 2000);
  r.AddLayer(20, 2000);
  r.CreateTextSpriteObjectData('_hint');
  r.AddTextSpriteIDResource(5, 2000);
  r.AddOffset(-200, 200, 0, 2000);
  r.AddLayer(30, 2000);
}

// The same menu hosted by the first object of another layout.
void FramedMenu(CResourceReader@ r) {
  r.CreateAnimationData('framed_menu');
  r.AddNamedPart('all', 0, 2000, 1);
  r.CreateSpriteObjectData('frame');
  r.AddSubstAnimation('main_menu', 'menu');
  r.AddLayer(1, 2000);
}

// A cursor whose hot spot is the middle of its arrow sprite.
void MenuCursor(CResourceReader@ r) {
  r.CreateAnimationData('menu_cursor');
  r.AddNamedPart('all', 0, 1000, 0);
  r.CreateSpriteObjectData('arrow');
  r.AddSpriteIDResource(5, 1000);
  r.AddHotspot(5000, 5000, 0, 1000);
  r.AddLayer(1000, 1000);
}

void Menus(CResourceReader@ r) {
  r.AddTextInfo('hint', 0, 0, 0, 0x00, 11);                 // text info 5
  r.CreateModule('interfaces');
  MenuButton(r);
  CheckBox(r);
  MenuCursor(r);
  r.CreateModule('main_menu');
  MenuLayout(r);
  FramedMenu(r);
}
)";

}  // namespace

std::string MakeMenuResourceScript() {
  return kMenuScript;
}
