#include "game/kitchen/CZacaz.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <sstream>

#include "framework/core/TRect.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/scene/CTextSpriteObject.h"
#include "framework/engine/scene/ISprite.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CPlaySoundAction.h"
#include "game/kitchen/CWaitAction.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "platform/Engine.h"

namespace {

using AnimationPtr = CZacaz::AnimationPtr;
using PlacePtr = CZacaz::PlacePtr;

constexpr float kAlarmPatience = 0.225f;
constexpr float kMoodTwoPatience = 0.625f;
constexpr float kMoodThreePatience = 0.275f;
constexpr float kBonusTimeLeft = 10000.0f;  // ms of the level below which no bonus rides
constexpr float kBonusWarning = 5.0f;       // s before its loss a bonus icon blinks
constexpr float kPointsPerMs = 0.01f;       // the shown points move 10 a second
constexpr int kAllDoneSound = 7;
constexpr float kAllDoneWait = 1000.0f;
constexpr int kBonusIconLayer = 1000;
constexpr float kListTop = -15.0f;
constexpr float kLineX = 35.0f;
constexpr float kIconY = 16.0f;
constexpr float kIconWidthCap = 1.3f;
constexpr float kDoneSpeed = 3.0f;
constexpr std::uint32_t kBonusLineColor = 0xFF00BB00;
constexpr std::uint32_t kTabLit = 0xFF880000;
constexpr std::uint32_t kTabPlain = 0xFF999999;
constexpr std::uint32_t kGreyPicture = 0xFF808080;
constexpr std::uint32_t kOwnColour = 0xFFFFFFFF;  // no colour given: the sprite's own
constexpr int kColourBlend = 2;
// An item line: its first child is the place of its picture, the next its text.
constexpr int kIconChild = 0;
constexpr int kTextChild = 1;

void Log(const char* format, const char* text) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log(format, text);
  engine->Release();
}

// The named drawable of the animation as a place other animations are put into.
PlacePtr FindPlace(const AnimationPtr& animation, const char* name) {
  if (!animation) return {};
  PlacePtr place(animation->FindDrawable(name));
  if (!place) Log("[W] PLACE %s NOT FOUND", name);
  return place;
}

PlacePtr ChildPlace(const AnimationPtr& animation, int index) {
  return animation ? PlacePtr(animation->GetChildAt(index)) : PlacePtr();
}

GF::TRect<int> Bounds(const AnimationPtr& animation) {
  GF::TRect<int> rect;
  animation->GetBoundingRect(rect);
  return rect;
}

float Width(const GF::TRect<int>& rect) {
  return static_cast<float>(rect.right - rect.left);
}

float Height(const GF::TRect<int>& rect) {
  return static_cast<float>(rect.bottom - rect.top);
}

void SetTextColour(const AnimationPtr& animation, int child, std::uint32_t colour) {
  if (!animation) return;
  const GF::IAnimation::ObjectPtr object = animation->GetChildAt(child);
  if (auto* text = dynamic_cast<GF::HGENS::CTextSpriteObject*>(object.Get()))
    text->SetColor(colour);
}

void SetPictureColour(const AnimationPtr& picture, std::uint32_t colour) {
  const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite> sprite(picture->GetDrawable(0));
  if (sprite) sprite->SetColor(colour, kColourBlend);
}

float CutToTenths(float value) {
  return std::trunc(value * 10.0f) / 10.0f;
}

int RandomInt(int min, int max) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  const int value = engine->RandomInt(min, max);
  engine->Release();
  return value;
}

const BonusDescription* FindBonus(int kind) {
  const auto found = BonusTable.find(kind);
  if (found != BonusTable.end()) return &found->second;
  Log("[W] BONUS %s NOT FOUND", std::to_string(kind).c_str());
  return nullptr;
}

}  // namespace

GF::THolder<CZacaz> CZacaz::Create(const LevelOrderRecord& record,
                                   GF::THolder<CGameFieldBase> field) {
  if (RecipeTable.find(record.RecipeKey) == RecipeTable.end()) {
    Log("[E] RECIPE %s NOT FOUND", record.RecipeKey.c_str());
    return nullptr;
  }
  return GF::THolder<CZacaz>(new CZacaz(record, std::move(field)));
}

CZacaz::CZacaz(const LevelOrderRecord& record, GF::THolder<CGameFieldBase> field)
    : m_record(&record),
      m_type(record.OrderType),
      m_field(std::move(field)),
      m_contentOffset(OrderContentOffsetY) {
  CreateBubble();
  m_recipe = &RecipeTable.find(record.RecipeKey)->second;
  m_patienceOpen = record.PatienceOpen;
  m_patienceClosed = record.PatienceClosed;
  m_figureNumber = record.CustomerFigure;
  ShowRecipeName();
  m_itemCount = static_cast<int>(m_recipe->Items.size());
  m_delivered.assign(static_cast<std::size_t>(m_itemCount), false);
  m_currentItem = m_itemCount;
  for (int k = 0; k < m_itemCount; ++k) {
    if (IsSequential(k)) {
      m_currentItem = k;
      break;
    }
  }
  BuildStatus();
  CreateFigure();
  AdvanceMood();
  SetRingState(0);
  float tips = 0.0f;
  ComputePayment(m_shownPoints, tips);
  ShowPoints();
}

