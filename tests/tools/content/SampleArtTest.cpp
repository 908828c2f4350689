#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tools/content/ArtCanvas.h"
#include "tools/content/ArtSources.h"
#include "tools/content/SampleArt.h"
#include "tools/content/SampleCookBook.h"
#include "tools/content/SampleFrameworkScreens.h"
#include "tools/content/SampleMapScreens.h"
#include "tools/content/SampleParticles.h"
#include "tools/content/SampleResources.h"

namespace {

// The icons' middles are the colours their table documents, cell k at row k / columns.
TEST(SampleArtTest, IconCellsHaveTheirListedColoursInTheMiddle) {
  for (const auto& [sheetName, icons] :
       {std::pair{"icons_ingredients", &IngredientIcons()}, {"icons_dishes", &DishIcons()}}) {
    const ArtSheet* sheet = FindArtSheet(sheetName);
    ASSERT_NE(sheet, nullptr);
    const std::vector<std::uint32_t> px = DrawArtSheet(*sheet);
    ASSERT_EQ(px.size(), static_cast<std::size_t>(sheet->width) * sheet->height);
    const int columns = sheet->width / sheet->cellWidth;
    ASSERT_EQ(icons->size(),
              static_cast<std::size_t>(columns * (sheet->height / sheet->cellHeight)));
    for (std::size_t k = 0; k < icons->size(); ++k) {
      const int x = static_cast<int>(k) % columns * sheet->cellWidth + sheet->cellWidth / 2;
      const int y = static_cast<int>(k) / columns * sheet->cellHeight + sheet->cellHeight / 2;
      EXPECT_EQ(px[static_cast<std::size_t>(y) * sheet->width + x], (*icons)[k].centre)
          << sheetName << " " << (*icons)[k].id;
      // The cell's corner is clear: icons stand free.
      const int corner = (y - sheet->cellHeight / 2) * sheet->width + x - sheet->cellWidth / 2;
      EXPECT_EQ(px[static_cast<std::size_t>(corner)] >> 24, 0u) << (*icons)[k].id;
    }
  }
}

// The same source gives the same bytes, so the pack and golden pictures stay put.
TEST(SampleArtTest, DrawingIsDeterministic) {
  const ArtSheet* cook = FindArtSheet("cook");
  ASSERT_NE(cook, nullptr);
  const auto first = DrawArtSheetPng(*cook);
  EXPECT_FALSE(first.empty());
  EXPECT_EQ(DrawArtSheetPng(*cook), first);
}

TEST(SampleArtTest, AMissingFileOrFrameFailsInsteadOfDrawingNothing) {
  ArtCanvas canvas(8, 8);
  EXPECT_FALSE(canvas.Draw("no_such_picture.svg", "", 0, 0, 8, 8));
  EXPECT_FALSE(canvas.Draw("cook.svg", "no_such_frame", 0, 0, 8, 8));
  EXPECT_TRUE(canvas.Draw("cook.svg", "idle_0", 0, 0, 8, 8));
  ArtSheet broken = *FindArtSheet("cook");
  broken.frames.back() = "no_such_frame";
  EXPECT_TRUE(DrawArtSheet(broken).empty());
  EXPECT_TRUE(DrawArtSheetPng(broken).empty());
}

// Every SVG file is drawn by some texture, and every frame fits its texture.
TEST(SampleArtTest, EverySourceIsUsedAndEveryFrameFits) {
  std::vector<ArtSheet> sheets = SampleTextures();
  for (const auto& list :
       {FrameworkScreenSheets(), SampleArtSheets(), MapScreenSheets(), CookBookPageSheets()})
    sheets.insert(sheets.end(), list.begin(), list.end());
  sheets.push_back(ParticleDotSheet());
  for (const SplashImage& splash : SampleSplashImages()) sheets.push_back(splash.art);
  sheets.push_back(SampleIconArt());
  std::set<std::string> used;
  for (const ArtSheet& sheet : sheets) {
    used.insert(sheet.file);
    ArtSheet cells = sheet;
    cells.wholeSheetSprite = false;
    for (const ArtSprite& s : ArtSprites(cells)) {
      EXPECT_LE(s.x + s.width, sheet.width) << s.name;
      EXPECT_LE(s.y + s.height, sheet.height) << s.name;
    }
  }
  for (const ArtSource& source : ArtSources())
    EXPECT_TRUE(used.contains(std::string(source.file))) << source.file;
}

// The script names every art sprite at its place, and later parts find them by name.
TEST(SampleArtTest, ScriptListsTheSpritesAndLaterPartsNameThem) {
  const std::string script = MakeResourceScript();
  const ArtSheet& cook = *FindArtSheet("cook");
  const std::vector<ArtSprite> sprites = ArtSprites(cook);
  ASSERT_EQ(sprites.size(), cook.frames.size());
  EXPECT_EQ(sprites[3].name, "cook_walk_down_0");
  EXPECT_EQ(sprites[7].x, 64);  // row 1, column 1 of six
  EXPECT_EQ(sprites[7].y, 96);
  EXPECT_NE(script.find("r.AddHGESpriteInfo('cook_walk_down_0', "), std::string::npos);
  EXPECT_NE(script.find("IconSheet(r, 'icons_ingredients', "), std::string::npos);
  EXPECT_EQ(ArtSprites(*FindArtSheet("icons_dishes")).size(), 1u);  // one over the sheet

  std::string part =
      "r.AddSpriteIDResource({art:cook_idle_0}, 100);\n"
      "r.AddHotspot({hot:cook_idle_0}, 0, 100);\n";
  ASSERT_TRUE(FillArtSprites(part, script));
  const std::string before = script.substr(0, script.find("r.AddHGESpriteInfo('cook_idle_0',"));
  EXPECT_EQ(part, "r.AddSpriteIDResource(" +
                      std::to_string(CountScriptCalls(before, "r.AddHGESpriteInfo(")) +
                      ", 100);\nr.AddHotspot(5000, 9600, 0, 100);\n");
  std::string unknown = "r.AddSpriteIDResource({art:no_such_sprite}, 100);";
  EXPECT_FALSE(FillArtSprites(unknown, script));
  EXPECT_NE(unknown.find("{art:no_such_sprite}"), std::string::npos);
}

}  // namespace
