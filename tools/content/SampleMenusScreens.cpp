#include "tools/content/SampleMenusScreens.h"

#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include "tools/codecs/OggEncoder.h"
#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"

namespace {

const std::vector<SampleText> kTexts = {
    {"title_empty", u" "},
    {"item_help", u"Help"},
    {"item_hight_score", u"Best cooks"},
    {"item_new_player", u"Player"},
    {"hint_options", u"Sound, music and screen"},
    {"hint_help", u"How to play"},
    {"hint_hight_score", u"The best cooks so far"},
    {"hint_new_player", u"Another cook? Choose here"},
    {"confirm_exit_01", u"Leaving already, _name?"},
    {"confirm_exit_02", u"The kitchen will miss you!"},
    {"mn_empty", u" "},
    {"mn_title_extras", u"Extras"},
    {"mn_title_credits", u"Credits"},
    {"mn_title_help", u"How to play"},
    {"mn_title_score", u"High scores"},
    {"item_settings", u"Settings"},
    {"item_cookbook", u"Cook book"},
    {"item_credits", u"Credits"},
    {"item_skip", u"Skip"},
    {"mn_credits_1", u"Panmaster"},
    {"mn_credits_2", u"A kitchen of your own, one order at a time"},
    {"mn_credits_3", u"Made by the Panmaster team"},
    {"mn_credits_4", u"Pictures drawn as SVG for this game"},
    {"mn_credits_5", u"Sounds and music made of generated tones"},
    {"mn_credits_6", u"Lettering in DejaVu Sans"},
    {"mn_credits_7", u"Thank you for playing!"},
    {"mn_help_1",
     u"Customers come in and show their orders\\nin bubbles. Click an order to start on it."},
    {"mn_help_2", u"Click an ingredient or a device:\\nthe cook walks there and gets to work."},
    {"mn_help_3",
     u"Put the dish on the plate and serve it\\nbefore the customer runs out of patience."},
    {"mn_help_4", u"Quick service earns tips and points.\\nFinish first to win the gold ribbon!"},
    {"pers_name_1", u"Rosa"},
    {"pers_name_2", u"Marcel"},
    {"pers_name_3", u"Hana"},
    {"pers_name_4", u"Olaf"},
    {"pers_name_5", u"Priya"},
    {"pers_name_6", u"Tomas"},
    {"pers_name_7", u"You"},
    {"pers_name_8", u"Greta"},
    {"menus_options", u"Options"},
    {"menus_players", u"Players"},
    {"menus_music", u"Music"},
    {"menus_sound", u"Sounds"},
    {"menus_full_screen", u"Full screen"},
    {"menus_custom_cursor", u"Kitchen cursor"},
    {"item_main_menu", u"Main menu"},
    {"item_map", u"Map"},
    {"item_new", u"New"},
    {"item_remove", u"Remove"},
    {"confirm_remove_01", u"Remove this player?"},
    {"confirm_remove_02", u"Every dish and trophy"},
    {"confirm_remove_03", u"of the player is lost."},
    {"name_taken_01", u"That name is taken."},
    {"name_taken_02", u"Please choose another."},
};

const SampleTextInfo kTextInfos[] = {
    {"title_caption", 1, 0x41, "title_empty"},
    {"title_hint", 1, 0x41, "title_empty"},
    {"title_name", 0, 0x41, "title"},
    {"mn_caption", 1, 0x41, "mn_empty"},
    {"mn_name", 1, 0x40, "mn_empty"},
    {"mn_total", 1, 0x42, "mn_empty"},
    {"mn_title_extras", 0, 0x41, "mn_title_extras"},
    {"mn_title_credits", 0, 0x41, "mn_title_credits"},
    {"mn_title_help", 0, 0x41, "mn_title_help"},
    {"mn_title_score", 0, 0x41, "mn_title_score"},
    {"mn_credits_1", 1, 0x41, "mn_credits_1"},
    {"mn_credits_2", 1, 0x41, "mn_credits_2"},
    {"mn_credits_3", 1, 0x41, "mn_credits_3"},
    {"mn_credits_4", 1, 0x41, "mn_credits_4"},
    {"mn_credits_5", 1, 0x41, "mn_credits_5"},
    {"mn_credits_6", 1, 0x41, "mn_credits_6"},
    {"mn_credits_7", 1, 0x41, "mn_credits_7"},
    {"mn_help_1", 1, 0x41, "mn_help_1"},
    {"mn_help_2", 1, 0x41, "mn_help_2"},
    {"mn_help_3", 1, 0x41, "mn_help_3"},
    {"mn_help_4", 1, 0x41, "mn_help_4"},
    {"menus_options", 1, 0x41, "menus_options"},
    {"menus_players", 1, 0x41, "menus_players"},
    {"menus_music", 0, 0x40, "menus_music"},
    {"menus_sound", 0, 0x40, "menus_sound"},
    {"menus_full_screen", 0, 0x40, "menus_full_screen"},
    {"menus_custom_cursor", 0, 0x40, "menus_custom_cursor"},
};

// Two columns of three, in the order of the layout's drawables 2 to 7; the icon of each is
// the art's "title_icons_<name>".
const std::vector<TitleButtonPlace> kButtons = {
    {"play", 270, 310},       {"options", 270, 372},     {"help", 270, 434},
    {"new_player", 530, 310}, {"hight_score", 530, 372}, {"quit", 530, 434},
};

// Art sprites are named {art:name}, text infos {t:name}; the layout stands at the middle of
// the screen, so its offsets are from (400, 300). The font draws a centred line about 16
// pixels below its anchor, so texts stand 16 pixels above the middle of their boxes.
const char* const kScript = R"(
// The menu screens: the title with its buttons and ribbon, the second game cursor, the
// options (also the pause menu's) and the player list.
void MenusTexts(CResourceReader@ r) {
{textinfos}}

// A title button: its face in four looks, its icon in the face's slot and its caption; the
// icon and the caption fade while disabled.
void TitleButton(CResourceReader@ r, const string &in name, int icon) {
  r.CreateAnimationData('title_button_' + name);
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_leave', 0, 100, 1);
  r.AddNamedPart('_over', 100, 200, 1);
  r.AddNamedPart('_down', 200, 300, 1);
  r.AddNamedPart('_disabled', 300, 400, 1);
  r.CreateSpriteObjectData('face');
  r.AddSpriteIDResource({art:title_buttons_up}, 100);
  r.AddSpriteIDResource({art:title_buttons_over}, 100);
  r.AddSpriteIDResource({art:title_buttons_down}, 100);
  r.AddSpriteIDResource({art:title_buttons_disabled}, 100);
  r.AddHotspot(5000, 5000, 0, 400);
  r.AddLayer(20, 400);
  r.CreateSpriteObjectData('icon');
  r.AddSpriteIDResource(icon, 400);
  r.AddHotspot(5000, 5000, 0, 400);
  r.AddOffset(-80, -2, 0, 400);
  r.AddOpaque(255, 0, 300);
  r.AddOpaque(110, 0, 100);
  r.AddLayer(21, 400);
  r.CreateTextSpriteObjectData('_text');
  r.AddTextSpriteIDResource({t:title_caption}, 400);
  r.AddOffset(24, -18, 0, 400);
  r.AddOpaque(255, 0, 300);
  r.AddOpaque(110, 0, 100);
  r.AddLayer(22, 400);
}

// The ribbon with the game's name: it slides in from the left and settles with a little
// bounce; it stays where "_show" leaves it.
void TitleRibbon(CResourceReader@ r) {
  r.CreateAnimationData('lenta');
  r.AddNamedPart('all', 0, 700, 1);
  r.AddNamedPart('_show', 0, 700, 1);
  r.CreateSpriteObjectData('band');
  r.AddSpriteIDResource({art:title_ribbon}, 700);
  r.AddHotspot(5000, 5000, 0, 700);
  r.AddOffset(-700, 0, 1, 500);
  r.AddOffset(14, 0, 1, 200);
  r.AddOffset(0, 0, 0, 0);
  r.AddLayer(0, 700);
  r.CreateTextSpriteObjectData('_text');
  r.AddTextSpriteIDResource({t:title_name}, 700);
  r.AddOffset(-700, -20, 1, 500);
  r.AddOffset(14, -20, 1, 200);
  r.AddOffset(0, -20, 0, 0);
  r.AddZoom(150, 150, 0, 700);
  r.AddLayer(1, 700);
}

void TitlePlace(CResourceReader@ r, const string &in name, int x, int y) {
  r.CreateSpriteObjectData('_item_' + name);
  r.AddSubstAnimation('interfaces', 'title_button_' + name);
  r.AddOffset(x, y, 0, 1900);
  r.AddLayer(10, 1900);
}

// The title: drawables 0 the backdrop, 1 the logo, 2 to 7 the buttons, 8 and 9 the hint
// plate and its line, 10 the ribbon's place. The backdrop is there from the first frame, so
// the curtain opens on it; the logo drops in while the screen shows.
void TitleLayout(CResourceReader@ r) {
  r.CreateAnimationData('title');
  ShowIdleHide(r, 600, 1000, 300);
  r.CreateSpriteObjectData('background');
  r.AddSpriteIDResource(0, 1900);
  r.AddHotspot(5000, 5000, 0, 1900);
  r.AddLayer(0, 1900);
  r.CreateSpriteObjectData('logo');
  r.AddSpriteIDResource(4, 1900);
  r.AddHotspot(5000, 5000, 0, 1900);
  r.AddOffset(0, -400, 1, 600);
  r.AddOffset(0, -172, 0, 1300);
  r.AddLayer(5, 1900);
{places}  r.CreateSpriteObjectData('hint_plate');
  r.AddSpriteIDResource({art:title_plate}, 1900);
  r.AddHotspot(5000, 5000, 0, 1900);
  r.AddOffset(0, 246, 0, 1900);
  r.AddLayer(8, 1900);
  r.CreateTextSpriteObjectData('_hint');
  r.AddTextSpriteIDResource({t:title_hint}, 1900);
  r.AddOffset(0, 230, 0, 1900);
  r.AddLayer(9, 1900);
  r.CreateSpriteObjectData('ribbon');
  r.AddSubstAnimation('main_menu', 'lenta');
  r.AddOffset(0, -62, 0, 1900);
  r.AddLayer(30, 1900);
}

// A check box: empty or ticked, lit while the mouse is over it. A box shows "_up" only
// when it was made ticked and not yet touched.
void MenusCheckBox(CResourceReader@ r) {
  r.CreateAnimationData('menu_check_box');
  r.AddNamedPart('all', 0, 400, 1);
  r.AddNamedPart('_up', 100, 200, 1);
  r.AddNamedPart('_unchecked', 0, 100, 1);
  r.AddNamedPart('_disabled_unchecked', 0, 100, 1);
  r.AddNamedPart('_checked', 100, 200, 1);
  r.AddNamedPart('_disabled_checked', 100, 200, 1);
  r.AddNamedPart('_over_unchecked', 200, 300, 1);
  r.AddNamedPart('_over_checked', 300, 400, 1);
  r.CreateSpriteObjectData('box');
  r.AddSpriteIDResource({art:menu_icons_box_off}, 100);
  r.AddSpriteIDResource({art:menu_icons_box_on}, 100);
  r.AddSpriteIDResource({art:menu_icons_box_off_over}, 100);
  r.AddSpriteIDResource({art:menu_icons_box_on_over}, 100);
  r.AddHotspot({hot:menu_icons_box_off}, 0, 400);
  r.AddLayer(110, 400);
}

// The player list: the framework's list of four rows on a cream pad.
void MenusList(CResourceReader@ r) {
  FrameworkListOn(r, 'menu_list', {art:menu_list}, 100);
}

// The object fades in while the layout shows and out while it hides, so nothing of a menu
// stays under a dialog shown over it.
void MenusFade(CResourceReader@ r) {
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 0, 1000);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 0, 0);
}

