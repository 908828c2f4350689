#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The sample art: every texture is drawn from an SVG file of tools/content/art (one file per
// picture or per sheet of frames, all in one style: one palette, one outline width, soft
// gradients, rounded shapes). A sheet's frames are elements of its file, drawn each into
// its cell of one atlas texture; the sprite infos and the script lines that name them are
// made from the same table, so pictures and script cannot drift apart.

struct ArtSheet {
  std::string name;  // the texture's script name; its sprites' names start with it
  std::string file;  // in tools/content/art
  int width = 0;     // texture size in pixels
  int height = 0;
  // Frames: the document's view box is one cell; frame k (an element id) goes to cell k,
  // left to right in rows. No frames: the whole document fills the texture.
  int cellWidth = 0;
  int cellHeight = 0;
  std::vector<std::string> frames = {};
  int hotX = 5000;  // every sprite's hot spot, in ten-thousandths of its size
  int hotY = 5000;
  bool wholeSheetSprite = false;  // one sprite over the whole sheet (icon sheets) per frame else
  bool jpeg2000 = false;          // "Texture\<n>.jp2" with the mask "Texture\m_<n>.gif"
  std::string style = {};  // CSS over the file's own styles: the same drawing in other colours
};

struct ArtSprite {
  std::string name;  // "cook_idle_0": the sheet's name and the frame's id; else the sheet's name
  int x, y, width, height;
};
std::vector<ArtSprite> ArtSprites(const ArtSheet& sheet);

// The sheet's pixels (0xAARRGGBB, straight alpha); empty, with a message naming the file,
// when its file or one of its frames is missing or broken.
std::vector<std::uint32_t> DrawArtSheet(const ArtSheet& sheet);
class ArtCanvas;
bool DrawArtSheet(const ArtSheet& sheet, ArtCanvas& canvas);  // onto a canvas of its size
// The same as a PNG.
std::vector<std::uint8_t> DrawArtSheetPng(const ArtSheet& sheet);
// "Texture/<number>.png", or the JPEG-2000 picture and its GIF mask.
bool WriteArtTexture(const std::filesystem::path& outDir, int number, const ArtSheet& sheet);

// The icon sheets' cells: each cell's element id and the colour of its centre pixel, which
// the tests check (cell k of "icons_ingredients" is row k / 8, column k % 8).
struct ArtIcon {
  std::string id;
  std::uint32_t centre;  // 0xFFRRGGBB
};
const std::vector<ArtIcon>& IngredientIcons();
const std::vector<ArtIcon>& DishIcons();

// The jacket of the cook's dresses 1 to 4 (light and dark tone); dress 0 wears white. The
// cook and the outfits' hangers wear them.
struct JacketColours {
  const char* light;
  const char* dark;
};
inline constexpr JacketColours kDressJackets[] = {
    {"#FFD0DC", "#F7A1B5"}, {"#CDEBF5", "#7EC8E3"}, {"#C8EBBE", "#7CC46A"}, {"#E3D2F2", "#9B6BC3"}};
// A style sheet that recolours the drawing's gradient "jacket".
std::string JacketStyle(const JacketColours& jacket);

// The kitchen's and the screens' art, after every other texture of the script.
const std::vector<ArtSheet>& SampleArtSheets();
const ArtSheet* FindArtSheet(const std::string& name);

// The script part: a texture and its sprite infos per sheet, and the icon sheets'
// animations "Devices.icons_ingredients" and "Devices.icons_dishes". Numbered after those
// that `before` declares.
std::string MakeArtResourceScript(const std::string& before);
bool WriteSampleArt(const std::filesystem::path& outDir);

// Later parts of the script name art sprites by name: "{art:cook_idle_0}" becomes the
// sprite's number in `script` (which holds the art part) and "{hot:cook_idle_0}" its hot
// spot "x, y". False, leaving the mark, when the sprite is unknown.
bool FillArtSprites(std::string& part, const std::string& script);

// A picture of every sprite with its name under it, for a person to review the art.
bool WriteContactSheet(const std::filesystem::path& png);
