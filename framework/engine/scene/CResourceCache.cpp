#include "framework/engine/scene/CResourceCache.h"

namespace GF::HGENS {

GF::THolder<CResourceCache>& CResourceCache::Singleton() {
  static GF::THolder<CResourceCache> instance;
  return instance;
}

GF::THolder<CResourceCache> CResourceCache::Instance() {
  GF::THolder<CResourceCache>& instance = Singleton();
  if (!instance) instance = new CResourceCache;
  return instance;
}

void CResourceCache::ReleaseInstance() {
  GF::THolder<CResourceCache>& instance = Singleton();
  if (!instance) return;
  instance->Clear();
  instance.Reset();
}

CResourceCache::CResourceCache() : m_engine(hgeCreate(ENGINE_VERSION)) {}

CResourceCache::~CResourceCache() {
  m_textures.clear();  // the textures free their engine textures first
  m_engine->Release();
}

int CResourceCache::AddTexture(const std::string& name) {
  const std::lock_guard lock(m_lock);
  const int id = GetTextureCount();
  m_textures.emplace_back(new CTexture(name, "Texture\\" + std::to_string(id)));
  m_byName[name] = id;
  return id;
}

void CResourceCache::AddToGroup(const std::string& group, int id) {
  const std::lock_guard lock(m_lock);
  m_groups[group].push_back(id);
}

void CResourceCache::QueueGroup(const std::string& group) {
  const std::lock_guard lock(m_lock);
  const auto it = m_groups.find(group);
  if (it == m_groups.end()) return;
  m_pending.insert(m_pending.end(), it->second.begin(), it->second.end());
}

void CResourceCache::StartLoading() {
  const std::lock_guard lock(m_lock);
  for (int id : m_pending) Queue(id);
  m_pending.clear();
  m_walk = 0;
}

void CResourceCache::Queue(int id) {
  if (m_queued.insert(id).second) m_queue.push_back(id);
}

float CResourceCache::GetProgress() {
  const std::lock_guard lock(m_lock);
  if (m_queue.empty()) return 1.0f;
  return static_cast<float>(m_counted.size()) / static_cast<float>(m_queue.size());
}

bool CResourceCache::LoadNext() {
  const std::lock_guard lock(m_lock);
  if (m_walk >= m_queue.size()) return false;
  const int id = m_queue[m_walk++];
  // Negative and unknown ids have nothing to load and count as loaded; so does a texture
  // loaded by name before it was queued.
  if (ValidId(id)) m_textures[id]->Load();
  Count(id);
  return true;
}

EngineTexture CResourceCache::GetTexture(const std::string& name) {
  const std::lock_guard lock(m_lock);
  const auto it = m_byName.find(name);
  if (it == m_byName.end()) return 0;
  CTexture& texture = *m_textures[it->second];
  if (!texture.GetTexture()) {
    m_engine->Log("Texture %s now loading", name.c_str());
    texture.Load();
  }
  return texture.GetTexture();
}

EngineTexture CResourceCache::GetTextureById(int id) {
  const std::lock_guard lock(m_lock);
  if (!ValidId(id)) return 0;
  CTexture& texture = *m_textures[id];
  if (!texture.GetTexture()) {
    m_engine->Log("Texture %d now loading", id);
    texture.Load();
    Queue(id);
    Count(id);
  }
  return texture.GetTexture();
}

int CResourceCache::FindTexture(const std::string& name) {
  const std::lock_guard lock(m_lock);
  const auto it = m_byName.find(name);
  return it == m_byName.end() ? -1 : it->second;
}

void CResourceCache::Clear() {
  const std::lock_guard lock(m_lock);
  ++s_freeCount;
  m_queue.clear();
  m_queued.clear();
  m_counted.clear();
  m_walk = 0;
  m_pending.clear();
  m_groups.clear();
  m_textures.clear();
  m_byName.clear();
}

void CResourceCache::FreeAll() {
  const std::lock_guard lock(m_lock);
  ++s_freeCount;
  for (GF::THolder<CTexture>& texture : m_textures) texture->Free();
  m_counted.clear();
  m_queue.clear();
  m_queued.clear();
  m_walk = 0;
}

}  // namespace GF::HGENS
