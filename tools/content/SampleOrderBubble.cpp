#include "tools/content/SampleOrderBubble.h"

#include "tools/content/SampleArt.h"

namespace {

const std::vector<SampleText> kTexts = {
    {"bals", u"Points:"},
    {"tips_many", u"Tips:"},
    {"zk_step", u"Step"},
    {"item_zakaz_delivery", u"Serve"},
    {"bonus_name_0", u"Time freeze"},
    {"bonus_name_1", u"Quick cook"},
    {"bonus_name_2", u"Stop timer"},
    {"bonus_name_3", u"Double quality"},
    {"bonus_name_4", u"Light the way"},
    {"bonus_name_5", u"Surprise"},
};

// The item lines and tabs are coloured by the order, so they take the white font 0; the
// bubble's own texts stand in the dark ink of font 1.
const SampleTextInfo kTextInfos[] = {
    {"zk_recept", 1, 0x41, "kh_empty"},       {"zk_points", 1, 0x41, "kh_empty"},
    {"zk_many", 1, 0x41, "kh_empty"},         {"zk_item", 0, 0x40, "kh_empty"},
    {"zk_tab_number", 0, 0x41, "kh_empty"},   {"zk_tab_caption", 0, 0x40, "zk_step"},
    {"zk_bonus_points", 1, 0x41, "kh_empty"},
};

// Offsets are from the bubble's middle; the recipe card hangs to its left from its top
// right corner, and its lines start at the card's "_item_place".
const char* const kScript = R"(
// A customer's order: its speech bubble, the recipe card and every piece shown in them.
void OrderBubbleTexts(CResourceReader@ r) {
{textinfos}}

// A place the order puts its pieces into.
void ZkPlace(CResourceReader@ r, const string &in name, int x, int y, int layer, int total) {
  r.CreateSpriteObjectData(name);
  r.AddOffset(x, y, 0, total);
  r.AddLayer(layer, total);
}

// Shown at rest for `rest` ms, faded in over `show`, then held for `hold` and faded out
// over `hide`: an item line's and a tab's objects.
void ZkLineFade(CResourceReader@ r, int rest, int show, int hold, int hide) {
  r.AddOpaque(255, 0, rest);
  r.AddOpaque(0, 1, show);
  r.AddOpaque(255, 0, hold);
  r.AddOpaque(255, 1, hide);
  r.AddOpaque(0, 0, 0);
}

// Closed, the card away ("_idle"); opened, the card fades in ("_show"); closed again, it
// fades out ("_hide"). The back is tinted for the special and bonus orders.
void ZkBubble(CResourceReader@ r, const string &in name, int red, int green, int blue) {
  r.CreateAnimationData(name);
  r.AddNamedPart('_idle', 0, 100, 1);
  r.AddNamedPart('_show', 100, 400, 1);
  r.AddNamedPart('_hide', 400, 700, 1);
  r.AddNamedPart('all', 0, 700, 1);
  KhSprite(r, 'back', {art:order_bubble}, 0, 0, 0, 700);
  r.AddColor(255, red, green, blue, 0, 700);
  r.AddBlendMode(2, 700);
  KhSprite(r, '_header', {art:order_pieces_header}, 0, -60, 1, 700);
  KhPlace(r, '_fon', 'interfaces', 'zakaz_fon', -40, -6, 2, 700);
  r.AddZoom(140, 140, 0, 700);
  ZkPlace(r, '_pers_place', -40, 30, 3, 700);
  r.AddZoom(70, 70, 0, 700);
  KhText(r, '_recept', {t:zk_recept}, 30, -36, 4, 700);
  r.AddZoom(75, 75, 0, 700);
  KhText(r, '_points', {t:zk_points}, 34, -12, 4, 700);
  r.AddZoom(130, 130, 0, 700);
  ZkPlace(r, '_status', 30, 16, 4, 700);
  KhPlace(r, '_ring_2', 'interfaces', 'zakaz_ring', -68, -50, 6, 700);
  KhPlace(r, '_ring_3', 'interfaces', 'zakaz_ring', 68, -50, 6, 700);
  ZkPlace(r, '_icon_place', 56, 34, 8, 700);
  KhPlace(r, '_list', 'interfaces', 'zakaz_list', -78, -60, 10, 700);
  r.AddOpaque(0, 0, 100);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 0, 0);
}

