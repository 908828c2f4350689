#include "game/screens/trophy/CJingerRoom.h"

#include <algorithm>

#include "framework/engine/app/Services.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/LevelProgress.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CPlaySoundAction.h"
#include "game/kitchen/CWaitAction.h"
#include "game/kitchen/FloorQuad.h"
#include "game/screens/FormatText.h"
#include "game/screens/MenuRows.h"
#include "game/screens/results/ResultScreenParts.h"
#include "platform/Engine.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;

constexpr MenuItemRow kItems[] = {{"exit", "exit"}, {"cookbook", "cookbook"}};

constexpr int kFirstDress = 2, kLastDress = 22;
constexpr int kFirstSouvenir = 24, kLastSouvenir = 43;
constexpr int kLeftButton = 18;
constexpr int kHoverSound = 22, kChangeSound = 23, kCurtainSound = 0, kAwardSound = 31;
constexpr float kAwardSoundDelay = 1000.0f;  // ms
constexpr const char* kFloorLevel = "other_1";
constexpr const char* kDefaultDress = "UPG_default_dress";
const GF::TPoint<float> kBalloonAt{400.0f, 50.0f};

void LogLine(const char* format, const std::string& name) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log(format, name.c_str());
  engine->Release();
}

std::wstring Text(const std::string& key) {
  return GF::HGENS::GetResources()->GetText(key);
}

std::wstring StageName(int stage) {
  return Text("stage_name_" + std::to_string(stage));
}

template <typename T>
bool Contains(const std::vector<T>& list, const T& value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

const UpgradeRecord* FindUpgradeRecord(int number) {
  const auto found = UpgradeTable.find(number);
  return found == UpgradeTable.end() ? nullptr : &found->second;
}

}  // namespace

GF::THolder<GF::IScreen> CJingerRoom::Create() {
  return GF::MakeHolder<CJingerRoom>();
}

CJingerRoom::CJingerRoom() : m_profile(&CurrentProfile()) {}

CJingerRoom::~CJingerRoom() {
  if (m_cook) m_cook->ReleaseStateAnimations();
}

float CJingerRoom::GetCurtainProgress() const {
  if (!m_curtain || m_curtain->GetEndTime() <= 0.0f) return 1.0f;
  return m_curtain->GetTime() / m_curtain->GetEndTime();
}

bool CJingerRoom::IsCurtainAtRest() const {
  return !m_curtain || m_curtain->GetEndTime() <= 0.0f || m_curtain->IsStopped();
}

void CJingerRoom::OnInit() {
  PlayMusic("music_game_menu");
  CCurtainScreen::OnInit();
  BuildRoom();
  AddMenuItems(*this, kItems);
}

void CJingerRoom::BuildRoom() {
  // The places in their screen positions, for the buttons' rectangles.
  if (const AnimationPtr layout = GetLayout()) layout->Update(0.0f);
  BuildDresses();
  BuildCook();
  BuildCurtain();
  BuildSouvenirs();
  BuildCups();
  HideLayoutBalloon();
  m_balloonRecord = {28, 13, "interfaces.lili_baloon_podkladka", "interfaces.lili_text",
                     GetScene()};
  CelebrateNewAward();
}

void CJingerRoom::BuildDresses() {
  static const StageRecord kNoRecord;
  const auto record = m_profile->StageRecords.find(m_profile->StageKey);
  const std::vector<std::int32_t>& granted =
      (record == m_profile->StageRecords.end() ? kNoRecord : record->second).UpgradeIds;
  const int stage = GetStageNumber(m_profile->StageKey);
  const float worn = m_profile->Floats[ProfileFloat::StageUpgrade];
  for (int k = kFirstDress; k <= kLastDress; ++k) {
    const UpgradeRecord* upgrade = FindUpgradeRecord(k);
    if (!upgrade || upgrade->StageNumber != stage) continue;
    int shown = upgrade->UpgradeId;
    bool earned = Contains(granted, shown);
    // The outfit she wears: the default one hangs in its place.
    if (worn == static_cast<float>(shown)) {
      shown = 0;
      earned = true;
    }
    if (earned && !granted.empty() && granted.back() == shown)
      m_newestSlot = static_cast<int>(m_dressSlots.size());
    AddDressSlot(shown, earned);
  }
}

