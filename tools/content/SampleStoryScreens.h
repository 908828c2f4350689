#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "tools/content/SampleResources.h"

// The sample content of the story screens, drawn from the sample art:
// - the dialogue's layout "dialog.dialog_screen" (places "_back_place", "_pers_place",
//   "_baloon_place", the text "_text", the items "next", "skip", "yes" and "no"), its frame
//   "dialog.back" (child 0 the place of the stage's background "dialog.background_1" or
//   "_2"), a scene per dialogue with the places "_ginger", "_pers_place_1" and "_2", the
//   characters "dialog.ginger" and "dialog.customer" (poses "pose_1" to "pose_3", "_text"),
//   the balloons "dialog.baloon_left" and "_right" (sized to their text) and "_left_2" and
//   "_right_2" (short lines), each with child 1 its white body, "_text" and "_show"/"_hide",
//   and the balloon's text "dialog.text_dialog";
// - the comics "comics.comics_1" to "_3": "_show", "_idle", "_hide" and the panels
//   "_part_1" to "_part_3";
// - the dialogue records (the story of the first stage, its question, the closing pair), the
//   speakers' balloon colours, their texts, the music "musik_1" and "musik_2", and the sound
//   "Game_won".

// The resource script's part; `before` (the script so far) holds the art's sprites.
std::string MakeStoryScreensScript(const std::string& before);

// Its texts, to be appended to the text table.
const std::vector<SampleText>& StoryScreenTexts();

// The dialogue records and the balloon colours.
void AddStoryScreenData(GameData& data);

// "Sound/<name>.ogg" of the stages' music and the closing comic's cheer.
bool WriteStoryScreenSounds(const std::filesystem::path& outDir);
