#include "tools/content/SampleKitchenHud.h"

#include <string>

#include "tools/content/SampleArt.h"

namespace {

// ms of each part of the last stage's window.
constexpr int kLastStagePageTime = 400;
// Banners stand on the HUD's layer; this lifts them over the order bubbles (100 above it)
// and their open cards.
constexpr int kOverOrders = 200;

const std::vector<SampleText> kTexts = {
    {"kh_empty", u" "},
    {"item_item_delivery", u"Serve"},
    {"kh_complete_1", u"First place!"},
    {"kh_complete_2", u"Second place"},
    {"kh_complete_3", u"Third place"},
    {"kh_complete_4", u"Oops! Try again"},
    {"kh_bonus_level", u"Bonus level!"},
    // The upgraded mixer's introduction, by its key behind the module's point.
    {"UPG_mixer", u"A new mixer! It mixes faster."},
    {"item_back", u"OK"},
    {"tip_welcome", u"Welcome to my kitchen!"},
    {"tip_welcome_2", u"Click a customer's order to start."},
    {"tip_first_click", u"Good! Now click what the order needs."},
    {"tip_serve", u"Served! Keep them smiling."},
    {"tip_refused", u"That won't fit this order."},
    {"tip_busy_device", u"Wait, that one is still busy."},
    {"tip_not_in_order", u"The order doesn't need that."},
    {"tip_hint_ready", u"Your hint is ready: press the hint button."},
    {"tip_two_orders", u"Two orders! Click the first one."},
    {"tip_closing", u"We're closing, finish the last orders."},
    {"tip_deliver", u"Don't forget to serve what is on the plate."},
    // The last stage's opening window, a page a click.
    {"kh_last_stage_1", u"Welcome to the last stage!"},
    {"kh_last_stage_2", u"Customers here are in a hurry:\\nserve them quickly."},
    {"kh_last_stage_3", u"Use the hint whenever it is ready."},
    {"kh_last_stage_4", u"Bonuses help most on busy days."},
    {"kh_last_stage_5", u"Good luck, chef!\\nPress Continue to begin."},
};

// Text infos, every one centred in the dark ink of font 1: the HUD's boxes and balloons are
// light.
const SampleTextInfo kTextInfos[] = {
    {"kh_caption", 1, 0x41, "kh_empty"},
    {"kh_line", 1, 0x41, "kh_empty"},
    {"kh_complete_1", 1, 0x41, "kh_complete_1"},
    {"kh_complete_2", 1, 0x41, "kh_complete_2"},
    {"kh_complete_3", 1, 0x41, "kh_complete_3"},
    {"kh_complete_4", 1, 0x41, "kh_complete_4"},
    {"kh_bonus_level", 1, 0x41, "kh_bonus_level"},
    {"kh_ribbon", 1, 0x41, "kh_empty"},
    {"kh_last_stage_1", 1, 0x41, "kh_last_stage_1"},
    {"kh_last_stage_2", 1, 0x41, "kh_last_stage_2"},
    {"kh_last_stage_3", 1, 0x41, "kh_last_stage_3"},
    {"kh_last_stage_4", 1, 0x41, "kh_last_stage_4"},
    {"kh_last_stage_5", 1, 0x41, "kh_last_stage_5"},
    {"kh_continue", 0, 0x41, "item_continue"},
};

// Art sprites are named {art:name}, text infos {t:name}; offsets of the scene and the
// layout are from the middle of the screen. The font draws a centred line about 16 pixels
// below its anchor, so texts stand 16 pixels above the middle of their boxes.
const char* const kScript = R"(
// The kitchen of the sample levels and the pieces of its HUD.
void KitchenHudTexts(CResourceReader@ r) {
{textinfos}}

// A sprite object of `name` showing one sprite for `total` ms, its hot spot at (hx, hy).
void KhSpriteAt(CResourceReader@ r, const string &in name, int sprite, int hx, int hy, int x,
                int y, int layer, int total) {
  r.CreateSpriteObjectData(name);
  r.AddSpriteIDResource(sprite, total);
  r.AddHotspot(hx, hy, 0, total);
  r.AddOffset(x, y, 0, total);
  r.AddLayer(layer, total);
}

void KhSprite(CResourceReader@ r, const string &in name, int sprite, int x, int y, int layer,
              int total) {
  KhSpriteAt(r, name, sprite, 5000, 5000, x, y, layer, total);
}

// A place hosting another animation.
void KhPlace(CResourceReader@ r, const string &in name, const string &in module,
             const string &in animation, int x, int y, int layer, int total) {
  r.CreateSpriteObjectData(name);
  r.AddSubstAnimation(module, animation);
  r.AddOffset(x, y, 0, total);
  r.AddLayer(layer, total);
}

// An empty place at the animation's origin that the game puts an animation into.
void KhEmptyPlace(CResourceReader@ r, const string &in name, int layer, int total) {
  r.CreateSpriteObjectData(name);
  r.AddOffset(0, 0, 0, total);
  r.AddLayer(layer, total);
}

void KhText(CResourceReader@ r, const string &in name, int info, int x, int y, int layer,
            int total) {
  r.CreateTextSpriteObjectData(name);
  r.AddTextSpriteIDResource(info, total);
  r.AddOffset(x, y - 16, 0, total);
  r.AddLayer(layer, total);
}

// A hand of a clock, drawn up from the middle of its sprite, about which it turns: at
// angle 0 it points at 12.
void KhHand(CResourceReader@ r, const string &in name, int sprite) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 1000, 0);
  KhSprite(r, 'hand', sprite, 0, 0, 2, 1000);
}

