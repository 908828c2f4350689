#include "tools/content/SampleArt.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "tools/codecs/ImageEncoders.h"
#include "tools/content/ArtCanvas.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleResources.h"

namespace {

constexpr const char* kArtMark = "\n// The sample art:";

// The alpha bytes of 0xAARRGGBB pixels as a grey GIF (index = grey), rows from the top.
std::vector<std::uint8_t> EncodeGifMask(int width, int height,
                                        const std::vector<std::uint32_t>& argb) {
  pm::codecs::GifImage mask;
  mask.screenW = mask.w = width;
  mask.screenH = mask.h = height;
  mask.palette = pm::codecs::GreyPalette();
  mask.indices.reserve(argb.size());
  for (std::uint32_t px : argb) mask.indices.push_back(static_cast<std::uint8_t>(px >> 24));
  return pm::codecs::EncodeGif(mask);
}

std::vector<std::string> Ids(const std::vector<ArtIcon>& icons) {
  std::vector<std::string> ids;
  for (const ArtIcon& icon : icons) ids.push_back(icon.id);
  return ids;
}

// A device: idle, two working frames, done (ready to take) and highlighted (under the
// cursor), its hot spot at the middle of its base.
ArtSheet Device(const std::string& name) {
  return {name, name + ".svg", 480, 96, 96, 96, {"idle", "work_0", "work_1", "done", "highlight"},
          5000, 9000};
}

// The cook's frames; with a dress, her jacket in its colours.
ArtSheet CookSheet(const std::string& name, const JacketColours* jacket = nullptr) {
  ArtSheet sheet = {name,
                    "cook.svg",
                    384,
                    384,
                    64,
                    96,
                    {"idle_0",      "idle_1",      "blink",     "walk_down_0", "walk_down_1",
                     "walk_down_2", "walk_down_3", "walk_up_0", "walk_up_1",   "walk_up_2",
                     "walk_up_3",   "work_0",      "work_1",    "work_2",      "carry_0",
                     "carry_1",     "happy",       "sad",       "wait_0",      "wait_1"},
                    5000,
                    9600};
  if (jacket) sheet.style = JacketStyle(*jacket);
  return sheet;
}

// An outfit on its hanger, in colour and grey; dress 0 wears the drawing's own white.
ArtSheet HangerSheet(int dress) {
  ArtSheet sheet = {
      "hanger_" + std::to_string(dress), "hanger.svg", 192, 112, 96, 112, {"colour", "grey"}};
  if (dress > 0) sheet.style = JacketStyle(kDressJackets[dress - 1]);
  return sheet;
}

std::string SpriteLine(const ArtSprite& s, int texture, int number, const ArtSheet& sheet) {
  char line[256];
  std::snprintf(line, sizeof line,
                "  r.AddHGESpriteInfo('%s', %d, %d, %d, %d, %d);  // sprite %d, hot spot %d, %d\n",
                s.name.c_str(), texture, s.x, s.y, s.width, s.height, number, sheet.hotX,
                sheet.hotY);
  return line;
}

int SpriteNumber(const std::string& script, const std::string& sprite) {
  const auto at = script.find("r.AddHGESpriteInfo('" + sprite + "',");
  return at == std::string::npos ? -1
                                 : CountScriptCalls(script.substr(0, at), "r.AddHGESpriteInfo(");
}

const ArtSheet* SheetOfSprite(const std::string& sprite) {
  for (const ArtSheet& sheet : SampleArtSheets())
    for (const ArtSprite& s : ArtSprites(sheet))
      if (s.name == sprite) return &sheet;
  return nullptr;
}

// Frame k's cell: left to right in rows.
std::pair<int, int> CellOf(const ArtSheet& sheet, std::size_t k) {
  const int columns = sheet.width / sheet.cellWidth;
  return {static_cast<int>(k) % columns * sheet.cellWidth,
          static_cast<int>(k) / columns * sheet.cellHeight};
}

}  // namespace