// A control of the menus in its place.
void MenusItem(CResourceReader@ r, const string &in name, const string &in kind, int x, int y) {
  r.CreateSpriteObjectData('_item_' + name);
  r.AddSubstAnimation('interfaces', kind);
  r.AddOffset(x, y, 0, 1600);
  MenusFade(r);
  r.AddLayer(110, 1600);
}

// The board of a menu, fading in and out, with its title on the name plate.
void MenusBoard(CResourceReader@ r, const string &in name, int title) {
  r.CreateAnimationData(name);
  ShowIdleHide(r, 300, 1000, 300);
  r.CreateSpriteObjectData('board');
  r.AddSpriteIDResource({art:menu_panel}, 1600);
  r.AddHotspot({hot:menu_panel}, 0, 1600);
  MenusFade(r);
  r.AddLayer(100, 1600);
  MenusText(r, '_title', title, 0, -152);
}

void MenusText(CResourceReader@ r, const string &in name, int info, int x, int y) {
  r.CreateTextSpriteObjectData(name);
  r.AddTextSpriteIDResource(info, 1600);
  r.AddOffset(x, y - 16, 0, 1600);
  MenusFade(r);
  r.AddLayer(111, 1600);
}

void MenusIcon(CResourceReader@ r, const string &in name, int sprite, int x, int y) {
  r.CreateSpriteObjectData(name);
  r.AddSpriteIDResource(sprite, 1600);
  r.AddHotspot({hot:menu_icons_music}, 0, 1600);
  r.AddOffset(x, y, 0, 1600);
  MenusFade(r);
  r.AddLayer(111, 1600);
}

