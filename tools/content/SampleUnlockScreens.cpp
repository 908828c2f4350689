#include "tools/content/SampleUnlockScreens.h"

#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"

namespace {

const std::vector<SampleText> kTexts = {
    {"ul_empty", u" "},
    {"ul_new_dress", u"A new outfit!"},
    {"ul_print", u"A recipe to print!"},
    {"ul_ingredients", u"New ingredients!"},
    {"ul_ingredients_2", u"Ready to cook?"},
    {"item_cookbook", u"Cook book"},
    {"text_print", u"Print the recipe of {0}!"},
    {"stage_name_1", u"Sunny Breakfast"},
    {"stage_name_2", u"Pancake Alley"},
    {"stage_name_3", u"Berry Farm"},
    {"stage_name_4", u"Seaside Grill"},
    {"stage_name_5", u"Harbour Lights"},
    {"stage_name_6", u"Lavender Hill"},
    {"stage_name_7", u"Grand Bakery"},
    {"recipe", u"A new recipe!"},
    {"recipes", u"new recipes!"},
    // The outfits' names, under the upgrades' names.
    {"UPG_Bonus_Points", u"A pink jacket:\\nmore points for every dish!"},
};

// Text infos: white on the ribbon, dark ink on the board.
const SampleTextInfo kTextInfos[] = {
    {"ul_new_dress", 0, 0x41, "ul_new_dress"},
    {"ul_print", 0, 0x41, "ul_print"},
    {"ul_ingredients", 0, 0x41, "ul_ingredients"},
    {"ul_ingredients_2", 1, 0x41, "ul_ingredients_2"},
    {"ul_heading", 0, 0x41, "ul_empty"},
    {"ul_line", 1, 0x41, "ul_empty"},
};

// The sounds of the unlock screens by their numbers, and their tones.
struct UnlockSound {
  const char* name;
  std::int32_t number;
  double startHz, endHz, seconds;
};
const UnlockSound kSounds[] = {
    {"unlock_ingredient", 11, 520.0, 780.0, 0.5},  // a rising pop
    {"unlock_recipe", 20, 660.0, 990.0, 0.7},      // a brighter chime
    {"unlock_outfit", 21, 440.0, 880.0, 0.9},      // a long flourish
};

// Art sprites are named {art:name} with their hot spots {hot:name}, text infos {t:name};
// offsets are from the middle of the screen. A text stands 16 pixels above the middle of its
// box (the font draws its line about that far below its anchor).
const char* const kScript = R"(
// The unlock screens: a new outfit or recipe card, new ingredients, new recipes.
void UnlockTexts(CResourceReader@ r) {
{textinfos}}

void UlText(CResourceReader@ r, const string &in name, int info, int x, int y, int zoom,
            int layer, int total) {
  r.CreateTextSpriteObjectData(name);
  r.AddTextSpriteIDResource(info, total);
  r.AddOffset(x, y - 16, 0, total);
  r.AddZoom(zoom, zoom, 0, total);
  r.AddLayer(layer, total);
}

// A place that hosts what the screen puts there.
void UlPlace(CResourceReader@ r, const string &in name, int x, int y, int layer, int total) {
  r.CreateSpriteObjectData(name);
  r.AddOffset(x, y, 0, total);
  r.AddLayer(layer, total);
}

void UlButton(CResourceReader@ r, const string &in name, int x, int y) {
  r.CreateSpriteObjectData('_item_' + name);
  r.AddSubstAnimation('interfaces', 'fw_button');
  r.AddOffset(x, y, 0, 1600);
  r.AddLayer(30, 1600);
}

// A layout on the menu's background: the board, stretched tall by `tall` percent, grows in
// while showing and shrinks away while hiding, the caption `name` on the ribbon.
void UlBoard(CResourceReader@ r, const string &in name, int caption, int tall) {
  ShowIdleHide(r, 300, 1000, 300);
  r.CreateSpriteObjectData('background');
  r.AddSpriteIDResource(0, 1600);
  r.AddHotspot(5000, 5000, 0, 1600);
  r.AddLayer(0, 1600);
  r.CreateSpriteObjectData('board');
  r.AddSpriteIDResource({art:unlock_board}, 1600);
  r.AddHotspot({hot:unlock_board}, 0, 1600);
  r.AddOffset(0, 10, 0, 1600);
  r.AddZoom(80, 80 * tall / 100, 1, 300);
  r.AddZoom(100, tall, 0, 1000);
  r.AddZoom(100, tall, 1, 300);
  r.AddZoom(80, 80 * tall / 100, 0, 0);
  r.AddOpaque(0, 1, 300);
  r.AddOpaque(255, 0, 1000);
  r.AddOpaque(255, 1, 300);
  r.AddOpaque(0, 0, 0);
  r.AddLayer(1, 1600);
  UlText(r, name, caption, 0, 10 - 2 * tall + 34 * tall / 100, 100, 20, 1600);
}

// An outfit or a recipe card: "_part_1" (and the button's "_up") in colour, "_part_2" (and
// "_disabled") in its second look, "_over" larger, "_down" pressed.
void UlItem(CResourceReader@ r, const string &in name, int colour, int second, int opacity) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_part_1', 0, 100, 1);
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_leave', 0, 100, 1);
  r.AddNamedPart('_part_2', 100, 200, 1);
  r.AddNamedPart('_disabled', 100, 200, 1);
  r.AddNamedPart('_over', 200, 300, 1);
  r.AddNamedPart('_down', 300, 400, 1);
  r.CreateSpriteObjectData('picture');
  r.AddSpriteIDResource(colour, 100);
  r.AddSpriteIDResource(second, 100);
  r.AddSpriteIDResource(colour, 200);
  r.AddHotspot(5000, 5000, 0, 400);
  r.AddOpaque(255, 0, 100);
  r.AddOpaque(opacity, 0, 100);
  r.AddOpaque(255, 0, 200);
  r.AddZoom(100, 100, 0, 200);
  r.AddZoom(110, 110, 0, 100);
  r.AddZoom(95, 95, 0, 100);
  r.AddLayer(0, 400);
}

