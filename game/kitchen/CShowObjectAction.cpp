#include "game/kitchen/CShowObjectAction.h"

#include <algorithm>
#include <utility>

#include "framework/core/ColorConversion.h"
#include "framework/engine/scene/ISprite.h"

namespace {

constexpr float kSweepEndX = 900.0f;
constexpr float kRampWidth = 300.0f;
constexpr int kAddBlend = 3;  // the colour is added over the sprite's own
constexpr const char* kHiddenDevice = "Devices.griddle_4";

}  // namespace

CShowObjectAction::CShowObjectAction(std::vector<GF::THolder<CCookObject>> devices, float duration)
    : m_duration(duration), m_devices(std::move(devices)) {}

void CShowObjectAction::Start() {
  for (const GF::THolder<CCookObject>& device : m_devices) {
    if (device->IsShown()) continue;
    const ObjectDescription& description = device->GetDescription();
    if (description.WorkFlag == 0 || description.Key == kHiddenDevice)
      Collect(device->HolderGetCast());
  }
  m_elapsed = 0.0f;
}

void CShowObjectAction::Collect(const GF::IAnimation::AnimationPtr& animation) {
  if (!animation) return;
  m_sweepNodes.push_back(animation);
  for (int i = 0; i < animation->GetObjectCount(); ++i)
    if (const GF::IAnimation::AnimationPtr child{animation->GetChildAt(i)})
      m_sweepNodes.push_back(child);
}

std::uint32_t CShowObjectAction::GlowColor(float k) {
  if (k <= 0.5f) return GF::ColorToArgb({0.8f, 0.3f, 0.3f, 2.0f * k});
  const float f = 2.0f - 2.0f * k;
  return GF::ColorToArgb({0.8f * f, 0.3f * f, 0.3f * f, 1.0f});
}

void CShowObjectAction::Update(const float& dt) {
  m_elapsed += dt;
  const float u = m_duration > 0.0f ? std::min(m_elapsed / m_duration, 1.0f) : 1.0f;
  const float x = kSweepEndX * u;
  for (const GF::IAnimation::AnimationPtr& node : m_sweepNodes) {
    // At the end every ramp is over, also where the line stopped short of 300 px past.
    const float k =
        u >= 1.0f ? 1.0f : std::clamp((x - node->GetProperties().x) / kRampWidth, 0.0f, 1.0f);
    Glow(node, k);
  }
  if (u < 1.0f) return;
  RevealAll();
  m_done = true;
}

void CShowObjectAction::Glow(const GF::IAnimation::AnimationPtr& node, float k) const {
  node->SetVisible(true);
  const std::uint32_t color = GlowColor(k);
  for (int i = 0; i < node->GetObjectCount(); ++i)
    if (const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite> sprite{node->GetDrawable(i)})
      sprite->SetColor(color, kAddBlend);
}

void CShowObjectAction::RevealAll() const {
  for (const GF::THolder<CCookObject>& device : m_devices)
    if (!device->IsShown()) device->SetShown(true);
}

CActionBase::Holder MakeShowObjectAction(std::vector<GF::THolder<CCookObject>> devices,
                                         float duration) {
  return CActionBase::Holder(new CShowObjectAction(std::move(devices), duration));
}