// One row of settings: an optional sign, the caption and the control at the right.
void MenusSetting(CResourceReader@ r, const string &in item, const string &in kind, int x,
                  int caption, int y) {
  MenusText(r, '_caption_' + item, caption, -205, y);
  MenusItem(r, item, kind, x, y);
}

void MenusLayouts(CResourceReader@ r) {
  MenusBoard(r, 'options', {t:menus_options});
  MenusIcon(r, '_sign_music', {art:menu_icons_music}, -232, -100);
  MenusSetting(r, 'slider_musik', 'fw_slider', 110, {t:menus_music}, -100);
  MenusIcon(r, '_sign_sound', {art:menu_icons_sound}, -232, -50);
  MenusSetting(r, 'slider_sound', 'fw_slider', 110, {t:menus_sound}, -50);
  MenusSetting(r, 'full_screen', 'menu_check_box', 0, {t:menus_full_screen}, 0);
  MenusSetting(r, 'custom_cursor', 'menu_check_box', 0, {t:menus_custom_cursor}, 50);
  MenusItem(r, 'ok', 'fw_button', 0, 126);
  MenusItem(r, 'continue', 'fw_button', -90, 104);
  MenusItem(r, 'main_menu', 'fw_button', 90, 104);
  MenusItem(r, 'map', 'fw_button', -90, 150);
  MenusItem(r, 'replay', 'fw_button', 90, 150);

  MenusBoard(r, 'change_player', {t:menus_players});
  MenusItem(r, 'listbox', 'menu_list', -20, -25);
  MenusItem(r, 'listbox_slider', 'fw_scroll', 175, -25);
  MenusItem(r, 'new', 'fw_button', -175, 130);
  MenusItem(r, 'ok', 'fw_button', 0, 130);
  MenusItem(r, 'remove', 'fw_button', 175, 130);
}

