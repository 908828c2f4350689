#include "framework/core/CObjectProperties.h"

#include <cmath>

#include "framework/core/IPropertiesTransform.h"

namespace GF {

namespace {

// The part of the parent's scale that the child takes.
float ScaleFactor(float parentScale, float influence) {
  return (parentScale - 1.0f) * influence + 1.0f;
}

}  // namespace

void CObjectProperties::SetAngle(float radians) {
  angle = radians;
  sin = std::sin(radians);
  cos = std::cos(radians);
}

void ComposeProperties(CObjectProperties& child, const CObjectProperties& parent) {
  const bool pos = child.inheritPosition;
  if (pos) {
    child.x += parent.x;
    child.y += parent.y;
  }
  float x = child.x;
  float y = child.y;
  child.opacity = parent.opacity * child.opacity;
  child.layer += parent.layer;
  if (child.inheritScale) {
    child.scaleX *= ScaleFactor(parent.scaleX, child.scaleInfluence);
    child.scaleY *= ScaleFactor(parent.scaleY, child.scaleInfluence);
    // The position scales about the parent by the parent's full scale.
    if (pos) {
      x = parent.x + parent.scaleX * (x - parent.x);
      y = parent.y + parent.scaleY * (y - parent.y);
    }
  }
  if (child.inheritRotation) {
    child.angle += parent.angle;
    const float s = child.sin * parent.cos + child.cos * parent.sin;
    const float c = child.cos * parent.cos - child.sin * parent.sin;
    child.sin = s;
    child.cos = c;
    if (pos) {
      const float dx = x - parent.x;
      const float dy = y - parent.y;
      x = parent.x + parent.cos * dx - parent.sin * dy;
      y = parent.y + parent.sin * dx + parent.cos * dy;
    }
  }
  child.x = x;
  child.y = y;
  child.changed |= parent.changed;
}

void DecomposeProperties(CObjectProperties& child, const CObjectProperties& parent) {
  if (child.inheritPosition) {
    float dx = child.x - parent.x;
    float dy = child.y - parent.y;
    if (child.inheritRotation) {
      const float rx = parent.cos * dx + parent.sin * dy;
      dy = parent.cos * dy - parent.sin * dx;
      dx = rx;
    }
    if (child.inheritScale) {
      if (parent.scaleX != 0.0f) dx /= parent.scaleX;
      if (parent.scaleY != 0.0f) dy /= parent.scaleY;
    }
    child.x = dx;
    child.y = dy;
  }
  if (parent.opacity != 0.0f) child.opacity /= parent.opacity;
  child.layer -= parent.layer;
  if (child.inheritScale) {
    const float fx = ScaleFactor(parent.scaleX, child.scaleInfluence);
    const float fy = ScaleFactor(parent.scaleY, child.scaleInfluence);
    if (fx != 0.0f) child.scaleX /= fx;
    if (fy != 0.0f) child.scaleY /= fy;
  }
  if (child.inheritRotation) {
    child.angle -= parent.angle;
    const float s = child.sin * parent.cos - child.cos * parent.sin;
    const float c = child.cos * parent.cos + child.sin * parent.sin;
    child.sin = s;
    child.cos = c;
  }
  child.changed |= parent.changed;
}

void InverseTransformPoint(TPoint<float>& out, const TPoint<float>& point,
                           const CObjectProperties& record) {
  const float dx = point.x - record.x;
  const float dy = point.y - record.y;
  out.x = (record.cos * dx + record.sin * dy) / record.scaleX;
  out.y = (record.cos * dy - record.sin * dx) / record.scaleY;
}

void PropertiesFromObjectData(CObjectProperties& record, const IPropertiesTransform& object) {
  record.changed = 0;
  if (const auto* offset = object.GetOffsetTrack()) {
    record.x = offset->GetValue().x;
    record.y = offset->GetValue().y;
    if (offset->IsChanged()) record.changed |= CObjectProperties::kChangedPosition;
  }
  if (const auto* layer = object.GetLayerTrack()) {
    record.layer = layer->GetValue();
    if (layer->IsChanged()) record.changed |= CObjectProperties::kChangedLayer;
  }
  if (const auto* opacity = object.GetOpacityTrack()) {
    record.opacity = opacity->GetValue();
    if (opacity->IsChanged()) record.changed |= CObjectProperties::kChangedOpacity;
  }
  if (const auto* rotation = object.GetRotationTrack()) {
    record.SetAngle(rotation->GetValue());
    if (rotation->IsChanged()) record.changed |= CObjectProperties::kChangedAngle;
  }
  if (const auto* zoom = object.GetZoomTrack()) {
    record.scaleX = zoom->GetValue().x;
    record.scaleY = zoom->GetValue().y;
    if (zoom->IsChanged()) record.changed |= CObjectProperties::kChangedScale;
  }
}

}  // namespace GF
