#pragma once

#include <vector>

#include "framework/core/IDrawableObjectData.h"
#include "framework/engine/resources/CObjectData.h"
#include "framework/engine/resources/CParamModifierData.h"
#include "framework/engine/resources/CSubstAnimationDescription.h"

namespace GF::HGENS {

// A drawable's description: its ten key lists, substituted animations, command
// substitutions and parameter modifiers. Sprite and text-sprite data differ only in the
// object they create.
class CDrawableObjectData : public CObjectData, public GF::IDrawableObjectData {
 public:
  const std::string& GetName() const override { return m_name; }
  GF::THolder<GF::TKeyContainer<GF::kKindResourceId>> GetIdTrack() const override {
    return m_idTrack;
  }
  GF::THolder<GF::ISubstAnimationDescription> GetSubstAnimation(int index) const override;
  int GetSubstAnimationCount() const override { return static_cast<int>(m_subst.size()); }
  GF::THolder<GF::TKeyContainer<GF::kKindColor>> GetColorTrack() const override { return m_color; }
  GF::THolder<GF::TKeyContainer<GF::kKindBlendMode>> GetBlendTrack() const override {
    return m_blend;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindFlip>> GetFlipTrack() const override { return m_flip; }
  GF::THolder<GF::TKeyContainer<GF::kKindHotSpot>> GetHotspotTrack() const override {
    return m_hotspot;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindOffset>> GetOffsetTrack() const override {
    return m_offset;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindLayer>> GetLayerTrack() const override { return m_layer; }
  GF::THolder<GF::TKeyContainer<GF::kKindOpacity>> GetOpacityTrack() const override {
    return m_opacity;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindRotation>> GetRotationTrack() const override {
    return m_rotation;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindZoom>> GetZoomTrack() const override { return m_zoom; }
  GF::THolder<CommandSubstList> GetCommandSubstTrack() const override { return m_commandSubst; }
  GF::THolder<CParamModifierList> GetParamModifiers() const { return m_modifiers; }

  void AddSubstAnimation(const std::string& first, const std::string& second);

 protected:
  explicit CDrawableObjectData(std::string name) : CObjectData(std::move(name)) {}

 private:
  std::vector<GF::THolder<CSubstAnimationDescription>> m_subst;
  GF::THolder<GF::TKeyContainer<GF::kKindColor>> m_color = GF::CreateKeyContainer<GF::kKindColor>();
  GF::THolder<GF::TKeyContainer<GF::kKindBlendMode>> m_blend =
      GF::CreateKeyContainer<GF::kKindBlendMode>();
  GF::THolder<GF::TKeyContainer<GF::kKindFlip>> m_flip = GF::CreateKeyContainer<GF::kKindFlip>();
  GF::THolder<GF::TKeyContainer<GF::kKindHotSpot>> m_hotspot =
      GF::CreateKeyContainer<GF::kKindHotSpot>();
  GF::THolder<GF::TKeyContainer<GF::kKindOffset>> m_offset =
      GF::CreateKeyContainer<GF::kKindOffset>();
  GF::THolder<GF::TKeyContainer<GF::kKindLayer>> m_layer = GF::CreateKeyContainer<GF::kKindLayer>();
  GF::THolder<GF::TKeyContainer<GF::kKindOpacity>> m_opacity =
      GF::CreateKeyContainer<GF::kKindOpacity>();
  GF::THolder<GF::TKeyContainer<GF::kKindRotation>> m_rotation =
      GF::CreateKeyContainer<GF::kKindRotation>();
  GF::THolder<GF::TKeyContainer<GF::kKindZoom>> m_zoom = GF::CreateKeyContainer<GF::kKindZoom>();
  GF::THolder<CommandSubstList> m_commandSubst =
      GF::THolder<CommandSubstList>(new CommandSubstList);
  GF::THolder<CParamModifierList> m_modifiers =
      GF::THolder<CParamModifierList>(new CParamModifierList);
};

}  // namespace GF::HGENS
