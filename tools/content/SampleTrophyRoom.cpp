#include "tools/content/SampleTrophyRoom.h"

#include <iterator>

#include "framework/engine/particles/ParticleFile.h"
#include "tools/content/SampleArt.h"
#include "tools/content/SampleContent.h"

namespace {

const std::vector<SampleText> kTexts = {
    {"item_exit", u"Back"},
    {"UPG_default_dress", u"Ginger's everyday whites"},
    {"UPG_Bonus_Points_room", u"The pink jacket"},
    {"UPG_Makes_Ginger_faster_room", u"The sky-blue jacket"},
    {"UPG_Judge_pateince_room", u"The green jacket"},
    {"UPG_Gives_possibility_to_earn_bonuses_7_room", u"The lavender jacket"},
    {"golden_whisk_room", u"The golden whisk"},
    {"star_plate_room", u"The star plate"},
    {"not_enable_souvenir", u"Won in {0}, level {1}"},
    {"not_enable_outfi", u"Win it in {0}, level {1}"},
    {"cup_place_1", u"- first place!"},
    {"cup_place_2", u"- second place"},
    {"cup_place_3", u"- third place"},
};

// The room's sounds by their numbers, and their tones.
struct RoomSound {
  const char* name;
  std::int32_t number;
  double startHz, endHz, seconds;
};
const RoomSound kSounds[] = {
    {"room_hover", 22, 880.0, 990.0, 0.08},   // a light tick over an outfit
    {"room_change", 23, 330.0, 660.0, 0.45},  // the curtain's swish
};

// Art sprites are named {art:name} with their hot spots {hot:name}; offsets are from the
// middle of the screen. The wardrobe's rails run at y 74 and 254, the cabinet's shelves'
// tops at y 170, 292 and 404, the changing corner's rail at y 296 from x 344 to 516.
const char* const kScript = R"(
// The trophy room: the wardrobe, the changing corner, the cabinet of cups and souvenirs.

// A wardrobe place: the arch behind the outfit and the outfit's place in front of it.
// "_over" lights and lifts it, "_up" and "_leave" rest, "_disabled" fades it away as its
// outfit goes to the cook.
void RoomDressButton(CResourceReader@ r) {
  r.CreateAnimationData('dres_button');
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_up', 0, 100, 1);
  r.AddNamedPart('_leave', 0, 100, 1);
  r.AddNamedPart('_over', 100, 200, 1);
  r.AddNamedPart('_disabled', 200, 400, 1);
  r.CreateSpriteObjectData('frame');
  r.AddSpriteIDResource({art:room_frame_plain}, 100);
  r.AddSpriteIDResource({art:room_frame_glow}, 100);
  r.AddSpriteIDResource({art:room_frame_plain}, 200);
  r.AddHotspot(5000, 5000, 0, 400);
  RoomButtonLook(r);
  r.AddLayer(0, 400);
  r.CreateSpriteObjectData('-place');
  r.AddOffset(0, -16, 0, 400);
  RoomButtonLook(r);
  r.AddLayer(1, 400);
}

void RoomButtonLook(CResourceReader@ r) {
  r.AddZoom(100, 100, 0, 100);
  r.AddZoom(106, 106, 0, 100);
  r.AddZoom(100, 100, 0, 200);
  r.AddOpaque(255, 0, 200);
  r.AddOpaque(255, 1, 200);
  r.AddOpaque(0, 0, 0);
}

// A souvenir: "_part_1" (and "all") won, "_part_2" not yet.
void RoomSouvenir(CResourceReader@ r, const string &in name, int won, int grey) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 100, 1);
  r.AddNamedPart('_part_1', 0, 100, 1);
  r.AddNamedPart('_part_2', 100, 200, 1);
  r.CreateSpriteObjectData('souvenir');
  r.AddSpriteIDResource(won, 100);
  r.AddSpriteIDResource(grey, 100);
  r.AddHotspot(5000, 5000, 0, 200);
  r.AddLayer(0, 200);
}

// A curtain half, hanging from its rings at (x, 0) down to the floor and gathered toward
// them (hx: 0 on the left, 10000 on the right) while open: closed at the middle of the run.
void RoomDrape(CResourceReader@ r, const string &in name, int sprite, int hx, int x) {
  r.CreateSpriteObjectData(name);
  r.AddSpriteIDResource(sprite, 1000);
  r.AddHotspot(hx, 0, 0, 1000);
  r.AddOffset(x, 0, 0, 1000);
  r.AddZoom(30, 106, 1, 450);
  r.AddZoom(100, 106, 0, 100);
  r.AddZoom(100, 106, 1, 450);
  r.AddZoom(30, 106, 0, 0);
  r.AddLayer(0, 1000);
}

void RoomCurtain(CResourceReader@ r) {
  r.CreateAnimationData('shtora');
  r.AddNamedPart('all', 0, 1000, 1);
  RoomDrape(r, 'left', {art:room_pieces_left}, 0, -86);
  RoomDrape(r, 'right', {art:room_pieces_right}, 10000, 86);
}

// A place that hosts what the screen puts there, at a zoom.
void RoomPlace(CResourceReader@ r, const string &in name, int x, int y, int zoom) {
  r.CreateSpriteObjectData(name);
  r.AddOffset(x, y, 0, 1800);
  r.AddZoom(zoom, zoom, 0, 1800);
  r.AddLayer(10, 1800);
}

