#include "game/screens/story/CDialogScreen.h"

#include <algorithm>
#include <cmath>

#include "framework/core/ISubstitutedContainer.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/scene/ISprite.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/kitchen/CTextRecord.h"
#include "game/kitchen/CWaitAction.h"
#include "game/kitchen/MotionSetters.h"
#include "game/screens/MenuRows.h"
#include "game/screens/results/ResultScreenParts.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;
using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;

constexpr const char* kNext = "next";
constexpr const char* kExit = "exit";
constexpr const char* kNextDialog = "next_dialog";
constexpr const char* kGinger = "ginger";

constexpr MenuItemRow kItems[] = {
    {"next", "next"},
    {"skip", "exit"},
    {"yes", "yes"},
    {"no", "no"},
};

constexpr float kLinePause = 250.0f;  // ms
constexpr float kFadeOutDelay = 145.0f;
constexpr float kFadeOutTime = 50.0f;
constexpr float kFadeInTime = 150.0f;
constexpr std::size_t kFixedBalloonLength = 8;  // characters a fixed balloon holds
constexpr std::size_t kWideMarginLength = 10;
constexpr int kWideMargin = 75;
constexpr int kMargin = 25;
constexpr float kGingerBalloonX = 70.0f;
constexpr float kBalloonX = -25.0f;
constexpr int kTextAboveBalloon = 10;
constexpr int kTintBlend = 2;
constexpr int kLastStageLevel = 7;
constexpr int kFinalSecondPlace = 202;
constexpr int kRemovingDialogs[] = {15, 21};

int DialogCount() {
  return static_cast<int>(DialogRecords.size());
}

std::wstring Text(const std::string& key) {
  return GF::HGENS::GetResources()->GetText(key);
}

void ShowPart(const AnimationPtr& animation, const char* part) {
  if (animation) animation->Play(part, 0, false);
}

// Plays the part and puts it at its end: the balloon and its text start hidden.
void StartHidden(GF::IAnimation& animation) {
  animation.Play("_hide", 0, false);
  animation.SkipToEnd();
}

void Drop(AnimationPtr& animation) {
  if (animation) animation->RemoveFromParent();
  animation.Reset();
}

int TopOf(GF::IAnimation& animation) {
  GF::TRect<int> rect;
  animation.GetBoundingRect(rect);
  return rect.top;
}

int HeightOf(GF::IAnimation& animation) {
  GF::TRect<int> rect;
  animation.GetBoundingRect(rect);
  return rect.bottom - rect.top;
}

void SetEnabled(const GF::IScreen& screen, const char* name, bool enabled) {
  if (const auto button = FindButton(screen, name)) button->SetEnabled(enabled);
}

bool IsEnabled(const GF::IScreen& screen, const char* name) {
  const auto button = FindButton(screen, name);
  return button && button->IsEnabled();
}

}  // namespace

GF::THolder<GF::IScreen> CDialogScreen::Create() {
  return GF::MakeHolder<CDialogScreen>();
}

CDialogScreen::CDialogScreen() {
  PlayerProfile& profile = CurrentProfile();
  const DialogChoice choice = ChooseDialog(profile, DialogCount());
  m_dialogIndex = choice.index;
  if (!choice.advance) return;
  profile.Floats[ProfileFloat::StoryProgress] += 1.0f;
  SaveProfiles();
}

CDialogScreen::DialogChoice CDialogScreen::ChooseDialog(const PlayerProfile& profile, int count) {
  const auto value = [&profile](std::int32_t id) {
    const auto found = profile.Floats.find(id);
    return found == profile.Floats.end() ? 0 : IntegerPart(found->second);
  };
  DialogChoice choice{value(ProfileFloat::StoryProgress), false};
  choice.advance = choice.index < count - 2;
  if (value(ProfileFloat::LevelInStage) == kLastStageLevel &&
      value(ProfileFloat::CurrentPlace) == kFinalSecondPlace)
    choice.index = count - 1;
  return choice;
}