void MenusScreens(CResourceReader@ r) {
  MenusTexts(r);
  r.CreateModule('interfaces');
{buttons}  MenusCheckBox(r);
  MenusList(r);
  r.CreateModule('main_menu');
  TitleRibbon(r);
  TitleLayout(r);
  MenusLayouts(r);
  r.CreateModule('cursor');
  r.CreateAnimationData('custom_2');
  r.AddNamedPart('all', 0, 1000, 0);
  r.CreateSpriteObjectData('arrow');
  r.AddSpriteIDResource({art:title_icons_cursor}, 1000);
  r.AddHotspot(417, 417, 0, 1000);
  r.AddLayer(1000, 1000);
  ExtrasScreens(r);
}
)";

// Art sprites are named {art:name}, text infos {t:name}; offsets of a layout are from the
// middle of the screen. Layouts show for 300 ms, idle and hide for 300 ms (1600 ms in all).
// The extras menu and the credits lie ScreenLayerBase higher than their own layers (the
// credits over the extras menu); the manual and the high scores open over the title or a
// level, so their own layers lie above those.
const char* const kExtrasScript = R"(
// The extras menu, the credits, the manual and the high-score table.

// A button's looks: up (also on leaving), over, down, and disabled, which hides it.
void MnButtonParts(CResourceReader@ r) {
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_leave', 0, 100, 1);
  r.AddNamedPart('_over', 100, 200, 1);
  r.AddNamedPart('_down', 200, 300, 1);
  r.AddNamedPart('_disabled', 300, 400, 1);
  r.AddNamedPart('all', 0, 400, 1);
}