// The kitchen: the levels' floor, the wall clock, the plate and the bell on the counter, the
// sun passing the window every while, and the night over it all.
void KitchenScene(CResourceReader@ r) {
  r.CreateModule('levels');
  KhHand(r, 'clock_hour', {art:wall_clock_hand_short});
  KhHand(r, 'clock_min', {art:wall_clock_hand_long});
  KhHand(r, 'clock_second', {art:wall_clock_hand_second});

  r.CreateAnimationData('wall_clock');
  r.AddNamedPart('all', 0, 1000, 0);
  KhSprite(r, 'face', {art:wall_clock_face}, 0, 0, 20, 1000);
  KhPlace(r, '_hour', 'levels', 'clock_hour', 0, 0, 21, 1000);
  KhPlace(r, '_min', 'levels', 'clock_min', 0, 0, 22, 1000);
  KhPlace(r, '_second', 'levels', 'clock_second', 0, 0, 23, 1000);

  // Dimmed while hidden, shown, working (it bobs) and switching back; serving, its cloche
  // lifts off the dish ("_open") and comes down again once the dish has gone ("_closed").
  // The dish stands in its third child.
  r.CreateAnimationData('plate');
  r.AddNamedPart('_hide', 0, 100, 1);
  r.AddNamedPart('_show', 100, 400, 1);
  r.AddNamedPart('_work', 400, 1000, 1);
  r.AddNamedPart('_swich', 1000, 1300, 1);
  r.AddNamedPart('_open', 1300, 1700, 1);
  r.AddNamedPart('_closed', 1700, 2000, 1);
  r.AddNamedPart('all', 0, 2000, 1);
  KhSprite(r, 'plate', {art:plate}, 0, 0, 30, 2000);
  r.AddOpaque(140, 0, 100);
  r.AddOpaque(140, 1, 300);
  r.AddOpaque(255, 0, 1600);
  r.AddZoom(100, 100, 0, 400);
  r.AddZoom(100, 100, 1, 150);
  r.AddZoom(115, 115, 1, 150);
  r.AddZoom(100, 100, 1, 150);
  r.AddZoom(110, 110, 1, 150);
  r.AddZoom(100, 100, 0, 1000);
  r.CreateSpriteObjectData('cloche');
  r.AddSpriteIDResource({art:cloche}, 2000);
  r.AddHotspot(5000, 9300, 0, 2000);
  r.AddLayer(32, 2000);
  r.AddOffset(0, 8, 0, 1300);
  r.AddOffset(0, 8, 1, 400);
  r.AddOffset(0, -40, 1, 300);
  r.AddOffset(0, 8, 0, 0);
  r.AddOpaque(0, 0, 1300);
  r.AddOpaque(255, 1, 400);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 0, 0);
  r.CreateSpriteObjectData('_dish');
  r.AddOffset(0, -2, 0, 2000);
  r.AddLayer(31, 2000);

  // The service bell on the counter: a ring shakes it.
  r.CreateAnimationData('ring');
  r.AddNamedPart('all', 0, 600, 1);
  KhSpriteAt(r, 'bell', {art:hud_pieces_bell}, 5000, 8800, 0, 0, 30, 600);
  r.AddRotate(0.0f, 1, 150);
  r.AddRotate(12.0f, 1, 150);
  r.AddRotate(-12.0f, 1, 150);
  r.AddRotate(12.0f, 1, 150);
  r.AddRotate(0.0f, 0, 0);

  // Rises across the window glass over 4 s, then stays set.
  r.CreateAnimationData('sun');
  r.AddNamedPart('all', 0, 4000, 1);
  KhSprite(r, 'sun', {art:hud_pieces_sun}, 0, 0, 2, 4000);
  r.AddOffset(-55, 40, 1, 4000);
  r.AddOffset(55, -35, 0, 0);
  r.AddOpaque(0, 1, 600);
  r.AddOpaque(255, 0, 2800);
  r.AddOpaque(255, 1, 600);
  r.AddOpaque(0, 0, 0);

  // Clear by day, a blue dusk over the kitchen by night; its place's layer keeps it under the
  // level's interface and banners.
  r.CreateAnimationData('dark');
  r.AddNamedPart('_idle', 0, 1000, 0);
  r.AddNamedPart('_night', 1000, 2000, 0);
  r.AddNamedPart('all', 0, 2000, 0);
  KhSprite(r, 'night', {art:hud_pieces_night}, 0, 0, 0, 2000);
  r.AddZoom(1667, 1250, 0, 2000);
  r.AddOpaque(0, 0, 1000);
  r.AddOpaque(140, 0, 1000);

  r.CreateAnimationData('kitchen_1');
  r.AddNamedPart('_idle', 0, 1000, 0);
  r.AddNamedPart('_night', 1000, 2000, 0);
  r.AddNamedPart('all', 0, 2000, 1);
  KhSprite(r, 'back', {art:kitchen_background}, 0, 0, 0, 2000);
  KhPlace(r, '_sun', 'levels', 'sun', 0, -200, 1, 2000);
  KhPlace(r, '_clock', 'levels', 'wall_clock', {clockX}, {clockY}, 20, 2000);
  KhPlace(r, '_plate', 'levels', 'plate', {plateX}, {plateY}, 30, 2000);
  KhPlace(r, '_ring', 'levels', 'ring', -316, -72, 30, 2000);
  KhPlace(r, '_dark', 'levels', 'dark', 0, 0, 850, 2000);
}

