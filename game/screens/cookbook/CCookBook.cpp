#include "game/screens/cookbook/CCookBook.h"

#include <cmath>
#include <string>
#include <utility>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/LevelProgress.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/screens/MenuRows.h"
#include "game/screens/cookbook/RecipePrinting.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;

constexpr const char* kMask = "cookbook_page_1";
constexpr const char* kBookmark = "_item_zakladka_";
constexpr const char* kNewRecipe = "new_recept";
constexpr const char* kNewPrint = "new_print";
constexpr int kLastStageSection = 7;  // sections past it are always laid out
constexpr int kTurnSound = 24;

// The left edge of the right-hand page and the pages' top: where the leaves lie.
constexpr int kLeafLeft = 424;
constexpr int kLeafTop = 37;
constexpr float kFoldStart = 0.5f;
constexpr float kFoldEnd = 1.5707964f;

// The book's own layers, counted from the layout's (ScreenLayerBase): the book's art lies
// below them.
constexpr int kDroppedPageLayer = 50;
constexpr int kLeafLayer = 100;
constexpr int kTurningLeafLayer = 110;
constexpr int kPlainPageLayer = 200;

constexpr MenuItemRow kItems[] = {{"back", "exit"}};

int BookLayer(int layer) {
  return ScreenLayerBase + layer;
}

// Recipe entries: a recipe record, or an empty one for a key the table lacks.
const RecipeRecord& FindRecipe(const std::string& key) {
  static const RecipeRecord none;
  const auto found = RecipeTable.find(key);
  return found != RecipeTable.end() ? found->second : none;
}

// The spread that shows page `pages` - 1 at its right (-1 before any page).
int SpreadBefore(int pages) {
  return pages == 0 ? -1 : pages - 2;
}

void SetLeafProgress(CPaperEffect& leaf, float progress) {
  leaf.progress = progress;
  leaf.SetProgress(progress);
}

}  // namespace

GF::THolder<GF::IScreen> CCookBook::Create() {
  return GF::MakeHolder<CCookBook>();
}

CCookBook::CCookBook()
    : CCookBook(GF::HGENS::CResourceCache::Instance()->GetTexture(kMask),
                GF::HGENS::CResourceCache::Instance()->GetTexture(kMask)) {}

CCookBook::CCookBook(EngineTexture frontMask, EngineTexture backMask)
    : m_frontMask(frontMask), m_backMask(backMask) {}

bool CCookBook::ArrivedToPrint() const {
  return CurrentProfile().Strings[ProfileString::Value30] == kNewPrint;
}

int CCookBook::LastSection() const {
  PlayerProfile& profile = CurrentProfile();
  const int stage = IntegerPart(profile.Floats[ProfileFloat::StageNumber]);
  // Printing the stage's first recipe comes before its section opens.
  return ArrivedToPrint() && profile.Floats[ProfileFloat::Value34] == 0.0f ? stage - 1 : stage;
}

void CCookBook::OnInit() {
  CCurtainScreen::OnInit();
  if (const AnimationPtr layout = GetLayout()) layout->SetLayer(ScreenLayerBase);
  m_pages.Init(GetScene());
  BuildPages();
  SetUpPageEffects();
  CreateControls();
  OpenAtNewEntry();
  if (!ArrivedToPrint() || m_recipes.contains(m_spread)) RefreshControls();
  m_keyHandler = GF::MakeDelegate(this, &CCookBook::OnKey);
  GF::HGENS::GetKeyset()->Pressed().Subscribe(m_keyHandler);
}

void CCookBook::OnDestroy() {
  CCurtainScreen::OnDestroy();
  GF::HGENS::GetKeyset()->Pressed().RemoveDelegate(m_keyHandler);
  m_pages.Clear();
}

bool CCookBook::IdleUpdate(const float& dt) {
  if (!CCurtainScreen::IdleUpdate(dt)) return false;
  (this->*m_pageState)(dt);
  return true;
}

void CCookBook::BuildPages() {
  PlayerProfile& profile = CurrentProfile();
  const int last = LastSection();
  const int recipeBound = IntegerPart(profile.Floats[ProfileFloat::StageNumber]) +
                          (profile.Floats[ProfileFloat::Value34] != 0.0f ? 1 : 0);
  int section = 0;
  int recipes = 1;
  for (std::size_t i = 0; i < CookBookGroups.size(); ++i) {
    const CookBookGroup& entry = CookBookGroups[i];
    if (entry.SectionStart()) {
      ++section;
      if (section <= last || section > kLastStageSection) {
        m_bookmarkSpreads.push_back(SpreadBefore(m_pages.PageCount()));
        CreateBookmarks(section);
      }
    }
    if (last < section && section <= kLastStageSection) continue;
    const bool shown = entry.AlwaysAvailable() || profile.Unlocked.contains(entry.Name);
    if (!entry.AlwaysAvailable() && shown) m_newestEntrySpread = SpreadBefore(m_pages.PageCount());
    if (!entry.IsRecipe()) {
      m_pages.PlaceEntry(entry, shown);
    } else if (recipes < recipeBound) {
      PlaceRecipe(entry, section);
      ++recipes;
      ++i;  // the recipe's stand-in is laid out only while the recipe is not
    }
  }
}