void UnlockItems(CResourceReader@ r) {
  r.CreateModule('Ginger_room');
  UlItem(r, 'dres_0', {art:hanger_0_colour}, {art:hanger_0_grey}, 255);
  UlItem(r, 'dres_1', {art:hanger_1_colour}, {art:hanger_1_grey}, 255);
  UlItem(r, 'dres_2', {art:hanger_2_colour}, {art:hanger_2_grey}, 255);
  UlItem(r, 'dres_3', {art:hanger_3_colour}, {art:hanger_3_grey}, 255);
  UlItem(r, 'dres_4', {art:hanger_4_colour}, {art:hanger_4_grey}, 255);
  r.CreateModule('cookingbook');
  for (int n = 1; n <= 7; ++n) {
    int card = {art:recipe_cards_stage_1} + n - 1;
    UlItem(r, 'recept_' + n, card, card, 140);
  }
  r.CreateModule('Ingredients');
  r.CreateAnimationData('maple_syrup');
  r.AddNamedPart('_idle', 0, 100, 0);
  r.AddNamedPart('all', 0, 100, 0);
  r.CreateSpriteObjectData('bottle');
  r.AddSpriteIDResource({art:maple_syrup}, 100);
  r.AddHotspot({hot:maple_syrup}, 0, 100);
  r.AddLayer(0, 100);
}

// The outfit screen: the item (which is its "dres" button) over its text.
void UlDressLayout(CResourceReader@ r, const string &in name, int caption) {
  r.CreateAnimationData(name);
  UlBoard(r, 'caption', caption, 100);
  UlPlace(r, '_item_dres', 0, -50, 10, 1600);
  UlText(r, '_text', {t:ul_line}, 0, 68, 100, 20, 1600);
  UlButton(r, 'ok', 0, 150);
}

// The tile fades in at once and pops: a little too large, then its size.
void UlPop(CResourceReader@ r) {
  r.AddOpaque(0, 1, 60);
  r.AddOpaque(255, 0, 240);
  r.AddZoom(60, 60, 1, 150);
  r.AddZoom(100, 100, 1, 150);
  r.AddZoom(88, 88, 0, 0);
}

// An ingredient: its picture rests on its name, both on a round tile; it pops up while
// showing.
void UlElement(CResourceReader@ r) {
  r.CreateAnimationData('element_ingr');
  r.AddNamedPart('_show', 0, 300, 1);
  r.AddNamedPart('all', 0, 300, 1);
  r.CreateSpriteObjectData('tile');
  r.AddSpriteIDResource({art:unlock_pieces_tile}, 300);
  r.AddHotspot({hot:unlock_pieces_tile}, 0, 300);
  r.AddLayer(5, 300);
  UlPop(r);
  UlPlace(r, '_place', 0, 0, 6, 300);
  UlText(r, '_text', {t:ul_line}, 0, 22, 75, 7, 300);
  r.AddOpaque(0, 1, 60);
  r.AddOpaque(255, 0, 240);
}

