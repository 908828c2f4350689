#pragma once

#include <string>
#include <vector>

#include "tools/content/SampleResources.h"

// The sample content of the level field and its HUD pieces:
// - "levels.kitchen_1", the sample levels' scene: a kitchen whose floor lies on the levels'
//   floor points, with parts "_idle", "_night" and "all" and the places "_plate", "_ring",
//   "_clock" (hands "_hour", "_min", "_second"), "_sun" and "_dark";
// - the game screen's HUD places "_delivery_progres" and "_flip" (with "_clock",
//   "_second" and "_segment"), in the layout "main_menu.game_screen", with the game
//   screen's buttons "_item_hint", "_item_menu" and "_item_help";
// - "interfaces.item_delivery" and its caption, the balloons "interfaces.balon", "_2" and
//   "_3", the hint box "hints.hint_text", the banners "main_menu.bonus_text" and
//   "interfaces.level_complete_1" to "_4", the bonus-level cursors "bonus.hider" and
//   "bonus.hider_2", and the text backing "interfaces.text_back" with its text line
//   "interfaces.text_line".
//
// Its pictures are sheets of the sample art (tools/content/art). The part of the resource
// script goes after the art's, which it names; its text infos are numbered after those that
// `before` (the script so far) declares.
std::string MakeKitchenHudScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& KitchenHudTexts();

// Where the kitchen's pieces stand on the 800 x 600 screen when the scene is centred.
struct KitchenPlaces {
  static constexpr float plateX = 430.0f, plateY = 228.0f;
  static constexpr float clockX = 96.0f, clockY = 158.0f;
};