void KhTipParts(CResourceReader@ r) {
  r.AddNamedPart('_show', 0, 200, 1);
  r.AddNamedPart('_idle', 200, 2200, 0);
  r.AddNamedPart('_hide', 2200, 2400, 1);
  r.AddNamedPart('all', 0, 2400, 1);
}

// The last object fades in over `show` ms, stays `idle` ms and fades out over `hide` ms.
void KhFade(CResourceReader@ r, int show, int idle, int hide) {
  r.AddOpaque(0, 1, show);
  r.AddOpaque(255, 0, idle);
  r.AddOpaque(255, 1, hide);
  r.AddOpaque(0, 0, 0);
}

// A banner of 1.6 s tinted (red, green, blue): it drops in, holds and fades out, over the
// order bubbles and their open card.
void KhBanner(CResourceReader@ r, int red, int green, int blue, int text) {
  r.AddNamedPart('all', 0, 1600, 1);
  KhSprite(r, 'board', {art:banner}, 0, 0, {overOrders}, 1600);
  r.AddColor(255, red, green, blue, 0, 1600);
  r.AddBlendMode(2, 1600);
  r.AddZoom(40, 40, 1, 250);
  r.AddZoom(100, 100, 0, 1350);
  r.AddOpaque(0, 1, 250);
  r.AddOpaque(255, 0, 1050);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 0, 0);
  KhText(r, 'caption', text, 0, 0, {overOrders} + 1, 1600);
  r.AddZoom(150, 150, 0, 1600);
}

