#include <system_error>

#include "tools/content/SampleArt.h"
#include "tools/content/SampleBonusLevels.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleCookBook.h"
#include "tools/content/SampleCurtain.h"
#include "tools/content/SampleFrameworkScreens.h"
#include "tools/content/SampleGameScreen.h"
#include "tools/content/SampleKitchenDevices.h"
#include "tools/content/SampleKitchenHud.h"
#include "tools/content/SampleMapScreens.h"
#include "tools/content/SampleMenusScreens.h"
#include "tools/content/SampleOrderBubble.h"
#include "tools/content/SampleParticles.h"
#include "tools/content/SamplePowerBonuses.h"
#include "tools/content/SampleResources.h"
#include "tools/content/SampleResultsScreens.h"
#include "tools/content/SampleStageEnd.h"
#include "tools/content/SampleStoryScreens.h"
#include "tools/content/SampleTrophyRoom.h"
#include "tools/content/SampleUnlockScreens.h"

namespace {

// The script text in parts: resources first, then the two modules the menus use. Times are
// in milliseconds, opacity on 0..255, zoom in percent, hot spots in ten-thousandths.
const char* const kScript =
    R"(// The sample resources: textures, sprites, fonts, sounds, texts and animations.

void Resources(CResourceReader@ r) {
  r.AddTexture('menu_background');                         // Texture\0
  r.AddTexture('button');                                  // Texture\1
  r.AddTexture('logo');                                    // Texture\2 (JPEG-2000 and mask)
  r.AddTexture('cursor');                                  // Texture\3

  r.AddHGESpriteInfo('menu_background', 0, 0, 0, 800, 600);  // sprite 0
  r.AddHGESpriteInfo('button_out', 1, 0, 0, 192, 48);        // sprite 1
  r.AddHGESpriteInfo('button_over', 1, 0, 48, 192, 48);      // sprite 2
  r.AddHGESpriteInfo('button_down', 1, 0, 96, 192, 48);      // sprite 3
  r.AddHGESpriteInfo('logo', 2, 0, 0, 256, 128);             // sprite 4
  r.AddHGESpriteInfo('cursor', 3, 0, 0, 32, 32);             // sprite 5

  r.AddFont('main');                                         // Font\0.fnt
  r.AddFont('ink');                                          // Font\1.fnt, dark glyphs

  r.AddSoundInfo('click');                                   // sound 0
  r.AddSoundInfo('whoosh');                                  // sound 1
  r.AddSoundInfo('ding');                                    // sound 2

  r.AddTextFile('Binary\\textdata.txt');
  // name, font, second, third, flags (low nibble: alignment), text index
  r.AddTextInfo('title', 0, 0, 0, 0x01, 0);
  r.AddTextInfo('item_play', 0, 0, 0, 0x01, 1);
  r.AddTextInfo('item_options', 0, 0, 0, 0x01, 2);
  r.AddTextInfo('item_quit', 0, 0, 0, 0x01, 3);
  r.AddTextInfo('welcome', 0, 0, 0, 0x00, 7);
}

// A layout's parts: it shows for `show` ms, idles (looping) for `idle` ms and hides for
// `hide` ms; "all" spans the three.
void ShowIdleHide(CResourceReader@ r, int show, int idle, int hide) {
  r.AddNamedPart('_show', 0, show, 1);
  r.AddNamedPart('_idle', show, show + idle, 0);
  r.AddNamedPart('_hide', show + idle, show + idle + hide, 1);
  r.AddNamedPart('all', 0, show + idle + hide, 1);
}

// A button: out, over and down looks of 100 ms each, with its caption on top.
void Button(CResourceReader@ r, const string &in name, int caption) {
  r.CreateAnimationData(name);
  r.AddNamedPart('_out', 0, 100, 1);
  r.AddNamedPart('_over', 100, 200, 1);
  r.AddNamedPart('_down', 200, 300, 1);
  r.AddNamedPart('all', 0, 300, 1);
  r.CreateSpriteObjectData('face');
  r.AddSpriteIDResource(1, 100);
  r.AddSpriteIDResource(2, 100);
  r.AddSpriteIDResource(3, 100);
  r.AddHotspot(5000, 5000, 0, 300);
  r.AddLayer(10, 300);
  r.CreateTextSpriteObjectData('_text');
  r.AddTextSpriteIDResource(caption, 300);
  r.AddColor(255, 60, 40, 20, 0, 300);
  r.AddBlendMode(1, 300);
  r.AddLayer(11, 300);
  r.CreateSoundObjectData('click');
  r.AddSndIDResource(0, 300);
  r.AddActionSound(0, 200);
  r.AddActionSound(1, 100);
}

// The arrow, its tip at the hot spot.
void ArrowCursor(CResourceReader@ r, const string &in name) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, 1000, 0);
  r.CreateSpriteObjectData('arrow');
  r.AddSpriteIDResource(5, 1000);
  r.AddLayer(1000, 1000);
}

void Interfaces(CResourceReader@ r) {
  r.CreateModule('interfaces');
  ArrowCursor(r, 'cursor');
  Button(r, 'button', 1);
}

// The game's own cursor, "cursor.custom".
void GameCursor(CResourceReader@ r) {
  r.CreateModule('cursor');
  ArrowCursor(r, 'custom');
}

