#include "framework/core/CMemoryOutputStream.h"
#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleTrophyRoom.h"
#include "tools/content/SampleUnlockScreens.h"

namespace {

ObjectDescription Object(const std::string& key, const std::wstring& wideName,
                         std::vector<RecipeItem> items) {
  ObjectDescription o;
  o.Key = key;
  o.WideName = wideName;
  o.Items = std::move(items);
  return o;
}

ObjectDescription Device(const std::string& key, const std::wstring& wideName,
                         const std::string& workSound, std::vector<RecipeItem> items) {
  ObjectDescription o = Object(key, wideName, std::move(items));
  o.WorkFlag = 1;
  o.WorkSound = workSound;
  return o;
}

void Add(LibraryData& lib, ObjectDescription object) {
  std::string key = object.Key;
  lib.Objects[key] = std::move(object);
}

// The icon sheets, named as their animations in module "Devices" (the art's icon sheets).
void AddIcons(LibraryData& lib) {
  for (const IconRecord& icon : {IconRecord{"icons_ingredients", 256, 64, 32, 32},
                                 IconRecord{"icons_dishes", 256, 128, 64, 64}})
    lib.Icons[icon.Name] = icon;
}

// The mixer is hit only on its drawing: the art's idle frame, standing on its hot spot.
HitMask MixerMask() {
  const ArtSheet& sheet = *FindArtSheet("mixer");
  const std::vector<std::uint32_t> pixels = DrawArtSheet(sheet);
  HitMask mask;
  mask.Width = sheet.cellWidth;
  mask.Height = sheet.cellHeight;
  mask.OriginX = -sheet.cellWidth * sheet.hotX / 10000;
  mask.OriginY = -sheet.cellHeight * sheet.hotY / 10000;
  if (pixels.empty()) return mask;
  for (int y = 0; y < mask.Height; ++y)
    for (int x = 0; x < mask.Width; ++x)
      mask.Bytes.push_back(pixels[static_cast<std::size_t>(y * sheet.width + x)] >> 24 < 128);
  return mask;
}

void AddDevices(LibraryData& lib) {
  ObjectDescription mixer =
      Device("Devices.mixer", L"Mixer", "mixer_work", {{L"Batter", 2000, "Dishes.batter"}});
  mixer.UsesHitMask = true;
  mixer.Mask = MixerMask();
  Add(lib, mixer);
  // The stage upgrade's mixer, which works faster.
  Add(lib,
      Device("Devices.UPG_mixer", L"Mixer", "mixer_work", {{L"Batter", 2000, "Dishes.batter"}}));
  // A stove whose flames light the kitchen while it works, and which closes when done.
  Add(lib, Device("Devices.electric_stove_4", L"Big stove", "stove_work",
                  {{L"Omelette", 3500, "Dishes.omelette"}}));
  Add(lib, Device("Devices.griddle", L"Griddle", "griddle_work",
                  {{L"Pancakes", 3000, "Dishes.pancakes"}}));
  Add(lib,
      Device("Devices.stove", L"Stove", "stove_work", {{L"Omelette", 3500, "Dishes.omelette"}}));
}

void AddIngredients(LibraryData& lib) {
  const struct {
    const char* key;
    const wchar_t* name;
  } ingredients[] = {{"Ingredients.eggs", L"Eggs"},
                     {"Ingredients.flour", L"Flour"},
                     {"Ingredients.milk", L"Milk"},
                     {"Ingredients.berries", L"Berries"}};
  for (const auto& i : ingredients) Add(lib, Object(i.key, i.name, {{i.name, 0, i.key}}));
}

void AddDishes(LibraryData& lib) {
  Add(lib, Object("Dishes.batter", L"Batter", {}));
  Add(lib, Object("Dishes.pancakes", L"Pancakes", {}));
  Add(lib, Object("Dishes.omelette", L"Omelette", {}));
  Add(lib, Object("Dishes.berry_pancakes", L"Berry pancakes", {}));
  Add(lib, Object("Dishes.tea_set", L"Tea set", {}));
}

// The things the bonus levels hide and the player finds or puts in place.
void AddBonusItems(LibraryData& lib) {
  const struct {
    const char* key;
    const wchar_t* name;
  } items[] = {{"Items.cup", L"Cup"},     {"Items.spoon", L"Spoon"}, {"Items.teapot", L"Teapot"},
               {"Items.apple", L"Apple"}, {"Items.vase", L"Vase"},   {"Items.book", L"Book"},
               {"Items.key", L"Key"}};
  for (const auto& i : items) Add(lib, Object(i.key, i.name, {}));
}

}  // namespace

LibraryData MakeSampleLibraryData() {
  LibraryData lib;
  AddIcons(lib);
  AddDevices(lib);
  AddIngredients(lib);
  AddDishes(lib);
  AddBonusItems(lib);
  AddUnlockScreenObjects(lib);
  AddTrophyRoomObjects(lib);
  return lib;
}

bool WriteSampleLibraryData(const std::filesystem::path& outDir) {
  GF::CMemoryOutputStream out;
  WriteLibraryData(out, MakeSampleLibraryData());
  return WriteContentFile(outDir, "Binary/libdata.bin", out.Bytes());
}