CZacaz::~CZacaz() {
  Dispose();
}

// ---- Creation -------------------------------------------------------------------------

void CZacaz::CreateBubble() {
  const char* name = "interfaces.zakaz";
  if (m_type == 101) name = "interfaces.zakaz_2";
  if (m_type == 102) name = "interfaces.zakaz_3";
  if (m_type == 100) {
    name = "bonus.zakaz_bonus";
    m_contentOffset = BonusOrderContentOffsetY;
  }
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  m_bubble = layer ? layer->CreateAnimation(name) : nullptr;
  if (!m_bubble) return;
  m_bubble->SetLayer(HudLayerBase + 100);
  m_bubble->SetAngle(0.0f);
  m_bubble->SetPosition(OrderStartX, OrderStartY);
  m_bubble->SetVisible(true);
  m_bubble->Play("_idle", 0, false);
  m_itemList = GF::HGENS::FindRequiredPart(m_bubble, "_list");
  if (m_itemList) {
    m_itemList->SetTime(0.0f);
    m_itemList->SetVisible(false);
  }
  m_pointsPanel = GF::HGENS::FindRequiredPart(m_itemList, "_many");
  if (m_pointsPanel) {
    m_pointsPanel->SetVisible(false);
    if (m_type == 100) m_pointsPanel->SetOpacity(0.0f);
  }
  if (const AnimationPtr button = GF::HGENS::FindRequiredPart(m_itemList, "_item_delivery")) {
    m_deliveryButton = CDeliveryButton::Create(button, true);
    m_deliveryButton->SetEnabled(false);
    button->Rewind();
  }
}

void CZacaz::ShowRecipeName() {
  if (m_bubble) m_bubble->SetText("_recept", m_recipe->DisplayName);
}

void CZacaz::ShowPoints() {
  const float value =
      m_type == 100 ? static_cast<float>(m_itemCount - m_deliveredCount) : m_shownPoints;
  // Making the text costs allocations: a frame that changes nothing sets nothing.
  if (!m_bubble || value == m_pointsOnBubble) return;
  m_pointsOnBubble = value;
  if (m_type == 100)
    m_bubble->SetNumber("_points", m_itemCount - m_deliveredCount);
  else
    m_bubble->SetText("_points", FormatNumber(m_shownPoints));
}

void CZacaz::BuildStatus() {
  const bool bar = m_record->DrainsPatience();
  const bool frame = m_type == 3 || m_type == 4 || m_type == 101 || m_type == 102;
  if (frame) {
    const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
    m_statusFrame = layer ? layer->CreateAnimation("interfaces.ramka_1") : nullptr;
  }
  if (bar && m_bubble)
    m_progressBar = m_bubble->GetScene()->CreateAnimation("interfaces.progress_new");
  if (m_progressBar) {
    Attach(m_progressBar, FindPlace(m_bubble, "_status"));
    m_progressBar->Play("all", 0, false);
    m_barLength = m_progressBar->GetEndTime() - m_progressBar->GetStartTime();
    m_progressBar->Update(0.0f);
    m_progressBar->SetTime(0.0f);
    // Its time is the patience lost, set every frame: its own clock stands.
    m_progressBar->SetSpeed(0.0f);
  }
  BuildBonuses();
  if (m_statusFrame) {
    Attach(m_statusFrame, FindPlace(m_bubble, "_pers_place"));
    m_bubble->ShowObject("_header", false);
  }
}

bool CZacaz::TakesBonus() const {
  const LevelDescription* level = m_field ? m_field->GetLevelDescription() : nullptr;
  if (!level || level->BonusEntries.empty()) return false;
  if (!m_record->DrainsPatience()) return false;
  return level->LevelTime - m_field->GetLevelTime() >= kBonusTimeLeft && ReadBonusCounter() <= 0;
}

void CZacaz::BuildBonuses() {
  int count = TakesBonus() ? 1 : 0;
  if (m_type == 101 && m_field && m_field->UpgradeFlag() && m_field->GetLevelDescription())
    count = static_cast<int>(m_field->GetLevelDescription()->BonusEntries.size());
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  for (int n = 0; n < count && layer; ++n) {
    const LevelBonusEntry* entry = m_field->GetNextBonusEntry();
    const BonusDescription* bonus = entry ? FindBonus(entry->Kind) : nullptr;
    AnimationPtr icon = bonus ? layer->CreateAnimation(bonus->Name) : nullptr;
    // A bonus without its description or icon does not ride.
    if (!icon) continue;
    m_bonusEntries.push_back({entry->Kind, entry->Position});
    icon->SetLayer(kBonusIconLayer);
    icon->Play("_show", 0, false);
    const float fraction =
        m_patienceOpen > 0 ? entry->Position / static_cast<float>(m_patienceOpen) : 0.0f;
    PlaceBonusIcon(icon, fraction);
    m_bonusIcons.push_back(icon);
    ChangeBonusCounter(1);
  }
}

void CZacaz::PlaceBonusIcon(const AnimationPtr& icon, float fraction) {
  if (m_type == 101 || m_type == 102 || !m_progressBar) return;
  const GF::IAnimation::DrawablePtr bar(m_progressBar->GetChildAt(0));
  const GF::TRect<int> extent = bar ? bar->GetBoundingRect() : GF::TRect<int>{};
  const PlacePtr place = FindPlace(m_bubble, "_status");
  // The bar's extent is on the screen; the icon stands in the place's own frame.
  const float origin = place ? place->GetProperties().x : 0.0f;
  const float x = std::trunc(static_cast<float>(extent.left) + Width(extent) * fraction - origin);
  icon->SetPosition(x, 0.0f);
  Attach(icon, place);
}