// The contest's place ribbons: the place on the rosette, the score on the band, the
// portrait's place above; "_select" lights the glow behind the player's ribbon.
void KitchenRibbon(CResourceReader@ r, int n, int band) {
  r.CreateAnimationData('ribbon_' + n);
  r.AddNamedPart('_idle', 0, 100, 1);
  r.AddNamedPart('_select', 100, 1300, 0);
  r.AddNamedPart('all', 0, 1300, 0);
  KhSprite(r, 'glow', {art:standings_ribbons_glow}, 0, 0, 0, 1300);
  r.AddOpaque(0, 0, 100);
  r.AddOpaque(255, 1, 600);
  r.AddOpaque(150, 1, 600);
  r.AddOpaque(255, 0, 0);
  KhSprite(r, 'band', band, 0, 0, 1, 1300);
  KhText(r, '_place', {t:kh_ribbon}, -34, 0, 2, 1300);
  KhText(r, '_score', {t:kh_ribbon}, 14, 0, 2, 1300);
  r.CreateSpriteObjectData('_pers_place');
  r.AddOffset(0, -54, 0, 1300);
  r.AddLayer(3, 1300);
}

// The standings' ribbons, the delivery item on the plate (a button under its caption), the
// balloons, the text backing and the level-complete banners.
void KitchenItems(CResourceReader@ r) {
  r.CreateModule('interfaces');
  KitchenRibbon(r, 1, {art:standings_ribbons_gold});
  KitchenRibbon(r, 2, {art:standings_ribbons_silver});
  KitchenRibbon(r, 3, {art:standings_ribbons_bronze});
  KitchenRibbon(r, 4, {art:standings_ribbons_plain});
  r.CreateAnimationData('item_delivery');
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_leave', 0, 100, 1);
  r.AddNamedPart('_over', 100, 200, 1);
  r.AddNamedPart('_down', 200, 300, 1);
  r.AddNamedPart('_disabled', 300, 400, 1);
  r.AddNamedPart('all', 0, 400, 1);
  r.CreateSpriteObjectData('_button_rect');
  r.AddSpriteIDResource({art:delivery_button_up}, 100);
  r.AddSpriteIDResource({art:delivery_button_over}, 100);
  r.AddSpriteIDResource({art:delivery_button_down}, 100);
  r.AddSpriteIDResource({art:delivery_button_disabled}, 100);
  r.AddHotspot(5000, 5000, 0, 400);
  r.AddOffset(0, -34, 0, 400);
  r.AddLayer(0, 400);
  KhText(r, '_text', {t:kh_caption}, 0, -70, 1, 400);

  // Balloons whose tail ends at their position: above and right of the speaker, below it
  // (near the screen's top), and above and left of it (near the right edge).
  for (int n = 1; n <= 3; ++n) {
    r.CreateAnimationData(n == 1 ? 'balon' : 'balon_' + n);
    r.AddNamedPart('_show', 0, 200, 1);
    r.AddNamedPart('_idle', 200, 1200, 0);
    r.AddNamedPart('_hide', 1200, 1400, 1);
    r.AddNamedPart('all', 0, 1400, 1);
    int sprite = n == 1 ? {art:balloons_down_left}
               : n == 2 ? {art:balloons_up} : {art:balloons_down_right};
    int x = n == 1 ? 64 : n == 2 ? 50 : -64;
    int y = n == 2 ? 40 : -40;
    KhSprite(r, 'balloon', sprite, x, y, 0, 1400);
    KhFade(r, 200, 1000, 200);
    KhText(r, '_text', {t:kh_line}, x, y + (n == 2 ? 10 : -10), 1, 1400);
  }

  // A stretchable backing whose first object is the place of its text, and the text line.
  r.CreateAnimationData('text_back');
  r.AddNamedPart('all', 0, 1000, 0);
  r.CreateSpriteObjectData('_place');
  r.AddOffset(0, 0, 0, 1000);
  r.AddLayer(1, 1000);
  KhSprite(r, 'back', {art:hud_pieces_text_back}, 0, 0, 0, 1000);
  r.CreateAnimationData('text_line');
  r.AddNamedPart('all', 0, 1000, 0);
  KhText(r, '_text', {t:kh_line}, 0, 0, 0, 1000);

  // The cook's tip balloon: a bubble stretched around a text line, fading in on "_show" and
  // out on "_hide"; "all" shows, holds and hides once. The text keeps no clock of its own:
  // it fades with its place, so it lasts exactly as long as the bubble at any speed. The
  // text stands on layer 10 over the balloon's, so the bubble stays below that.
  r.CreateAnimationData('lili_text');
  KhTipParts(r);
  KhText(r, '_text', {t:kh_line}, 0, 0, 0, 2400);
  r.CreateAnimationData('lili_baloon_podkladka');
  KhTipParts(r);
  // The text's place stands in the middle of the bubble, above its tail.
  r.CreateSpriteObjectData('_place');
  r.AddOffset(0, -6, 0, 2400);
  r.AddLayer(1, 2400);
  KhFade(r, 200, 2000, 200);
  KhSprite(r, 'back', {art:tip_balloon}, 0, 0, 0, 2400);
  KhFade(r, 200, 2000, 200);

  r.CreateAnimationData('level_complete_1');
  KhBanner(r, 255, 212, 90, {t:kh_complete_1});
  r.CreateAnimationData('level_complete_2');
  KhBanner(r, 201, 211, 218, {t:kh_complete_2});
  r.CreateAnimationData('level_complete_3');
  KhBanner(r, 217, 160, 102, {t:kh_complete_3});
  r.CreateAnimationData('level_complete_4');
  KhBanner(r, 170, 170, 170, {t:kh_complete_4});
}

