#include "tools/content/SampleBonusLevels.h"

#include <utility>

#include "tools/content/SampleArt.h"

namespace {

const std::vector<SampleText> kTexts = {
    {"bl_three", u"3"},
    {"bl_two", u"2"},
    {"bl_one", u"1"},
    {"bl_go", u"Go!"},
};

// The counter's number and the count-down, centred in the dark ink of font 1.
const SampleTextInfo kTextInfos[] = {
    {"bl_number", 1, 0x41, "kh_empty"},
    {"bl_three", 1, 0x41, "bl_three"},
    {"bl_two", 1, 0x41, "bl_two"},
    {"bl_one", 1, 0x41, "bl_one"},
    {"bl_go", 1, 0x41, "bl_go"},
    // The hidden-object panel's count, white on its badge, and its hint.
    {"bl_found", 0, 0x41, "kh_empty"},
    {"bl_hint", 1, 0x41, "kh_empty"},
};

const char* const kItems[] = {"cup", "spoon", "teapot", "apple", "vase", "book", "key"};

// Uses the kitchen HUD's helpers (KhSprite, KhPlace, KhText, KhFade).
const char* const kScript = R"(
// The bonus levels' items, the spot-the-difference and place-in rooms and the level
// count-down.
void BonusLevelsTexts(CResourceReader@ r) {
{textinfos}}

void BonusItem(CResourceReader@ r, const string &in name, int sprite) {
  r.CreateAnimationData(name);
  r.AddNamedPart('_idle', 0, 1000, 0);
  r.AddNamedPart('all', 0, 1000, 0);
  KhSprite(r, 'item', sprite, 0, 0, 0, 1000);
}

// One digit of the count-down, big, shown in its 600 ms from `from`: it pops in and fades.
// Nothing shows in the first 100 ms, the animation's still frame before the count-down.
void CountDownText(CResourceReader@ r, const string &in name, int text, int from) {
  KhText(r, name, text, 0, 0, 1, 2500);
  r.AddZoom(400, 400, 0, from);
  r.AddZoom(400, 400, 1, 600);
  r.AddZoom(250, 250, 0, 2500 - from - 600);
  r.AddOpaque(0, 0, from);
  r.AddOpaque(255, 0, 450);
  r.AddOpaque(255, 1, 150);
  r.AddOpaque(0, 0, 2500 - from - 600);
}

// A room drawn twice, side by side, for the levels that compare two pictures; the clock,
// the bell, the sun and the counter stand on the seam, where they belong to neither
// picture. Nothing is served there: the plate (and the delivery item on it) stays below the
// screen. By night a blue dusk lies over it all.
void TwinRoom(CResourceReader@ r, const string &in name, int room) {
  r.CreateAnimationData(name);
  r.AddNamedPart('_idle', 0, 1000, 0);
  r.AddNamedPart('_night', 1000, 2000, 0);
  r.AddNamedPart('all', 0, 2000, 1);
  KhSprite(r, 'left', room, -200, 0, 0, 2000);
  KhSprite(r, 'right', room, 200, 0, 0, 2000);
  KhPlace(r, '_sun', 'levels', 'sun', 0, -250, 1, 2000);
  KhPlace(r, '_clock', 'levels', 'wall_clock', 0, -200, 20, 2000);
  KhPlace(r, '_ring', 'levels', 'ring', 0, 160, 30, 2000);
  KhPlace(r, '_plate', 'levels', 'plate', 0, 400, 30, 2000);
}

// The hidden-object room with the kitchen's places: the sun in the window, the clock on
// the wall, the bell and the plate on the sideboard, and the dusk.
void ISpyRoom(CResourceReader@ r) {
  r.AddNamedPart('_idle', 0, 1000, 0);
  r.AddNamedPart('_night', 1000, 2000, 0);
  r.AddNamedPart('all', 0, 2000, 1);
  KhSprite(r, 'room', {art:ispy_room}, 0, 0, 0, 2000);
  KhPlace(r, '_sun', 'levels', 'sun', 0, -200, 1, 2000);
  KhPlace(r, '_clock', 'levels', 'wall_clock', -142, -150, 20, 2000);
  KhPlace(r, '_ring', 'levels', 'ring', -250, -72, 30, 2000);
  KhPlace(r, '_plate', 'levels', 'plate', 30, -72, 30, 2000);
  KhPlace(r, '_dark', 'levels', 'dark', 0, 0, 850, 2000);
}

// The list panel's last drawing fades out on "_hide" and in on "_show".
void ISpyPanelFade(CResourceReader@ r) {
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 0, 1000);
}

