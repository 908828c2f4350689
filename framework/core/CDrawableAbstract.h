#pragma once

#include "framework/core/CCommandSubst.h"
#include "framework/core/CObjectAnimationAbstract.h"
#include "framework/core/CSceneDrawable.h"
#include "framework/core/IDrawable.h"
#include "framework/core/IDrawableObjectData.h"
#include "framework/core/IPropertiesTransform.h"
#include "framework/core/ISubstitutedContainer.h"
#include "framework/core/TParamTrack.h"

namespace GF {

// The base of drawn scene objects made from object data (sprites, text sprites). It
// evaluates its tracks on its node's clock, composes the result with the node's placement,
// keeps itself in its scene while shown, and hosts substituted animations that its
// command-substitution keys start. Concrete classes supply Render, GetBoundingRect, the
// reference count and QueryInterface.
class CDrawableAbstract : public CObjectAnimationAbstract<THolder<IDrawableObjectData>>,
                          public CSceneDrawable,
                          public virtual ISubstitutedContainer,
                          public IPropertiesTransform {
 public:
  virtual ~CDrawableAbstract() = default;

  // IObjectAnimation
  void SetObjectData(const THolder<IObjectData>& data) override;
  void Detach() override;
  // False without an owning node.
  bool Update(const float& dt) override;

  // IDrawable
  int GetLayer() const override { return properties_.layer; }
  // Scene membership as CSceneDrawable's, carried on to the substituted animations.
  void SetScene(const THolder<IScene>& scene) override;
  void SetShown(bool shown) override;

  // ISubstitutedContainer
  AnimationPtr AddSubstitutedAnimation(const std::string& module, const std::string& name) override;
  AnimationPtr AddSubstitutedAnimation(const std::string& fullName) override;
  AnimationPtr GetSubstitutedAnimation(int index) const override;
  AnimationPtr FindSubstitutedAnimation(const std::string& name) const override;
  CObjectProperties& GetProperties() override { return properties_; }
  bool RemoveSubstitutedAnimation(const std::string& name) override;
  bool RemoveSubstitutedAnimation(const AnimationPtr& animation) override;

  // IPropertiesTransform
  TParamTrack<kKindOffset>* GetOffsetTrack() override { return &offset_; }
  const TParamTrack<kKindOffset>* GetOffsetTrack() const override { return &offset_; }
  TParamTrack<kKindHotSpot>* GetHotSpotTrack() override { return &hotSpot_; }
  const TParamTrack<kKindHotSpot>* GetHotSpotTrack() const override { return &hotSpot_; }
  TParamTrack<kKindLayer>* GetLayerTrack() override { return &layer_; }
  const TParamTrack<kKindLayer>* GetLayerTrack() const override { return &layer_; }
  TParamTrack<kKindOpacity>* GetOpacityTrack() override { return &opacity_; }
  const TParamTrack<kKindOpacity>* GetOpacityTrack() const override { return &opacity_; }
  TParamTrack<kKindRotation>* GetRotationTrack() override { return &rotation_; }
  const TParamTrack<kKindRotation>* GetRotationTrack() const override { return &rotation_; }
  TParamTrack<kKindZoom>* GetZoomTrack() override { return &zoom_; }
  const TParamTrack<kKindZoom>* GetZoomTrack() const override { return &zoom_; }

  // Called after the record is filled from the tracks and before it is composed with the
  // node: concrete classes add their own offsets here.
  virtual void AdjustProperties() {}
  virtual TParamTrack<kKindResourceId>* GetIdTrack() { return &id_; }
  virtual const TParamTrack<kKindResourceId>* GetIdTrack() const { return &id_; }

  TParamTrack<kKindBlendMode>& GetBlendTrack() { return blend_; }
  TParamTrack<kKindColor>& GetColorTrack() { return color_; }
  TParamTrack<kKindCommandSubst>& GetCommandSubstTrack() { return subst_; }

 protected:
  AnimationPtr AddSubstituted(const THolder<IAnimationData>& data);
  // Starts the part of the key the substitution track has just reached, when that key
  // lies within the node's play window.
  void PlaySubstitution();
  void ClearSubstituted();
  void UpdateTracks(float t);

  TParamTrack<kKindBlendMode> blend_;
  TParamTrack<kKindColor> color_;
  TParamTrack<kKindOffset> offset_;
  TParamTrack<kKindHotSpot> hotSpot_;
  TParamTrack<kKindResourceId> id_;
  TParamTrack<kKindLayer> layer_;
  TParamTrack<kKindOpacity> opacity_;
  TParamTrack<kKindRotation> rotation_;
  TParamTrack<kKindZoom> zoom_;
  TParamTrack<kKindCommandSubst> subst_;
  CObjectProperties properties_;
  AnimationList substituted_;
};

}  // namespace GF