void CZacaz::AddBonusIcon(AnimationPtr icon, float fraction) {
  if (!icon) return;
  PlaceBonusIcon(icon, fraction);
  m_foreignIcons.push_back(std::move(icon));
}

void CZacaz::CreateFigure() {
  if (m_type == 100 || !m_bubble) return;
  if (m_figure) {
    m_figure->RemoveFromParent();
    m_figure.Reset();
  }
  const GF::THolder<GF::IScene> scene = m_bubble->GetScene();
  // A figure the data lack is no fault: the stand-in shows.
  const std::string name = "judge_" + std::to_string(m_figureNumber);
  std::vector<std::string> figures;
  GF::HGENS::GetResources()->GetAnimationNames(figures, "interfaces");
  const bool known = std::find(figures.begin(), figures.end(), name) != figures.end();
  m_figure = scene->CreateAnimation(known ? "interfaces." + name : "interfaces.pers_1");
  if (m_figure) Attach(m_figure, FindPlace(m_bubble, "_pers_place"));
}

void CZacaz::AdvanceMood() {
  ++m_mood;
  const std::string part = "_part_" + std::to_string(m_mood);
  if (const AnimationPtr fon = GF::HGENS::FindRequiredPart(m_bubble, "_fon"))
    fon->Play(part.c_str(), 0, false);
  if (m_mood <= 3 && m_figure) {
    m_idleAnimation = part;
    m_figure->Play(part.c_str(), 0, false);
  }
}

void CZacaz::SetRingState(int state) {
  const char* part = "";
  if (state == 0) part = m_alarmStarted ? "_bed" : "_idle";
  if (state == 1) part = "_work_end_2";
  if (state == 3) part = "_work_end";
  for (const char* ring : {"_ring_3", "_ring_2"})
    if (const AnimationPtr node = GF::HGENS::FindRequiredPart(m_bubble, ring))
      node->Play(part, 0, false);
}

void CZacaz::Attach(const AnimationPtr& node, const PlacePtr& place) {
  if (!node) return;
  node->SetParent(place, true);
  node->Update(0.0f);
  m_attached.push_back(node);
}

// ---- The field's bonus counter ----------------------------------------------------------

int CZacaz::ReadBonusCounter() const {
  const LevelDescription* level = m_field->GetLevelDescription();
  const bool nearEnd = level && level->LevelTime - m_field->GetLevelTime() < kBonusTimeLeft;
  return nearEnd ? 1 : m_field->BonusCounter();
}

void CZacaz::ChangeBonusCounter(int by) {
  if (m_field) m_field->BonusCounter() = ReadBonusCounter() + by;
}

// ---- Patience ---------------------------------------------------------------------------

void CZacaz::Update(const float& dt) {
  UpdateFigureIdle(dt);
  if (m_type == 100) {
    ShowPoints();
  } else if (!m_paid) {
    UpdateShownPoints(dt);
  }
  if (m_record->DrainsPatience() && m_deliveredCount < m_itemCount + 1) {
    Drain(dt);
    if (m_progressBar) m_progressBar->SetTime((1.0f - m_patience) * m_barLength);
    CheckBonusLoss();
  }
  if (m_patience <= kMoodTwoPatience && m_mood <= 1)
    AdvanceMood();
  else if (m_patience <= kMoodThreePatience && m_mood <= 2)
    AdvanceMood();
  if (m_deliveryButton && m_deliveryButton->IsEnabled()) {
    m_deliveryButton->Update(dt);
    if (m_working || m_leaving) m_deliveryButton->SetEnabled(false);
  }
  if (IsScrolling() && m_opened && m_bubble && m_bubble->IsStopped() && !m_leaving)
    UpdateLineScroll(dt);
}

void CZacaz::UpdateFigureIdle(const float& dt) {
  if (!m_figure || !m_figure->IsStopped()) return;
  if (m_idleTimer > 0.0f) {
    m_idleTimer -= dt;
    return;
  }
  m_idleTimer = static_cast<float>(std::rand() % 4000) + 3000.0f;
  m_figure->Play(m_idleAnimation.c_str(), 0, false);
}

float CZacaz::CutPoints() const {
  float points = 0.0f;
  float tips = 0.0f;
  ComputePayment(points, tips);
  return CutToTenths(points);
}

void CZacaz::UpdateShownPoints(const float& dt) {
  float target = CutPoints();
  if (target > 9.88f && target < 10.0f) target = 10.0f;
  if (target != m_shownPoints && dt != 0.0f) {
    const float step = std::min(std::fabs(target - m_shownPoints), dt * kPointsPerMs);
    m_shownPoints += target > m_shownPoints ? step : -step;
  }
  ShowPoints();
}

void CZacaz::Drain(const float& dt) {
  if (m_patience <= kAlarmPatience) return;
  const int seconds = m_opened ? m_patienceOpen : m_patienceClosed;
  if (seconds > 0) m_patience -= dt * PatienceDrainFactor / (static_cast<float>(seconds) * 1000.0f);
}