// Served, the card's lines fade out ("_hide") and leave the dish in its place.
void ZkCard(CResourceReader@ r) {
  r.CreateAnimationData('zakaz_list');
  r.AddNamedPart('all', 0, 1000, 0);
  r.AddNamedPart('_hide', 1000, 1300, 1);
  KhSpriteAt(r, 'card', {art:order_card}, 10000, 0, 0, 0, 0, 1300);
  ZkPlace(r, '_item_place', -150, 50, 1, 1300);
  r.AddOpaque(255, 0, 1000);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 0, 0);
  ZkPlace(r, '_recept_place', -80, 110, 2, 1300);
  KhPlace(r, '_many', 'interfaces', 'zakaz_many', -80, 216, 3, 1300);
  KhPlace(r, '_item_delivery', 'interfaces', 'zakaz_delivery', -80, 264, 3, 1300);

  r.CreateAnimationData('zakaz_many');
  r.AddNamedPart('_show', 0, 300, 1);
  r.AddNamedPart('all', 0, 300, 1);
  KhText(r, '_many', {t:zk_many}, 0, 0, 0, 300);
  KhFade(r, 300, 0, 0);
  KhText(r, '_tips', {t:zk_many}, 0, 20, 0, 300);
  KhFade(r, 300, 0, 0);
  FrameworkButton(r, 'zakaz_delivery');
}

// The mood disc behind the customer and the lamps on the bubble's rim: off, alarm (it
// pulses), all done, a device done while the order was closed (it pulses) and working (the
// part with the empty name: it turns).
void ZkMoodAndLamps(CResourceReader@ r) {
  r.CreateAnimationData('zakaz_fon');
  r.AddNamedPart('_part_1', 0, 100, 1);
  r.AddNamedPart('_part_2', 100, 200, 1);
  r.AddNamedPart('_part_3', 200, 300, 1);
  r.AddNamedPart('all', 0, 300, 1);
  r.CreateSpriteObjectData('disc');
  r.AddSpriteIDResource({art:order_pieces_mood_1}, 100);
  r.AddSpriteIDResource({art:order_pieces_mood_2}, 100);
  r.AddSpriteIDResource({art:order_pieces_mood_3}, 100);
  r.AddHotspot(5000, 5000, 0, 300);
  r.AddLayer(0, 300);

  r.CreateAnimationData('zakaz_ring');
  r.AddNamedPart('_idle', 0, 100, 1);
  r.AddNamedPart('_bed', 100, 700, 0);
  r.AddNamedPart('_work_end_2', 700, 1000, 1);
  r.AddNamedPart('_work_end', 1000, 1600, 0);
  r.AddNamedPart('', 1600, 2400, 0);
  r.AddNamedPart('all', 0, 2400, 1);
  r.CreateSpriteObjectData('lamp');
  r.AddSpriteIDResource({art:order_pieces_lamp_idle}, 100);
  r.AddSpriteIDResource({art:order_pieces_lamp_bed}, 600);
  r.AddSpriteIDResource({art:order_pieces_lamp_done}, 300);
  r.AddSpriteIDResource({art:order_pieces_lamp_ready}, 600);
  r.AddSpriteIDResource({art:order_pieces_lamp_work}, 800);
  r.AddHotspot(5000, 5000, 0, 2400);
  r.AddLayer(0, 2400);
  r.AddOpaque(255, 0, 100);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(90, 1, 300);
  r.AddOpaque(255, 0, 300);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(90, 1, 300);
  r.AddOpaque(255, 0, 800);
  r.AddRotate(0.0f, 0, 1600);
  r.AddRotate(0.0f, 1, 800);
  r.AddRotate(360.0f, 0, 0);
}

// A customer in three moods, each a little bob of 900 ms, standing on the place.
void ZkFigure(CResourceReader@ r, const string &in name, int happy, int waiting, int cross) {
  r.CreateAnimationData(name);
  r.AddNamedPart('_part_1', 0, 900, 1);
  r.AddNamedPart('_part_2', 900, 1800, 1);
  r.AddNamedPart('_part_3', 1800, 2700, 1);
  r.AddNamedPart('all', 0, 2700, 1);
  r.CreateSpriteObjectData('figure');
  r.AddSpriteIDResource(happy, 900);
  r.AddSpriteIDResource(waiting, 900);
  r.AddSpriteIDResource(cross, 900);
  r.AddHotspot(5000, 10000, 0, 2700);
  r.AddLayer(0, 2700);
  for (int part = 0; part < 3; ++part) {
    r.AddOffset(0, 0, 1, 450);
    r.AddOffset(0, -3, 1, 450);
  }
  r.AddOffset(0, 0, 0, 0);
}

void ZkCustomers(CResourceReader@ r) {
  ZkFigure(r, 'judge_1', {art:customers_girl_happy}, {art:customers_girl_waiting},
           {art:customers_girl_cross});
  ZkFigure(r, 'judge_2', {art:customers_man_happy}, {art:customers_man_waiting},
           {art:customers_man_cross});
  ZkFigure(r, 'judge_3', {art:customers_granny_happy}, {art:customers_granny_waiting},
           {art:customers_granny_cross});
  ZkFigure(r, 'judge_4', {art:customers_boy_happy}, {art:customers_boy_waiting},
           {art:customers_boy_cross});

  r.CreateAnimationData('ramka_1');
  r.AddNamedPart('all', 0, 1000, 0);
  KhSpriteAt(r, 'frame', {art:order_frame}, 5000, 10000, 0, 8, 2, 1000);
}