// The last object shows in every look but the disabled one.
void MnHiddenWhenDisabled(CResourceReader@ r) {
  r.AddOpaque(255, 0, 300);
  r.AddOpaque(0, 0, 100);
}

// A button's face in its looks; it is the button's click rectangle.
void MnButton(CResourceReader@ r, const string &in name, int up, int over, int down) {
  r.CreateAnimationData(name);
  MnButtonParts(r);
  r.CreateSpriteObjectData('_button_rect');
  r.AddSpriteIDResource(up, 100);
  r.AddSpriteIDResource(over, 100);
  r.AddSpriteIDResource(down, 100);
  r.AddSpriteIDResource(up, 100);
  r.AddHotspot(5000, 5000, 0, 400);
  MnHiddenWhenDisabled(r);
  r.AddLayer(0, 400);
}

// An empty place that a screen fills, at `zoom` percent.
void MnPlace(CResourceReader@ r, const string &in name, int x, int y, int layer, int zoom,
             int total) {
  r.CreateSpriteObjectData(name);
  r.AddOffset(x, y, 0, total);
  r.AddZoom(zoom, zoom, 0, total);
  r.AddLayer(layer, total);
}

// The buttons, the highlight, the portraits and the high-score rows.
void MenuPieces(CResourceReader@ r) {
  r.CreateModule('interfaces');
  MnButton(r, 'menu_item', {art:button_out}, {art:button_over}, {art:button_down});
  KhText(r, '_text', {t:mn_caption}, 0, -1, 1, 400);
  MnHiddenWhenDisabled(r);
  MnButton(r, 'round_back', {art:round_buttons_left_up}, {art:round_buttons_left_over},
           {art:round_buttons_left_down});
  MnButton(r, 'round_next', {art:round_buttons_right_up}, {art:round_buttons_right_over},
           {art:round_buttons_right_down});

  // The highlight glows softly while it waits under a button.
  r.CreateAnimationData('menu_select');
  r.AddNamedPart('all', 0, 1200, 0);
  KhSprite(r, 'glow', {art:menu_select}, 0, 0, 0, 1200);
  r.AddOpaque(255, 1, 600);
  r.AddOpaque(170, 1, 600);
  r.AddOpaque(255, 0, 0);

  for (int id = 0; id < 8; ++id) {
    r.CreateAnimationData('pers_' + id);
    r.AddNamedPart('all', 0, 1000, 0);
    KhSprite(r, 'face', {art:faces_pers_0} + id, 0, 0, 0, 1000);
  }

  // Eight rows 40 pixels apart: a medal band, the portrait, the name and the total.
  r.CreateAnimationData('score_table');
  r.AddNamedPart('all', 0, 1000, 0);
  for (int n = 1; n <= 8; ++n) {
    int y = -146 + (n - 1) * 40;
    int band = n <= 3 ? {art:score_rows_gold} + n - 1 : {art:score_rows_plain};
    KhSprite(r, 'row_' + n, band, 0, y, 0, 1000);
    MnPlace(r, '_icon_' + n, -170, y, 2, 50, 1000);
    KhText(r, '_text_' + n, {t:mn_name}, -135, y, 1, 1000);
    KhText(r, '_num_' + n, {t:mn_total}, 215, y, 1, 1000);
  }
}