void CZacaz::CheckBonusLoss() {
  if (m_bonusEntries.empty() || m_bonusIcons.empty()) return;
  const float position = m_bonusEntries.back().position;
  const float waited = (1.0f - m_patience) * static_cast<float>(m_patienceOpen);
  const AnimationPtr& icon = m_bonusIcons.back();
  if (waited + kBonusWarning > position && icon->IsStopped()) icon->Play("_hide", 0, false);
  if (waited <= position) return;
  ChangeBonusCounter(-1);
  icon->RemoveFromParent();
  std::erase(m_attached, icon);
  m_bonusIcons.pop_back();
  m_bonusEntries.pop_back();
}

bool CZacaz::CheckExpired(const float& dt) {
  if (m_patience <= kAlarmPatience && m_deliveredCount < m_itemCount + 1) {
    if (m_patienceOpen > 0)
      m_patience -= dt * PatienceDrainFactor / (static_cast<float>(m_patienceOpen) * 1000.0f);
    if (!m_alarmStarted) {
      m_alarmStarted = true;
      SetRingState(0);
    }
  }
  return m_patience <= 0.0f;
}

// ---- Opening ----------------------------------------------------------------------------

void CZacaz::Open() {
  if (m_opened || !m_bubble) return;
  if (m_deliveryButton && !m_deliveryButton->IsEnabled()) SetRingState(0);
  m_bubble->Play("_show", 0, false);
  if (IsScrolling()) {
    FinishPendingScroll();
    m_bubble->Update(0.0f);
    m_bubble->Play("_show", 0, false);
  }
  m_bubble->Update(0.0f);
  m_opened = true;
  if (m_itemLines.empty() && m_itemList) {
    m_itemList->SetVisible(true);
    BuildItemList();
  }
  if (m_pointsPanel) m_pointsPanel->SetVisible(m_paid);
  if (m_workIndicator && !m_working) HideWorkIndicator("_hide");
}

// ---- Items ------------------------------------------------------------------------------

bool CZacaz::IsSequential(int item) const {
  return m_recipe->Items[static_cast<std::size_t>(item)].WorkTime != 0;
}

bool CZacaz::IsDelivered(int item) const {
  return m_delivered[static_cast<std::size_t>(item)];
}

bool CZacaz::IsLineShown(int item) const {
  const auto k = static_cast<std::size_t>(item);
  return k < m_itemLines.size() && m_itemLines[k] && m_itemLines[k]->IsShown();
}

bool CZacaz::Matches(int item, const ObjectDescription& object) const {
  const std::string& name = m_recipe->Items[static_cast<std::size_t>(item)].ObjectName;
  if (name == object.Key) return true;
  const std::wstring& wide = GetObjectDescription(name).WideName;
  return !wide.empty() && wide == object.WideName;
}

int CZacaz::GetNextItem(bool advance, bool randomStart) {
  const int limit = std::min(m_currentItem + (advance ? 1 : 0), m_itemCount);
  const int start = randomStart ? RandomInt(0, limit) : 0;
  for (int k = 0; k < limit; ++k) {
    int i = start + k;
    if (i >= limit) i -= limit;
    if (IsDelivered(i) || !IsLineShown(i)) continue;
    if (!IsSequential(i)) return i;
    if (advance && !m_working && m_itemsDone == m_currentItem && i == m_currentItem) return i;
  }
  return -1;
}

bool CZacaz::CanUseObject(const ObjectDescription& object) const {
  return m_currentItem < m_itemCount && object.WorkFlag != 0 && Matches(m_currentItem, object) &&
         IsLineShown(m_currentItem) && !IsDelivered(m_currentItem);
}

int CZacaz::FindItemForDevice(const std::string& objectName) const {
  const ObjectDescription& object = GetObjectDescription(objectName);
  if (object.WorkFlag == 0 || m_currentItem != m_deliveredCount || m_working ||
      m_currentItem >= m_itemCount)
    return -1;
  return CanUseObject(object) ? m_currentItem : -1;
}

int CZacaz::FindItemForObject(const std::string& objectName) const {
  const ObjectDescription& object = GetObjectDescription(objectName);
  if (object.WorkFlag != 0) {
    if (m_currentItem != m_itemsDone || m_working || m_currentItem >= m_itemCount) return -1;
    return CanUseObject(object) ? m_currentItem : -1;
  }
  for (int i = 0; i < m_currentItem; ++i) {
    if (!IsDelivered(i) && m_recipe->Items[static_cast<std::size_t>(i)].ObjectName == objectName &&
        IsLineShown(i))
      return i;
  }
  return -1;
}

void CZacaz::SetItemDelivered(int item) {
  if (item < 0 || item >= m_itemCount) return;
  m_delivered[static_cast<std::size_t>(item)] = true;
  ++m_deliveredCount;
  if (m_type == 101 || m_type == 102) GiveItemBonus();
}

void CZacaz::CompleteItem(int item) {
  if (item < 0 || item >= m_itemCount) return;
  m_delivered[static_cast<std::size_t>(item)] = true;
  ++m_itemsDone;
  if (static_cast<std::size_t>(item) < m_itemLines.size())
    StartLineScroll(m_itemLines[static_cast<std::size_t>(item)]);
  if (IsSequential(item)) {
    StrikeNextTab();
    AdvanceCurrentItem(item);
  } else if (m_itemsDone == m_currentItem && m_currentItem < m_itemCount) {
    ShowItemState(m_currentItem, true, true);
  }
  CheckAllDone();
  StrikeItemLine(item);
}

