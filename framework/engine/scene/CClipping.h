#pragma once

#include "framework/core/CBaseObject.h"
#include "framework/core/CObjectAnimationAbstract.h"
#include "framework/core/CObjectProperties.h"
#include "framework/core/IDrawable.h"
#include "framework/core/IPropertiesTransform.h"
#include "framework/engine/resources/IClippingObjectData.h"
#include "framework/engine/scene/IParamModifier.h"

class Engine;

namespace GF::HGENS {

// Restricts everything drawn after it in its scene to an animated rectangle: position from
// the offset track, size from the zoom track (1.0 is 100 pixels), hot spot in
// ten-thousandths of the size. It stays in its scene's list whether shown or not; hidden,
// it draws nothing.
class CClipping : public GF::CBaseObject,
                  public GF::CObjectAnimationAbstract<GF::THolder<GF::IClippingObjectData>>,
                  public GF::IDrawable,
                  public GF::IPropertiesTransform {
 public:
  CClipping();
  ~CClipping() override;
  CClipping(const CClipping&) = delete;
  CClipping& operator=(const CClipping&) = delete;

  bool QueryInterface(const int& id, void** out) override;

  // IObjectAnimation
  void SetObjectData(const GF::THolder<GF::IObjectData>& data) override;
  bool Update(const float& dt) override;
  // Also IDrawable::Detach.
  void Detach() override;

  // IDrawable
  void Render() override;
  int GetLayer() const override { return m_properties.layer; }
  const GF::TRect<int>& GetBoundingRect() override { return m_rect; }
  GF::THolder<GF::IScene> GetScene() const override { return m_scene; }
  bool IsShown() const override { return m_shown; }
  void SetScene(const GF::THolder<GF::IScene>& scene) override;
  void SetShown(bool shown) override { m_shown = shown; }

  // IPropertiesTransform: offset, hot spot, layer and zoom; no opacity or rotation.
  GF::TParamTrack<GF::kKindOffset>* GetOffsetTrack() override { return &m_offset; }
  const GF::TParamTrack<GF::kKindOffset>* GetOffsetTrack() const override { return &m_offset; }
  GF::TParamTrack<GF::kKindHotSpot>* GetHotSpotTrack() override { return &m_hotSpot; }
  const GF::TParamTrack<GF::kKindHotSpot>* GetHotSpotTrack() const override { return &m_hotSpot; }
  GF::TParamTrack<GF::kKindLayer>* GetLayerTrack() override { return &m_layer; }
  const GF::TParamTrack<GF::kKindLayer>* GetLayerTrack() const override { return &m_layer; }
  GF::TParamTrack<GF::kKindOpacity>* GetOpacityTrack() override { return nullptr; }
  const GF::TParamTrack<GF::kKindOpacity>* GetOpacityTrack() const override { return nullptr; }
  GF::TParamTrack<GF::kKindRotation>* GetRotationTrack() override { return nullptr; }
  const GF::TParamTrack<GF::kKindRotation>* GetRotationTrack() const override { return nullptr; }
  GF::TParamTrack<GF::kKindZoom>* GetZoomTrack() override { return &m_zoom; }
  const GF::TParamTrack<GF::kKindZoom>* GetZoomTrack() const override { return &m_zoom; }

 private:
  // The clip rectangle from the world placement, cut to the logical screen.
  void UpdateRect();

  Engine* m_engine;
  GF::TParamTrack<GF::kKindOffset> m_offset;
  GF::TParamTrack<GF::kKindHotSpot> m_hotSpot;
  GF::TParamTrack<GF::kKindZoom> m_zoom;
  GF::TParamTrack<GF::kKindLayer> m_layer;
  GF::CObjectProperties m_properties;
  GF::TRect<int> m_rect;
  bool m_shown = true;
  GF::THolder<GF::IScene> m_scene;
  GF::THolder<GF::IParamModifier> m_modifier;
};

}  // namespace GF::HGENS
