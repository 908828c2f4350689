#include "game/screens/cookbook/PageLayout.h"

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

// Where the page's left edge is, as the container's elements see it: its origin, or on a
// mirrored page (negative scale) the other side of the page's width.
GF::TPoint<float> FrameOrigin(GF::ISubstitutedContainer& container, float pageWidth) {
  const GF::CObjectProperties& p = container.GetProperties();
  return {p.scaleX < 0.0f ? p.x + p.scaleX * pageWidth : p.x, p.y};
}

// The object's box about its own position, at the page's scale.
GF::TRect<float> Extents(GF::IAnimation& object, GF::ISubstitutedContainer& container) {
  GF::TRect<int> world;
  object.GetBoundingRect(world);
  const GF::CObjectProperties& p = container.GetProperties();
  const GF::TPoint<float> at = object.GetPosition();
  const float sx = p.scaleX != 0.0f ? std::fabs(p.scaleX) : 1.0f;
  const float sy = p.scaleY != 0.0f ? std::fabs(p.scaleY) : 1.0f;
  return {(static_cast<float>(world.left) - at.x) / sx, (static_cast<float>(world.top) - at.y) / sy,
          (static_cast<float>(world.right) - at.x) / sx,
          (static_cast<float>(world.bottom) - at.y) / sy};
}

void SetFramePosition(GF::IAnimation& object, GF::ISubstitutedContainer& container, float pageWidth,
                      GF::TPoint<float> at) {
  const GF::CObjectProperties& p = container.GetProperties();
  const GF::TPoint<float> origin = FrameOrigin(container, pageWidth);
  object.SetPosition(origin.x + std::fabs(p.scaleX) * at.x, origin.y + std::fabs(p.scaleY) * at.y);
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
  // A plain page mirrors its paper by the factor. Its elements are never mirrored: they
  // read the right way round and stand in the same places on both sides. (A leaf turns
  // its back image over itself.)
  if (const ContainerPtr container{out->GetDrawable(0)}) BuildElements(*container, index);
}

void PageLayout::PreparePageObject(GF::IAnimation& object, bool plain, float factor) const {
  if (plain) object.SetScaleX(factor);
  object.Play("_show", 0, false);
  object.RefreshProperties();
  object.Update(0.0f);
  const GF::TRect<int> box = BoundsOf(object);
  const GF::TPoint<float> at = object.GetPosition();
  object.SetPosition(at.x - static_cast<float>(box.left), at.y - static_cast<float>(box.top));
  // The paper hosts the elements: its placement must be current before they are laid out.
  object.RefreshProperties();
  object.Update(0.0f);
}

void PageLayout::BuildElements(GF::ISubstitutedContainer& container, int index) const {
  Pen pen{0.0f, kTopMargin};
  for (const CookBookEntry& element : m_pages[static_cast<std::size_t>(index)]) {
    if (!element.ObjectName().empty()) BuildElement(container, element, pen);
    if (element.InFlow() && !element.NoAdvance()) pen.y += element.VerticalGap() + element.Height();
  }
}

void PageLayout::BuildElement(GF::ISubstitutedContainer& container, const CookBookEntry& element,
                              const Pen& pen) const {
  const AnimationPtr object = container.AddSubstitutedAnimation(element.ObjectName());
  if (!object) return;
  object->SetScale(1.0f, 1.0f);
  object->SetText("_text", element.Text.empty() ? std::wstring(L" ") : element.Text);
  object->Update(0.0f);
  object->SetLayer(kElementLayer);
  object->Play("_idle", 0, false);
  // Laid out as if the element stood at the page's top-left corner.
  Box box = Extents(*object, container);
  if (element.FitToHeight()) FitToHeight(*object, container, element, box);
  SetFramePosition(*object, container, m_pageWidth, Position(element, box, pen));
  object->Update(0.0f);
}

void PageLayout::FitToHeight(GF::IAnimation& object, GF::ISubstitutedContainer& container,
                             const CookBookEntry& element, Box& box) const {
  const float width = box.right - box.left;
  const float height = box.bottom - box.top;
  float s = height != 0.0f ? element.Height() / height : 1.0f;
  if (element.MaximumWidth() > 0.0f && width * s > element.MaximumWidth())
    s = element.MaximumWidth() / width;
  object.SetScale(s, s);
  object.Update(0.0f);
  box = Extents(object, container);
}

GF::TPoint<float> PageLayout::Position(const CookBookEntry& e, const Box& box,
                                       const Pen& pen) const {
  // Elements out of the flow keep the stored order of their two values.
  if (!e.InFlow()) return {e.VerticalGap(), -e.HorizontalOffset()};
  GF::TPoint<float> at{0.0f, 0.0f};  // other modes leave the element at the corner
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