void CCookBook::PlaceRecipe(const CookBookGroup& entry, int section) {
  const int pages = m_pages.PageCount();
  int spread = pages - 1 - pages % 4;
  if (pages % 4 == 0) spread -= 2;
  m_lastRecipeSpread = spread;
  m_pages.PlaceEntry(entry, true);
  const RecipeRecord& recipe = FindRecipe(entry.Name);
  m_recipes[spread] = recipe;
  m_recipes[spread + 2] = recipe;
  // The sixth section's recipes run over three spreads.
  if (section == 6) m_recipes[spread + 4] = recipe;
}

void CCookBook::CreateBookmarks(int section) {
  const AnimationPtr layout = GetLayout();
  const AnimationPtr tab =
      layout ? GF::HGENS::FindRequiredPart(layout, kBookmark + std::to_string(section))
             : AnimationPtr();
  // A missing tab keeps its slot, so that buttons and spreads stay in step.
  GF::THolder<CDeliveryButton> button;
  if (tab) {
    button = CDeliveryButton::Create(tab, true);
    button->index = static_cast<int>(m_bookmarkSpreads.size()) - 1;
    button->clickEvent.Subscribe(GF::MakeDelegate(this, &CCookBook::OnBookmarkClick));
    button->SetEnabled(false);
    button->SetEnabled(true);
    AttachControlSounds(button);
  }
  m_bookmarks.push_back(button);
}

void CCookBook::SetUpPageEffects() {
  const auto width = static_cast<int>(m_pages.PageWidth());
  const auto height = static_cast<int>(m_pages.PageHeight());
  const GF::TRect<int> rect{kLeafLeft, kLeafTop, kLeafLeft + width, kLeafTop + height};
  for (LeafPtr* leaf : {&m_leftLeaf, &m_rightLeaf, &m_turningLeaf}) {
    *leaf = CPaperEffect::Create(0.0f, kFoldStart, kFoldEnd, rect);
    GetScene()->AddDrawable(GF::IScene::DrawablePtr(leaf->Get()));
  }
  const int stage = GetStageNumber(CurrentProfile().StageKey) - 1;
  const int opened = static_cast<int>(m_bookmarkSpreads.size()) - 1;
  m_spread = stage >= 0 && stage < opened ? m_bookmarkSpreads[static_cast<std::size_t>(stage)] : -1;
  PreparePageEffect(m_leftLeaf, m_spread, m_spread + 1);
  PreparePageEffect(m_rightLeaf, m_spread + 2, m_spread + 3);
  SetLeafProgress(*m_leftLeaf, 1.0f);
  m_leftLeaf->SetLayer(BookLayer(kLeafLayer));
  SetLeafProgress(*m_rightLeaf, 0.0f);
  m_rightLeaf->SetLayer(BookLayer(kLeafLayer));
  m_turningLeaf->SetShown(false);
  m_turningLeaf->SetLayer(BookLayer(kTurningLeafLayer));
}

void CCookBook::CreateControls() {
  if (const AnimationPtr layout = GetLayout()) {
    for (int section = LastSection() + 1; section <= kLastStageSection; ++section) {
      const AnimationPtr tab =
          GF::HGENS::FindSubstitutedPart(*layout, kBookmark + std::to_string(section));
      if (tab) tab->SetShown(false);
    }
  }
  AddMenuItems(*this, kItems);
  m_print = CreateBookButton("print", &CCookBook::PrintRecipe);
  if (m_print) m_print->SetEnabled(false);
  m_next = CreateBookButton("next", &CCookBook::OnNextClick);
  m_prev = CreateBookButton("prev", &CCookBook::OnPrevClick);
}

CCookBook::ControlPtr CCookBook::CreateBookButton(
    const char* name, void (CCookBook::*onClick)(ControlPtr, const GF::TPoint<int>&, int)) {
  const ControlPtr button(CreateButton(name).Get());
  if (button) button->clickEvent.Subscribe(GF::MakeDelegate(this, onClick));
  return button;
}

void CCookBook::OpenAtNewEntry() {
  const std::string& mark = CurrentProfile().Strings[ProfileString::Value30];
  if (m_newestEntrySpread < 4) return;
  if (mark == kNewRecipe) {
    m_bookmarkSpreads.push_back(m_newestEntrySpread - m_newestEntrySpread % 4 - 1);
  } else if (mark == kNewPrint) {
    m_bookmarkSpreads.push_back(m_lastRecipeSpread);
  } else {
    return;
  }
  GoToPage(static_cast<int>(m_bookmarkSpreads.size()) - 1);
}