void CZacaz::AdvanceCurrentItem(int item) {
  m_currentItem = m_itemCount;
  for (int j = item + 1; j < m_itemCount; ++j) {
    if (!IsSequential(j)) {
      ShowItemState(j, false, true);
      continue;
    }
    m_currentItem = j;
    if (j == item + 1) ShowItemState(j, true, true);
    break;
  }
}

void CZacaz::ShowItemState(int item, bool sequential, bool available) {
  if (static_cast<std::size_t>(item) >= m_itemLines.size()) return;
  SetItemLineState(item, m_recipe->Items[static_cast<std::size_t>(item)], sequential, available,
                   false);
}

void CZacaz::CheckAllDone() {
  if (m_itemsDone != m_itemCount) return;
  if (m_field)
    m_field->Run(MakeWaitAction(kAllDoneWait))->AddNext(MakePlaySoundActionById(kAllDoneSound));
  SetRingState(1);
  if (m_type == 100) {
    if (m_field) m_field->OnOrderServed(GF::THolder<CZacaz>(this));
  } else if (m_type == 101 && CurrentProfile().Floats[ProfileFloat::CurrentPlace] != 0.0f) {
    return;
  } else {
    EnableDelivery();
  }
  StrikeNextTab();
}

void CZacaz::EnableDelivery() {
  if (m_deliveryButton) m_deliveryButton->SetEnabled(true);
  const GF::THolder<CDeliveryButton> fieldButton = m_field ? m_field->GetDeliveryButton() : nullptr;
  if (m_opened && !m_working && m_type != 102 && fieldButton) fieldButton->SetEnabled(true);
}

bool CZacaz::IsComplete() const {
  return m_opened && !m_working && m_deliveredCount == m_itemCount &&
         (m_currentItem != m_itemCount - 1 || m_itemsDone == m_itemCount);
}

// ---- Work -------------------------------------------------------------------------------

void CZacaz::SetWorking(bool working, int item, const std::string& object, float duration) {
  m_working = working;
  if (item == 100 && m_deliveryButton) m_deliveryButton->SetEnabled(false);
  const bool line = item >= 0 && static_cast<std::size_t>(item) < m_itemLines.size();
  if (working && line) {
    StartWorkIndicator(item, object, duration);
    return;
  }
  if (working) return;
  if (m_opened && m_workIndicator) {
    SetRingState(0);
    HideWorkIndicator("_hide_2");
    return;
  }
  SetRingState(3);
  if (!m_workIndicator) return;
  m_workIndicator->SetSpeed(1.0f);
  m_workIndicator->Play("_blink", 1, false);
  if (m_workPicture) m_workPicture->Play("_show", 1, false);
}

void CZacaz::StartWorkIndicator(int item, const std::string& object, float duration) {
  const auto k = static_cast<std::size_t>(item);
  if (k < m_pictures.size() && m_pictures[k].picture) {
    m_pictures[k].picture->Play("_work", 0, false);
    m_pictures[k].picture->Update(0.0f);
  }
  if (m_workIndicator) HideWorkIndicator("_hide_2");
  m_workIndicator = m_bubble->GetScene()->CreateAnimation("interfaces.icon_fon");
  if (m_workIndicator) {
    if (!object.empty()) {
      m_workPicture = m_bubble->GetScene()->CreateAnimation(GetObjectShownName(object));
      if (m_workPicture) {
        Attach(m_workPicture, FindPlace(m_workIndicator, "_icon_place"));
        m_workPicture->Play("_show", 0, false);
        m_workPicture->Update(0.0f);
        m_workPicture->Play("all", 0, false);
      }
    }
    m_workIndicator->Play("_show", 0, false);
    m_workLength = m_workIndicator->GetEndTime() - m_workIndicator->GetStartTime();
    m_workRate = duration > 0.0f ? m_workLength / duration : m_workLength;
    Attach(m_workIndicator, FindPlace(m_bubble, "_icon_place"));
    m_workIndicator->SetTime(0.0f);
    // Its time is the work done (UpdateWorkProgress): its own clock stands.
    m_workIndicator->SetSpeed(0.0f);
  }
  SetRingState(2);
  SetItemLineState(item, m_recipe->Items[k], true, true, true);
}

void CZacaz::HideWorkIndicator(const char* part) {
  // The picture goes with its indicator, which leaves the scene at the end of its part.
  if (m_workPicture) {
    m_workPicture->RemoveFromParent();
    std::erase(m_attached, m_workPicture);
    m_workPicture.Reset();
  }
  m_workIndicator->SetSpeed(1.0f);
  m_workIndicator->Play(part, 1, true);
  std::erase(m_attached, m_workIndicator);
  m_workIndicator.Reset();
}

void CZacaz::UpdateWorkProgress(const float& dt) {
  if (!m_workIndicator) return;
  m_workIndicator->SetTime(std::min(m_workIndicator->GetTime() + m_workRate * dt, m_workLength));
}

// ---- Bonuses and payment ----------------------------------------------------------------

