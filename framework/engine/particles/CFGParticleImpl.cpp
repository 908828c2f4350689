#include "framework/engine/particles/CFGParticleImpl.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "framework/engine/app/CGameManager.h"

namespace GF::HGENS {
namespace {

constexpr float kTwoPi = 6.2831855f;
constexpr float kTickSeconds = 0.1f;

// A channel on 0..255 as a byte; NaN gives 0.
std::uint32_t Channel(float value) {
  if (!(value > 0.0f)) return 0;
  return value < 255.0f ? static_cast<std::uint32_t>(value) : 255u;
}

float Clamp255(float value) {
  return std::clamp(value, 0.0f, 255.0f);
}

// Copies up to `declared` records from data + *offset, but never more than the data holds
// nor more than fit; the offset moves past every declared record the data holds, so the
// next array is found where the file put it.
template <class T>
int ReadRecords(T* out, int declared, const std::uint8_t* data, std::size_t size,
                std::size_t* offset) {
  const std::size_t present =
      std::min<std::size_t>(std::max(declared, 0), (size - *offset) / sizeof(T));
  const std::size_t kept = std::min<std::size_t>(present, CFGParticleImpl::kMaxRecords);
  std::memcpy(out, data + *offset, kept * sizeof(T));
  *offset += present * sizeof(T);
  return static_cast<int>(kept);
}

}  // namespace

CFGParticleImpl::CFGParticleImpl() : m_engine(hgeCreate(ENGINE_VERSION)) {
  ResetParameters();
  m_keys[0].duration = 0.1f;
  std::memset(m_vertices, 0, sizeof(m_vertices));
  std::memset(m_particles, 0, sizeof(m_particles));
}

CFGParticleImpl::~CFGParticleImpl() {
  m_engine->Release();
}

void CFGParticleImpl::ResetParameters() {
  m_params = ParticleParams();
}

bool CFGParticleImpl::LoadParticleFile(const char* name) {
  std::uint32_t size = 0;
  void* data = name ? m_engine->ResourceLoad(name, &size) : nullptr;
  if (!data) return false;
  const bool loaded = LoadParticleData(data, size);
  m_engine->ResourceFree(data);
  return loaded;
}

bool CFGParticleImpl::LoadParticleData(const void* data, std::size_t size) {
  if (!data || size < sizeof(ParticleParams)) return false;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  std::memcpy(&m_params, bytes, sizeof(ParticleParams));
  std::size_t offset = sizeof(ParticleParams);
  m_shapeCount = ReadRecords(m_shapes, m_params.shapeCount, bytes, size, &offset);
  m_segmentCount = ReadRecords(m_segments, m_params.segmentCount, bytes, size, &offset);
  m_keyCount = ReadRecords(m_keys, m_params.keyCount, bytes, size, &offset);
  // The block's counts agree with what was kept.
  m_params.shapeCount = m_shapeCount;
  m_params.segmentCount = m_segmentCount;
  m_params.keyCount = m_keyCount;
  return true;
}

void CFGParticleImpl::SetPosition(float x, float y) {
  const int dx = static_cast<int>(x - m_x);
  const int dy = static_cast<int>(y - m_y);
  if (m_segmentsFollow && (dx != 0 || dy != 0)) {
    for (int i = 0; i < m_segmentCount; ++i) {
      ParticleSegment& s = m_segments[i];
      s.x0 += static_cast<float>(dx);
      s.x1 += static_cast<float>(dx);
      s.y0 += static_cast<float>(dy);
      s.y1 += static_cast<float>(dy);
    }
  }
  m_x = x;
  m_y = y;
  m_keys[0].x = x;
  m_keys[0].y = y;
}

void CFGParticleImpl::TransformShape(const CObjectProperties& t) {
  const auto place = [&t](float& x, float& y) {
    const float sx = x * t.scaleX;
    const float sy = y * t.scaleY;
    x = t.cos * sx - t.sin * sy + t.x;
    y = t.sin * sx + t.cos * sy + t.y;
  };
  for (int i = 0; i < m_shapeCount; ++i) {
    place(m_shapes[i].x0, m_shapes[i].y0);
    place(m_shapes[i].x1, m_shapes[i].y1);
  }
}

void CFGParticleImpl::Update(float dt) {
  if (!m_enabled) return;
  int due = 0;
  if (m_emitting) {
    m_accumulator += m_params.emissionRate * dt;
    if (m_accumulator >= 1.0f) {
      const float whole = std::floor(m_accumulator);
      m_accumulator -= whole;
      // More than there are slots would be dropped anyway (and would overflow an int).
      due = whole < kMaxParticles ? static_cast<int>(whole) : kMaxParticles;
    }
  }
  m_tickTimer += dt;
  const bool tick = m_tickTimer > kTickSeconds;
  if (tick) m_tickTimer = 0.0f;

  const int liveAtStart = m_liveCount;
  int seen = 0;
  int written = 0;
  for (int slot = 0; slot < kMaxParticles && (seen < liveAtStart || due > 0); ++slot) {
    ParticleState& p = m_particles[slot];
    if (p.live) {
      ++seen;
      p.age += dt;
      if (p.life <= p.age) {
        p.live = false;
        --m_liveCount;
        continue;
      }
      if (tick) Tick(p);
      Move(p, dt);
    } else if (due > 0) {
      --due;
      ++m_liveCount;
      Birth(p);
    } else {
      continue;
    }
    WriteVertex(m_vertices[written++], p);
  }
}

void CFGParticleImpl::Birth(ParticleState& p) {
  const ParticleParams& k = m_params;
  p.live = true;
  p.life = m_engine->RandomFloat(k.lifeMin, k.lifeMax);

  float vx = k.startVelocityX;
  float vy = k.startVelocityY;
  if (k.spreadShape == 0) {
    vx += m_engine->RandomFloat(-k.spreadX, k.spreadX);
    vy += m_engine->RandomFloat(-k.spreadY, k.spreadY);
  } else if (k.spreadShape == 1 || k.spreadShape == 2) {
    const float a = m_engine->RandomFloat(0.0f, kTwoPi);
    const float r = k.spreadShape == 1 ? m_engine->RandomFloat(0.0f, 1.0f) : 1.0f;
    vx += std::sin(a) * k.spreadX * r;
    vy += std::cos(a) * k.spreadY * r;
  }
  p.vx = vx * m_direction;
  p.vy = vy;

  p.size = m_engine->RandomFloat(k.startSizeMin, k.startSizeMax);
  p.sizeChange = (k.endSize - p.size) / p.life;

  const TPoint<float> at = SpawnOffset();
  p.x = at.x * m_direction + m_x;
  p.y = at.y + m_y;

  p.red = k.startRed;
  p.green = k.startGreen;
  p.blue = k.startBlue;
  p.alpha = k.startAlpha;
  if (k.colorVariation != 0.0f) {
    p.red = Clamp255(p.red + m_engine->RandomFloat(-k.colorVariation, k.colorVariation));
    p.green = Clamp255(p.green + m_engine->RandomFloat(-k.colorVariation, k.colorVariation));
    p.blue = Clamp255(p.blue + m_engine->RandomFloat(-k.colorVariation, k.colorVariation));
  }
  p.redChange = (k.endRed - p.red) / p.life;
  p.greenChange = (k.endGreen - p.green) / p.life;
  p.blueChange = (k.endBlue - p.blue) / p.life;
  p.alphaChange = (k.endAlpha - p.alpha) / p.life;
  p.age = 0.0f;
}

TPoint<float> CFGParticleImpl::SpawnOffset() {
  const float w = m_params.spawnHalfWidth;
  const float h = m_params.spawnHalfHeight;
  TPoint<float> at;
  switch (m_params.spawnShape) {
    case 0:
      if (w != 0.0f) at.x = m_engine->RandomFloat(-w, w);
      if (h != 0.0f) at.y = m_engine->RandomFloat(-h, h);
      break;
    case 1:
    case 2: {
      const float a = m_engine->RandomFloat(0.0f, kTwoPi);
      const float r = m_params.spawnShape == 1 ? m_engine->RandomFloat(0.0f, 1.0f) : 1.0f;
      at = {std::sin(a) * w * r, std::cos(a) * h * r};
      break;
    }
    case 3:
      if (m_shapeCount > 0) {
        const float t = m_engine->RandomFloat(0.0f, 1.0f);
        const ParticleShapeRecord& s = m_shapes[std::rand() % m_shapeCount];
        at = {t * s.x0 + (1.0f - t) * s.x1, t * s.y0 + (1.0f - t) * s.y1};
        if (w != 0.0f) at.x += m_engine->RandomFloat(-w, w);
        if (h != 0.0f) at.y += m_engine->RandomFloat(-h, h);
      }
      break;
    default:
      break;
  }
  if (m_params.spawnRotation != 0.0f) {
    const float c = std::cos(m_params.spawnRotation);
    const float s = std::sin(m_params.spawnRotation);
    at = {at.x * c - at.y * s, at.x * s + at.y * c};
  }
  return at;
}

void CFGParticleImpl::Tick(ParticleState& p) {
  const float* m = m_params.velocityMatrix;
  const float d = m_direction;  // the matrix seen in the mirrored frame
  const float vx = m[0] * p.vx + d * m[1] * p.vy + d * m[2];
  const float vy = d * m[3] * p.vx + m[4] * p.vy + m[5];
  p.vx = vx;
  p.vy = vy;
  if (m_params.jitterX != 0.0f) p.vx += m_engine->RandomFloat(-m_params.jitterX, m_params.jitterX);
  if (m_params.jitterY != 0.0f) p.vy += m_engine->RandomFloat(-m_params.jitterY, m_params.jitterY);
  if (m_params.sizeJitter != 0.0f)
    p.size += m_engine->RandomFloat(-m_params.sizeJitter, m_params.sizeJitter);
}

void CFGParticleImpl::Move(ParticleState& p, float dt) {
  float vx = p.vx;
  float vy = p.vy;
  if (m_keyCount > 1) {
    float t = p.age;
    for (int i = 1; i < m_keyCount; ++i) {
      const ParticleVelocityKey& key = m_keys[i];
      if (!(key.duration > 0.0f)) continue;  // a key without time can't steer
      t -= key.duration;
      if (t <= 0.0f) {
        const float f = std::sqrt(dt / key.duration);
        vx = key.targetX * m_direction * f + vx * (1.0f - f);
        vy = key.targetY * f + vy * (1.0f - f);
        break;
      }
    }
  }

  float nx = p.x + dt * vx;
  float ny = p.y + dt * vy;
  const float mx = nx - p.x;
  const float my = ny - p.y;
  for (int i = 0; i < m_segmentCount; ++i) {
    const ParticleSegment& s = m_segments[i];
    const float ex = s.x1 - s.x0;
    const float ey = s.y1 - s.y0;
    const float den = ey * mx - ex * my;
    if (den == 0.0f) continue;
    const float ua = (ex * (p.y - s.y0) - (p.x - s.x0) * ey) / den;
    const float ub = ((p.y - s.y0) * mx - (p.x - s.x0) * my) / den;
    if (ua < 0.0f || ua > 1.0f || ub < 0.0f || ub > 1.0f) continue;
    nx = p.x;
    ny = p.y;
    const float d = p.vx * s.nx + p.vy * s.ny;
    vx -= m_params.bounce * d * s.nx;
    vy -= m_params.bounce * d * s.ny;
    break;
  }
  p.vx = vx;
  p.vy = vy;
  p.x = nx;
  p.y = ny;

  if (m_params.pulseFrequency == 0.0f) {
    p.red += p.redChange * dt;
    p.green += p.greenChange * dt;
    p.blue += p.blueChange * dt;
    p.alpha += p.alphaChange * dt;
  } else {
    p.alpha = (std::sin(m_params.pulseFrequency * p.age + p.life * 10.0f) + 1.0f) * 120.0f;
  }
  p.size += p.sizeChange * dt;
}

void CFGParticleImpl::WriteVertex(EngineVertex& v, const ParticleState& p) const {
  v.x = p.x;
  v.y = p.y;
  v.z = 0.0f;
  v.col = Channel(p.alpha) << 24 | Channel(p.red) << 16 | Channel(p.green) << 8 | Channel(p.blue);
  v.tx = p.size;
  v.ty = 0.0f;
}

void CFGParticleImpl::Render() {
  if (!IsApplicationActive() || !m_enabled || m_liveCount == 0 || !m_texture) return;
  int capacity = 0;
  EngineVertex* out =
      m_engine->StartBatch(EngineBatch::PointSprites, m_texture, m_params.blendMode, &capacity);
  if (!out) return;
  // Each vertex carries its own diameter; one that shrank to nothing stays invisible
  // rather than taking a batch-wide size.
  m_engine->SetPointSize(0.0f);
  const int count = std::clamp(m_liveCount, 0, capacity);
  std::memcpy(out, m_vertices, static_cast<std::size_t>(count) * sizeof(EngineVertex));
  m_engine->FinishBatch(count);
}

}  // namespace GF::HGENS