void CJingerRoom::AddDressSlot(int dressId, bool earned) {
  DressSlot slot{CreateDressButton(dressId, static_cast<int>(m_dressSlots.size()) + 1, earned),
                 dressId,
                 earned,
                 {0, 0, -1, -1}};  // no button: nothing hits
  if (slot.button) {
    slot.button->SkipToEnd();
    slot.button->Update(0.0f);
    slot.button->GetBoundingRect(slot.rect);
  }
  m_dressSlots.push_back(slot);
}

AnimationPtr CJingerRoom::CreateDressButton(int dressId, int number, bool earned) {
  const AnimationPtr button = GetScene()->CreateAnimation("Ginger_room.dres_button");
  if (!button) return button;
  if (const auto place = GF::HGENS::FindRequiredPlace(button, "-place")) {
    const AnimationPtr picture =
        place->AddSubstitutedAnimation("Ginger_room.dres_" + std::to_string(dressId));
    if (picture) picture->Play(earned ? "_part_1" : "_part_2", 0, false);
  }
  AttachToPart(button, GetLayout(), "_dres_place_" + std::to_string(number));
  button->Play("_up", 0, false);
  return button;
}

void CJingerRoom::BuildCook() {
  const LevelDescription& level = FindLevel(kFloorLevel);
  if (level.FloorPoints.size() < 4) {
    LogLine("[W] LEVEL %s HAS NO FLOOR: THE ROOM STANDS WITHOUT THE COOK", kFloorLevel);
    return;
  }
  const auto& points = level.FloorPoints;
  KitchenFloor = {points[0], points[1], points[2], points[3]};
  m_cook = CPers::Create(IntegerPart(m_profile->Floats[ProfileFloat::StageUpgrade]),
                         level.Obstacles.begin(), level.Obstacles.end(), GetScene());
  m_cook->PlaceSprite(0.0f, 0.0f);
}

void CJingerRoom::BuildCurtain() {
  m_curtain = GF::HGENS::FindRequiredPart(GetLayout(), "_shtora");
  if (!m_curtain) return;
  m_curtain->Play("all", 0, false);
  m_curtain->SetLayer(CookLayer + 20);
  m_curtain->SkipToEnd();
}

void CJingerRoom::BuildSouvenirs() {
  const int reached = IntegerPart(m_profile->Floats[ProfileFloat::StageNumber]);
  const std::vector<std::string>& won = m_profile->UpgradeNames;
  for (int k = kFirstSouvenir; k <= kLastSouvenir; ++k) {
    const UpgradeRecord* upgrade = FindUpgradeRecord(k);
    if (!upgrade || upgrade->StageNumber > reached) continue;
    const std::string& name = upgrade->Name;
    const bool earned = Contains(won, name);
    std::wstring hint = earned ? Text(name + "_room")
                               : FormatText(Text("not_enable_souvenir"),
                                            StageName(upgrade->StageNumber), upgrade->Value1);
    const GF::THolder<CCookObject> souvenir =
        AddTrophy("Ginger_room." + name, "_" + name, std::move(hint));
    if (!souvenir) continue;
    if (!earned) souvenir->HolderGetCast()->Play("_part_2", 0, false);
    if (!won.empty() && won.back() == name) m_newestSouvenir = souvenir;
  }
}

void CJingerRoom::BuildCups() {
  const int stage = IntegerPart(m_profile->Floats[ProfileFloat::StageNumber]);
  const int last = m_profile->Floats[ProfileFloat::Value34] == 0.0f ? stage : stage + 1;
  for (int n = 1; n < last; ++n) {
    const std::string place = std::to_string(GetPlayerPlace("stage" + std::to_string(n)));
    AddTrophy("main_menu.cup_" + place + "_" + std::to_string(n),
              "cubok_place_" + std::to_string(n), StageName(n) + L" " + Text("cup_place_" + place));
  }
}

GF::THolder<CCookObject> CJingerRoom::AddTrophy(const std::string& name, const std::string& place,
                                                std::wstring hint) {
  DeviceSlot slot;
  slot.Name = name;
  slot.Scale = {1.0f, 1.0f};
  slot.Opacity = 1.0f;
  GF::THolder<CCookObject> trophy = CCookObject::Create(slot, GetScene());
  const AnimationPtr animation = trophy->HolderGetCast();
  if (!animation) {
    LogLine("[W] TROPHY %s LEFT OUT: IT HAS NO ANIMATION", name);
    return {};
  }
  AttachToPart(animation, GetLayout(), place);
  m_trophies.push_back(trophy);
  m_trophyHints.push_back(std::move(hint));
  return trophy;
}

