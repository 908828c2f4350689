#pragma once

#include "framework/core/CBaseObject.h"
#include "framework/core/IDrawable.h"
#include "framework/core/TRect.h"

// A drawable that belongs to no node: its owner adds it to a scene, lists it and shows or
// hides it. The effects that draw meshes of their own (the curtain's cloth, the book's
// leaves, the map's background) are such drawables; each draws itself in Render.
class CFreeDrawable : public GF::CBaseObject, public GF::IDrawable {
 public:
  CFreeDrawable(int layer, const GF::TRect<int>& rect) : m_layer(layer), m_rect(rect) {}

  bool QueryInterface(const int& id, void** out) override {
    if (id == GF::kIdBase) return Grant(static_cast<GF::IBase*>(this), out);
    if (id == GF::kIdDrawable) return Grant(static_cast<GF::IDrawable*>(this), out);
    return Refuse(out);
  }

  void Detach() override {}
  int GetLayer() const override { return m_layer; }
  const GF::TRect<int>& GetBoundingRect() override { return m_rect; }
  GF::THolder<GF::IScene> GetScene() const override { return {}; }
  bool IsShown() const override { return m_shown; }
  void SetScene(const GF::THolder<GF::IScene>&) override {}
  void SetShown(bool shown) override { m_shown = shown; }

 protected:
  int m_layer;
  GF::TRect<int> m_rect;
  bool m_shown = true;
};
