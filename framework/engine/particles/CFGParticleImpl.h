#pragma once

#include <cstddef>

#include "framework/core/CObjectProperties.h"
#include "framework/core/TPoint.h"
#include "framework/engine/particles/ParticleFile.h"
#include "platform/Engine.h"

namespace GF::HGENS {

// One particle slot, live or free. Colours on 0..255.
struct ParticleState {
  float x, y;
  float size, sizeChange;  // change per second
  float vx, vy;
  float red, green, blue, alpha;
  float redChange, greenChange, blueChange, alphaChange;
  float life, age;  // seconds
  bool live;
};

// The particle emitter behind every particle effect: it reads one particle file, emits up
// to 1000 particles, moves them in seconds and draws them as point sprites in one engine
// batch. All storage is fixed: a frame allocates nothing, and the vertices are built during
// the update so that drawing is one copy.
class CFGParticleImpl {
 public:
  static constexpr int kMaxParticles = 1000;
  static constexpr int kMaxRecords = 40;

  CFGParticleImpl();
  ~CFGParticleImpl();
  CFGParticleImpl(const CFGParticleImpl&) = delete;
  CFGParticleImpl& operator=(const CFGParticleImpl&) = delete;

  // Reads the file through the engine (packs, then disk). False, with nothing changed, when
  // it can't be read or is malformed.
  bool LoadParticleFile(const char* name);
  // The same from the file's bytes. A block shorter than 160 bytes is refused; record counts
  // above 40 or beyond the end of the data keep what fits. Particles, position, timer and
  // accumulator stay.
  bool LoadParticleData(const void* data, std::size_t size);
  // The default parameter block.
  void ResetParameters();

  void SetPosition(float x, float y);
  void SetPosition(const TPoint<float>& position) { SetPosition(position.x, position.y); }
  // Places the shape records by a node's position, rotation and scale, in place: a second
  // call transforms the transformed points again.
  void TransformShape(const CObjectProperties& transform);

  // One frame of emission and motion; dt in seconds.
  void Update(float dt);
  void Render();

  // The owners and the game read and set these directly.
  bool IsEnabled() const { return m_enabled; }
  void SetEnabled(bool enabled) { m_enabled = enabled; }
  bool IsEmitting() const { return m_emitting; }
  void SetEmittingFlag(bool emitting) { m_emitting = emitting; }
  // Particles per second (the file's emission rate).
  float GetEmission() const { return m_params.emissionRate; }
  void SetEmission(float rate) { m_params.emissionRate = rate; }
  // Particles due but not yet born.
  float GetAccumulator() const { return m_accumulator; }
  void SetAccumulator(float value) { m_accumulator = value; }
  // 1 as loaded; -1 mirrors the effect horizontally about the emitter (spawn offsets,
  // velocities, the velocity matrix and the velocity keys; not the collision segments).
  float GetDirection() const { return m_direction; }
  void SetDirection(float direction) { m_direction = direction; }
  // Whether SetPosition carries the collision segments along (true from the start, so a
  // file's segments keep their place relative to the emitter).
  bool GetSegmentsFollow() const { return m_segmentsFollow; }
  void SetSegmentsFollow(bool follow) { m_segmentsFollow = follow; }
  EngineTexture GetTexture() const { return m_texture; }
  void SetTexture(EngineTexture texture) { m_texture = texture; }
  TPoint<float> GetPosition() const { return {m_x, m_y}; }
  int GetLiveCount() const { return m_liveCount; }
  ParticleParams& GetParams() { return m_params; }
  const ParticleParams& GetParams() const { return m_params; }
  const ParticleState& GetParticle(int slot) const { return m_particles[slot]; }
  // Vertices of the live particles in slot order: x, y, colour (ARGB) and, in tx, the
  // point size.
  const EngineVertex* GetVertices() const { return m_vertices; }
  int GetShapeCount() const { return m_shapeCount; }
  const ParticleShapeRecord& GetShape(int index) const { return m_shapes[index]; }
  int GetSegmentCount() const { return m_segmentCount; }
  const ParticleSegment& GetSegment(int index) const { return m_segments[index]; }
  int GetKeyCount() const { return m_keyCount; }
  const ParticleVelocityKey& GetKey(int index) const { return m_keys[index]; }

 private:
  void Birth(ParticleState& p);
  TPoint<float> SpawnOffset();
  void Tick(ParticleState& p);
  void Move(ParticleState& p, float dt);
  void WriteVertex(EngineVertex& v, const ParticleState& p) const;

  Engine* m_engine;
  bool m_segmentsFollow = true;
  bool m_enabled = true;
  bool m_emitting = true;
  ParticleParams m_params;
  float m_x = 0.0f;
  float m_y = 0.0f;
  float m_direction = 1.0f;
  ParticleVelocityKey m_keys[kMaxRecords];
  int m_keyCount = 1;
  ParticleSegment m_segments[kMaxRecords];
  int m_segmentCount = 0;
  ParticleShapeRecord m_shapes[kMaxRecords];
  int m_shapeCount = 0;
  EngineVertex m_vertices[kMaxParticles];
  int m_liveCount = 0;
  ParticleState m_particles[kMaxParticles];
  EngineTexture m_texture = 0;  // owned by whoever set it
  float m_tickTimer = 0.0f;
  float m_accumulator = 0.0f;
};

}  // namespace GF::HGENS
