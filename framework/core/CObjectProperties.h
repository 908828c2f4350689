#pragma once

#include <cstdint>

#include "framework/core/TPoint.h"

namespace GF {

class IPropertiesTransform;

// Placement record of an animation node or drawable: local, or composed with its parents.
struct CObjectProperties {
  // Bits of the changed mask.
  enum : uint8_t {
    kChangedPosition = 0x01,
    kChangedScale = 0x04,
    kChangedLayer = 0x08,
    kChangedAngle = 0x10,
    kChangedOpacity = 0x20,
    kChangedAll = 0xFF,
  };

  float x = 0.0f;
  float y = 0.0f;
  int32_t layer = 0;
  // Kept in step with angle by whoever sets it; composition uses these, never angle.
  float sin = 0.0f;
  float cos = 1.0f;
  float opacity = 1.0f;
  float angle = 0.0f;
  float scaleX = 1.0f;
  float scaleY = 1.0f;
  uint8_t changed = 0;
  // How much of the parent's scale this record takes (1 all, 0 none).
  float scaleInfluence = 1.0f;
  // Only the three named flags are read by the composition; all six start set.
  bool flag1 = true;
  bool flag2 = true;
  bool inheritPosition = true;
  bool flag4 = true;
  bool inheritRotation = true;
  bool inheritScale = true;

  // Sets angle with its sine and cosine.
  void SetAngle(float radians);
};

// Turns a child's local record into its composed record, in place.
void ComposeProperties(CObjectProperties& child, const CObjectProperties& parent);

// The exact inverse of ComposeProperties: takes the parent's contribution back out of a
// composed record. A parent scale factor or opacity of 0 leaves that value as it is.
void DecomposeProperties(CObjectProperties& child, const CObjectProperties& parent);

// Maps a screen point into the record's frame (hit tests against rotated, scaled objects).
void InverseTransformPoint(TPoint<float>& out, const TPoint<float>& point,
                           const CObjectProperties& record);

// Fills a record from an object's current track values (offset, layer, opacity, rotation,
// zoom); an object without a track leaves that field as it was.
void PropertiesFromObjectData(CObjectProperties& record, const IPropertiesTransform& object);

}  // namespace GF
