#pragma once

#include <string>
#include <vector>

#include "tools/content/SampleResources.h"

// The sample content of a customer's order:
// - the bubbles "interfaces.zakaz", "interfaces.zakaz_2" (the level-final order),
//   "interfaces.zakaz_3" (the rival's) and "bonus.zakaz_bonus" (a bonus order), each with
//   "_idle", "_show" (the recipe card comes in) and "_hide", the texts "_recept" and
//   "_points", the places "_status", "_pers_place" and "_icon_place", the header "_header",
//   the mood "_fon", the lamps "_ring_2" and "_ring_3" and the card "_list";
// - the card "interfaces.zakaz_list" with "_item_place", "_recept_place", the paid panel
//   "_many" ("interfaces.zakaz_many": texts "_many" and "_tips") and the serve button
//   "_item_delivery" ("interfaces.zakaz_delivery");
// - the customers "interfaces.judge_1" to "_4", each with the moods "_part_1" to "_part_3"
//   (the stand-in for another figure, "interfaces.pers_1", is competitor 1's portrait of the
//   menus' pieces); the frame "interfaces.ramka_1"; the patience bar
//   "interfaces.progress_new"; the lines "interfaces.item" and tabs "interfaces.zakladka";
//   the work badge "interfaces.icon_fon"; the picture shadow "interfaces.icon_shadow";
//   the click sign "interfaces.sign" and a click series' points "bonus.bonus_points"
//   (text "_text");
// - the bonus badges under the sample bonus names ("bonus.time_freeze", ...), each with
//   "_show", "_idle" and "_hide".
// The part of the resource script goes after the art's and the kitchen HUD's, whose helpers
// it calls; its text infos are numbered after those that `before` declares.
std::string MakeOrderBubbleScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& OrderBubbleTexts();