void CCookBook::RefreshControls() {
  const int left = m_spread + 1;
  for (std::size_t i = 0; i < m_bookmarks.size(); ++i) {
    if (!m_bookmarks[i]) continue;
    const bool open = m_bookmarkSpreads[i] <= left &&
                      (i + 1 == m_bookmarkSpreads.size() || m_bookmarkSpreads[i + 1] > left);
    m_bookmarks[i]->SetEnabled(!open);
  }
  if (m_prev) m_prev->SetEnabled(m_spread > -1);
  if (m_next) m_next->SetEnabled(m_spread < m_pages.PageCount() - 3);
  const bool recipe = m_recipes.contains(m_spread);
  if (recipe && ArrivedToPrint() && !m_printHintShown) ShowPrintHint();
  if (m_print) m_print->SetEnabled(recipe);
}

void CCookBook::ShowPrintHint() {
  const auto place = GF::HGENS::FindRequiredPlace(GetLayout(), "_item_print");
  if (!place) return;
  m_printHint = GF::HGENS::CFGParticle::Create("Particle\\print.fgp", "particles_2", 5.0f, true);
  const GF::CObjectProperties& at = place->GetProperties();
  m_printHint->SetPosition(at.x, at.y);
  m_printHint->SetLayer(BookLayer(IngredientFlyLayer));
  m_printHint->SetScene(GetScene());
  m_printHintShown = true;
}

void CCookBook::DropPrintHint() {
  if (!m_printHint) return;
  m_printHint->SetScene({});
  m_printHint.Reset();
}

void CCookBook::PreparePageEffect(const LeafPtr& leaf, int front, int back) {
  if (m_curlUnavailable) return;
  leaf->SetTextureSize(static_cast<int>(m_pages.PageWidth()) - 2,
                       static_cast<int>(m_pages.PageHeight()) - 2);
  AnimationPtr frontPage, backPage;
  if (front != -1) m_pages.MakeLeftPage(frontPage, front, -1.0f, false);
  if (back != -1) m_pages.MakeRightPage(backPage, back, 1.0f, false);
  if (!leaf->SetPageTextures(frontPage, backPage, m_frontMask, m_backMask))
    m_curlUnavailable = true;
  // The page objects were made for the images only.
  for (const AnimationPtr& page : {frontPage, backPage})
    if (page) page->Detach();
  if (m_curlUnavailable) ShowPages(m_spread + 1, m_spread + 2);
}

void CCookBook::ShowPages(int left, int right) {
  for (AnimationPtr* page : {&m_leftPage, &m_rightPage}) {
    if (!*page) continue;
    (*page)->SetLayer(BookLayer(kDroppedPageLayer));
    (*page)->Play("_hide", 0, true);
    page->Reset();
  }
  m_pages.MakeLeftPage(m_leftPage, left, -1.0f, true);
  m_pages.MakeRightPage(m_rightPage, right, 1.0f, true);
  // Each page stands where its leaf lies: the left one ends at the leaves' left edge.
  const float width = m_pages.PageWidth();
  const std::pair<AnimationPtr*, float> pages[] = {{&m_leftPage, kLeafLeft - width},
                                                   {&m_rightPage, kLeafLeft}};
  for (const auto& [page, x] : pages) {
    if (!*page) continue;
    const GF::TPoint<float> at = (*page)->GetPosition();
    (*page)->SetPosition(at.x + x, at.y + static_cast<float>(kLeafTop));
    (*page)->SetLayer(BookLayer(kPlainPageLayer));
    (*page)->SetShown(true);
    (*page)->Play("_show", 0, false);
  }
  if (m_leftPage) m_leftPage->SetNumber("_number", 2 * right - 1);
  if (m_rightPage) m_rightPage->SetNumber("_number", 2 * left);
  for (const LeafPtr& leaf : {m_leftLeaf, m_rightLeaf, m_turningLeaf})
    if (leaf) leaf->SetShown(false);
}

void CCookBook::GoToPage(int bookmark) {
  if (m_pageState != &CCookBook::IdleState) return;
  const int target = m_bookmarkSpreads[static_cast<std::size_t>(bookmark)];
  if (target == m_spread) return;
  m_leftLeafStale = true;
  m_spread = target;
  if (!m_curlUnavailable) {
    PreparePageEffect(m_rightLeaf, -1, target + 1);
    SetLeafProgress(*m_rightLeaf, 0.0f);
    m_rightLeaf->SetLayer(BookLayer(kLeafLayer));
  }
  m_spread = target - 2;
  TurnForward();
}

