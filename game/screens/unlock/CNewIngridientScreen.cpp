#include "game/screens/unlock/CNewIngridientScreen.h"

#include <algorithm>

#include "framework/core/ISubstitutedContainer.h"
#include "framework/core/TRect.h"
#include "game/app/LevelProgress.h"
#include "game/app/LibraryData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CPlaySoundAction.h"
#include "game/kitchen/CWaitAction.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;
using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;

constexpr const char* kPlay = "play";
constexpr const char* kElement = "main_menu.element_ingr";
constexpr float kColumnStep = 105.0f;
constexpr float kRowStep = 88.0f;
constexpr float kPictureHeight = 44.0f;
constexpr float kFirstDelay = 1300.0f;  // ms: after the curtain's opening run
constexpr float kDelayStep = 200.0f;
constexpr float kCurtainWait = 1250.0f;
constexpr int kUnlockSound = 11;

// Rows needed for count elements in rows of columns.
int RowsFor(int count, int columns) {
  return static_cast<int>(count / static_cast<double>(columns) + 0.99);
}

GF::TRect<int> BoundsOf(GF::IAnimation& animation) {
  GF::TRect<int> rect;
  animation.GetBoundingRect(rect);
  return rect;
}

}  // namespace

GF::THolder<GF::IScreen> CNewIngridientScreen::Create() {
  return GF::MakeHolder<CNewIngridientScreen>();
}

std::string CNewIngridientScreen::LayoutForCount(int count) {
  if (count <= 0) return "";
  const int k = std::max(RowsFor(count, 3), 1);
  return "main_menu.ingredients_screen_" + std::to_string(std::min(k, 3));
}

std::string CNewIngridientScreen::ChooseLayout(const std::string& levelKey) {
  return LayoutForCount(static_cast<int>(FindLevel(levelKey).NewIngredients.size()));
}

std::vector<GF::TPoint<float>> CNewIngridientScreen::ElementPlaces(int count) {
  int columns = 3;
  int rows = RowsFor(count, columns);
  if (rows > 4) {
    columns = 4;
    rows = RowsFor(count, columns);
  }
  float y = -(rows - 1) * kRowStep / 2.0f;
  // Two rows stand further apart, clear of each other's names.
  const float rowStep = rows == 2 ? kRowStep + 44.0f : kRowStep;
  if (rows == 2) y -= 22.0f;
  std::vector<GF::TPoint<float>> places;
  for (int first = 0; first < count; first += columns, y += rowStep) {
    const int inRow = std::min(columns, count - first);
    for (int i = 0; i < inRow; ++i) places.push_back({(i - (inRow - 1) / 2.0f) * kColumnStep, y});
  }
  return places;
}

float CNewIngridientScreen::ElementDelay(int m) {
  return kFirstDelay + kDelayStep * static_cast<float>(m);
}

std::wstring CNewIngridientScreen::BreakName(std::wstring name) {
  const std::size_t space = name.find(L' ');
  if (space != std::wstring::npos) name.insert(space + 1, L"\\n");
  return name;
}

float CNewIngridientScreen::PictureScale(int height) {
  return static_cast<float>(height) > kPictureHeight ? kPictureHeight / static_cast<float>(height)
                                                     : 1.0f;
}

void CNewIngridientScreen::Init(const std::string&, const GF::THolder<GF::IScene>& scene,
                                const char* parameter) {
  m_levelKey = GetCurrentLevelKey();
  const std::string layout = ChooseLayout(m_levelKey);
  auto& records = CurrentProfile().LevelRecords;
  const auto record = records.find(m_levelKey);
  const bool seen = record != records.end() && record->second.Flag;
  if (layout.empty() || seen) return;
  records[m_levelKey].Flag = true;
  CCurtainScreen::Init(layout, scene, parameter);
  StopMusic();
}

bool CNewIngridientScreen::Update(const float& dt) {
  if (!CCurtainScreen::Update(dt)) return false;
  if (!GetLayout() && GetResult() != kPlay) {
    GoTo(kPlay, kUsualFlags);
    return false;
  }
  CActionWorker::Update(dt);
  return true;
}

void CNewIngridientScreen::OnInit() {
  CCurtainScreen::OnInit();
  AddMenuItem("ok", kPlay, false, kUsualFlags);
  // Without its layout the screen leaves with "play" at its first update.
  const AnimationPtr layout = GetLayout();
  if (!layout) return;
  if (const GF::IAnimation::DrawablePtr caption = layout->FindDrawable("caption_2"))
    caption->SetShown(false);
  ShowElements(FindLevel(m_levelKey).NewIngredients);
}

void CNewIngridientScreen::OnDestroy() {
  for (const AnimationPtr& element : m_elements) element->Detach();
  CCurtainScreen::OnDestroy();
}

void CNewIngridientScreen::StartShow() {
  CCurtainScreen::StartShow();
  if (!GetLayout() || GetTail()) return;
  if (GetEffect()->GetProgress() < GetShowThreshold()) Append(MakeWaitAction(kCurtainWait));
  Append(MakePlaySoundActionById(kUnlockSound));
}

void CNewIngridientScreen::OnCommand(const std::string&) {
  // A held element has not appeared yet: the press completes the grid instead of leaving.
  if (m_elements.empty() || m_elements.back()->IsActive()) return;
  WithdrawCommand();
  for (const AnimationPtr& element : m_elements) {
    element->SetDelay(0.0f, true);
    element->SetShown(true);
    element->SkipToEnd();
  }
}

AnimationPtr CNewIngridientScreen::CreateElement(const std::string& ingredient) {
  const AnimationPtr element = GetScene()->CreateAnimation(kElement);
  if (!element) return element;
  const ObjectDescription* object = GetLibraryData().FindObject(ingredient);
  element->SetText("_text", BreakName(object ? object->WideName : std::wstring()));
  const ContainerPtr place{element->FindDrawable("_place")};
  const AnimationPtr picture = place ? place->AddSubstitutedAnimation(ingredient) : AnimationPtr();
  if (picture) picture->Play("_idle", 0, false);
  element->Update(0.0f);
  if (!picture) return element;
  GF::TRect<int> rect = BoundsOf(*picture);
  const float scale = PictureScale(rect.bottom - rect.top);
  if (scale != 1.0f) {
    picture->SetScale(scale, scale);
    element->Update(0.0f);
    rect = BoundsOf(*picture);
  }
  // The picture rests on the name.
  if (const GF::IAnimation::DrawablePtr text = element->FindDrawable("_text")) {
    const float top = static_cast<float>(text->GetBoundingRect().top);
    picture->SetY(picture->GetPosition().y + top - static_cast<float>(rect.bottom));
  }
  return element;
}

void CNewIngridientScreen::ShowElements(const std::vector<std::string>& ingredients) {
  const std::vector<GF::TPoint<float>> places = ElementPlaces(static_cast<int>(ingredients.size()));
  const ContainerPtr place{GetLayout()->FindDrawable("_place")};
  for (std::size_t m = 0; m < ingredients.size(); ++m) {
    const AnimationPtr element = CreateElement(ingredients[m]);
    if (!element) continue;
    element->SetPosition(places[m]);
    element->Update(0.0f);
    if (place) element->SetParent(place, true);
    m_elements.push_back(element);
    element->Play("_show", 0, false);
    element->SetDelay(ElementDelay(static_cast<int>(m)), true);
  }
}
