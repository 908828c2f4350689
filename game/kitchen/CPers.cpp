#include "game/kitchen/CPers.h"

#include <algorithm>
#include <cmath>

#include "game/app/GameData.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/FloorQuad.h"
#include "platform/Engine.h"

namespace {

// The animation of each state, by state number; "" has none.
const std::array<const char*, 11> kStateAnimations = {
    "lily.work",
    "lily.idle",
    "",
    "",
    "lily.diagonal_down",
    "lily.diagonal_down",
    "lily.diagonal_up",
    "lily.cancel",
    "lily.wait",
    "lily.hide",
    "lily.blink",
};

// Head, body, hips and legs, around the figure's position.
const GF::TRect<float> kHitRects[] = {
    {-13.0f, -118.0f, 13.0f, -103.0f},
    {-23.0f, -103.0f, 23.0f, -68.0f},
    {-10.0f, -68.0f, 10.0f, -58.0f},
    {-34.0f, -57.0f, 34.0f, 113.0f},
};

constexpr const char* kMoveSound = "action_move";

int RandomBelow(int n) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  const int value = engine->RandomInt(0, n - 1);
  engine->Release();
  return value;
}

}  // namespace

GF::THolder<CPers> CPers::Create(int dress, Obstacles begin, Obstacles end,
                                 GF::THolder<GF::IScene> layer) {
  return GF::THolder<CPers>(new CPers(dress, begin, end, std::move(layer)));
}

CPers::CPers(int dress, Obstacles begin, Obstacles end, GF::THolder<GF::IScene> layer)
    : m_layer(std::move(layer)), m_dress(dress) {
  for (std::size_t i = 0; i < m_obstacles.size() && begin != end; ++i, ++begin)
    m_obstacles[i] = *begin;
  ReloadGrid();
  CreateStateAnimations();
  m_hitRects.assign(std::begin(kHitRects), std::end(kHitRects));
  PlaceSprite(8.0f, 9.0f);
}

CPers::~CPers() {
  ReleaseStateAnimations();
  m_current.Reset();
}

void CPers::CreateStateAnimations() {
  ReleaseStateAnimations();
  m_stateAnimations.resize(kStateAnimations.size());
  for (std::size_t i = 0; i < kStateAnimations.size(); ++i) {
    if (!*kStateAnimations[i] || !m_layer) continue;
    const std::string name = std::string(kStateAnimations[i]) + "_" + std::to_string(m_dress);
    AnimationPtr animation = m_layer->CreateAnimation(name);
    if (!animation) continue;
    animation->SetVisible(false);
    animation->SetLayer(CookLayer);
    animation->Play("all", 0, false);
    animation->Update(0.0f);
    m_stateAnimations[i] = animation;
  }
  SetState(m_state);
}

void CPers::ReleaseStateAnimations() {
  // They leave the scene. The shown one is still the current animation, so that the next
  // figure takes its place.
  for (const AnimationPtr& animation : m_stateAnimations)
    if (animation) animation->Detach();
  m_stateAnimations.clear();
}

CPers::AnimationPtr CPers::GetStateAnimation(int state) const {
  if (state < 0 || static_cast<std::size_t>(state) >= m_stateAnimations.size()) return {};
  return m_stateAnimations[static_cast<std::size_t>(state)];
}

void CPers::SetState(int state) {
  m_state = state;
  const AnimationPtr next = GetStateAnimation(state);
  if (!next || next == m_current) return;
  if (m_current) {
    const float scale = m_current->GetScale().y;
    next->SetPosition(m_current->GetPosition());
    next->SetScale(scale, scale);
    m_current->SetVisible(false);
  }
  m_current = next;
  m_current->Play("all", 0, false);
  m_current->SetVisible(true);
  m_current->Update(0.0f);
  if (m_paused) m_current->Pause();
}

void CPers::ReloadGrid() {
  for (std::size_t i = 0; i < m_grid.size(); ++i) m_grid[i] = m_obstacles[i] ? 1 : 0;
}

int CPers::NearestFreeCell(int a, int b) const {
  int below = -1000;
  for (int i = a; i >= 0; --i)
    if (m_grid[Index(i, b)] != 1) {
      below = i;
      break;
    }
  int above = 1000;
  for (int i = a; i < kGridSize; ++i)
    if (m_grid[Index(i, b)] != 1) {
      above = i;
      break;
    }
  const int nearest = a - below < above - a ? below : above;
  return Inside(nearest, b) ? nearest : 8;
}

void CPers::MoveTo(float a, float b) {
  if (m_state == kHide) return;
  PlaySoundByName(kMoveSound);
  ReloadGrid();
  a = std::clamp(a, 0.0f, 15.0f);
  b = std::clamp(b, 0.0f, 15.0f);
  int ta = static_cast<int>(a);
  const int tb = static_cast<int>(b);
  if (m_grid[Index(ta, tb)] == 1) ta = NearestFreeCell(ta, tb);
  BuildDistanceMap(ta, tb);
  m_timer = 0.0f;
  m_routine = &CPers::UpdateMoving;
  m_cell = {static_cast<int>(m_position.x + 0.5f), static_cast<int>(m_position.y + 0.5f)};
  Step();
}