void CZacaz::GiveBonuses() {
  for (std::size_t i = 0; i < m_bonusEntries.size(); ++i) {
    ChangeBonusCounter(-1);
    AnimationPtr icon = i < m_bonusIcons.size() ? m_bonusIcons[i] : nullptr;
    if (icon) {
      icon->SetParent(nullptr, false);
      std::erase(m_attached, icon);
    }
    const BonusDescription* bonus = FindBonus(m_bonusEntries[i].kind);
    if (bonus && m_field) m_field->CreateBonus(*bonus, icon, nullptr);
  }
  m_bonusEntries.clear();
  m_bonusIcons.clear();
}

void CZacaz::GiveItemBonus() {
  const float item = static_cast<float>(m_deliveredCount - 1);
  const auto found = std::find_if(m_bonusEntries.begin(), m_bonusEntries.end(),
                                  [item](const BonusEntry& e) { return e.position == item; });
  if (found == m_bonusEntries.end()) return;
  const auto index = static_cast<std::size_t>(found - m_bonusEntries.begin());
  ChangeBonusCounter(-1);
  if (index < m_bonusIcons.size()) {
    // Shown where it stood, the picture fades out there and leaves the scene.
    const AnimationPtr icon = m_bonusIcons[index];
    icon->SetParent(nullptr, false);
    icon->SetOpacity(1.0f);
    icon->SetVisible(true);
    icon->Play("_hide", 1, true);
    std::erase(m_attached, icon);
    m_bonusIcons.erase(m_bonusIcons.begin() + static_cast<std::ptrdiff_t>(index));
  }
  const BonusDescription* bonus = FindBonus(found->kind);
  m_bonusEntries.erase(found);
  if (bonus && m_field) m_field->CreateBonus(*bonus, nullptr, GF::THolder<CZacaz>(this));
  if (!m_bonusLines.empty()) {
    m_bonusLines.front()->SetOpacity(0.0f);
    StartLineScroll(m_bonusLines.front());
    m_bonusLines.pop_front();
  }
}

void CZacaz::ComputePayment(float& points, float& tips) const {
  points = (m_patience * 7.0f + 3.0f) * QualityFactor;
  tips = m_recipe->Payment != 0 ? static_cast<float>(m_recipe->Payment)
                                : static_cast<float>(m_itemCount) * 0.5f;
  tips += BonusPointsPerOrder;
}

void CZacaz::Pay() {
  if (m_type == 101 || m_type == 102) return;
  float points = 0.0f;
  float tips = 0.0f;
  ComputePayment(points, tips);
  points = CutToTenths(points);
  m_paid = true;
  ShowPaidPanel(points, tips);
  if (m_field) m_field->AddScore(points + tips);
}

void CZacaz::ShowPaidPanel(float points, float tips) {
  if (!m_pointsPanel) return;
  const GF::THolder<GF::HGENS::CResource> resources = GF::HGENS::GetResources();
  m_pointsPanel->SetText("_many", resources->GetText("bals") + L" " + FormatNumber(points));
  m_pointsPanel->SetText(
      "_tips", tips != 0.0f ? resources->GetText("tips_many") + L" " + FormatNumber(tips) : L" ");
  if (m_opened) m_pointsPanel->SetVisible(true);
  m_pointsPanel->Play("_show", 0, false);
  m_pointsPanel->Update(10.0f);
}

void CZacaz::ShowDish(AnimationPtr dish, bool serving) {
  if (m_dish && m_dish != dish) {
    m_dish->RemoveFromParent();
    std::erase(m_attached, m_dish);
  }
  m_dish = std::move(dish);
  if (serving) {
    if (m_deliveryButton && m_deliveryButton->IsEnabled())
      m_deliveryButton->SetEnabled(false);
    else
      for (const AnimationPtr& line : m_lines) ShowLine(line, false);
    m_leaving = true;
  }
  if (!m_dish) return;
  m_dish->SetLayer(0);
  m_dish->SetPosition(0.0f, 0.0f);
  Attach(m_dish, FindPlace(m_itemList, "_recept_place"));
}

// ---- The item list ----------------------------------------------------------------------

void CZacaz::BuildItemList() {
  m_currentItem = m_itemCount;
  m_listPlace = FindPlace(m_itemList, "_item_place");
  const GF::THolder<GF::IScene> scene = m_bubble->GetScene();
  float y = kListTop;
  bool afterSequential = false;
  m_itemLines.assign(static_cast<std::size_t>(m_itemCount), nullptr);
  m_pictures.assign(static_cast<std::size_t>(m_itemCount), {});
  for (int k = 0; k < m_itemCount; ++k) {
    if (m_type != 100 && (k == 0 || IsSequential(k - 1))) AddTab(scene, y);
    if (m_type == 101 || m_type == 102) AddBonusLines(scene, k, y);
    const AnimationPtr line = scene->CreateAnimation("interfaces.item");
    if (!line) continue;
    m_itemLines[static_cast<std::size_t>(k)] = line;
    const bool sequential = IsSequential(k);
    if (sequential) m_currentItem = std::min(m_currentItem, k);
    // A step whose turn has come (every item before it done) starts available.
    const bool available = !afterSequential && (!sequential || m_itemsDone == k);
    afterSequential = afterSequential || sequential;
    line->SetX(kLineX);
    SetItemLineState(k, m_recipe->Items[static_cast<std::size_t>(k)], sequential, available, false);
    line->Play("_idle", 0, false);
    line->Update(0.0f);
    LayOutLine(line, y);
  }
}