std::string CDialogScreen::ExitResult(int dialogIndex, int count) {
  if (dialogIndex == count - 2) return "comics";
  if (std::ranges::find(kRemovingDialogs, dialogIndex) != std::end(kRemovingDialogs))
    return "remove";
  return kExit;
}

int CDialogScreen::PlaceDigit(const std::string& pose) {
  if (pose.empty() || pose.back() < '0' || pose.back() > '9') return -1;
  return pose.back() - '0';
}

CDialogScreen::BalloonLook CDialogScreen::ChooseBalloon(const std::string& character,
                                                        std::size_t textLength) {
  const std::string side = character == kGinger ? "dialog.baloon_left" : "dialog.baloon_right";
  if (textLength <= kFixedBalloonLength) return {side + "_2", 0};
  return {side, textLength > kWideMarginLength ? kMargin : kWideMargin};
}

const DialogRecord* CDialogScreen::Record() const {
  if (m_dialogIndex < 0 || m_dialogIndex >= DialogCount()) return nullptr;
  const DialogRecord& record = DialogRecords[static_cast<std::size_t>(m_dialogIndex)];
  return record.Entries.empty() ? nullptr : &record;
}

const DialogEntry& CDialogScreen::Line() const {
  return Record()->Entries[static_cast<std::size_t>(m_lineIndex)];
}

int CDialogScreen::LineCount() const {
  const DialogRecord* record = Record();
  return record ? static_cast<int>(record->Entries.size()) : 0;
}

void CDialogScreen::SetResult(const std::string& result) {
  m_command = result;
  m_result = result;
}

void CDialogScreen::OnInit() {
  CCurtainScreen::OnInit();
  if (const AnimationPtr layout = GetLayout()) layout->SetLayer(ScreenLayerBase);
  const int stage = GetStageNumber(CurrentProfile().StageKey);
  if (stage != 0) {
    PlayMusic("musik_" + std::to_string(stage));
  } else {
    StopMusic();
  }
  BuildBackground();
  AddMenuItems(*this, kItems);
  AdvanceLine();
}

void CDialogScreen::OnDestroy() {
  for (auto& [name, slot] : m_characters) {
    Drop(slot.balloon);
    Drop(slot.balloonText);
  }
  CCurtainScreen::OnDestroy();
}

bool CDialogScreen::IdleUpdate(const float& dt) {
  CActionWorker::Update(dt);
  UpdateFlyObjects(*this, dt);
  return CCurtainScreen::IdleUpdate(dt);
}

void CDialogScreen::OnCommand(const std::string& command) {
  CCurtainScreen::OnCommand(command);
  if (command == kNext) {
    if (m_lineIndex + 1 < LineCount()) {
      // The dialogue goes on: the flow sees no command, and a press while the line still
      // changes is dropped.
      SetResult("");
      if (!GetTail()) AdvanceLine();
    } else {
      SetResult(kExit);
    }
  } else if (command == kNextDialog) {
    float& story = CurrentProfile().Floats[ProfileFloat::StoryProgress];
    story += 1.0f;
    SetResult(story < static_cast<float>(DialogCount()) ? kNext : kExit);
  }
  if (m_result == kExit) SetResult(ExitResult(m_dialogIndex, DialogCount()));
}

void CDialogScreen::BuildBackground() {
  const DialogRecord* record = Record();
  const AnimationPtr layout = GetLayout();
  if (!record || !layout) return;
  if (const AnimationPtr back = SubstitutePart(layout, "_back_place", "dialog.back")) {
    const ContainerPtr place(back->GetChildAt(0));
    if (place)
      place->AddSubstitutedAnimation("dialog.background_" + std::to_string(record->StageNumber));
  }
  m_dialogScene = SubstitutePart(layout, "_pers_place", record->Name);
}

void CDialogScreen::AppendStep(void (CDialogScreen::*step)()) {
  Append(MakeExecuteAction(GF::MakeDelegate(this, step)));
}