// The patience bar fills from the left as the customer waits; its frame comes first.
void ZkBar(CResourceReader@ r) {
  r.CreateAnimationData('progress_new');
  r.AddNamedPart('all', 0, 10000, 1);
  KhSprite(r, 'frame', {art:order_bars_bar_frame}, 0, 0, 0, 10000);
  r.AddZoom(75, 100, 0, 10000);
  KhSpriteAt(r, 'fill', {art:order_bars_bar_fill}, 0, 5000, -42, 0, 1, 10000);
  r.AddZoom(0, 100, 1, 10000);
  r.AddZoom(75, 100, 0, 0);
}

// A line of the card: the icon's place (its picture centred OrderIconOffset wide over it),
// the text, and the stroke that strikes it before it fades out. A tab heads a step.
void ZkLines(CResourceReader@ r) {
  r.CreateAnimationData('item');
  r.AddNamedPart('_idle', 0, 100, 1);
  r.AddNamedPart('_show', 100, 400, 1);
  r.AddNamedPart('_stroke', 400, 900, 1);
  r.AddNamedPart('all', 0, 900, 1);
  KhSpriteAt(r, '_icon', {art:order_slot_slot}, 3750, 3125, 0, 0, 0, 900);
  ZkLineFade(r, 100, 300, 250, 250);
  KhText(r, '_text', {t:zk_item}, 30, 6, 2, 900);
  ZkLineFade(r, 100, 300, 250, 250);
  KhSpriteAt(r, 'stroke', {art:order_bars_strike}, 0, 5000, 26, 6, 3, 900);
  r.AddZoom(0, 100, 0, 400);
  r.AddZoom(0, 100, 1, 250);
  r.AddZoom(75, 100, 0, 250);
  r.AddOpaque(0, 0, 400);
  r.AddOpaque(255, 0, 250);
  r.AddOpaque(255, 1, 250);
  r.AddOpaque(0, 0, 0);

  r.CreateAnimationData('zakladka');
  r.AddNamedPart('_idle', 0, 100, 1);
  r.AddNamedPart('_show', 100, 400, 1);
  r.AddNamedPart('_stroke', 400, 700, 1);
  r.AddNamedPart('all', 0, 700, 1);
  KhText(r, '_text', {t:zk_tab_number}, 68, 0, 2, 700);
  ZkLineFade(r, 100, 300, 0, 300);
  KhSpriteAt(r, 'tab', {art:order_bars_tab}, 0, 5000, 0, 0, 0, 700);
  ZkLineFade(r, 100, 300, 0, 300);
  KhText(r, '_caption', {t:zk_tab_caption}, 8, 0, 2, 700);
  ZkLineFade(r, 100, 300, 0, 300);

  r.CreateAnimationData('icon_shadow');
  r.AddNamedPart('_idle', 0, 100, 0);
  r.AddNamedPart('all', 0, 100, 0);
  KhSprite(r, 'shadow', {art:order_pieces_shadow}, 0, 0, 0, 100);
}

// The badge of a working device: its time is the work done (the bar under it grows over
// "_show"); it fades out on "_hide", swells away on "_hide_2" and pulses on "_blink".
void ZkWorkBadgeFade(CResourceReader@ r) {
  r.AddOpaque(255, 0, 1000);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 0, 0);
  r.AddOpaque(255, 1, 400);
  r.AddOpaque(0, 0, 0);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(110, 1, 300);
  r.AddOpaque(255, 0, 0);
}

void ZkWorkBadge(CResourceReader@ r) {
  r.CreateAnimationData('icon_fon');
  r.AddNamedPart('_show', 0, 1000, 1);
  r.AddNamedPart('_hide', 1000, 1300, 1);
  r.AddNamedPart('_hide_2', 1300, 1700, 1);
  r.AddNamedPart('_blink', 1700, 2300, 1);
  r.AddNamedPart('all', 0, 2300, 1);
  KhSprite(r, 'badge', {art:order_pieces_icon_fon}, 0, 0, 0, 2300);
  ZkWorkBadgeFade(r);
  r.AddZoom(100, 100, 0, 1300);
  r.AddZoom(100, 100, 1, 400);
  r.AddZoom(160, 160, 0, 600);
  ZkPlace(r, '_icon_place', 0, 8, 1, 2300);
  r.AddZoom(32, 32, 0, 2300);
  ZkWorkBadgeFade(r);
  KhSpriteAt(r, 'fill', {art:order_bars_bar_fill}, 0, 5000, -20, 26, 2, 2300);
  r.AddZoom(0, 100, 1, 1000);
  r.AddZoom(36, 100, 0, 1300);
  ZkWorkBadgeFade(r);
}