// A layout's frame from layer `base` up: the screen below dimmed, the board fading in and
// out with its title on the ribbon.
void MnBoard(CResourceReader@ r, int base, int board, int title, int titleY) {
  ShowIdleHide(r, 300, 1000, 300);
  KhSprite(r, 'dim', {art:hud_pieces_night}, 0, 0, base, 1600);
  r.AddZoom(1667, 1250, 0, 1600);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(150, 0, 1000);
  r.AddOpaque(150, 1, 300);
  r.AddOpaque(0, 0, 0);
  KhSprite(r, 'board', board, 0, 0, base + 10, 1600);
  KhFade(r, 300, 1000, 300);
  KhText(r, 'title', title, 0, titleY, base + 12, 1600);
  r.AddZoom(130, 130, 0, 1600);
  KhFade(r, 300, 1000, 300);
}

// A part of a layout that fades with its board.
void MnItem(CResourceReader@ r, const string &in name, const string &in kind, int x, int y,
            int layer) {
  KhPlace(r, name, 'interfaces', kind, x, y, layer, 1600);
  KhFade(r, 300, 1000, 300);
}

void MnExtras(CResourceReader@ r) {
  r.CreateAnimationData('extras');
  ShowIdleHide(r, 300, 1000, 300);
  KhSprite(r, 'background', {art:menu_background}, 0, 0, 0, 1600);
  KhSprite(r, 'board', {art:menu_board}, 0, 10, 10, 1600);
  KhFade(r, 300, 1000, 300);
  KhText(r, 'title', {t:mn_title_extras}, 0, -184, 12, 1600);
  r.AddZoom(130, 130, 0, 1600);
  KhFade(r, 300, 1000, 300);
  MnItem(r, '_select', 'menu_select', 0, {row1}, 14);
  MnItem(r, '_item_settings', 'menu_item', 0, {row1}, 16);
  MnItem(r, '_item_help', 'menu_item', 0, {row2}, 16);
  MnItem(r, '_item_cookbook', 'menu_item', 0, {row3}, 16);
  MnItem(r, '_item_credits', 'menu_item', 0, {row4}, 16);
  MnItem(r, '_item_back', 'round_back', 0, {back}, 16);
}

// Line n of the credits, 38 pixels below the one before.
void MnLine(CResourceReader@ r, int n, int text) {
  KhText(r, 'line_' + n, text, 0, -90 + (n - 2) * 38, 112, 1600);
  KhFade(r, 300, 1000, 300);
}

void MnCredits(CResourceReader@ r) {
  r.CreateAnimationData('credits');
  MnBoard(r, 100, {art:wide_board}, {t:mn_title_credits}, -209);
  KhText(r, 'line_1', {t:mn_credits_1}, 0, -140, 112, 1600);
  r.AddZoom(150, 150, 0, 1600);
  KhFade(r, 300, 1000, 300);
  MnLine(r, 2, {t:mn_credits_2});
  MnLine(r, 3, {t:mn_credits_3});
  MnLine(r, 4, {t:mn_credits_4});
  MnLine(r, 5, {t:mn_credits_5});
  MnLine(r, 6, {t:mn_credits_6});
  MnLine(r, 7, {t:mn_credits_7});
  MnItem(r, '_item_back', 'round_back', -200, 172, 116);
  MnItem(r, '_item_ok', 'menu_item', 60, 172, 116);
}