bool DrawArtSheet(const ArtSheet& sheet, ArtCanvas& canvas) {
  if (sheet.frames.empty())
    return canvas.Draw(sheet.file, "", 0, 0, sheet.width, sheet.height, sheet.style);
  bool ok = true;
  for (std::size_t k = 0; k < sheet.frames.size(); ++k) {
    const auto [x, y] = CellOf(sheet, k);
    ok = canvas.Draw(sheet.file, sheet.frames[k], x, y, sheet.cellWidth, sheet.cellHeight,
                     sheet.style) &&
         ok;
  }
  return ok;
}

std::string JacketStyle(const JacketColours& jacket) {
  return std::string("#jacket stop:first-child { stop-color: ") + jacket.light +
         " } #jacket stop:last-child { stop-color: " + jacket.dark + " }";
}

std::vector<ArtSprite> ArtSprites(const ArtSheet& sheet) {
  if (sheet.frames.empty() || sheet.wholeSheetSprite)
    return {{sheet.name, 0, 0, sheet.width, sheet.height}};
  std::vector<ArtSprite> sprites;
  for (std::size_t k = 0; k < sheet.frames.size(); ++k) {
    const auto [x, y] = CellOf(sheet, k);
    sprites.push_back(
        {sheet.name + "_" + sheet.frames[k], x, y, sheet.cellWidth, sheet.cellHeight});
  }
  return sprites;
}

std::vector<std::uint32_t> DrawArtSheet(const ArtSheet& sheet) {
  ArtCanvas canvas(sheet.width, sheet.height);
  return DrawArtSheet(sheet, canvas) ? canvas.Pixels() : std::vector<std::uint32_t>{};
}

std::vector<std::uint8_t> DrawArtSheetPng(const ArtSheet& sheet) {
  ArtCanvas canvas(sheet.width, sheet.height);
  return DrawArtSheet(sheet, canvas) ? canvas.Png() : std::vector<std::uint8_t>{};
}

bool WriteArtTexture(const std::filesystem::path& outDir, int number, const ArtSheet& sheet) {
  const std::string n = std::to_string(number);
  if (!sheet.jpeg2000) {
    const auto png = DrawArtSheetPng(sheet);
    return !png.empty() && WriteContentFile(outDir, "Texture/" + n + ".png", png);
  }
  // Colour planes only: the alpha comes from the GIF mask.
  const std::vector<std::uint32_t> px = DrawArtSheet(sheet);
  if (px.empty()) return false;
  const auto jp2 = pm::codecs::EncodeJp2Argb(sheet.width, sheet.height, px, 3);
  const auto mask = EncodeGifMask(sheet.width, sheet.height, px);
  return !jp2.empty() && !mask.empty() && WriteContentFile(outDir, "Texture/" + n + ".jp2", jp2) &&
         WriteContentFile(outDir, "Texture/m_" + n + ".gif", mask);
}

const std::vector<ArtIcon>& IngredientIcons() {
  static const std::vector<ArtIcon> icons = {
      {"strawberry", 0xFFE8503A}, {"egg", 0xFFFFF4DC},    {"flour", 0xFFFFFDF6},
      {"milk", 0xFF7EC8E3},       {"butter", 0xFFFFD45A}, {"sugar", 0xFFF7A1B5},
      {"cheese", 0xFFF59A3B},     {"tomato", 0xFFB8322A}, {"mushroom", 0xFFA0643C},
      {"bacon", 0xFFF08A7A},      {"bread", 0xFFD9A066},  {"honey", 0xFFE0A020},
      {"lemon", 0xFFFFE77A},      {"apple", 0xFF7CC46A},  {"chocolate", 0xFF6B3A24},
      {"blueberry", 0xFF3E7CB1},
  };
  return icons;
}

const std::vector<ArtIcon>& DishIcons() {
  static const std::vector<ArtIcon> icons = {
      {"batter", 0xFFFFF4DC},         {"pancakes", 0xFFD9A066}, {"omelette", 0xFFFFD45A},
      {"berry_pancakes", 0xFFE8503A}, {"soup", 0xFFF59A3B},     {"toast", 0xFFE0B070},
      {"salad", 0xFF7CC46A},          {"cake", 0xFFF7A1B5},
  };
  return icons;
}