void CCookBook::TurnForward() {
  if (m_pageState != &CCookBook::IdleState || m_spread >= m_pages.PageCount() - 3) return;
  DropPrintHint();
  m_spread += 2;
  if (m_curlUnavailable) {
    PlaySoundById(kTurnSound);
    ShowPages(m_spread + 1, m_spread + 2);
    RefreshControls();
    return;
  }
  m_turningLeaf->SetLayer(BookLayer(kLeafLayer));
  std::swap(m_turningLeaf, m_rightLeaf);
  m_turningLeaf->SetLayer(BookLayer(kTurningLeafLayer));
  PreparePageEffect(m_rightLeaf, m_spread + 2, m_spread + 3);
  SetLeafProgress(*m_rightLeaf, 0.0f);
  m_rightLeaf->SetShown(true);
  m_direction = 1.0f;
  m_turnTime = 0.0f;
  m_pageState = &CCookBook::TurningState;
}

void CCookBook::TurnBack() {
  if (m_pageState != &CCookBook::IdleState || m_spread <= -1) return;
  DropPrintHint();
  m_spread -= 2;
  if (m_curlUnavailable) {
    PlaySoundById(kTurnSound);
    ShowPages(m_spread + 1, m_spread + 2);
    RefreshControls();
    return;
  }
  if (m_leftLeafStale) {
    // After a jump the left leaf's front is still the page it was turned from.
    m_leftLeafStale = false;
    PreparePageEffect(m_leftLeaf, m_spread + 2, -1);
    SetLeafProgress(*m_leftLeaf, 1.0f);
  }
  m_turningLeaf->SetLayer(BookLayer(kLeafLayer));
  std::swap(m_turningLeaf, m_leftLeaf);
  m_turningLeaf->SetLayer(BookLayer(kTurningLeafLayer));
  PreparePageEffect(m_leftLeaf, m_spread, m_spread + 1);
  SetLeafProgress(*m_leftLeaf, 1.0f);
  m_leftLeaf->SetShown(true);
  m_direction = -1.0f;
  m_turnTime = 0.0f;
  m_pageState = &CCookBook::TurningState;
}

bool CCookBook::IdleState(const float& dt) {
  // The bookmarks are no menu items: their owner runs them.
  for (const GF::THolder<CDeliveryButton>& bookmark : m_bookmarks)
    if (bookmark) bookmark->Update(dt);
  return true;
}

bool CCookBook::TurningState(const float& dt) {
  if (m_turnTime == 0.0f) {
    m_turnTime = 0.00001f;
    PlaySoundById(kTurnSound);
  }
  m_turnTime += dt;
  const float duration = PageTurnDuration;
  float t = m_turnTime / duration;
  // A duration of 0 or less (or none at all) ends the turn at once.
  const bool done = !(duration > 0.0f) || t >= 1.0f;
  if (done) {
    m_pageState = &CCookBook::IdleState;
    RefreshControls();
    t = 1.0f;
  }
  if (m_direction != 1.0f) t = t * t * (2.0f - t);
  SetLeafProgress(*m_turningLeaf, t * m_direction + (m_direction != 1.0f ? 1.0f : 0.0f));
  if (done) EndTurn();
  return true;
}

void CCookBook::EndTurn() {
  m_turningLeaf->SetLayer(BookLayer(kLeafLayer));
  std::swap(m_turningLeaf, m_direction == 1.0f ? m_leftLeaf : m_rightLeaf);
  m_turningLeaf->SetShown(false);
}

void CCookBook::OnNextClick(ControlPtr, const GF::TPoint<int>&, int) {
  TurnForward();
}

void CCookBook::OnPrevClick(ControlPtr, const GF::TPoint<int>&, int) {
  TurnBack();
}

void CCookBook::OnBookmarkClick(ControlPtr control, const GF::TPoint<int>&, int) {
  const auto* bookmark = dynamic_cast<const CDeliveryButton*>(control.Get());
  if (bookmark) GoToPage(bookmark->index);
}

void CCookBook::OnKey(int key) {
  if (key == ScreenKey::kLeft) TurnBack();
  if (key == ScreenKey::kRight) TurnForward();
}

void CCookBook::PrintRecipe(ControlPtr, const GF::TPoint<int>&, int) {
  const auto found = m_recipes.find(m_spread);
  if (found == m_recipes.end()) return;
  const RecipeRecord& recipe = found->second;
  const GF::THolder<GF::IScene> scene = GetScene();
  const auto frame = [&scene](const char* piece) {
    return GetAnimationImage(std::string("cookingbook.") + piece, scene, 0);
  };
  PrintRecipePage(GetPrintContext(), frame("top_left"), frame("top_centr"), frame("top_right"),
                  frame("bottom_left"), frame("bottom_centr"), frame("bottom_right"),
                  GetAnimationImage(recipe.PictureName(), scene, 0), recipe.NameText(),
                  recipe.RecipeText(), L"");
}