void MnHelp(CResourceReader@ r) {
  r.CreateAnimationData('help');
  MnBoard(r, 1500, {art:wide_board}, {t:mn_title_help}, -209);
  MnPlace(r, '_help_place', 0, -40, 1512, 100, 1600);
  KhFade(r, 300, 1000, 300);
  MnItem(r, '_item_prev', 'round_back', -230, 172, 1516);
  MnItem(r, '_item_skip', 'menu_item', 0, 172, 1516);
  MnItem(r, '_item_next', 'round_next', 230, 172, 1516);
  MnItem(r, '_item_next_2', 'round_next', 230, 172, 1516);
}

// A page of the manual: a picture in its frame and two lines of text under it.
void MnHelpPage(CResourceReader@ r, int n, int text) {
  r.CreateAnimationData('help_' + n);
  r.AddNamedPart('all', 0, 1000, 0);
  KhSprite(r, 'frame', {art:help_frame}, 0, 0, 0, 1000);
  KhText(r, 'text', text, 0, 150, 1, 1000);
}

void MnHelpPages(CResourceReader@ r) {
  r.CreateModule('help');
  MnHelpPage(r, 1, {t:mn_help_1});
  KhSpriteAt(r, 'customer', {art:customers_girl_waiting}, {hot:customers_girl_waiting}, -50, 68, 2, 1000);
  KhSprite(r, 'bubble', {art:order_bubble}, 55, -22, 3, 1000);
  r.AddZoom(70, 70, 0, 1000);
  KhSpriteAt(r, 'order', {art:ingredient_stands_blueberry}, 5000, 5000, 55, -26, 4, 1000);
  r.AddZoom(80, 80, 0, 1000);

  MnHelpPage(r, 2, {t:mn_help_2});
  KhSpriteAt(r, 'egg', {art:ingredient_stands_egg}, {hot:ingredient_stands_egg}, -95, 64, 2, 1000);
  KhSpriteAt(r, 'cook', {art:cook_walk_down_1}, {hot:cook_walk_down_1}, -20, 72, 3, 1000);
  KhSpriteAt(r, 'mixer', {art:mixer_work_0}, {hot:mixer_work_0}, 75, 64, 2, 1000);

  MnHelpPage(r, 3, {t:mn_help_3});
  KhSprite(r, 'plate', {art:plate}, -50, 20, 2, 1000);
  KhSprite(r, 'serve', {art:delivery_button_up}, -50, 60, 3, 1000);
  KhSpriteAt(r, 'bell', {art:hud_pieces_bell}, 5000, 8800, -110, 56, 3, 1000);
  KhSpriteAt(r, 'customer', {art:customers_man_happy}, {hot:customers_man_happy}, 70, 68, 2, 1000);

  MnHelpPage(r, 4, {t:mn_help_4});
  KhSpriteAt(r, 'cook', {art:cook_happy}, {hot:cook_happy}, -60, 72, 2, 1000);
  KhSpriteAt(r, 'ribbon', {art:map_ribbons_gold}, 5000, 3333, 50, -10, 3, 1000);
  r.AddZoom(130, 130, 0, 1000);
  KhSprite(r, 'points', {art:score_plate}, 50, 55, 3, 1000);
  r.AddZoom(70, 70, 0, 1000);
}

void MnHighScore(CResourceReader@ r) {
  r.CreateAnimationData('high_score');
  MnBoard(r, 1500, {art:wide_board}, {t:mn_title_score}, -209);
  MnItem(r, '_text', 'score_table', 0, 0, 1512);
  MnItem(r, '_item_back', 'round_back', 0, 188, 1516);
}

void ExtrasScreens(CResourceReader@ r) {
  MenuPieces(r);
  r.CreateModule('main_menu');
  MnExtras(r);
  MnCredits(r);
  MnHelp(r);
  MnHighScore(r);
  MnHelpPages(r);
}
)";

constexpr int kRate = 22050;