void UlIngredientsLayout(CResourceReader@ r, int n, int tall, int okY) {
  r.CreateAnimationData('ingredients_screen_' + n);
  UlBoard(r, 'caption', {t:ul_ingredients}, tall);
  UlText(r, 'caption_2', {t:ul_ingredients_2}, 0, okY - 44, 100, 20, 1600);
  UlPlace(r, '_place', 0, 0, 10, 1600);
  UlButton(r, 'ok', 0, okY);
}

// A plate of `count` recipes: a dish's place and its name per recipe, in turn, then the
// shelves under the dishes.
void UlRecipePlate(CResourceReader@ r, int count) {
  r.CreateAnimationData('recept_place_' + count);
  r.AddNamedPart('all', 0, 400, 1);
  for (int j = 0; j < count; ++j) {
    int x = (2 * j - count + 1) * 65;
    r.CreateSpriteObjectData('_dish_' + j);
    r.AddOffset(x, -12, 0, 400);
    r.AddZoom(90, 90, 0, 400);
    r.AddLayer(6, 400);
    UlText(r, '_name_' + j, {t:ul_line}, x, 40, 90, 7, 400);
  }
  for (int j = 0; j < count; ++j) {
    r.CreateSpriteObjectData('shelf_' + j);
    r.AddSpriteIDResource({art:unlock_pieces_shelf}, 400);
    r.AddHotspot({hot:unlock_pieces_shelf}, 0, 400);
    r.AddOffset((2 * j - count + 1) * 65, -4, 0, 400);
    r.AddZoom(90, 90, 0, 400);
    r.AddOpaque(0, 1, 400);
    r.AddOpaque(255, 0, 0);
    r.AddLayer(5, 400);
  }
}

void UlRecipeLayout(CResourceReader@ r) {
  r.CreateAnimationData('new_recept');
  UlBoard(r, '_text', {t:ul_heading}, 100);
  UlPlace(r, '_place', 0, -10, 10, 1600);
  UlButton(r, 'ok', -90, 150);
  UlButton(r, 'cookbook', 90, 150);
}

void UnlockScreens(CResourceReader@ r) {
  UnlockTexts(r);
  UnlockItems(r);
  r.CreateModule('main_menu');
  UlDressLayout(r, 'new_dress', {t:ul_new_dress});
  UlDressLayout(r, 'print_screen', {t:ul_print});
  UlElement(r);
  UlIngredientsLayout(r, 1, 100, 150);
  UlIngredientsLayout(r, 2, 115, 180);
  UlIngredientsLayout(r, 3, 140, 250);
  for (int count = 0; count <= {plates}; ++count) UlRecipePlate(r, count);
  UlRecipeLayout(r);
}
)";

}  // namespace

const std::vector<SampleText>& UnlockScreenTexts() {
  return kTexts;
}

std::string MakeUnlockScreensScript(const std::string& before) {
  std::string script = kScript;
  FillTextInfos(script, CountScriptCalls(before, "r.AddTextInfo("), kTextInfos);
  FillScriptNumber(script, "plates", kSampleRecipePlates);
  FillArtSprites(script, before);
  return script;
}

void AddUnlockScreenSounds(GameData& data) {
  for (const UnlockSound& sound : kSounds)
    data.SoundNameTable[sound.number] = {sound.name, sound.number};
}

void AddUnlockScreenObjects(LibraryData& library) {
  ObjectDescription syrup;
  syrup.Key = "Ingredients.maple_syrup";
  syrup.WideName = L"Maple syrup";
  syrup.Items = {{syrup.WideName, 0, syrup.Key}};
  library.Objects[syrup.Key] = syrup;
}

void AddUnlockScreenLevels(LevelsData& levels) {
  levels.LevelTable["stage1_1"].NewIngredients.push_back("Ingredients.maple_syrup");
}

bool WriteUnlockScreenSounds(const std::filesystem::path& outDir) {
  bool ok = true;
  for (const UnlockSound& s : kSounds)
    ok = WriteContentFile(outDir, std::string("Sound/") + s.name + ".ogg",
                          EncodeSampleTone(s.startHz, s.endHz, s.seconds)) &&
         ok;
  return ok;
}