void CDialogScreen::AdvanceLine() {
  if (Record()) {
    if (!m_started) {
      m_started = true;
      PlaceCharacters();
      ShowCharacterPoses();
      Append(MakeWaitAction(0.0f));
      AppendStep(&CDialogScreen::BuildBalloons);
      AppendStep(&CDialogScreen::ShowBalloons);
    } else {
      ++m_lineIndex;
      PlaceCharacters();
      AppendStep(&CDialogScreen::HideBalloons);
      Append(MakeWaitAction(kLinePause));
      AppendStep(&CDialogScreen::BuildBalloons);
      AppendStep(&CDialogScreen::ShowCharacterPoses);
      AppendStep(&CDialogScreen::FadeCharacters);
    }
  }
  UpdateButtons();
}

void CDialogScreen::PlaceCharacters() {
  for (auto& [name, slot] : m_characters) {
    slot.outgoing = slot.current;
    slot.current.Reset();
  }
  int place = 1;
  for (const DialogLine& item : Line().Lines) {
    CharacterSlot& slot = m_characters[item.Speaker];
    const int digit = PlaceDigit(item.Pose());
    const auto last = m_places.find(item.Speaker);
    // Only a character on the last line can stay where it stood.
    const bool stays = !IsFirstLine() && digit >= 0 && slot.outgoing && last != m_places.end() &&
                       last->second == digit;
    if (stays) {
      slot.current = slot.outgoing;
      slot.outgoing.Reset();
    } else {
      PlaceCharacter(item, place);
    }
    if (item.Speaker != kGinger) ++place;
  }
}

void CDialogScreen::PlaceCharacter(const DialogLine& item, int place) {
  const std::string part =
      item.Speaker == kGinger ? "_ginger" : "_pers_place_" + std::to_string(place);
  const AnimationPtr animation = SubstitutePart(m_dialogScene, part, "dialog." + item.Speaker);
  if (!animation) return;
  if (!IsFirstLine()) animation->SetOpacity(0.0f);
  m_characters[item.Speaker].current = animation;
  m_places[item.Speaker] = PlaceDigit(item.Pose());
}

void CDialogScreen::ShowCharacterPoses() {
  float longest = 0.0f;
  for (const DialogLine& item : Line().Lines) {
    const AnimationPtr& current = m_characters[item.Speaker].current;
    if (!current) continue;
    if (!item.Pose().empty()) {
      current->Play(item.Pose().c_str(), 0, false);
      longest = std::max(longest, current->GetEndTime() - current->GetTime());
    }
    current->SetText("_text", L" ");
  }
  if (IsFirstLine()) return;
  if (longest > 0.0f) Append(MakeWaitAction(longest));
  AppendStep(&CDialogScreen::ShowBalloons);
  Append(MakeWaitAction(kLinePause));
}

void CDialogScreen::FadeCharacter(const AnimationPtr& animation, float from, float delay,
                                  float duration) {
  const GF::THolder<CFlyObject> flight = CreateFlyObject();
  flight->AddTarget(animation);
  flight->SetDuration(duration);
  flight->m_startDelay = delay;
  flight->m_removeOnArrival = from > 0.0f;
  SetFloatLineMotion(*flight, from, 1.0f - from);
  AddFlyObject(*this, flight);
}

void CDialogScreen::FadeCharacters() {
  for (auto& [name, slot] : m_characters) {
    if (slot.outgoing) FadeCharacter(slot.outgoing, 1.0f, kFadeOutDelay, kFadeOutTime);
    slot.outgoing.Reset();
    if (slot.current) FadeCharacter(slot.current, 0.0f, 0.0f, kFadeInTime);
  }
}

void CDialogScreen::BuildBalloons() {
  for (const DialogLine& item : Line().Lines) {
    CharacterSlot& slot = m_characters[item.Speaker];
    Drop(slot.balloon);
    Drop(slot.balloonText);
    if (item.Speaks()) m_newSpeakers.push_back(item.Speaker);
  }
  // Every speaker of a line says its one text.
  const std::wstring text =
      Text("dialog_" + std::to_string(m_dialogIndex + 1) + "_" + std::to_string(m_lineIndex + 1));
  for (const std::string& speaker : m_newSpeakers) {
    CharacterSlot& slot = m_characters[speaker];
    slot.balloon = CreateBalloon(speaker, text);
    if (slot.balloon) slot.balloonText = CreateBalloonText(*slot.balloon, text);
  }
}