void BonusLevelsContent(CResourceReader@ r) {
  BonusLevelsTexts(r);
  r.CreateModule('Items');
{items}
  // The counter of the differences left, fading in on "_show".
  r.CreateModule('levels');
  r.CreateAnimationData('diference_panel');
  r.AddNamedPart('_show', 0, 300, 1);
  r.AddNamedPart('_idle', 300, 1300, 0);
  r.AddNamedPart('all', 0, 1300, 0);
  KhSprite(r, 'plate', {art:score_plate}, 0, 0, 0, 1300);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 0, 1000);
  KhText(r, '_number', {t:bl_number}, 22, 0, 1, 1300);
  r.AddZoom(150, 150, 0, 1300);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 0, 1000);

  TwinRoom(r, 'bonus_diference', {art:bonus_room});
  KhPlace(r, '_panel', 'levels', 'diference_panel', 0, 262, 900, 2000);
  KhPlace(r, '_dark', 'levels', 'dark', 0, 0, 850, 2000);

  // The place-in level's tray of waiting items: it fades out on "_hide" and in on "_show";
  // the row starts at its "_item_place", the left end of its inlay.
  r.CreateAnimationData('place_in_list');
  r.AddNamedPart('_hide', 0, 300, 1);
  r.AddNamedPart('_show', 300, 600, 1);
  r.AddNamedPart('_idle', 600, 1600, 0);
  r.AddNamedPart('all', 300, 1600, 0);
  KhSprite(r, 'tray', {art:placein_tray}, 0, 0, 0, 1600);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 0, 1000);
  r.CreateSpriteObjectData('_item_place');
  r.AddOffset(-138, 0, 0, 1600);
  r.AddLayer(1, 1600);

  // The place-in room: the places stand in the left picture, their items go to the same
  // spots in the right one; the tray lies along the bottom, over the dusk.
  TwinRoom(r, 'bonus_place_in', {art:placein_room});
  KhPlace(r, '_list', 'levels', 'place_in_list', 0, 250, 900, 2000);
  KhPlace(r, '_dark', 'levels', 'dark', 0, 0, 850, 2000);

  // The hidden-object rooms: the parlour on the kitchen's floor, by day and dusk as the
  // kitchen, and the same room in the dark, its lamps out.
  r.CreateAnimationData('bonus_ispy');
  ISpyRoom(r);
  r.CreateAnimationData('bonus_ispy_dark');
  ISpyRoom(r);
  KhSprite(r, 'dim', {art:hud_pieces_night}, 0, 0, 5, 2000);
  r.AddZoom(1667, 1250, 0, 2000);
  r.AddOpaque(90, 0, 2000);

  // The hidden-object level's list panel along the top of the screen, made at the screen's
  // middle: the hint on its card, the picture of the one thing sought in its window and
  // the count found on its badge. It fades out on "_hide" and in on "_show", over the
  // dark room's veil.
  r.CreateModule('bonus');
  r.CreateAnimationData('bonus_back_4');
  r.AddNamedPart('_hide', 0, 300, 1);
  r.AddNamedPart('_show', 300, 600, 1);
  r.AddNamedPart('_idle', 600, 1600, 0);
  r.AddNamedPart('all', 300, 1600, 0);
  KhSprite(r, 'board', {art:ispy_panel}, 0, -246, 2100, 1600);
  ISpyPanelFade(r);
  KhText(r, '_item_placeghgf', {t:bl_hint}, -80, -246, 2101, 1600);
  ISpyPanelFade(r);
  r.CreateSpriteObjectData('_item_place');
  r.AddOffset(200, -246, 0, 1600);
  r.AddLayer(2101, 1600);
  ISpyPanelFade(r);
  KhText(r, '_number', {t:bl_found}, 242, -270, 2102, 1600);
  ISpyPanelFade(r);

  r.CreateModule('main_menu');
  r.CreateAnimationData('level_start');
  r.AddNamedPart('_part_1', 100, 700, 1);
  r.AddNamedPart('_part_2', 700, 1300, 1);
  r.AddNamedPart('_part_3', 1300, 1900, 1);
  r.AddNamedPart('_part_4', 1900, 2500, 1);
  r.AddNamedPart('all', 0, 2500, 1);
  CountDownText(r, 'three', {t:bl_three}, 100);
  CountDownText(r, 'two', {t:bl_two}, 700);
  CountDownText(r, 'one', {t:bl_one}, 1300);
  CountDownText(r, 'go', {t:bl_go}, 1900);
}
)";

}  // namespace

const std::vector<SampleText>& BonusLevelsTexts() {
  return kTexts;
}

std::string MakeBonusLevelsScript(const std::string& before) {
  std::string script = kScript;
  FillTextInfos(script, CountScriptCalls(before, "r.AddTextInfo("), kTextInfos);
  std::string items;
  for (const char* item : kItems)
    items += "  BonusItem(r, '" + std::string(item) + "', {art:bonus_items_" + item + "});\n";
  const std::string mark = "{items}";
  script.replace(script.find(mark), mark.size(), items);
  FillArtSprites(script, before);
  return script;
}
