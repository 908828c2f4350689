#include "game/kitchen/CTextRecord.h"

#include "framework/core/ISubstitutedContainer.h"
#include "framework/engine/scene/IFont.h"
#include "framework/engine/screens/ControlParts.h"
#include "platform/Engine.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;
using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;

void LogFault(const char* what, const CTextRecord& record) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log("[W] TEXT %s ON %s: %s", record.textName.c_str(), record.backingName.c_str(), what);
  engine->Release();
}

GF::TRect<int> BoundsOf(GF::IAnimation& animation) {
  animation.Update(0.0f);
  GF::TRect<int> rect;
  animation.GetBoundingRect(rect);
  return rect;
}

// The text's size in pixels: the width its font gives it and the height of its sprite's
// bounds. False when the sprite has no "_text".
bool MeasureText(GF::IAnimation& sprite, const std::wstring& text, float& width, float& height) {
  if (!sprite.SetText("_text", text)) return false;
  // The text sprite takes its font at its first update.
  const GF::TRect<int> rect = BoundsOf(sprite);
  GF::THolder<GF::IFont> font;
  int alignment = 0;
  if (!GF::HGENS::FindTextFont(sprite, "_text", font, alignment)) return false;
  width = font ? font->GetTextWidth(text.c_str()) : 0.0f;
  height = static_cast<float>(rect.bottom - rect.top);
  return true;
}

// The text put into the backing's first place at its natural size: the scale the backing
// had before it was stretched (scales are set in the screen's frame).
void EmbedText(GF::IAnimation& backing, const CTextRecord& record, const std::wstring& text,
               GF::TPoint<float> natural) {
  // The place takes the stretch first, so the text's scale is set against it.
  backing.Update(0.0f);
  const ContainerPtr place(backing.GetChildAt(0));
  const AnimationPtr content = place ? place->AddSubstitutedAnimation(record.textName) : nullptr;
  if (!content) return LogFault("no place for the text", record);
  content->SetLayer(10);
  content->SetText("_text", text);
  content->SetScale(natural.x, natural.y);
}

}  // namespace

void CTextRecord::Assign(CTextRecord source) {
  textName = std::move(source.textName);
  backingName = std::move(source.backingName);
  scene = source.scene;
}

AnimationPtr SetObjectText(const CTextRecord& record, std::wstring text, bool embed) {
  if (!record.scene) return {};
  float width = 0.0f;
  float height = 0.0f;
  bool measured = false;
  if (const AnimationPtr sprite = record.scene->CreateAnimation(record.textName)) {
    measured = MeasureText(*sprite, text, width, height);
    // Only a measure: it must not stay in the scene as a stray text.
    sprite->RemoveFromParent();
  }
  const AnimationPtr backing = record.scene->CreateAnimation(record.backingName);
  if (!backing) {
    LogFault("no backing", record);
    return backing;
  }
  const GF::TRect<int> rect = BoundsOf(*backing);
  const float w = width + 2.0f * static_cast<float>(record.marginX);
  const float h = height + 2.0f * static_cast<float>(record.marginY);
  if (!measured || rect.IsEmpty() || w <= 0.0f || h <= 0.0f) {
    LogFault(measured ? "empty size" : "no \"_text\"", record);
    return backing;
  }
  const GF::TPoint<float> natural = backing->GetScale();
  backing->SetScale(natural.x * w / static_cast<float>(rect.right - rect.left),
                    natural.y * h / static_cast<float>(rect.bottom - rect.top));
  if (embed) EmbedText(*backing, record, text, natural);
  return backing;
}