void CPers::BuildDistanceMap(int ta, int tb) {
  if (m_grid[Index(ta, tb)] == 1) return;
  m_grid[Index(ta, tb)] = 2;
  // A pass spreads label v to its neighbours: v + 1 straight, v + 2 diagonal. The passes go
  // on while a label above v waits, even after a pass that labelled nothing.
  int highest = 2;
  for (int v = 2; v <= highest; ++v) {
    for (int a = 0; a < kGridSize; ++a)
      for (int b = 0; b < kGridSize; ++b) {
        if (m_grid[Index(a, b)] != v) continue;
        for (int da = -1; da <= 1; ++da)
          for (int db = -1; db <= 1; ++db) {
            if (!Inside(a + da, b + db) || m_grid[Index(a + da, b + db)] != 0) continue;
            const int label = v + std::abs(da) + std::abs(db);
            m_grid[Index(a + da, b + db)] = label;
            highest = std::max(highest, label);
          }
      }
  }
}

void CPers::Step() {
  m_timer = 0.0f;
  const GF::TPoint<int> from = m_cell;
  GF::TPoint<int> to = from;
  int best = Inside(from.x, from.y) ? m_grid[Index(from.x, from.y)] : 0;
  for (int a = from.x - 1; a <= from.x + 1; ++a)
    for (int b = from.y - 1; b <= from.y + 1; ++b) {
      if (!Inside(a, b)) continue;
      const int label = m_grid[Index(a, b)];
      if (label > 1 && label < best) {
        best = label;
        to = {a, b};
      }
    }
  const GF::TPoint<float> start(static_cast<float>(from.x), static_cast<float>(from.y));
  m_step.Setup(start, GF::TPoint<float>(static_cast<float>(to.x), static_cast<float>(to.y)), 1.0f,
               false);
  if (to == from) {
    OnArrived();
    return;
  }
  const int da = to.x - from.x;
  const int db = to.y - from.y;
  m_mirrored = false;
  SetState(db == 0 ? kStepAcross : db < 0 ? kStepBack : kStepFront);
  if (da < 0) m_mirrored = true;
  if (da == 0) m_mirrored = (db < 0) == (to.x > 8);
  m_cell = to;
}

void CPers::UpdateMoving(const float& dt) {
  m_timer += dt;
  if (CookStepTime <= 0.0f || CookStepTime < m_timer) {
    Step();
    return;
  }
  GF::TPoint<float> at;
  m_step.Calc(at, m_timer / CookStepTime);
  PlaceSprite(at.x, at.y);
}

void CPers::OnArrived() {
  StopSoundByName(kMoveSound);
  SetState(kIdle);
  m_timer = 0.0f;
  m_routine = &CPers::UpdateIdle;
}

void CPers::Hold(int state) {
  SetState(state);
  m_timer = 0.0f;
  m_routine = &CPers::Stay;
}

void CPers::UpdateIdle(const float& dt) {
  m_blinkTimer -= dt;
  if (m_blinkTimer <= 0.0f) {
    m_blinkTimer = static_cast<float>(RandomBelow(3000)) + CookBlinkTime;
    if (m_state != kHide && m_current && m_current->IsStopped()) {
      SetState(kBlink);
      if (m_current) m_current->Play("all", 0, false);
    }
  }
  m_timer += dt;
  if (static_cast<float>(CookWaitTime) < m_timer) {
    m_timer = 0.0f;
    PlaySoundByName("waiting");
  }
}

void CPers::PlaceSprite(float a, float b) {
  m_position = {a, b};
  const GF::TPoint<float> p = FloorCellToPoint(KitchenFloor, a, b);
  if (!m_current) return;
  const float k = FloorDepthScale(KitchenFloor, p);
  m_current->SetScale(m_mirrored ? -k : k, k);
  GF::TRect<int> rect;
  m_current->GetBoundingRect(rect);
  const int h = rect.bottom - rect.top;
  m_current->SetPosition(p.x, p.y - static_cast<float>(h) / 2.5f);
}

bool CPers::HitTest(const GF::TPoint<float>& point) const {
  if (!m_current) return false;
  const GF::TPoint<float> q = point - m_current->GetPosition();
  return std::any_of(m_hitRects.begin(), m_hitRects.end(),
                     [&q](const GF::TRect<float>& rect) { return PointInRectF(q, rect); });
}

void CPers::SetPaused(bool paused) {
  StopSoundByName(kMoveSound);
  if (!m_current || m_state == kHide) return;
  m_paused = paused;
  if (paused)
    m_current->Pause();
  else
    m_current->Play("all", 0, false);
}

float CPers::GetSpriteHeight() const {
  if (!m_current) return 0.0f;
  GF::TRect<int> rect;
  m_current->GetBoundingRect(rect);
  return static_cast<float>(rect.bottom - rect.top);
}

bool PointInRectF(const GF::TPoint<float>& point, const GF::TRect<float>& rect) {
  return point.x >= rect.left && point.x <= rect.right && point.y >= rect.top &&
         point.y <= rect.bottom;
}
