#include "game/screens/results/ResultScreenParts.h"

#include "framework/engine/resources/CResource.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CWaitAction.h"

namespace {

float ProfileFloatOf(const PlayerProfile& profile, std::int32_t id) {
  const auto found = profile.Floats.find(id);
  return found == profile.Floats.end() ? 0.0f : found->second;
}

void SetPartNumber(GF::IAnimation& layout, const std::string& part, int value) {
  layout.SetText(part, std::to_wstring(value));
}

}  // namespace

int ResultPlace(float placeValue) {
  return IntegerPart(placeValue) % 100;
}

int LoweredBestPlace(int storedBest, int place) {
  return place >= 1 && storedBest > place ? place : storedBest;
}

LevelRecord& CurrentLevelRecord() {
  PlayerProfile& profile = CurrentProfile();
  return profile.LevelRecords[profile.Strings[ProfileString::CurrentLevelKey]];
}

void KeepLevelForReplay() {
  PlayerProfile& profile = CurrentProfile();
  profile.Strings[ProfileString::LevelKeyOverride] =
      profile.Strings[ProfileString::CurrentLevelKey];
}

std::wstring ReplaceFirstToken(std::wstring text, std::wstring_view token,
                               std::wstring_view value) {
  const std::size_t at = token.empty() ? std::wstring::npos : text.find(token);
  if (at != std::wstring::npos) text.replace(at, token.size(), value);
  return text;
}

void ReplacePartToken(GF::IAnimation& layout, const std::string& part, std::wstring_view token,
                      std::wstring_view value) {
  // A text sprite takes its own text at its first update.
  layout.Update(0.0f);
  if (const std::wstring* text = layout.GetText(part))
    layout.SetText(part, ReplaceFirstToken(*text, token, value));
}

GF::IAnimation::AnimationPtr SubstitutePart(const GF::IAnimation::AnimationPtr& layout,
                                            const std::string& part, const std::string& animation) {
  const auto place = GF::HGENS::FindRequiredPlace(layout, part);
  return place ? place->AddSubstitutedAnimation(animation) : GF::IAnimation::AnimationPtr();
}

bool AttachToPart(const GF::IAnimation::AnimationPtr& animation,
                  const GF::IAnimation::AnimationPtr& layout, const std::string& part) {
  const auto place = GF::HGENS::FindRequiredPlace(layout, part);
  if (!place) {
    animation->Detach();
    return false;
  }
  animation->SetParent(place, true);
  return true;
}

void SetResultTexts(GF::IAnimation& layout, const PlayerProfile& profile) {
  const int place = ResultPlace(ProfileFloatOf(profile, ProfileFloat::CurrentPlace));
  SetPartNumber(layout, "_points", IntegerPart(ProfileFloatOf(profile, ProfileFloat::LevelPoints)));
  SetPartNumber(layout, "_place", place);
  SetPartNumber(layout, "_dish", IntegerPart(ProfileFloatOf(profile, ProfileFloat::OrdersServed)));
  const auto key = profile.Strings.find(ProfileString::CurrentLevelKey);
  const int level = FindLevel(key == profile.Strings.end() ? "" : key->second).LevelNumber();
  ReplacePartToken(layout, "_round", L"_round", std::to_wstring(level));
  if (const GF::THolder<GF::HGENS::CResource> resources = GF::HGENS::GetResources())
    layout.SetText("_place_index", resources->GetText("index_" + std::to_string(place)));
}

bool CResultScreen::UpdateWithActions(const float& dt) {
  CActionWorker::Update(dt);
  return CCurtainScreen::Update(dt);
}

void CResultScreen::ShowResult(const std::string& ribbon) {
  const AnimationPtr layout = GetLayout();
  if (!layout) return;
  layout->SetLayer(ScreenLayerBase);
  SubstitutePart(layout, "_ribbon_place", ribbon);
  SubstitutePart(layout, "place_country",
                 "main_menu.country_" + std::to_string(GetCurrentStageNumber()));
  SetResultTexts(*layout, CurrentProfile());
}

void CResultScreen::AppendAfterOpening(float delay, float opening, CActionBase::Holder action) {
  if (GetTail()) return;
  Append(MakeWaitAction(IsCurtainOpening() ? delay + opening : delay));
  Append(std::move(action));
}