// A cheerful loop in C major: a bass note and an arpeggio over it, each note plucked and
// fading, four bars of four beats at 120 beats a minute; the end joins the start.
std::vector<float> MainMenuTune() {
  constexpr double kBeat = 0.5;
  const double chords[4][3] = {{261.63, 329.63, 392.00},
                               {220.00, 261.63, 329.63},
                               {174.61, 220.00, 261.63},
                               {196.00, 246.94, 293.66}};
  const int beat = static_cast<int>(kBeat * kRate);
  std::vector<float> samples(static_cast<std::size_t>(16 * beat), 0.0f);
  const auto pluck = [&](double hz, int start, int length, double volume) {
    for (int i = 0; i < length && start + i < static_cast<int>(samples.size()); ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double envelope = std::min(1.0, i / 100.0) * std::exp(-5.0 * t);
      samples[static_cast<std::size_t>(start + i)] +=
          static_cast<float>(volume * envelope * std::sin(2.0 * std::numbers::pi * hz * t));
    }
  };
  for (int bar = 0; bar < 4; ++bar) {
    pluck(chords[bar][0] / 2.0, bar * 4 * beat, 4 * beat, 0.25);
    const int order[4] = {0, 1, 2, 1};
    for (int n = 0; n < 4; ++n) pluck(chords[bar][order[n]] * 2.0, (bar * 4 + n) * beat, beat, 0.2);
  }
  return samples;
}

// A short tune of rising and falling thirds, looped as the manual's music.
std::vector<std::uint8_t> GameMenuTune() {
  return EncodeSampleTune({523.3, 659.3, 784.0, 659.3, 587.3, 698.5, 880.0, 698.5, 523.3, 659.3,
                           784.0, 1046.5, 784.0, 659.3, 587.3, 523.3},
                          0.3, 5.0);
}

}  // namespace

const std::vector<SampleText>& MenusScreenTexts() {
  return kTexts;
}

const std::vector<TitleButtonPlace>& TitleButtonPlaces() {
  return kButtons;
}

std::string MakeMenusScreensScript(const std::string& before) {
  std::string script = std::string(kScript) + kExtrasScript;
  FillTextInfos(script, CountScriptCalls(before, "r.AddTextInfo("), kTextInfos);
  std::string buttons, places;
  for (const TitleButtonPlace& b : kButtons) {
    const std::string name = b.name;
    buttons += "  TitleButton(r, '" + name + "', {art:title_icons_" + name + "});\n";
    places += "  TitlePlace(r, '" + name + "', " + std::to_string(b.x - 400) + ", " +
              std::to_string(b.y - 300) + ");\n";
  }
  for (const auto& [mark, text] : {std::pair{"{buttons}", buttons}, std::pair{"{places}", places}})
    script.replace(script.find(mark), std::string(mark).size(), text);
  // The extras menu's offsets are from the screen's middle.
  for (int row = 0; row < 4; ++row)
    FillScriptNumber(script, "row" + std::to_string(row + 1), kExtrasButtonY[row] - 300);
  FillScriptNumber(script, "back", kExtrasBackY - 300);
  FillArtSprites(script, before);
  return script;
}

bool WriteMenusScreenSounds(const std::filesystem::path& outDir) {
  bool ok = WriteContentFile(outDir, "Sound/music_main_menu.ogg",
                             pm::codecs::EncodeOgg(MainMenuTune(), kRate, 1, 0.4f));
  ok =
      WriteContentFile(outDir, "Sound/click_menu.ogg", EncodeSampleTone(1000.0, 760.0, 0.07)) && ok;
  ok = WriteContentFile(outDir, "Sound/music_game_menu.ogg", GameMenuTune()) && ok;
  // The portraits sweep in with a rising chime and out with a falling one.
  ok =
      WriteContentFile(outDir, "Sound/face_fadein.ogg", EncodeSampleTone(600.0, 1200.0, 0.4)) && ok;
  return WriteContentFile(outDir, "Sound/face_fadeout.ogg", EncodeSampleTone(1200.0, 600.0, 0.4)) &&
         ok;
}
