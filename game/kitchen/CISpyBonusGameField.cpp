#include "game/kitchen/CISpyBonusGameField.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "framework/core/TMethodDelegate.h"
#include "framework/core/TRect.h"
#include "framework/engine/particles/CFGParticle.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/CCheatClass.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CAnimationWaitAction.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/kitchen/CLightObjectAction.h"
#include "game/kitchen/CWaitAction.h"
#include "game/kitchen/LevelInterfaceLayer.h"

namespace {

using AnimationPtr = CGameFieldBase::AnimationPtr;

constexpr float kListEntryX = 650.0f;  // objects right of it name what is wanted
constexpr int kListCapacity = 0;       // a list search has no customers
constexpr int kOrderCapacity = 1;      // an order search has its one order
constexpr std::size_t kHintLineLength = 37;
constexpr GF::TPoint<float> kPanelAt{400.0f, 300.0f};
constexpr GF::TPoint<float> kHintAt{380.0f, 350.0f};
constexpr GF::TPoint<float> kParticlesAt{340.0f, 360.0f};
constexpr GF::TPoint<float> kBubbleParticlesOffset{-5.0f, -38.0f};
constexpr int kBubbleParticlesLayer = 100;  // over the bubble
constexpr float kFoundPulse = 0.5f;         // scale amplitude
constexpr float kFoundPulseTime = 1000.0f;  // ms
constexpr std::int32_t kFoundSound = 4;
constexpr int kWinKey = 6;
constexpr float kCheatCount = 10000000.0f;
constexpr float kEndWait = 2000.0f;  // ms
constexpr float kWon = 1.0f;
constexpr float kTimedOut = 2.0f;
constexpr float kBonusResultBase = 100.0f;

float& Result() {
  return CurrentProfile().Floats[ProfileFloat::CurrentPlace];
}

float& Count() {
  return CurrentProfile().Floats[ProfileFloat::BonusResult];
}

}  // namespace

std::vector<std::wstring> SplitText(const std::wstring& text, const std::wstring& separator) {
  std::vector<std::wstring> parts;
  std::size_t from = 0;
  for (std::size_t at = text.find(separator); !separator.empty() && at != std::wstring::npos;
       at = text.find(separator, from)) {
    parts.push_back(text.substr(from, at - from));
    from = at + separator.size();
  }
  parts.push_back(text.substr(from));
  return parts;
}

std::wstring ReplaceAll(const std::wstring& text, const std::wstring& from,
                        const std::wstring& to) {
  std::wstring result;
  for (const std::wstring& cut : SplitText(text, from)) result += cut + to;
  return result;
}

std::wstring WrapText(const std::wstring& text, std::size_t max) {
  const std::vector<std::wstring> words = SplitText(text, L" ");
  std::wstring result = words.front();
  std::size_t n = result.size();
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (n + words[i].size() < max) {
      result += L' ';
      n += 1;
    } else {
      result += L"\\n";
      n = 0;
    }
    result += words[i];
    n += words[i].size();
  }
  return result;
}

GF::THolder<CGameFieldBase> CISpyBonusGameField::Create(bool dark) {
  return GF::THolder<CGameFieldBase>(GF::MakeHolder<CISpyBonusGameField>(dark));
}

CISpyBonusGameField::CISpyBonusGameField(bool dark) : m_dark(dark) {
  SetIntroDone(false);
}

CISpyBonusGameField::~CISpyBonusGameField() {
  RestoreRecipe();
  m_bubbleList.Reset();
  m_orderBubble.Reset();
  m_listPanel.Reset();
}

bool CISpyBonusGameField::LoadLevel(const std::string& levelKey) {
  m_upgradeDevices = false;
  if (!CGameField::LoadLevel(levelKey)) return false;
  // The dark room: the cursor's veil, where the content has one.
  if (m_dark && m_hider && m_hider->GetAnimationData() &&
      m_hider->GetAnimationData()->GetNamedPart("_dark"))
    m_hider->Play("_dark", 0, false);
  if (!m_orderRecords.empty()) {
    SetQueueCapacity(kOrderCapacity);
    PrepareOrderSearch();
  } else {
    SetQueueCapacity(kListCapacity);
    PrepareListSearch();
  }
  ShowBonusBanner();
  AddNextCustomer();
  if (IsListSearch()) {
    if (const GF::THolder<CPers> cook = GetPers()) cook->ReleaseStateAnimations();
    ShowListPanel();
  } else if (!m_levelDesc->Orders.empty()) {
    ShowOrderList();
  } else {
    return true;
  }
  AppendOpening();
  return true;
}

