#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/app/GameData.h"
#include "tools/content/SampleArt.h"

// The sample content of the cook book: the six frame pieces of a printed recipe page,
// "cookingbook.top_left", "top_centr", "top_right", "bottom_left", "bottom_centr" and
// "bottom_right", cut from the atlas "cookingbook_frame", each its own colour with one
// transparent corner; and a picture per sample dish ("Dishes.batter", ...) from the atlas
// "dishes". Each animation's first drawable is its sprite.

struct SampleCookBookPiece {
  const char* name;         // the object name, also the sprite's
  int x, y, width, height;  // in its atlas
  std::uint32_t colour;     // ARGB of its middle
};
// The frame pieces, then the dishes.
const std::vector<SampleCookBookPiece>& SampleCookBookFrame();
const std::vector<SampleCookBookPiece>& SampleDishPictures();

// The resource script's part, numbered after the textures and sprite infos that `before`
// (the script so far) declares.
std::string MakeCookBookScript(const std::string& before);

// The cook book's pages, drawn from tools/content/art: "cookingbook.page_1" and "page_2"
// (paper, its first drawable hosting the page's elements, and the text "_number"),
// "cookingbook.page_empty_1" and "_2", the page mask texture "cookbook_page_1" (clear in
// the page's rounded corners), and the elements "cookingbook.heading", "text", "frame" and
// "divider", each with its text "_text". Numbered after what `before` declares.
std::string MakeCookBookPagesScript(const std::string& before);
const std::vector<ArtSheet>& CookBookPageSheets();
constexpr int kSamplePageWidth = 320;
constexpr int kSamplePageHeight = 480;

// The screen: its layout "cookingbook.cookbook_screen" (the open book, the parts
// "_item_zakladka_1" to "_8" hosting the sections' tabs "cookingbook.zakladka_1" to "_8",
// "_item_back", "_item_prev", "_item_print" and "_item_next") comes with the pages' part.

// The two atlases, the pages' and the screen's textures under the numbers the resource script
// gives them, the page-turn sound and the print button's sparkle "Particle/print.fgp".
bool WriteSampleCookBook(const std::filesystem::path& outDir);

// Sound 24, the page turn.
void AddCookBookSounds(GameData& data);