void RoomLayout(CResourceReader@ r) {
  r.CreateAnimationData('room');
  ShowIdleHide(r, 400, 1000, 400);
  KhSprite(r, 'backdrop', {art:trophy_room}, 0, 0, 0, 1800);
  for (int n = 0; n < 6; ++n)
    RoomPlace(r, '_dres_place_' + (n + 1), -322 + 99 * (n % 3), n < 3 ? -158 : 22, 90);
  for (int n = 0; n < 7; ++n)
    RoomPlace(r, 'cubok_place_' + (n + 1), n < 4 ? 153 + 63 * n : 185 + 63 * (n - 4),
              n < 4 ? -165 : -43, 60);
{souvenirs}  KhPlace(r, '_shtora', 'Ginger_room', 'shtora', 30, -4, 0, 1800);
  KhPlace(r, '_baloon', 'interfaces', 'lili_baloon_podkladka', 30, -60, 40, 1800);
  KhPlace(r, '_item_exit', 'interfaces', 'fw_button', -300, 262, 30, 1800);
  KhPlace(r, '_item_cookbook', 'interfaces', 'fw_button', -120, 262, 30, 1800);
}

void TrophyRoom(CResourceReader@ r) {
  r.CreateModule('Ginger_room');
  RoomDressButton(r);
  RoomSouvenir(r, 'golden_whisk', {art:souvenirs_whisk}, {art:souvenirs_whisk_grey});
  RoomSouvenir(r, 'star_plate', {art:souvenirs_plate}, {art:souvenirs_plate_grey});
  RoomCurtain(r);
  RoomLayout(r);
}
)";

// Where each sample souvenir stands on the cabinet's lowest shelf.
constexpr int kSouvenirX[] = {200, 300};
constexpr int kSouvenirY = 64;

// Pink and gold stars bursting out of a new outfit's place and drifting down as they fade.
GF::HGENS::ParticleFile DressSparkles() {
  GF::HGENS::ParticleFile file;
  auto& p = file.params;
  p.velocityMatrix[0] = p.velocityMatrix[4] = 0.97f;
  p.velocityMatrix[5] = 0.8f;  // a light gravity
  p.blendMode = 2;
  p.startVelocityY = -60.0f;
  p.spreadX = p.spreadY = 360.0f;
  p.spreadShape = 1;
  p.lifeMin = 0.9f;
  p.lifeMax = 1.5f;
  p.spawnShape = 1;
  p.spawnHalfWidth = 40.0f;
  p.spawnHalfHeight = 50.0f;
  p.startSizeMin = 14.0f;
  p.startSizeMax = 24.0f;
  p.endSize = 4.0f;
  p.colorVariation = 0.3f;
  p.startRed = 255.0f;
  p.startGreen = 212.0f;
  p.startBlue = 90.0f;
  p.startAlpha = 255.0f;
  p.endRed = 247.0f;
  p.endGreen = 161.0f;
  p.endBlue = 181.0f;
  p.endAlpha = 0.0f;
  p.emissionRate = 90.0f;
  return file;
}

}  // namespace

const std::vector<SampleText>& TrophyRoomTexts() {
  return kTexts;
}

std::string MakeTrophyRoomScript(const std::string& before) {
  std::string script = kScript;
  std::string souvenirs;
  for (std::size_t i = 0; i < std::size(kSampleSouvenirs); ++i)
    souvenirs += "  RoomPlace(r, '_" + std::string(kSampleSouvenirs[i]) + "', " +
                 std::to_string(kSouvenirX[i]) + ", " + std::to_string(kSouvenirY) + ", 90);\n";
  const std::string mark = "{souvenirs}";
  script.replace(script.find(mark), mark.size(), souvenirs);
  FillArtSprites(script, before);
  return script;
}

void AddTrophyRoomSounds(GameData& data) {
  for (const RoomSound& sound : kSounds)
    data.SoundNameTable[sound.number] = {sound.name, sound.number};
}

void AddTrophyRoomObjects(LibraryData& library) {
  auto add = [&library](const std::string& key) {
    ObjectDescription object;
    object.Key = key;
    library.Objects[key] = object;
  };
  for (const char* souvenir : kSampleSouvenirs) add("Ginger_room." + std::string(souvenir));
  for (int place = 1; place <= 3; ++place)
    for (int stage = 1; stage <= 6; ++stage)
      add("main_menu.cup_" + std::to_string(place) + "_" + std::to_string(stage));
}

void AddTrophyRoomLevels(LevelsData& levels) {
  levels.UpgradeTable[24] = {2, 1, "whisk", 0, 24, kSampleSouvenirs[0]};
  levels.UpgradeTable[25] = {1, 2, "plate", 0, 25, kSampleSouvenirs[1]};
  // The cook stands on the floor's back left corner: in the changing corner, on the rug. Its
  // stage, as the bonus levels' types, is none of the map's.
  levels.StageTable["other"] = {0, 1, 0, "other"};
  LevelDescription room;
  room.LevelKey = "other_1";
  room.StageKey = "other";
  room.Obstacles.assign(LevelDescription::ObstacleCount, false);
  room.FloorPoints = {{425.0f, 560.0f}, {505.0f, 560.0f}, {425.0f, 590.0f}, {505.0f, 590.0f}};
  room.ServingCell = {8, 8};
  levels.LevelTable[room.LevelKey] = room;
}

bool WriteTrophyRoomFiles(const std::filesystem::path& outDir) {
  bool ok = WriteContentFile(outDir, "Particle/new_dress_room.fgp", DressSparkles().Write());
  for (const RoomSound& s : kSounds)
    ok = WriteContentFile(outDir, std::string("Sound/") + s.name + ".ogg",
                          EncodeSampleTone(s.startHz, s.endHz, s.seconds)) &&
         ok;
  return ok;
}