const std::vector<ArtSheet>& SampleArtSheets() {
  static const std::vector<ArtSheet> sheets = {
      {"kitchen_background", "kitchen_background.svg", 800, 600},
      {"floor_tiles", "floor_tiles.svg", 128, 64, 64, 64, {"light", "dark"}},
      // The cook stands on her hot spot; walking down-right and up-right, mirrored for left.
      CookSheet("cook"),
      // Her dresses of the stage upgrades: the jacket in another colour.
      CookSheet("cook_dress_1", &kDressJackets[0]),
      CookSheet("cook_dress_2", &kDressJackets[1]),
      CookSheet("cook_dress_3", &kDressJackets[2]),
      CookSheet("cook_dress_4", &kDressJackets[3]),
      {"cook_marks",
       "cook_marks.svg",
       128,
       16,
       16,
       16,
       {"work", "idle", "diagonal_down", "diagonal_up", "cancel", "wait", "hide", "blink"}},
      Device("mixer"),
      Device("UPG_mixer"),
      Device("saucepan"),
      Device("griddle"),
      Device("microwave"),
      Device("electric_stove"),
      {"icons_ingredients", "icons_ingredients.svg", 256, 64, 32, 32, Ids(IngredientIcons()), 5000,
       5000, true},
      {"icons_dishes", "icons_dishes.svg", 256, 128, 64, 64, Ids(DishIcons()), 5000, 5000, true},
      // The ingredients the kitchen's stands offer, drawn large from the icons.
      {"ingredient_stands",
       "icons_ingredients.svg",
       256,
       64,
       64,
       64,
       {"egg", "flour", "milk", "blueberry"},
       5000,
       9000},
      // Four customers, each happy, waiting and cross.
      {"customers",
       "customers.svg",
       288,
       288,
       72,
       96,
       {"girl_happy", "girl_waiting", "girl_cross", "man_happy", "man_waiting", "man_cross",
        "granny_happy", "granny_waiting", "granny_cross", "boy_happy", "boy_waiting", "boy_cross"},
       5000,
       10000},
      {"order_bubble", "order_bubble.svg", 160, 120},
      // The order bubble's pieces, its recipe card, its long pieces and the special frame.
      {"order_pieces",
       "order_pieces.svg",
       384,
       144,
       48,
       48,
       {"mood_1", "mood_2", "mood_3", "lamp_idle", "lamp_bed", "lamp_done", "lamp_ready",
        "lamp_work", "shadow", "icon_fon", "header", "bonus_time_freeze", "bonus_cook_time",
        "bonus_stop_timer", "bonus_quality", "bonus_light", "bonus_random"}},
      // An item line's icon slot, drawn smaller: the width the line's picture centres on.
      {"order_slot", "order_pieces.svg", 32, 32, 32, 32, {"slot"}},
      {"order_bars",
       "order_bars.svg",
       224,
       40,
       112,
       20,
       {"bar_frame", "bar_fill", "strike", "tab"}},
      {"order_card", "order_card.svg", 160, 256},
      {"order_frame", "order_frame.svg", 80, 96},
      // The sign over a clicked object and the ribbon of a click series' points.
      {"click_marks", "click_marks.svg", 192, 48, 64, 48, {"sign", "points", "failed"}},
      {"plate", "plate.svg", 80, 48},
      // The steam puff the plate's fog draws with.
      {"particles_3", "particles_3.svg", 32, 32},
      {"cloche", "cloche.svg", 76, 56},
      {"delivery_button",
       "delivery_button.svg",
       448,
       48,
       112,
       48,
       {"up", "over", "down", "disabled"}},
      {"wall_clock",
       "wall_clock.svg",
       320,
       80,
       80,
       80,
       {"face", "hand_long", "hand_short", "hand_second"}},
      {"score_plate", "score_plate.svg", 200, 56},
      {"standings_plate", "standings_plate.svg", 200, 128},
      {"map_background", "map_background.svg", 800, 600},
      {"level_ribbons",
       "level_ribbons.svg",
       256,
       96,
       128,
       48,
       {"locked", "open", "current", "done"}},
      {"curtain", "curtain.svg", 256, 512},
      {"portraits", "portraits.svg", 320, 200, 160, 200, {"cook", "customer"}, 5000, 10000},
      // The level field's HUD pieces and banners.
      {"hud_pieces",
       "hud_pieces.svg",
       432,
       48,
       48,
       48,
       {"bell", "sun", "night", "text_back", "hider", "hider_2", "dial", "dial_hand", "segment"}},
      {"balloons", "balloons.svg", 528, 88, 176, 88, {"down_left", "up", "down_right"}},
      // The contest's place ribbons by place, and the glow behind the player's.
      {"standings_ribbons",
       "standings_ribbons.svg",
       520,
       48,
       104,
       48,
       {"gold", "silver", "bronze", "plain", "glow"}},
      {"banner", "banner.svg", 384, 96},
      {"bonus_effects", "bonus_effects.svg", 384, 64, 128, 64, {"ice", "ice_str", "chain"}},
      {"hint_box", "hint_box.svg", 272, 128},
      {"last_stage_board", "last_stage_board.svg", 400, 220},
      {"hint_close", "hint_close.svg", 160, 40, 40, 40, {"up", "over", "down", "disabled"}},
      {"hud_buttons",
       "hud_buttons.svg",
       448,
       64,
       64,
       64,
       {"up", "over", "down", "disabled", "hint", "menu", "help"}},
      {"tip_balloon", "tip_balloon.svg", 256, 64},
      {"level_clock", "level_clock.svg", 256, 56, 128, 56, {"open", "closed"}},
      {"delivery_bar", "delivery_bar.svg", 336, 24, 168, 24, {"frame", "fill"}},
      // The title screen's buttons, their icons (and the second cursor), ribbon and hint plate.
      {"title_buttons", "title_buttons.svg", 448, 112, 224, 56, {"up", "over", "down", "disabled"}},
      {"title_icons",
       "title_icons.svg",
       336,
       48,
       48,
       48,
       {"play", "options", "help", "hight_score", "new_player", "quit", "cursor"}},
      {"title_ribbon", "title_ribbon.svg", 416, 80},
      {"title_plate", "title_plate.svg", 360, 44},
      // The menu screens' boards, highlight, arrow buttons, portraits and table rows.
      {"menu_board", "menu_board.svg", 360, 470},
      {"wide_board", "wide_board.svg", 640, 480},
      {"menu_select", "menu_select.svg", 272, 72},
      {"round_buttons",
       "round_buttons.svg",
       384,
       64,
       64,
       64,
       {"left_up", "left_over", "left_down", "right_up", "right_over", "right_down"}},
      {"faces",
       "faces.svg",
       320,
       160,
       80,
       80,
       {"pers_0", "pers_1", "pers_2", "pers_3", "pers_4", "pers_5", "pers_6", "pers_7"}},
      {"help_frame", "help_frame.svg", 300, 200},
      {"score_rows", "score_rows.svg", 480, 176, 480, 44, {"gold", "silver", "bronze", "plain"}},
      // The result screens: their backdrop and card, the place ribbons (standing on the
      // rosette's middle) and the stages' countries.
      {"results_backdrop", "results_backdrop.svg", 800, 600},
      {"results_board", "results_board.svg", 480, 360},
      {"results_ribbons",
       "results_ribbons.svg",
       448,
       144,
       112,
       144,
       {"ribbon_1", "ribbon_2", "ribbon_3", "ribbon_4"},
       5000,
       3819},
      {"results_countries",
       "results_countries.svg",
       576,
       208,
       144,
       104,
       {"country_1", "country_2", "country_3", "country_4", "country_5", "country_6", "country_7",
        "country_8"}},
      // The bonus levels: the spot-the-difference room and the items.
      {"bonus_room", "bonus_room.svg", 400, 600},
      {"bonus_items",
       "bonus_items.svg",
       448,
       64,
       64,
       64,
       {"cup", "spoon", "teapot", "apple", "vase", "book", "key"}},
      {"placein_room", "placein_room.svg", 400, 600},
      {"placein_tray", "placein_tray.svg", 300, 84},
      // The hidden-object room, its list panel and the dark room's veil.
      {"ispy_room", "ispy_room.svg", 800, 600},
      {"ispy_panel", "ispy_panel.svg", 560, 96},
      {"ispy_veil", "ispy_veil.svg", 800, 600},
      // The menus' board, the player list's pad, the check box and the volume signs.
      {"menu_panel", "menu_panel.svg", 560, 400},
      {"menu_list", "menu_list.svg", 340, 124},
      {"menu_icons",
       "menu_icons.svg",
       192,
       32,
       32,
       32,
       {"box_off", "box_on", "box_off_over", "box_on_over", "music", "sound"}},
      // The unlock screens: their board, the cook's outfits on hangers (shared with the
      // trophy room), the stages' recipe cards, an ingredient's tile and a dish's plate, and
      // the maple syrup that the first level brings in.
      {"unlock_board", "unlock_board.svg", 520, 400},
      HangerSheet(0),
      HangerSheet(1),
      HangerSheet(2),
      HangerSheet(3),
      HangerSheet(4),
      {"recipe_cards",
       "recipe_cards.svg",
       448,
       272,
       112,
       136,
       {"stage_1", "stage_2", "stage_3", "stage_4", "stage_5", "stage_6", "stage_7"}},
      {"unlock_pieces", "unlock_pieces.svg", 288, 104, 144, 104, {"tile", "shelf"}},
      {"maple_syrup", "maple_syrup.svg", 48, 80, 0, 0, {}, 5000, 9000},
      // A stage's end: the competitors cheering or dropping out (standing on their feet),
      // the podium, the cups with the stages' bows, the player's light, the small pennant of
      // a place after the cups, a name plate and the packed suitcase of a rival who left.
      {"stage_figures",
       "stage_figures.svg",
       1280,
       400,
       160,
       200,
       {"big_0", "big_1", "big_2", "big_3", "big_4", "big_5", "big_6", "big_7", "bad_0", "bad_1",
        "bad_2", "bad_3", "bad_4", "bad_5", "bad_6", "bad_7"},
       5000,
       10000},
      {"stage_podium", "stage_podium.svg", 540, 112},
      {"stage_cups",
       "stage_cups.svg",
       864,
       128,
       96,
       128,
       {"cup_1", "cup_2", "cup_3", "bow_1", "bow_2", "bow_3", "bow_4", "bow_5", "bow_6"}},
      {"cup_light", "cup_light.svg", 192, 192},
      {"stage_ribbon", "stage_ribbon.svg", 100, 124},
      {"name_plate", "name_plate.svg", 240, 56},
      {"suitcase", "suitcase.svg", 160, 144},
      // The story: the dialogues' scenes, frame, characters (standing on their feet) and
      // balloons, whose hot spots the script sets at their tails; the comics' page, panel
      // frame and caption strip.
      {"dialog_background_1", "dialog_background_1.svg", 800, 600},
      {"dialog_background_2", "dialog_background_2.svg", 800, 600},
      {"dialog_frame", "dialog_frame.svg", 800, 600},
      {"dialog_characters",
       "dialog_characters.svg",
       1200,
       320,
       200,
       320,
       {"ginger_1", "ginger_2", "ginger_3", "customer_1", "customer_2", "customer_3"},
       5000,
       10000},
      {"dialog_balloons", "dialog_balloons.svg", 480, 104, 240, 104, {"left", "right"}},
      {"dialog_balloons_small", "dialog_balloons_small.svg", 280, 96, 140, 96, {"left", "right"}},
      {"comics_page", "comics_page.svg", 800, 600},
      {"comics_panel", "comics_panel.svg", 336, 256},
      {"comics_caption", "comics_caption.svg", 300, 40},
      // The trophy room: its backdrop, the changing corner's curtain halves, a wardrobe
      // place behind an outfit, and the souvenirs, won and not yet.
      {"trophy_room", "trophy_room.svg", 800, 600},
      {"room_pieces", "room_pieces.svg", 192, 248, 96, 248, {"left", "right"}},
      {"room_frame", "room_frame.svg", 224, 136, 112, 136, {"plain", "glow"}},
      {"souvenirs",
       "souvenirs.svg",
       384,
       96,
       96,
       96,
       {"whisk", "whisk_grey", "plate", "plate_grey"}},
  };
  return sheets;
}