// The part of page n (1 to 5) of the last stage's window, and the object's fade: in over its
// own part, out over the next one.
void KhPageFade(CResourceReader@ r, int n) {
  if (n > 1) r.AddOpaque(0, 0, (n - 1) * {pageTime});
  r.AddOpaque(0, 1, {pageTime});
  r.AddOpaque(255, 1, {pageTime});
  r.AddOpaque(0, 0, 0);
}

// The last stage's window: six parts; the first pops the board up with its first page, the
// next four turn a page each, the sixth lets it go. "OK" turns the first four pages;
// "Continue" waits greyed until the fifth.
void LastStageHint(CResourceReader@ r) {
  int total = 6 * {pageTime};
  r.CreateAnimationData('hint_last_stage');
  for (int n = 1; n <= 6; ++n)
    r.AddNamedPart('_part_' + n, (n - 1) * {pageTime}, n * {pageTime}, 1);
  r.AddNamedPart('all', 0, total, 1);
  KhSprite(r, 'board', {art:last_stage_board}, 0, 0, 0, total);
  r.AddZoom(70, 70, 1, {pageTime});
  r.AddZoom(100, 100, 0, 4 * {pageTime});
  r.AddZoom(100, 100, 1, {pageTime});
  r.AddZoom(70, 70, 0, 0);
  KhFade(r, {pageTime}, 4 * {pageTime}, {pageTime});
  KhText(r, 'page_1', {t:kh_last_stage_1}, 0, -6, 1, total);
  KhPageFade(r, 1);
  KhText(r, 'page_2', {t:kh_last_stage_2}, 0, -16, 1, total);
  KhPageFade(r, 2);
  KhText(r, 'page_3', {t:kh_last_stage_3}, 0, -6, 1, total);
  KhPageFade(r, 3);
  KhText(r, 'page_4', {t:kh_last_stage_4}, 0, -6, 1, total);
  KhPageFade(r, 4);
  KhText(r, 'page_5', {t:kh_last_stage_5}, 0, -16, 1, total);
  KhPageFade(r, 5);
  // "OK" leaves with the fourth page; "Continue" stays to the end.
  KhPlace(r, '_item_ok', 'interfaces', 'ok', 90, 64, 2, total);
  KhFade(r, {pageTime}, 3 * {pageTime}, {pageTime});
  KhPlace(r, '_item_continue', 'interfaces', 'continue', -90, 64, 2, total);
  KhFade(r, {pageTime}, 4 * {pageTime}, {pageTime});
  // The greyed button's caption, in the button's own type over its face, until the button
  // takes its caption for the last page.
  KhText(r, 'continue_caption', {t:kh_continue}, -90, 64, 112, total);
  KhFade(r, {pageTime}, 3 * {pageTime}, {pageTime});
}