void CZacaz::AddTab(const GF::THolder<GF::IScene>& scene, float& y) {
  const AnimationPtr tab = scene->CreateAnimation("interfaces.zakladka");
  if (!tab) return;
  tab->SetText("_text", std::to_wstring(m_tabs.size() + 1));
  tab->Update(0.0f);
  m_tabs.push_back(tab);
  // Only the current tab is lit; a special rival order lights none.
  SetTabHighlight(tab, m_tabs.size() == 1);
  LayOutLine(tab, y);
}

void CZacaz::AddBonusLines(const GF::THolder<GF::IScene>& scene, int item, float& y) {
  const auto wanted = static_cast<float>(item - 1);
  const GF::THolder<GF::HGENS::CResource> resources = GF::HGENS::GetResources();
  for (std::size_t e = m_bonusEntries.size(); e-- > 0;) {
    if (m_bonusEntries[e].position != wanted) continue;
    const AnimationPtr line = scene->CreateAnimation("interfaces.item");
    if (!line) return;
    line->SetText("_text",
                  resources->GetText("bonus_name_" + std::to_string(m_bonusEntries[e].kind)));
    SetTextColour(line, kTextChild, kBonusLineColor);
    line->SetX(kLineX);
    line->Update(0.0f);
    if (e < m_bonusIcons.size()) {
      const AnimationPtr& icon = m_bonusIcons[e];
      icon->SetPosition(static_cast<float>(Bounds(line).left) - kLineX - 19.0f, 0.0f);
      Attach(icon, ChildPlace(line, 0));
    }
    m_bonusLines.push_front(line);
    LayOutLine(line, y);
  }
}

void CZacaz::LayOutLine(const AnimationPtr& line, float& y) {
  m_lines.push_back(line);
  // Measured in its place, where it will be drawn: rectangles are whole pixels.
  Attach(line, m_listPlace);
  const GF::TRect<int> rect = Bounds(line);
  const float height = Height(rect);
  m_lineHeights.push_back(height);
  const float placeY = m_listPlace ? m_listPlace->GetProperties().y : 0.0f;
  const float top = static_cast<float>(rect.top) - line->GetPosition().y;
  line->SetY(placeY + y - top);
  line->Update(0.0f);
  y += height;
  if (y > m_contentOffset) {
    // Shown later, when the lines above it have scrolled out.
    line->Play("_stroke", 0, false);
    line->Rewind();
    ShowLine(line, false);
    return;
  }
  m_lastFittingLine = static_cast<int>(m_lines.size()) - 1;
}

void CZacaz::SetItemLineState(int k, const RecipeItem& item, bool sequential, bool available,
                              bool working) {
  const AnimationPtr& line = m_itemLines[static_cast<std::size_t>(k)];
  if (!line) return;
  std::uint32_t colour = OrderTextColor3;
  if (!available || m_type == 102)
    colour = OrderTextColor2;
  else if (sequential)
    colour = working ? OrderTextColor4 : OrderTextColor1;
  SetTextColour(line, kTextChild, colour);
  if (working) return;
  line->SetText("_text", item.DisplayName);
  line->Update(0.0f);
  BuildItemIcon(k, item.ObjectName, line, sequential, available);
}

void CZacaz::BuildItemIcon(int k, const std::string& objectName, const AnimationPtr& line,
                           bool sequential, bool available) {
  ItemPicture& shown = m_pictures[static_cast<std::size_t>(k)];
  if (shown.picture) {
    // The picture stays; an unavailable item's is greyed.
    SetPictureColour(shown.picture, available ? kOwnColour : kGreyPicture);
    if (!available) return;
    shown.picture->SetShown(line->IsShown());
    if (shown.shadow) shown.shadow->SetShown(line->IsShown());
    return;
  }
  const PlacePtr place = ChildPlace(line, kIconChild);
  if (!place) return;
  const std::string name = sequential ? GetObjectShownName(objectName) : objectName;
  shown.picture = MakeIconPicture(name, place, 1);
  if (!shown.picture) return;
  if (!available) SetPictureColour(shown.picture, kGreyPicture);
  shown.shadow = MakeIconPicture("interfaces.icon_shadow", place, 0);
}

AnimationPtr CZacaz::MakeIconPicture(const std::string& name, const PlacePtr& place, int layer) {
  const AnimationPtr picture = m_bubble->GetScene()->CreateAnimation(name);
  if (!picture) return picture;
  picture->Play("_idle", 0, false);
  const GF::IAnimation::DrawablePtr placeDrawable(place);
  const float placeWidth = placeDrawable ? Width(placeDrawable->GetBoundingRect()) : 0.0f;
  const auto size = static_cast<float>(OrderIconOffset);
  picture->SetPosition(std::trunc((placeWidth - size) * 0.5f), kIconY);
  picture->SetLayer(layer);
  // Measured in its place, where it will be drawn: rectangles are whole pixels.
  Attach(picture, place);
  const GF::TRect<int> own = Bounds(picture);
  float scale = size / (Height(own) + 2.0f);
  if (Width(own) * scale > size * kIconWidthCap) scale = size * kIconWidthCap / Width(own);
  picture->SetScale(scale, scale);
  picture->Rewind();
  picture->Update(0.0f);
  return picture;
}