const ArtSheet* FindArtSheet(const std::string& name) {
  const auto& sheets = SampleArtSheets();
  const auto it = std::find_if(sheets.begin(), sheets.end(),
                               [&name](const ArtSheet& s) { return s.name == name; });
  return it == sheets.end() ? nullptr : &*it;
}

std::string MakeArtResourceScript(const std::string& before) {
  int texture = CountScriptCalls(before, "r.AddTexture(");
  int sprite = CountScriptCalls(before, "r.AddHGESpriteInfo(");
  std::string script =
      std::string(kArtMark) + R"( every texture drawn from tools/content/art, with its
// sprites; the hot spot in each comment is where the sprite stands.
void Art(CResourceReader@ r) {
)";
  std::string iconSheets;
  for (const ArtSheet& sheet : SampleArtSheets()) {
    script +=
        "  r.AddTexture('" + sheet.name + "');  // Texture\\" + std::to_string(texture) + "\n";
    for (const ArtSprite& s : ArtSprites(sheet)) {
      if (sheet.wholeSheetSprite)
        iconSheets += "  IconSheet(r, '" + s.name + "', " + std::to_string(sprite) + ");\n";
      script += SpriteLine(s, texture, sprite++, sheet);
    }
    ++texture;
  }
  return script + iconSheets + R"(}

// An icon sheet where the sprite cache looks for it: the sprite of the first object of
// "Devices.<sheet>".
void IconSheet(CResourceReader@ r, const string &in name, int sprite) {
  r.CreateModule('Devices');
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 100, 1);
  r.CreateSpriteObjectData('sheet');
  r.AddSpriteIDResource(sprite, 100);
  r.AddLayer(0, 100);
}
)";
}

