#include "framework/engine/scene/CClipping.h"

#include <algorithm>

#include "framework/core/AnimatedDrawableQuery.h"
#include "framework/core/CGameProperties.h"
#include "framework/engine/scene/CParamModifier.h"
#include "platform/Engine.h"

namespace GF::HGENS {

CClipping::CClipping() : m_engine(hgeCreate(ENGINE_VERSION)) {}

CClipping::~CClipping() {
  m_engine->Release();
}

bool CClipping::QueryInterface(const int& id, void** out) {
  return GF::QueryAnimatedDrawable(*this, id, out);
}

void CClipping::SetObjectData(const GF::THolder<GF::IObjectData>& data) {
  m_offset.Clear();
  m_hotSpot.Clear();
  m_zoom.Clear();
  m_layer.Clear();
  m_modifier.Reset();
  data_ = dynamic_cast<GF::IClippingObjectData*>(data.Get());
  if (!data_) return;
  m_offset.Attach(data_->GetOffsetTrack());
  m_hotSpot.Attach(data_->GetHotspotTrack());
  m_zoom.Attach(data_->GetZoomTrack());
  m_layer.Attach(data_->GetLayerTrack());
  m_modifier = CParamModifier::Create(data_->GetParamModifiers());
}

bool CClipping::Update(const float&) {
  const auto node = animation_;
  if (!node) return false;
  const float& t = node->GetTime();
  m_offset.Update(t);
  m_hotSpot.Update(t);
  m_zoom.Update(t);
  m_layer.Update(t);
  GF::PropertiesFromObjectData(m_properties, *this);
  GF::ComposeProperties(m_properties, node->GetProperties());
  UpdateRect();
  if ((m_properties.changed & GF::CObjectProperties::kChangedLayer) && m_scene)
    m_scene->RequestSort();
  return true;
}

void CClipping::UpdateRect() {
  const int width = static_cast<int>(m_properties.scaleX * 100.0f);
  const int height = static_cast<int>(m_properties.scaleY * 100.0f);
  const GF::TPoint<float>& hot = m_hotSpot.GetValue();
  const float hx = hot.x * static_cast<float>(width) / 10000.0f;
  const float hy = hot.y * static_cast<float>(height) / 10000.0f;
  float x = m_properties.x;
  float y = m_properties.y;
  if (m_modifier) {
    m_modifier->Update(m_engine->GetDelta());
    x += m_modifier->GetValue(GF::IParamModifier::kOffsetX);
    y += m_modifier->GetValue(GF::IParamModifier::kOffsetY);
  }
  GF::TRect<int> r;
  r.left = static_cast<int>(x - hx);
  r.top = static_cast<int>(y - hy);
  r.right = r.left + width;
  r.bottom = r.top + height;
  const auto properties = GF::CGameProperties::Instance();
  const GF::TRect<int> screen{0, 0, properties->GetScreenWidth(), properties->GetScreenHeight()};
  r.left = std::max(r.left, screen.left);
  r.top = std::max(r.top, screen.top);
  r.right = std::min(r.right, screen.right);
  r.bottom = std::min(r.bottom, screen.bottom);
  if (r.right <= r.left || r.bottom <= r.top) r = GF::TRect<int>();
  // A zero size would switch clipping off: keep at least one pixel.
  if (r.right - r.left <= 0) r.right += 1;
  if (r.bottom - r.top <= 0) r.bottom += 1;
  m_rect = r;
}

void CClipping::Render() {
  if (!m_shown) return;
  m_engine->SetClipping(m_rect.left, m_rect.top, m_rect.right - m_rect.left,
                        m_rect.bottom - m_rect.top);
}

void CClipping::SetScene(const GF::THolder<GF::IScene>& scene) {
  const GF::TSmartIPtr<GF::IDrawable, GF::kIdDrawable> self(static_cast<GF::IDrawable*>(this));
  if (const GF::THolder<GF::IScene> old = m_scene) old->RemoveDrawable(self);
  m_scene = scene;
  if (m_scene) m_scene->AddDrawable(self);
}

void CClipping::Detach() {
  animation_.Reset();
  SetScene(GF::THolder<GF::IScene>());
}

}  // namespace GF::HGENS
