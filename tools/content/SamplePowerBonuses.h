#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/content/SampleResources.h"

// The sample content of the power-up bonuses:
// - their banners "bonus_name_1" to "bonus_name_5" (no module; "all" drops in, holds and
//   fades out);
// - "bonus.ice" over the level clock's dial and "bonus.ice_str" on its hand, "bonus.chain"
//   over an order's patience bar, each with "_show" and "_hide";
// - the pictures under the bonus records' second names ("bonus.time_freeze_icon", ...),
//   which show on the random bonus's icon once it is drawn ("_show").
// The part of the resource script goes after the art's and the kitchen HUD's, whose helpers
// it calls; its text infos are numbered after those that `before` declares.
std::string MakePowerBonusesScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& PowerBonusTexts();

// "Sound/<record name>.ogg" for every bonus record, the cook's sparkle "Particle/lilu.fgp"
// and the busy particles of the working devices ("Particle/mixer.fgp", "griddle.fgp",
// "stove.fgp", "UPG_mixer.fgp").
bool WritePowerBonusFiles(const std::filesystem::path& outDir);