// The game screen's HUD places, the hint box, the bonus-level banner and cursors.
void KitchenHud(CResourceReader@ r) {
  r.CreateModule('interfaces');
  r.CreateAnimationData('delivery_progres');
  r.AddNamedPart('_idle', 0, 10000, 1);
  r.AddNamedPart('all', 0, 10000, 1);
  KhSprite(r, 'frame', {art:delivery_bar_frame}, 0, 0, 0, 10000);
  KhSpriteAt(r, 'fill', {art:delivery_bar_fill}, 0, 5000, -84, 0, 1, 10000);
  r.AddZoom(0, 100, 1, 10000);
  r.AddZoom(100, 100, 0, 0);

  r.CreateAnimationData('level_clock_hand');
  r.AddNamedPart('all', 0, 1000, 0);
  KhSprite(r, 'hand', {art:hud_pieces_dial_hand}, 0, 0, 3, 1000);
  // The time-freeze bonus frosts the hand here.
  KhEmptyPlace(r, '_ice', 4, 1000);

  // Its "_idle" plays once, so that a level clock can tell when it may start blinking.
  r.CreateAnimationData('level_clock_segment');
  r.AddNamedPart('_idle', 0, 1000, 1);
  r.AddNamedPart('_blink', 1000, 1400, 0);
  r.AddNamedPart('all', 0, 1400, 0);
  KhSprite(r, 'light', {art:hud_pieces_segment}, 0, 0, 2, 1400);
  r.AddOpaque(255, 0, 1200);
  r.AddOpaque(0, 0, 200);

  r.CreateAnimationData('level_clock');
  r.AddNamedPart('all', 0, 1000, 0);
  KhSprite(r, 'dial', {art:hud_pieces_dial}, 0, 0, 1, 1000);
  KhPlace(r, '_second', 'interfaces', 'level_clock_hand', 0, 0, 3, 1000);
  KhPlace(r, '_segment', 'interfaces', 'level_clock_segment', 40, 0, 2, 1000);
  // The time-freeze bonus's ice covers the dial here, under the hand.
  KhEmptyPlace(r, '_bonus_place', 2, 1000);

  // The panel that carries the level clock: open while the level runs, closed after; each
  // plays once and holds, so that a wait for it ends.
  r.CreateAnimationData('level_clock_panel');
  r.AddNamedPart('_work', 0, 100, 1);
  r.AddNamedPart('_closed', 100, 200, 1);
  r.AddNamedPart('all', 0, 200, 0);
  r.CreateSpriteObjectData('panel');
  r.AddSpriteIDResource({art:level_clock_open}, 100);
  r.AddSpriteIDResource({art:level_clock_closed}, 100);
  r.AddHotspot(5000, 5000, 0, 200);
  r.AddLayer(0, 200);
  KhPlace(r, '_clock', 'interfaces', 'level_clock', 0, -1, 1, 200);

  // The hint box's button, named so that its caption is "item_back", and the last stage's
  // window's "item_ok" and "item_continue".
  FrameworkButton(r, 'back');
  FrameworkButton(r, 'ok');
  FrameworkButton(r, 'continue');

  r.CreateModule('hints');
  r.CreateAnimationData('hint_text');
  r.AddNamedPart('_show', 0, 300, 1);
  r.AddNamedPart('_idle', 300, 1300, 0);
  r.AddNamedPart('_hide', 1300, 1600, 1);
  r.AddNamedPart('all', 0, 1600, 1);
  KhSprite(r, 'box', {art:hint_box}, 0, 0, 0, 1600);
  KhFade(r, 300, 1000, 300);
  KhText(r, '_text', {t:kh_line}, 0, -20, 1, 1600);
  KhFade(r, 300, 1000, 300);
  KhPlace(r, '_item_back', 'interfaces', 'back', 0, 32, 2, 1600);
  KhFade(r, 300, 1000, 300);
  LastStageHint(r);

  r.CreateModule('main_menu');
  r.CreateAnimationData('bonus_text');
  KhBanner(r, 126, 200, 227, {t:kh_bonus_level});

  // The game screen's layout: the level clock at the top left, clear of the order column
  // at the right, the delivery bar at the bottom, the hint button at the bottom left, the
  // pause menu's and help's at the bottom right.
  r.CreateAnimationData('game_screen');
  ShowIdleHide(r, 300, 1000, 300);
  KhPlace(r, '_flip', 'interfaces', 'level_clock_panel', -332, -272, 1100, 1600);
  KhPlace(r, '_delivery_progres', 'interfaces', 'delivery_progres', 0, 278, 1100, 1600);
  KhPlace(r, '_item_hint', 'interfaces', 'hud_hint', -360, 266, 1100, 1600);
  KhFade(r, 300, 1000, 300);
  KhPlace(r, '_item_menu', 'interfaces', 'hud_menu', 300, 266, 1100, 1600);
  KhFade(r, 300, 1000, 300);
  KhPlace(r, '_item_help', 'interfaces', 'hud_help', 362, 266, 1100, 1600);
  KhFade(r, 300, 1000, 300);

  // The bonus levels' cursors: a magnifier looking through its lens, a cross hair.
  r.CreateModule('bonus');
  // In a dark room ("_dark") the magnifier gives way to a black veil with a clear disc round
  // the mouse; the veil lies under the level's interface.
  r.CreateAnimationData('hider');
  r.AddNamedPart('all', 0, 1000, 0);
  r.AddNamedPart('_dark', 1000, 2000, 0);
  KhSpriteAt(r, 'glass', {art:hud_pieces_hider}, 4167, 4167, 0, 0, 0, 2000);
  r.AddOpaque(255, 0, 1000);
  r.AddOpaque(0, 0, 1000);
  KhSprite(r, 'veil', {art:ispy_veil}, 0, 0, -1100, 2000);
  r.AddZoom(200, 200, 0, 2000);
  r.AddOpaque(0, 0, 1000);
  r.AddOpaque(255, 0, 1000);
  r.CreateAnimationData('hider_2');
  r.AddNamedPart('all', 0, 1000, 0);
  KhSprite(r, 'cross', {art:hud_pieces_hider_2}, 0, 0, 0, 1000);
}

void KitchenHudContent(CResourceReader@ r) {
  KitchenHudTexts(r);
  KitchenScene(r);
  KitchenItems(r);
  KitchenHud(r);
}
)";

}  // namespace

const std::vector<SampleText>& KitchenHudTexts() {
  return kTexts;
}

std::string MakeKitchenHudScript(const std::string& before) {
  std::string script = kScript;
  FillTextInfos(script, CountScriptCalls(before, "r.AddTextInfo("), kTextInfos);
  // The scene is centred on the screen, so its places stand relative to (400, 300).
  FillScriptNumber(script, "clockX", static_cast<int>(KitchenPlaces::clockX) - 400);
  FillScriptNumber(script, "clockY", static_cast<int>(KitchenPlaces::clockY) - 300);
  FillScriptNumber(script, "plateX", static_cast<int>(KitchenPlaces::plateX) - 400);
  FillScriptNumber(script, "plateY", static_cast<int>(KitchenPlaces::plateY) - 300);
  FillScriptNumber(script, "pageTime", kLastStagePageTime);
  FillScriptNumber(script, "overOrders", kOverOrders);
  FillArtSprites(script, before);
  return script;
}
