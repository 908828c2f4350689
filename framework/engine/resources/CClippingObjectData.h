#pragma once

#include "framework/engine/resources/CObjectData.h"
#include "framework/engine/resources/IClippingObjectData.h"

namespace GF::HGENS {

// Describes an animated clipping rectangle. It has no name.
class CClippingObjectData : public CObjectData, public GF::IClippingObjectData {
 public:
  CClippingObjectData() : CObjectData({}) {}

  ObjectPtr CreateObject() override { return MakeObject(Kind::Clipping, this); }
  const std::string& GetName() const override { return m_name; }
  GF::THolder<GF::TKeyContainer<GF::kKindResourceId>> GetIdTrack() const override {
    return m_idTrack;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindOffset>> GetOffsetTrack() const override {
    return m_offset;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindLayer>> GetLayerTrack() const override { return m_layer; }
  GF::THolder<GF::TKeyContainer<GF::kKindHotSpot>> GetHotspotTrack() const override {
    return m_hotspot;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindZoom>> GetZoomTrack() const override { return m_zoom; }
  GF::THolder<CParamModifierList> GetParamModifiers() const override { return m_modifiers; }

 private:
  GF::THolder<GF::TKeyContainer<GF::kKindOffset>> m_offset =
      GF::CreateKeyContainer<GF::kKindOffset>();
  GF::THolder<GF::TKeyContainer<GF::kKindLayer>> m_layer = GF::CreateKeyContainer<GF::kKindLayer>();
  GF::THolder<GF::TKeyContainer<GF::kKindHotSpot>> m_hotspot =
      GF::CreateKeyContainer<GF::kKindHotSpot>();
  GF::THolder<GF::TKeyContainer<GF::kKindZoom>> m_zoom = GF::CreateKeyContainer<GF::kKindZoom>();
  GF::THolder<CParamModifierList> m_modifiers =
      GF::THolder<CParamModifierList>(new CParamModifierList);
};

}  // namespace GF::HGENS