void CZacaz::ShowLine(const AnimationPtr& line, bool shown) {
  line->SetVisible(shown);
  // What stands in the line's icon place goes with it.
  const PlacePtr place = ChildPlace(line, kIconChild);
  for (const AnimationPtr& node : m_attached)
    if (place && node->GetParent().Get() == place.Get()) node->SetVisible(shown);
}

void CZacaz::StrikeItemLine(int item) {
  const auto k = static_cast<std::size_t>(item);
  if (k >= m_itemLines.size() || !m_itemLines[k]) return;
  m_itemLines[k]->Play("_stroke", 0, false);
  if (m_itemsDone == m_itemCount) m_itemLines[k]->SetSpeed(kDoneSpeed);
}

void CZacaz::StrikeNextTab() {
  const auto current = static_cast<std::size_t>(m_currentTab);
  if (current >= m_tabs.size()) return;
  const AnimationPtr& tab = m_tabs[current];
  tab->Play("_stroke", 0, false);
  if (m_itemsDone == m_itemCount) tab->SetSpeed(kDoneSpeed);
  StartLineScroll(tab);
  ++m_currentTab;
  if (current + 1 < m_tabs.size()) SetTabHighlight(m_tabs[current + 1], true);
}

void CZacaz::SetTabHighlight(const AnimationPtr& tab, bool highlighted) {
  const std::uint32_t colour = highlighted && m_type != 102 ? kTabLit : kTabPlain;
  SetTextColour(tab, 0, colour);
  SetTextColour(tab, 2, colour);
}

void CZacaz::StartLineScroll(const AnimationPtr& line) {
  const auto found = std::find(m_lines.begin(), m_lines.end(), line);
  if (line && found != m_lines.end()) QueueLineScroll(static_cast<int>(found - m_lines.begin()));
}

void CZacaz::QueueLineScroll(int index) {
  if (IsScrolling()) {
    m_scrollQueue.push_back(index);
    return;
  }
  m_scrollDistanceLeft = 0.0f;
  m_scrollLine = index;
  m_scrollTimeLeft = OrderChangeTime;
}

void CZacaz::UpdateLineScroll(const float& dt) {
  if (m_lines[static_cast<std::size_t>(m_scrollLine)]->IsStopped()) StepLineScroll(dt);
}

void CZacaz::StepLineScroll(const float& dt) {
  const auto from = static_cast<std::size_t>(m_scrollLine);
  if (m_scrollDistanceLeft == 0.0f) m_scrollDistanceLeft = m_lineHeights[from];
  float step = 0.0f;
  if (m_scrollTimeLeft > 0.0f) {
    step = m_scrollDistanceLeft / m_scrollTimeLeft * dt;
    m_scrollTimeLeft -= dt;
  }
  if (m_scrollTimeLeft <= 0.0f) {
    step = m_scrollDistanceLeft;
    m_scrollDistanceLeft = 0.0f;
    m_scrollTimeLeft = 0.0f;
    if (!m_scrollQueue.empty()) {
      const int next = m_scrollQueue.front();
      m_scrollQueue.pop_front();
      QueueLineScroll(next);
    }
  } else {
    m_scrollDistanceLeft -= step;
  }
  const float bottom = (m_listPlace ? m_listPlace->GetProperties().y : 0.0f) + m_contentOffset;
  for (std::size_t j = from; j < m_lines.size(); ++j) {
    const AnimationPtr& line = m_lines[j];
    const GF::TPoint<float> at = line->GetPosition();
    line->SetPosition(at.x, at.y - step);
    line->Update(0.0f);
    if (!line->IsShown() && static_cast<float>(Bounds(line).bottom) <= bottom) {
      ShowLine(line, true);
      line->PlayAndRefresh("_show", 0, false);
    }
  }
}

void CZacaz::FinishPendingScroll() {
  // Each queued line scrolls its full height at once, whatever its animation.
  while (IsScrolling()) {
    m_scrollTimeLeft = 0.0f;
    StepLineScroll(0.0f);
  }
}

std::wstring CZacaz::FormatNumber(float value) {
  std::wostringstream text;
  text << std::fixed << std::setprecision(1) << value;
  return text.str();
}

void CZacaz::Dispose() {
  m_leaving = true;
  if (m_itemList) m_itemList->RemoveFromParent();
  // Last attached first: a picture leaves before the line whose place holds it.
  for (auto node = m_attached.rbegin(); node != m_attached.rend(); ++node)
    (*node)->RemoveFromParent();
  if (m_workIndicator) m_workIndicator->RemoveFromParent();
  for (const AnimationPtr& icon : m_bonusIcons) icon->RemoveFromParent();
  m_attached.clear();
  m_pictures.clear();
  m_itemList.Reset();
  m_figure.Reset();
  m_dish.Reset();
  m_lines.clear();
  m_itemLines.clear();
  m_tabs.clear();
  m_bonusLines.clear();
  m_workIndicator.Reset();
  m_workPicture.Reset();
  m_progressBar.Reset();
  m_statusFrame.Reset();
  m_bonusIcons.clear();
  m_foreignIcons.clear();
  m_pointsPanel.Reset();
  m_listPlace.Reset();
  m_deliveryButton.Reset();
  m_field.Reset();
}
