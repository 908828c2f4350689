#include <algorithm>

#include "tools/content/SampleBonusLevels.h"
#include "tools/content/SampleContent.h"
#include "tools/content/SampleFrameworkScreens.h"
#include "tools/content/SampleGameScreen.h"
#include "tools/content/SampleKitchenHud.h"
#include "tools/content/SampleMapScreens.h"
#include "tools/content/SampleMenusScreens.h"
#include "tools/content/SampleOrderBubble.h"
#include "tools/content/SamplePowerBonuses.h"
#include "tools/content/SampleResources.h"
#include "tools/content/SampleResultsScreens.h"
#include "tools/content/SampleStageEnd.h"
#include "tools/content/SampleStoryScreens.h"
#include "tools/content/SampleTrophyRoom.h"
#include "tools/content/SampleUnlockScreens.h"

const std::vector<SampleText>& SampleTexts() {
  static const std::vector<SampleText> texts = [] {
    std::vector<SampleText> all = {
        {"title", u"Panmaster"},
        {"item_play", u"Play"},
        {"item_options", u"Options"},
        {"item_quit", u"Quit"},
        {"hint_play", u"Start cooking"},
        {"hint_quit", u"Leave the kitchen"},
        {"confirm_quit", u"Do you really want to quit?"},
        {"welcome", u"Welcome to the kitchen!\\nServe every customer in time."},
        {"item_sound", u"Sound"},
        {"hint_sound", u"Sound effects on or off"},
        {"confirm_play", u"Start a new game?"},
        {"hint", u" "},
    };
    const std::vector<SampleText>& framework = FrameworkScreenTexts();
    all.insert(all.end(), framework.begin(), framework.end());
    const std::vector<SampleText>& map = MapScreenTexts();
    all.insert(all.end(), map.begin(), map.end());
    const std::vector<SampleText>& kitchen = KitchenHudTexts();
    all.insert(all.end(), kitchen.begin(), kitchen.end());
    const std::vector<SampleText>& menus = MenusScreenTexts();
    all.insert(all.end(), menus.begin(), menus.end());
    const std::vector<SampleText>& results = ResultsScreenTexts();
    all.insert(all.end(), results.begin(), results.end());
    const std::vector<SampleText>& order = OrderBubbleTexts();
    all.insert(all.end(), order.begin(), order.end());
    const std::vector<SampleText>& powerUps = PowerBonusTexts();
    all.insert(all.end(), powerUps.begin(), powerUps.end());
    const std::vector<SampleText>& bonus = BonusLevelsTexts();
    all.insert(all.end(), bonus.begin(), bonus.end());
    const std::vector<SampleText>& unlock = UnlockScreenTexts();
    all.insert(all.end(), unlock.begin(), unlock.end());
    const std::vector<SampleText>& stageEnd = StageEndTexts();
    all.insert(all.end(), stageEnd.begin(), stageEnd.end());
    const std::vector<SampleText>& game = GameScreenTexts();
    all.insert(all.end(), game.begin(), game.end());
    const std::vector<SampleText>& story = StoryScreenTexts();
    all.insert(all.end(), story.begin(), story.end());
    const std::vector<SampleText>& room = TrophyRoomTexts();
    all.insert(all.end(), room.begin(), room.end());
    return all;
  }();
  return texts;
}

int SampleTextIndex(const std::string& key) {
  const std::vector<SampleText>& texts = SampleTexts();
  const auto it = std::find_if(texts.begin(), texts.end(),
                               [&key](const SampleText& t) { return t.key == key; });
  return static_cast<int>(it - texts.begin());
}

std::vector<std::uint8_t> MakeSampleTextTable() {
  std::vector<std::uint8_t> bytes;
  const auto put = [&bytes](char16_t unit) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  };
  const auto line = [&](const std::u16string& text) {
    for (char16_t unit : text) put(unit);
    put(u'\r');
    put(u'\n');
  };
  put(0xFEFF);
  for (const SampleText& entry : SampleTexts()) {
    line(std::u16string(entry.key.begin(), entry.key.end()));
    line(u"00000000" + entry.text);  // 8 units the reader skips
  }
  return bytes;
}

bool WriteSampleTextTable(const std::filesystem::path& outDir) {
  return WriteContentFile(outDir, "Binary/textdata.txt", MakeSampleTextTable());
}