bool WriteSampleArt(const std::filesystem::path& outDir) {
  const std::string script = MakeResourceScript();
  const auto at = script.find(kArtMark);
  if (at == std::string::npos) return false;
  int texture = CountScriptCalls(script.substr(0, at), "r.AddTexture(");
  bool ok = true;
  for (const ArtSheet& sheet : SampleArtSheets())
    ok = WriteArtTexture(outDir, texture++, sheet) && ok;
  return ok;
}

bool FillArtSprites(std::string& part, const std::string& script) {
  bool ok = true;
  for (std::size_t at = part.find("{art:"); at != std::string::npos;
       at = part.find("{art:", at + 1)) {
    const std::size_t end = part.find('}', at);
    const std::string name = part.substr(at + 5, end - at - 5);
    const int number = SpriteNumber(script, name);
    if (number < 0) {
      ok = false;
      continue;
    }
    part.replace(at, end + 1 - at, std::to_string(number));
  }
  for (std::size_t at = part.find("{hot:"); at != std::string::npos;
       at = part.find("{hot:", at + 1)) {
    const std::size_t end = part.find('}', at);
    const ArtSheet* sheet = SheetOfSprite(part.substr(at + 5, end - at - 5));
    if (!sheet) {
      ok = false;
      continue;
    }
    part.replace(at, end + 1 - at,
                 std::to_string(sheet->hotX) + ", " + std::to_string(sheet->hotY));
  }
  return ok;
}