void CISpyBonusGameField::PrepareOrderSearch() {
  const std::string& key = m_orderRecords.front().RecipeKey;
  const auto found = RecipeTable.find(key);
  if (found == RecipeTable.end()) return;
  std::vector<RecipeItem>& items = found->second.Items;
  m_shuffledRecipe = key;
  m_recipeItems = items;
  // The runtime's generator gives 31 bits here: one draw a swap.
  for (std::size_t i = 1; i < items.size(); ++i)
    std::swap(items[i], items[static_cast<std::size_t>(std::rand()) % (i + 1)]);
}

void CISpyBonusGameField::PrepareListSearch() {
  m_total = 0;
  for (const ObjectPtr& object : GetCookObjects()) {
    const AnimationPtr animation = object->HolderGetCast();
    if (!animation || !(animation->GetPosition().x > kListEntryX)) continue;
    m_wanted.insert(object->GetDescription().Key);
    object->SetActive(false);
    animation->RemoveFromParent();
    --m_total;
  }
  for (const ObjectPtr& object : GetCookObjects())
    if (m_wanted.contains(object->GetDescription().Key)) ++m_total;
}

void CISpyBonusGameField::ShowListPanel() {
  const GF::THolder<GF::IScene> layer = GetLevelInterfaceLayer();
  m_listPanel = layer ? layer->CreateAnimation("bonus.bonus_back_4") : nullptr;
  if (!m_listPanel) return;
  m_listPanel->SetPosition(kPanelAt);
  m_listPanel->SetNumber("_number", m_found);
  std::wstring hint = ReplaceAll(m_levelDesc->HintText, L"\\n", L" ");
  if (hint.size() > kHintLineLength) hint = WrapText(hint, hint.size() / 2 + 2);
  m_listPanel->SetText("_item_placeghgf", hint);
  if (m_wanted.size() == 1) ShowWantedPicture();
}

void CISpyBonusGameField::ShowWantedPicture() {
  const auto place = GF::HGENS::FindRequiredPlace(m_listPanel, "_item_place");
  const AnimationPtr picture = place ? place->AddSubstitutedAnimation(*m_wanted.begin()) : nullptr;
  if (!picture) return;
  picture->Play("_idle", 0, false);
  picture->Update(0.0f);
  // Its picture's middle on the place, whatever its hot spot.
  GF::TRect<int> bounds;
  picture->GetBoundingRect(bounds);
  picture->SetY(static_cast<float>(-((bounds.top + bounds.bottom) / 2)));
}

void CISpyBonusGameField::ShowOrderList() {
  const auto& orders = GetReceptPanel()->GetOrders();
  if (orders.empty() || !orders.front()->GetBubble()) return;
  m_orderBubble = orders.front()->GetBubble();
  // The list stays while the rest of the bubble waits for the opening.
  m_orderBubble->SetVisible(false);
  m_orderBubble->ShowObject("_list", true);
  m_bubbleList = GF::HGENS::FindSubstitutedPart(*m_orderBubble, "_list");
  if (m_bubbleList) m_bubbleList->SetVisible(true);
}

void CISpyBonusGameField::AppendOpening() {
  if (m_levelDesc->HintText.empty()) return;
  if (m_listPanel) m_listPanel->SetVisible(false);
  ShowHintText(m_levelDesc->HintText, kHintAt.x, kHintAt.y);
  const auto particles = [this] {
    return MakeExecuteAction(GF::MakeDelegate(this, &CISpyBonusGameField::ShowStartParticles));
  };
  if (m_listPanel) {
    Append(MakeAnimationWaitAction(m_listPanel, "_show", 1, false));
    Append(particles());
  }
  if (m_orderBubble) {
    Append(MakeAnimationWaitAction(m_orderBubble, "_idle", 1, false));
    Append(particles());
  }
}