void MainMenu(CResourceReader@ r) {
  r.CreateModule('main_menu');
  r.CreateAnimationData('layout');
  ShowIdleHide(r, 500, 2000, 500);
  r.CreateSpriteObjectData('background');
  r.AddSpriteIDResource(0, 3000);
  r.AddLayer(0, 3000);
  r.CreateSpriteObjectData('logo');
  r.AddSpriteIDResource(4, 3000);
  r.AddHotspot(5000, 5000, 0, 3000);
  r.AddOffset(400, -100, 1, 500);
  r.AddOffset(400, 140, 0, 2000);
  r.AddOffset(400, 140, 1, 500);
  r.AddOffset(400, -100, 0, 0);
  r.AddOpaque(0, 1, 500);
  r.AddOpaque(255, 0, 2000);
  r.AddOpaque(255, 1, 500);
  r.AddOpaque(0, 0, 0);
  r.AddRotate(-5.0f, 1, 1000);
  r.AddRotate(5.0f, 1, 1000);
  r.AddRotate(-5.0f, 0, 1000);
  r.AddLayer(5, 3000);
  r.CreateTextSpriteObjectData('title');
  r.AddTextSpriteIDResource(0, 3000);
  r.AddOffset(400, 260, 0, 3000);
  r.AddZoom(150, 150, 0, 3000);
  r.AddLayer(6, 3000);
  r.CreateTextSpriteObjectData('welcome');
  r.AddTextSpriteIDResource(4, 3000);
  r.AddOffset(200, 520, 0, 3000);
  r.AddLayer(6, 3000);
  r.CreateClippingObjectData('');
  r.AddOffset(0, 0, 0, 3000);
  r.AddZoom(100, 100, 0, 3000);
  r.AddLayer(7, 3000);
  r.CreateSoundObjectData('whoosh');
  r.AddSndIDResource(1, 3000);
  r.AddActionSound(1, 2500);
  r.AddActionSound(1, 500);
  r.AddParamSound(100, 0, 3000);

  r.CreateAnimationData('item_play');
  r.AddNamedPart('all', 0, 300, 1);
  r.CreateSpriteObjectData('_item_play');
  r.AddSubstAnimation('interfaces', 'button');
  r.AddOffset(304, 330, 0, 300);
  r.AddLayer(20, 300);
  r.AddCommandSubstAnimation('button._out', 0);
  r.AddParamModifier(1, 0, 0, -2.0f, 2.0f, 800.0f, 1200.0f);
}

void FillResource(CResourceReader@ r) {
  Resources(r);
  Interfaces(r);
  GameCursor(r);
  MainMenu(r);
  Menus(r);
  FrameworkScreens(r);
  Particles(r);
  CookBook(r);
  Art(r);
  MapScreens(r);
  Curtain(r);
  KitchenHudContent(r);
  KitchenDevices(r);
  MenusScreens(r);
  ResultsScreens(r);
  CookBookPages(r);
  OrderBubbleContent(r);
  PowerBonusesContent(r);
  BonusLevelsContent(r);
  UnlockScreens(r);
  StageEnd(r);
  GameScreenContent(r);
  StoryScreens(r);
  TrophyRoom(r);
}
)";

}  // namespace

int CountScriptCalls(const std::string& script, const std::string& call) {
  int count = 0;
  for (auto at = script.find(call); at != std::string::npos; at = script.find(call, at + 1))
    ++count;
  return count;
}

void FillScriptNumber(std::string& text, const std::string& name, int value) {
  const std::string mark = "{" + name + "}";
  for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at))
    text.replace(at, mark.size(), std::to_string(value));
}

void FillTextInfos(std::string& part, int first, std::span<const SampleTextInfo> infos) {
  std::string lines;
  int number = first;
  for (const SampleTextInfo& info : infos) {
    lines += "  r.AddTextInfo('" + std::string(info.name) + "', " + std::to_string(info.font) +
             ", 0, 0, " + std::to_string(info.flags) + ", " +
             std::to_string(SampleTextIndex(info.key)) + ");\n";
    FillScriptNumber(part, "t:" + std::string(info.name), number++);
  }
  const std::string mark = "{textinfos}";
  part.replace(part.find(mark), mark.size(), lines);
}

std::string MakeResourceScript() {
  const std::string script = kScript + MakeMenuResourceScript();
  const std::string screens = script + MakeFrameworkScreensScript(script);
  const std::string particles = screens + MakeParticleResourceScript(screens);
  const std::string cookBook = particles + MakeCookBookScript(particles);
  const std::string art = cookBook + MakeArtResourceScript(cookBook);
  const std::string maps = art + MakeMapScreensScript(art);
  const std::string curtain = maps + MakeCurtainScript(maps);
  const std::string hud = curtain + MakeKitchenHudScript(curtain);
  const std::string devices = hud + MakeKitchenDevicesScript(hud);
  const std::string menus = devices + MakeMenusScreensScript(devices);
  const std::string results = menus + MakeResultsScreensScript(menus);
  const std::string pages = results + MakeCookBookPagesScript(results);
  const std::string orders = pages + MakeOrderBubbleScript(pages);
  const std::string powerUps = orders + MakePowerBonusesScript(orders);
  const std::string bonus = powerUps + MakeBonusLevelsScript(powerUps);
  const std::string unlock = bonus + MakeUnlockScreensScript(bonus);
  const std::string stageEnd = unlock + MakeStageEndScript(unlock);
  const std::string game = stageEnd + MakeGameScreenScript(stageEnd);
  const std::string story = game + MakeStoryScreensScript(game);
  return story + MakeTrophyRoomScript(story);
}

bool WriteSampleResourceScript(const std::filesystem::path& outDir) {
  // A bytecode file left from an earlier script would be loaded instead of the new one.
  std::error_code error;
  std::filesystem::remove(outDir / "Animation/effects.bs", error);
  const std::string script = MakeResourceScript();
  return WriteContentFile(outDir, "Animation/effects.as",
                          std::vector<std::uint8_t>(script.begin(), script.end()));
}
