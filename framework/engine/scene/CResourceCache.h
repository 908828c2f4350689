#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"
#include "framework/engine/scene/CTexture.h"
#include "platform/Engine.h"

namespace GF::HGENS {

// The program-wide table of the textures the resource script registers: by id (the order
// of registration) and by name, in named groups. Groups are queued and loaded one texture
// per LoadNext under progress accounting; every other texture loads on first request.
class CResourceCache : public GF::CRefCount {
 public:
  static GF::THolder<CResourceCache> Instance();
  // Drops every record and the singleton; the next Instance is a new, empty cache.
  static void ReleaseInstance();

  ~CResourceCache() override;

  // Registers a texture named name with the file "Texture\<id>"; returns the id. A later
  // texture of the same name takes the name over.
  int AddTexture(const std::string& name);
  void AddToGroup(const std::string& group, int id);
  int GetTextureCount() const { return static_cast<int>(m_textures.size()); }

  // Marks the group's textures for the next StartLoading; an unknown group adds nothing.
  void QueueGroup(const std::string& group);
  // Moves the marked textures to the load queue and puts the walk at its start.
  void StartLoading();
  // Loaded / queued, exactly 1.0 once the walk has passed every queued texture (and for an
  // empty queue).
  float GetProgress();
  // Loads the texture at the walk position and moves on; false when the walk had already
  // reached the end, so a caller can stop whatever the progress says.
  bool LoadNext();

  // The engine texture, loaded now when needed; 0 for an unknown name or id, or a failed load.
  // Handles die with FreeAll: holders keep a CTextureRef, not a handle.
  EngineTexture GetTexture(const std::string& name);
  EngineTexture GetTextureById(int id);
  // The id registered under name; -1 when none is.
  int FindTexture(const std::string& name);

  // Frees every engine texture and empties the queue; textures load again on request.
  void FreeAll();
  // How often any cache freed its textures (FreeAll, ReleaseInstance): a handle taken at
  // another count may be freed.
  static unsigned GetFreeCount() { return s_freeCount; }

 private:
  CResourceCache();
  // Empties every table (holders elsewhere keep the cache itself alive).
  void Clear();
  void Queue(int id);
  // Marks a queued id as loaded; each counts once.
  void Count(int id) { m_counted.insert(id); }
  bool ValidId(int id) const { return id >= 0 && id < GetTextureCount(); }

  static GF::THolder<CResourceCache>& Singleton();
  static inline unsigned s_freeCount = 0;

  Engine* m_engine;
  std::vector<GF::THolder<CTexture>> m_textures;
  std::unordered_map<std::string, int> m_byName;
  std::unordered_map<std::string, std::vector<int>> m_groups;
  // The queue in walk order with a set beside it: loads during the walk append and never
  // invalidate the position.
  std::vector<int> m_queue;
  std::unordered_set<int> m_queued;
  std::size_t m_walk = 0;
  std::vector<int> m_pending;
  std::unordered_set<int> m_counted;  // queued ids counted as loaded
  std::mutex m_lock;
};

}  // namespace GF::HGENS
