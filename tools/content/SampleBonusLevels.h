#pragma once

#include <string>
#include <vector>

#include "tools/content/SampleResources.h"

// The sample content of the bonus levels:
// - the bonus items "Items.cup", "spoon", "teapot", "apple", "vase", "book" and "key", each
//   standing on its position, with "_idle";
// - "levels.bonus_diference", the spot-the-difference scene: one room painted twice (x 0-400
//   and 400-800) with parts "_idle", "_night" and "all", and the places "_panel" (the
//   counter, text "_number", part "_show"), "_ring", "_plate", "_clock", "_sun" and "_dark";
// - "levels.bonus_place_in", the place-in scene: its own room painted twice as above, with
//   the same places but "_list" for "_panel": the tray of waiting items along the bottom
//   (parts "_hide" and "_show", "_item_place" at its left end, room for four items);
// - "levels.bonus_ispy" and "levels.bonus_ispy_dark", the hidden-object room on the
//   kitchen's floor, by light and in the dark, with parts "_idle", "_night" and "all" and
//   the kitchen's places "_sun", "_clock", "_ring", "_plate" and "_dark";
// - "bonus.bonus_back_4", the hidden-object list panel (parts "_hide", "_show", texts
//   "_number" and "_item_placeghgf", place "_item_place"), drawn on layer 2100 along the top
//   of the screen when made at its middle;
// - "main_menu.level_start", the count-down "3", "2", "1", "Go!" in its parts "_part_1" to
//   "_part_4".
//
// Its pictures are sheets of the sample art; the part of the resource script goes after the
// kitchen HUD's, whose helpers it uses, and its text infos are numbered after those that
// `before` (the script so far) declares.
std::string MakeBonusLevelsScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& BonusLevelsTexts();
