#include "framework/engine/scene/CScene.h"

#include <algorithm>
#include <utility>

#include "framework/core/CAnimationObject.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/scene/SceneServices.h"
#include "platform/Engine.h"

namespace GF::HGENS {
namespace {

constexpr float kFpsPeriod = 5000.0f;  // ms between two frame-rate lines

}  // namespace

CScene::ParticleHooks& CScene::GetParticleHooks() {
  static ParticleHooks hooks;
  return hooks;
}

CScene::FpsMeter& CScene::GetFpsMeter() {
  static FpsMeter meter;
  return meter;
}

CScene::CScene() : m_engine(hgeCreate(ENGINE_VERSION)) {
  // Animations made here build their objects through the scene library's makers.
  InstallSceneObjectMakers();
}

CScene::~CScene() {
  m_engine->Release();
}

void CScene::AddAnimation(const AnimationPtr& animation) {
  m_animations.push_back(animation);
}

void CScene::AddDrawable(const DrawablePtr& drawable) {
  m_drawables.push_back(drawable);
  m_needsSort = true;
}

IScene::AnimationPtr CScene::CreateAnimation(const std::string& name) {
  const GF::THolder<GF::IAnimationData> data = GetResources()->GetAnimationData(name);
  if (!data) return {};
  const AnimationPtr node(static_cast<GF::IAnimation*>(new GF::CAnimationObject()));
  const GF::THolder<GF::IScene> self(this);
  node->SetAnimationData(data);
  node->SetScene(self);
  node->SetObjectsScene(self);
  return node;
}

IScene::AnimationPtr CScene::PlayAnimation(const std::string& name, float x, float y,
                                           const std::string& part, int count, float delay) {
  const AnimationPtr node = CreateAnimation(name);
  if (!node) return node;
  node->SetX(x);
  node->SetY(y);
  node->Play(part.c_str(), count, true);
  node->SetDelay(delay, true);
  return node;
}

IScene::AnimationPtr CScene::PlayAnimation(const std::string& name,
                                           const GF::TPoint<float>& position,
                                           const std::string& part, int count, float delay) {
  const AnimationPtr node = CreateAnimation(name);
  if (!node) return node;
  node->SetPosition(position);
  node->Play(part.c_str(), count, true);
  node->SetDelay(delay, true);
  return node;
}

void CScene::Render() {
  if (m_visible) {
    for (std::size_t i = 0; i < m_drawables.size(); ++i) m_drawables[i]->Render();
  }
  // A clipping object's rectangle never outlives the scene that set it.
  m_engine->SetClipping(0, 0, 0, 0);
}

void CScene::SortDrawables() {
  // Insertion sort: stable, and nearly free on a list that is already in order.
  for (std::size_t i = 1; i < m_drawables.size(); ++i) {
    for (std::size_t j = i; j > 0 && m_drawables[j]->GetLayer() < m_drawables[j - 1]->GetLayer();
         --j) {
      std::swap(m_drawables[j], m_drawables[j - 1]);
    }
  }
}

void CScene::RemoveAnimation(const AnimationPtr& animation) {
  for (int i = static_cast<int>(m_animations.size()) - 1; i >= 0; --i) {
    if (m_animations[i] != animation) continue;
    const AnimationPtr keep = std::move(m_animations[i]);  // released after the erase
    m_animations.erase(m_animations.begin() + i);
    if (i <= m_walk) --m_walk;
  }
}

void CScene::RemoveDrawable(const DrawablePtr& drawable) {
  const GF::IDrawable* target = drawable.Get();
  std::erase_if(m_drawables, [target](const DrawablePtr& d) { return d.Get() == target; });
}

void CScene::AdvanceAnimations(const float& dt) {
  const int outer = m_walk;  // an update may run inside a node's update
  for (m_walk = 0; m_walk < static_cast<int>(m_animations.size()); ++m_walk) {
    const AnimationPtr node = m_animations[m_walk];
    node->Update(dt);
  }
  m_walk = outer;
}

void CScene::DropFinished() {
  for (std::size_t i = 0; i < m_animations.size();) {
    if (!m_animations[i]->IsFinished()) {
      ++i;
      continue;
    }
    const AnimationPtr node = m_animations[i];
    node->Clear();
    // Clear may have changed the list: find the node again.
    const auto it = std::find(m_animations.begin(), m_animations.end(), node);
    if (it != m_animations.end()) {
      i = static_cast<std::size_t>(it - m_animations.begin());
      m_animations.erase(it);
    }
  }
}

bool CScene::Update(const float& dt) {
  if (m_active) {
    if (const auto update = GetParticleHooks().update) update(dt);
    AdvanceAnimations(dt);
    DropFinished();
    if (m_needsSort) {
      m_needsSort = false;
      SortDrawables();
    }
    m_updateEvent.Fire(dt);
  }
  MeasureFrameRate(dt);
  return true;
}

void CScene::MeasureFrameRate(const float& dt) {
  FpsMeter& meter = GetFpsMeter();
  ++meter.frames;
  meter.time += dt;
  if (meter.time <= kFpsPeriod) return;
  meter.rate = static_cast<int>(static_cast<float>(meter.frames) / (meter.time / 1000.0f));
  meter.time = 0.0f;
  meter.frames = 0;
  if (meter.rate != 0) {
    m_engine->Log("FPS:%d\t, AnimationCount %d, DrawableCount %d", meter.rate,
                  static_cast<int>(m_animations.size()), static_cast<int>(m_drawables.size()));
  }
}

void CScene::Clear() {
  const GF::THolder<GF::IScene> keep(this);  // the last holders may be among the nodes
  if (const auto leave = GetParticleHooks().leaveScene) leave(this);
  for (std::size_t i = 0; i < m_animations.size(); ++i) {
    const AnimationPtr node = m_animations[i];
    node->Clear();
  }
  // Each drawable leaves this very list as it detaches: walk a copy.
  const std::vector<DrawablePtr> drawables = m_drawables;
  for (const DrawablePtr& drawable : drawables) drawable->Detach();
}

void CScene::PauseSounds() {
  for (std::size_t i = 0; i < m_animations.size(); ++i)
    AnimationPtr(m_animations[i])->PauseSounds();
}

void CScene::ResumeSounds() {
  for (std::size_t i = 0; i < m_animations.size(); ++i)
    AnimationPtr(m_animations[i])->ResumeSounds();
}

void CScene::StopSounds() {
  for (std::size_t i = 0; i < m_animations.size(); ++i) AnimationPtr(m_animations[i])->StopSounds();
}

}  // namespace GF::HGENS