AnimationPtr CDialogScreen::CreateBalloon(const std::string& speaker, const std::wstring& text) {
  const BalloonLook look = ChooseBalloon(speaker, text.size());
  AnimationPtr balloon;
  if (look.marginX > 0) {
    const CTextRecord record{look.marginX, kMargin, look.balloon, "dialog.text_dialog", GetScene()};
    balloon = SetObjectText(record, text, false);
  } else {
    balloon = GetScene()->CreateAnimation(look.balloon);
  }
  if (!balloon) return balloon;
  balloon->Update(0.0f);
  // A speaker without a colour of its own keeps the balloon's.
  const auto colour = CharacterColorTable.find(speaker);
  const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite> body(balloon->GetChildAt(1));
  if (body && colour != CharacterColorTable.end())
    body->SetColor(static_cast<std::uint32_t>(colour->second.Number), kTintBlend);
  StartHidden(*balloon);
  if (const ContainerPtr place = GF::HGENS::FindRequiredPlace(GetLayout(), "_baloon_place"))
    balloon->SetParent(place, true);
  balloon->Update(0.0f);
  PlaceBalloon(m_characters[speaker], speaker == kGinger ? kGingerBalloonX : kBalloonX, *balloon);
  return balloon;
}

void CDialogScreen::PlaceBalloon(const CharacterSlot& slot, float offset, GF::IAnimation& balloon) {
  if (!slot.current) return;
  // Over the speaker's head, and never above the screen's top.
  const int top = TopOf(*slot.current);
  const int height = HeightOf(balloon);
  balloon.SetPosition(std::floor(slot.current->GetPosition().x + offset),
                      static_cast<float>(height >= top ? height : top));
  balloon.Update(0.0f);
}

AnimationPtr CDialogScreen::CreateBalloonText(GF::IAnimation& balloon, const std::wstring& text) {
  const AnimationPtr label = GetScene()->CreateAnimation("dialog.text_dialog");
  if (!label) return label;
  label->SetText("_text", text);
  label->SetLayer(balloon.GetLayer() + kTextAboveBalloon);
  const ContainerPtr anchor(balloon.FindDrawable("_text"));
  const GF::TPoint<float> at =
      anchor ? GF::TPoint<float>{anchor->GetProperties().x, anchor->GetProperties().y}
             : balloon.GetPosition();
  label->SetPosition(std::floor(at.x), std::floor(at.y));
  StartHidden(*label);
  return label;
}

void CDialogScreen::HideBalloons() {
  for (const std::string& speaker : m_shownSpeakers) {
    const CharacterSlot& slot = m_characters[speaker];
    ShowPart(slot.balloon, "_hide");
    ShowPart(slot.balloonText, "_hide");
  }
}

void CDialogScreen::ShowBalloons() {
  for (const std::string& speaker : m_newSpeakers) {
    const CharacterSlot& slot = m_characters[speaker];
    ShowPart(slot.balloon, "_show");
    ShowPart(slot.balloonText, "_show");
  }
  m_shownSpeakers = std::move(m_newSpeakers);
  m_newSpeakers.clear();
}

void CDialogScreen::UpdateButtons() {
  const DialogRecord* record = Record();
  const bool question = record && record->IsQuestion();
  if (question && m_lineIndex + 1 == LineCount() && IsEnabled(*this, "next")) {
    SetEnabled(*this, "next", false);
    SetEnabled(*this, "skip", false);
    SetEnabled(*this, "yes", true);
    SetEnabled(*this, "no", true);
    AppendStep(&CDialogScreen::ShowFinalText);
  } else if (IsEnabled(*this, "yes")) {
    SetEnabled(*this, "next", true);
    SetEnabled(*this, "skip", !question);
    SetEnabled(*this, "yes", false);
    SetEnabled(*this, "no", false);
  }
}

void CDialogScreen::ShowFinalText() {
  if (const AnimationPtr layout = GetLayout()) layout->SetText("_text", Text("final_text"));
}