// A bonus badge: it pops up, rests, and blinks while it is about to be lost. A collected
// bonus holds its icon at the first frame of "_show", at its resting size.
void ZkBonusBadge(CResourceReader@ r, const string &in name, int sprite) {
  r.CreateAnimationData(name);
  r.AddNamedPart('_show', 0, 300, 1);
  r.AddNamedPart('_idle', 300, 1300, 0);
  r.AddNamedPart('_hide', 1300, 1900, 1);
  r.AddNamedPart('all', 0, 1900, 1);
  KhSprite(r, 'badge', sprite, 0, 0, 0, 1900);
  r.AddZoom(70, 70, 1, 150);
  r.AddZoom(95, 95, 1, 150);
  r.AddZoom(70, 70, 0, 1600);
  r.AddOpaque(255, 0, 1300);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(60, 1, 300);
  r.AddOpaque(255, 0, 0);
}

// The sign over a clicked device or ingredient: it springs up and fades ("all").
void ZkClickSign(CResourceReader@ r) {
  r.CreateAnimationData('sign');
  r.AddNamedPart('all', 0, 500, 1);
  KhSprite(r, 'sign', {art:click_marks_sign}, 0, -24, 0, 500);
  r.AddZoom(30, 30, 1, 150);
  r.AddZoom(100, 100, 0, 350);
  r.AddOpaque(255, 0, 250);
  r.AddOpaque(255, 1, 250);
  r.AddOpaque(0, 0, 0);
}

// A duel's lost order: a burnt dish under a red cross pops onto its card and stays ("all").
void ZkFailedRecept(CResourceReader@ r) {
  r.CreateAnimationData('failed_recept');
  r.AddNamedPart('all', 0, 400, 1);
  KhSprite(r, 'dish', {art:click_marks_failed}, 0, 0, 0, 400);
  r.AddZoom(30, 30, 1, 250);
  r.AddZoom(130, 130, 1, 150);
  r.AddZoom(110, 110, 0, 0);
}

// The points of a quick click series on a gold ribbon: it pops up, rests and fades ("all").
void ZkBonusPoints(CResourceReader@ r) {
  r.CreateAnimationData('bonus_points');
  r.AddNamedPart('all', 0, 1200, 1);
  KhSprite(r, 'ribbon', {art:click_marks_points}, 0, 0, 0, 1200);
  r.AddZoom(40, 40, 1, 200);
  r.AddZoom(100, 100, 0, 1000);
  r.AddOpaque(255, 0, 900);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 0, 0);
  KhText(r, '_text', {t:zk_bonus_points}, 0, 0, 1, 1200);
  r.AddOpaque(255, 0, 900);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 0, 0);
}

void OrderBubbleContent(CResourceReader@ r) {
  OrderBubbleTexts(r);
  r.CreateModule('interfaces');
  ZkBubble(r, 'zakaz', 255, 255, 255);
  ZkBubble(r, 'zakaz_2', 255, 226, 150);
  ZkBubble(r, 'zakaz_3', 200, 214, 226);
  ZkCard(r);
  ZkMoodAndLamps(r);
  ZkCustomers(r);
  ZkBar(r);
  ZkLines(r);
  ZkWorkBadge(r);
  ZkClickSign(r);
  ZkFailedRecept(r);
  r.CreateModule('bonus');
  ZkBonusPoints(r);
  ZkBubble(r, 'zakaz_bonus', 255, 214, 226);
  ZkBonusBadge(r, 'time_freeze', {art:order_pieces_bonus_time_freeze});
  ZkBonusBadge(r, 'cook_time', {art:order_pieces_bonus_cook_time});
  ZkBonusBadge(r, 'stop_timer', {art:order_pieces_bonus_stop_timer});
  ZkBonusBadge(r, 'quality', {art:order_pieces_bonus_quality});
  ZkBonusBadge(r, 'light', {art:order_pieces_bonus_light});
  ZkBonusBadge(r, 'random', {art:order_pieces_bonus_random});
}
)";

}  // namespace

const std::vector<SampleText>& OrderBubbleTexts() {
  return kTexts;
}

std::string MakeOrderBubbleScript(const std::string& before) {
  std::string script = kScript;
  FillTextInfos(script, CountScriptCalls(before, "r.AddTextInfo("), kTextInfos);
  return FillArtSprites(script, before) ? script : std::string();
}