void CJingerRoom::HideLayoutBalloon() {
  if (const AnimationPtr balloon = GF::HGENS::FindRequiredPart(GetLayout(), "_baloon")) {
    balloon->Play("_hide", 0, false);
    balloon->SkipToEnd();
  }
}

void CJingerRoom::CelebrateNewAward() {
  float& award = m_profile->Floats[ProfileFloat::Value17];
  if (award == 1.0f) {
    const int index = FindLevel(m_profile->Strings[ProfileString::CurrentLevelKey]).LevelIndex;
    if (index >= kFirstDress && index <= kLastDress && !m_dressSlots.empty()) {
      const GF::TRect<int>& rect = m_dressSlots[static_cast<std::size_t>(m_newestSlot)].rect;
      PlayAwardEffect("Particle\\new_dress_room.fgp",
                      {static_cast<float>((rect.left + rect.right) / 2),
                       static_cast<float>((rect.top + rect.bottom) / 2)});
    } else if (!m_trophies.empty() && m_newestSouvenir) {
      const AnimationPtr souvenir = m_newestSouvenir->HolderGetCast();
      souvenir->Update(0.0f);
      PlayAwardEffect("Particle\\hint.fgp", souvenir->GetPosition());
    }
  }
  award = 0.0f;
}

void CJingerRoom::PlayAwardEffect(const char* file, const GF::TPoint<float>& at) {
  m_awardEffect = GF::HGENS::CFGParticle::Create(file, "particles_2", 3.0f, true);
  m_awardEffect->SetScene(GetScene());
  m_awardEffect->SetPosition(at.x, at.y);
  Append(MakeWaitAction(kAwardSoundDelay));
  Append(MakePlaySoundActionById(kAwardSound));
}

bool CJingerRoom::IdleUpdate(const float& dt) {
  if (!CCurtainScreen::IdleUpdate(dt)) return false;
  (this->*m_state)(dt);
  CActionWorker::Update(dt);
  if (m_cook) m_cook->Update(dt);
  UpdateTrophyHover(dt);
  return true;
}

// The wardrobe waits for the celebration to end.
void CJingerRoom::WaitForActions(const float&) {
  if (!GetTail()) m_state = &CJingerRoom::UpdateWardrobe;
}

void CJingerRoom::UpdateWardrobe(const float&) {
  if (m_changing && GetCurtainProgress() > 0.5f) SwapDress();
  if (!IsCurtainAtRest()) {
    m_restTime = 0.0f;
    return;
  }
  UpdateDressHover();
  ClickDress();
}

// Behind the closed curtain: the cook puts the outfit on, hers takes its hanger.
void CJingerRoom::SwapDress() {
  m_changing = false;
  if (m_hoveredSlot < 0) return;
  float& worn = m_profile->Floats[ProfileFloat::StageUpgrade];
  const int old = IntegerPart(worn);
  DressSlot& slot = m_dressSlots[static_cast<std::size_t>(m_hoveredSlot)];
  worn = static_cast<float>(slot.dressId);
  slot.dressId = old;
  if (m_cook) {
    m_cook->SetDress(IntegerPart(worn));
    m_cook->CreateStateAnimations();
  }
  slot.button = CreateDressButton(slot.dressId, m_hoveredSlot + 1, true);
  m_hoveredSlot = -1;
  SyncStageUpgrade(true);
}

void CJingerRoom::UpdateDressHover() {
  const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
  const auto x = static_cast<float>(mouse->x), y = static_cast<float>(mouse->y);
  int hit = static_cast<int>(m_dressSlots.size()) - 1;
  for (; hit >= 0; --hit) {
    const GF::TRect<int>& r = m_dressSlots[static_cast<std::size_t>(hit)].rect;
    if (static_cast<float>(r.left) <= x && x <= static_cast<float>(r.right) &&
        static_cast<float>(r.top) <= y && y <= static_cast<float>(r.bottom))
      break;
  }
  if (hit == m_hoveredSlot) return;
  if (m_hoveredSlot >= 0) {
    const AnimationPtr& left = m_dressSlots[static_cast<std::size_t>(m_hoveredSlot)].button;
    if (left) left->Play("_leave", 0, false);
  }
  m_hoveredSlot = hit;
  if (hit < 0) return;
  PlaySoundById(kHoverSound);
  const AnimationPtr& over = m_dressSlots[static_cast<std::size_t>(hit)].button;
  if (over) over->Play("_over", 0, false);
}