void CISpyBonusGameField::ShowStartParticles() {
  if (!m_orderBubble) {
    ShowBonusParticles(kParticlesAt.x, kParticlesAt.y);
    return;
  }
  const GF::THolder<GF::HGENS::CFGParticle> particle =
      GF::HGENS::CFGParticle::Create("Particle\\bonus_pidkladka.fgp", "particles_2", 3.2f, true);
  particle->SetScene(GetLevelInterfaceLayer());
  const GF::TPoint<float> at = m_orderBubble->GetPosition();
  particle->SetPosition(at.x + kBubbleParticlesOffset.x, at.y + kBubbleParticlesOffset.y);
  particle->SetLayer(m_orderBubble->GetLayer() + kBubbleParticlesLayer);
}

void CISpyBonusGameField::Shutdown() {
  RestoreRecipe();
  CGameField::Shutdown();
}

void CISpyBonusGameField::RestoreRecipe() {
  if (m_shuffledRecipe.empty()) return;
  const auto found = RecipeTable.find(m_shuffledRecipe);
  if (found != RecipeTable.end()) found->second.Items = m_recipeItems;
  m_shuffledRecipe.clear();
}

void CISpyBonusGameField::Update(const float& dt) {
  CGameField::Update(dt);
  // The kitchen's frame may have moved things after the base's cursor step.
  UpdateHider();
}

void CISpyBonusGameField::OnKeyDown(int code) {
  if (!CheatModeEnabled || code != kWinKey) return;
  Count() = kCheatCount;
  if (Result() == 0.0f) EndLevel();
}

void CISpyBonusGameField::OnObjectClicked(ObjectPtr object) {
  if (!IsListSearch()) {
    CGameField::OnObjectClicked(std::move(object));
    return;
  }
  if (!object->IsActive() || !object->IsShown()) return;
  if (!m_wanted.contains(object->GetDescription().Key)) {
    RejectClick(true, true);
    return;
  }
  // Inactive whatever the cook does, so that it counts once.
  object->SetActive(false);
  const GF::THolder<CPers> cook = GetPers();
  if (!cook || cook->GetState() != CPers::kWork) {
    Run(MakeLightAnimationAction(object->HolderGetCast(), kFoundPulse, kFoundPulseTime, true,
                                 true));
    PlaySoundById(kFoundSound);
  }
  ++m_found;
  Count() = static_cast<float>(m_found);
  if (m_listPanel) m_listPanel->SetNumber("_number", m_found);
  if (m_found < m_total) return;
  if (Result() == 0.0f) Win();
}

void CISpyBonusGameField::OnOrderServed(GF::THolder<CZacaz> order) {
  Count() = static_cast<float>(order->GetDeliveredCount());
  if (Result() == 0.0f) Win();
}

void CISpyBonusGameField::Win() {
  ShowLevelCompleteBanner(*this, 1);
  Result() = kWon;
  EndLevel();
}

void CISpyBonusGameField::UpdateLevelTime(const float& dt) {
  CGameField::UpdateLevelTime(dt);
  // A level without a time limit never times out.
  const float limit = m_levelDesc->LevelTime;
  if (limit == 0.0f || !(limit < m_levelTime)) return;
  if (const GF::THolder<CZacaz> selected = GetReceptPanel()->GetSelectedOrder())
    Count() = static_cast<float>(selected->GetDeliveredCount());
  if (Result() == 0.0f) EndLevel();
}

void CISpyBonusGameField::EndLevel() {
  if (IsStopped()) return;
  Append(MakeWaitAction(kEndWait));
  // The kitchen's end sees no place: no banner, no standing of its own.
  const float outcome = std::trunc(std::exchange(Result(), 0.0f));
  CGameField::EndLevel();
  Result() = (outcome == 0.0f ? kTimedOut : outcome) + kBonusResultBase;
  LogBonusResult();
}

CISpyBonusGameField::ObjectPtr CISpyBonusGameField::FindNextNeededObject(bool advance) {
  if (!IsListSearch()) return CGameField::FindNextNeededObject(advance);
  for (const ObjectPtr& object : GetCookObjects())
    if (object->IsShown() && object->IsActive() && m_wanted.contains(object->GetDescription().Key))
      return object;
  return {};
}

void CISpyBonusGameField::OnHoverStart(const GF::TPoint<float>&) {}
