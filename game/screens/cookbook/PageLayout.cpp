#include "game/screens/cookbook/PageLayout.h"

#include <algorithm>
#include <cmath>

#include "game/app/LevelsData.h"

namespace {

using AnimationPtr = PageLayout::AnimationPtr;
using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;

constexpr int kAlignBottom = 4;
constexpr int kAlignTop = 3;
constexpr int kAlignMiddle = 2;
constexpr int kAlignRight = 0;
constexpr int kAlignLeft = 1;
constexpr int kAlignCentre = 2;

GF::TRect<int> BoundsOf(GF::IAnimation& object) {
  GF::TRect<int> rect;
  object.GetBoundingRect(rect);
  return rect;
}

// A rectangle of the screen seen from the container: the container's origin is (0, 0), and
// its scale (negative on a mirrored page) is undone.
GF::TRect<float> ToLocal(const GF::TRect<int>& world, GF::ISubstitutedContainer& container) {
  const GF::CObjectProperties& p = container.GetProperties();
  const float sx = p.scaleX != 0.0f ? p.scaleX : 1.0f;
  const float sy = p.scaleY != 0.0f ? p.scaleY : 1.0f;
  const float x1 = (static_cast<float>(world.left) - p.x) / sx;
  const float x2 = (static_cast<float>(world.right) - p.x) / sx;
  const float y1 = (static_cast<float>(world.top) - p.y) / sy;
  const float y2 = (static_cast<float>(world.bottom) - p.y) / sy;
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

void SetLocalPosition(GF::IAnimation& object, GF::ISubstitutedContainer& container,
                      GF::TPoint<float> at) {
  const GF::CObjectProperties& p = container.GetProperties();
  object.SetPosition(p.x + p.scaleX * at.x, p.y + p.scaleY * at.y);
}

}  // namespace

void PageLayout::Clear() {
  m_pages.clear();
  m_shown.clear();
  m_scene.Reset();
}

void PageLayout::Init(const GF::THolder<GF::IScene>& scene) {
  m_scene = scene;
  const AnimationPtr page = scene ? scene->CreateAnimation("cookingbook.page_1") : AnimationPtr();
  if (!page) return;
  page->Update(0.0f);
  const GF::TRect<int> box = BoundsOf(*page);
  m_pageHeight = static_cast<float>(box.bottom - box.top);
  m_pageWidth = static_cast<float>(box.right - box.left);
  page->Detach();
}

void PageLayout::PlaceEntry(const CookBookGroup& entry, bool shown) {
  for (const CookBookEntry& element : entry.Entries) PlaceElement(element, shown);
}

void PageLayout::NewPage(bool shown) {
  m_y = kTopMargin;
  m_pages.emplace_back();
  m_shown.push_back(shown);
}

void PageLayout::PlaceElement(const CookBookEntry& element, bool shown) {
  // An element taller than a page still goes alone onto a fresh page.
  if (m_pages.empty() || m_pageHeight - kBottomMargin < m_y + element.Height()) NewPage(shown);
  m_pages.back().push_back(element);
  m_shown.back() = shown;
  if (element.InFlow() && !element.NoAdvance()) m_y += element.VerticalGap() + element.Height();
  if (element.PageBreakAfter() || element.NewSpreadAfter()) NewPage(shown);
  // The next element starts on a left-hand (even) page.
  if (element.NewSpreadAfter() && m_pages.size() % 2 == 0) NewPage(shown);
}

bool PageLayout::IsPageShown(int index) const {
  return index >= 0 && index < PageCount() && m_shown[static_cast<std::size_t>(index)];
}

void PageLayout::MakeLeftPage(AnimationPtr& out, int index, float factor, bool plain) const {
  MakePage(out, index, factor, plain, "cookingbook.page_1", "cookingbook.page_empty_1");
}

void PageLayout::MakeRightPage(AnimationPtr& out, int index, float factor, bool plain) const {
  MakePage(out, index, factor, plain, "cookingbook.page_2", "cookingbook.page_empty_2");
}

void PageLayout::MakePage(AnimationPtr& out, int index, float factor, bool plain, const char* page,
                          const char* empty) const {
  out = AnimationPtr();
  if (!m_scene) return;
  const bool shown = IsPageShown(index);
  out = m_scene->CreateAnimation(shown ? page : empty);
  if (!out) return;
  PreparePageObject(*out, plain, factor);
  if (!shown) return;
  // A plain page mirrors its paper by the factor and keeps its texts readable. A leaf shows
  // its front as it is and its back mirrored (it lies turned over), so on a leaf the texts
  // take the opposite of the side's factor to read the right way round.
  const float elementFactor = plain ? 1.0f : -factor;
  // A page whose first drawable hosts no parts gets no elements.
  if (const ContainerPtr container{out->GetDrawable(0)})
    BuildElements(*container, index, elementFactor);
}

void PageLayout::PreparePageObject(GF::IAnimation& object, bool plain, float factor) const {
  if (plain) object.SetScaleX(factor);
  object.Play("_show", 0, false);
  object.RefreshProperties();
  object.Update(0.0f);
  const GF::TRect<int> box = BoundsOf(object);
  const GF::TPoint<float> at = object.GetPosition();
  object.SetPosition(at.x - static_cast<float>(box.left), at.y - static_cast<float>(box.top));
  object.Update(0.0f);
}

void PageLayout::BuildElements(GF::ISubstitutedContainer& container, int index,
                               float factor) const {
  Pen pen{0.0f, kTopMargin};
  for (const CookBookEntry& element : m_pages[static_cast<std::size_t>(index)]) {
    if (!element.ObjectName().empty()) BuildElement(container, element, factor, pen);
    if (element.InFlow() && !element.NoAdvance()) pen.y += element.VerticalGap() + element.Height();
  }
}

void PageLayout::BuildElement(GF::ISubstitutedContainer& container, const CookBookEntry& element,
                              float factor, const Pen& pen) const {
  const AnimationPtr object = container.AddSubstitutedAnimation(element.ObjectName());
  if (!object) return;
  object->SetScale(factor, 1.0f);
  object->SetText("_text", element.Text.empty() ? std::wstring(L" ") : element.Text);
  object->Update(0.0f);
  object->SetLayer(kElementLayer);
  object->Play("_idle", 0, false);
  Box box = ToLocal(BoundsOf(*object), container);
  if (element.FitToHeight()) FitToHeight(*object, container, element, factor, box);
  SetLocalPosition(*object, container, Position(element, box, pen));
  object->Update(0.0f);
}

void PageLayout::FitToHeight(GF::IAnimation& object, GF::ISubstitutedContainer& container,
                             const CookBookEntry& element, float factor, Box& box) const {
  const float width = box.right - box.left;
  const float height = box.bottom - box.top;
  float s = height != 0.0f ? element.Height() / height : 1.0f;
  if (element.MaximumWidth() > 0.0f && width * s > element.MaximumWidth())
    s = element.MaximumWidth() / width;
  object.SetScale(s * factor, s);
  object.Update(0.0f);
  box = ToLocal(BoundsOf(object), container);
}

GF::TPoint<float> PageLayout::Position(const CookBookEntry& e, const Box& box,
                                       const Pen& pen) const {
  // Elements out of the flow keep the stored order of their two values.
  if (!e.InFlow()) return {e.VerticalGap(), -e.HorizontalOffset()};
  GF::TPoint<float> at{0.0f, 0.0f};  // a fresh element stands at the container's origin
  const float top = pen.y + e.VerticalGap();
  switch (e.VerticalAlignment()) {
    case kAlignTop:
      at.y = top - box.top;
      break;
    case kAlignMiddle:
      at.y = std::floor(top + (e.Height() - (box.bottom + box.top)) * 0.5f);
      break;
    case kAlignBottom:
      at.y = top + e.Height() - box.bottom;
      break;
    default:
      break;
  }
  // The side factor of the position is -1.0 on both kinds of page.
  const float left = pen.x - e.HorizontalOffset();
  if (const auto column = e.LayoutValue(CookBookLayoutValues)) {
    at.x = (m_pageWidth - *column) - e.HorizontalOffset();
    return at;
  }
  switch (e.HorizontalAlignment()) {
    case kAlignRight:
      at.x = left + m_pageWidth - box.right;
      break;
    case kAlignLeft:
      at.x = left - box.left;
      break;
    case kAlignCentre:
      at.x = left + (m_pageWidth - (box.right + box.left)) * 0.5f;
      break;
    default:
      break;
  }
  return at;
}