// A click is taken here, whatever it hits; only one on an earned outfit draws the curtain.
void CJingerRoom::ClickDress() {
  const bool clicked = GF::HGENS::GetKeyset()->Consume(kLeftButton);
  if (!clicked || m_hoveredSlot < 0) return;
  DressSlot& slot = m_dressSlots[static_cast<std::size_t>(m_hoveredSlot)];
  if (!slot.earned) return;
  if (m_curtain) m_curtain->Play("all", 0, false);
  if (slot.button) slot.button->Play("_disabled", 1, true);
  m_changing = true;
  PlaySoundById(kChangeSound);
  PlaySoundById(kCurtainSound);
  m_restTime = 0.0f;
  if (m_balloonRequested) {
    m_balloonRequested = false;
    HideBalloon();
  }
}

void CJingerRoom::UpdateTrophyHover(const float& dt) {
  const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
  const GF::TPoint<float> at{mouse->fx, mouse->fy};
  const int hit = HitTrophy(at);
  m_highlight.CrossFadeHolders(
      dt, hit < 0 ? AnimationPtr() : m_trophies[static_cast<std::size_t>(hit)]->HolderGetCast());
  if (at.x == m_lastMouseX && at.y == m_lastMouseY) {
    m_restTime += dt;
    if (m_restTime > static_cast<float>(HoverDelay / 3) && !m_balloonRequested) {
      m_balloonRequested = true;
      OnBalloonShow(at);
    }
    return;
  }
  if (m_balloonRequested) {
    m_balloonRequested = false;
    OnBalloonHide(at);
  }
  m_restTime = 0.0f;
  m_lastMouseX = at.x;
  m_lastMouseY = at.y;
}

int CJingerRoom::HitTrophy(const GF::TPoint<float>& mouse) const {
  const GF::TPoint<int> point{static_cast<int>(mouse.x), static_cast<int>(mouse.y)};
  for (std::size_t i = 0; i < m_trophies.size(); ++i)
    if (HitTestObject(point, *m_trophies[i], true)) return static_cast<int>(i);
  return -1;
}

void CJingerRoom::OnBalloonShow(const GF::TPoint<float>& mouse) {
  UpdateBalloon(mouse);
}

void CJingerRoom::OnBalloonHide(const GF::TPoint<float>& mouse) {
  UpdateBalloon(mouse);
}

// Shows the balloon of what is under the mouse, keeps the one shown when it names the same,
// else hides it.
void CJingerRoom::UpdateBalloon(const GF::TPoint<float>& mouse) {
  std::wstring text;
  if (const int hit = HitTrophy(mouse); hit >= 0)
    text = m_trophyHints[static_cast<std::size_t>(hit)];
  OutfitText(mouse, text);
  if (m_balloonText.empty() && !text.empty())
    ShowBalloon(text);
  else if (text == m_balloonText && !text.empty())
    m_balloonRequested = true;
  else
    HideBalloon();
}

void CJingerRoom::OutfitText(const GF::TPoint<float>& mouse, std::wstring& text) const {
  int id = -1;
  bool earned = true;
  if (m_cook && m_cook->HitTest(mouse)) {
    id = IntegerPart(m_profile->Floats[ProfileFloat::StageUpgrade]);
  } else if (m_hoveredSlot >= 0) {
    const DressSlot& slot = m_dressSlots[static_cast<std::size_t>(m_hoveredSlot)];
    id = slot.dressId;
    earned = slot.earned;
  }
  if (id == -1) return;
  std::string key = kDefaultDress;
  for (int k = 1; k <= kLastDress; ++k) {
    const UpgradeRecord* upgrade = FindUpgradeRecord(k);
    if (!upgrade || upgrade->UpgradeId != id) continue;
    if (earned)
      key = upgrade->Name + "_room";
    else
      text = FormatText(Text("not_enable_outfi"), StageName(upgrade->StageNumber), upgrade->Value1);
    break;
  }
  if (text.empty()) text = Text(key);
}

void CJingerRoom::ShowBalloon(const std::wstring& text) {
  m_balloonText = text;
  if (m_balloon) m_balloon->Play("_hide", 1, true);
  m_balloon = SetObjectText(m_balloonRecord, text, true);
  if (!m_balloon) return;
  m_balloon->Play("_show", 0, false);
  m_balloon->SetPosition(kBalloonAt);
  m_balloon->Update(0.0f);
  m_balloon->SetLayer(ScreenLayerBase + 100);
}

void CJingerRoom::HideBalloon() {
  m_balloonText.clear();
  if (!m_balloon) return;
  m_balloon->Play("_hide", 1, true);
  m_balloon.Reset();
}
