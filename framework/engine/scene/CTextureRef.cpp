#include "framework/engine/scene/CTextureRef.h"

#include "framework/engine/scene/CResourceCache.h"

namespace GF::HGENS {

CTextureRef::CTextureRef(int id) : m_id(id) {
  Resolve();
}

CTextureRef CTextureRef::ByName(const std::string& name) {
  const GF::THolder<CResourceCache> cache = CResourceCache::Instance();
  CTextureRef ref;
  ref.m_id = cache->FindTexture(name);
  ref.m_freeCount = CResourceCache::GetFreeCount();
  ref.m_handle = cache->GetTexture(name);
  return ref;
}

EngineTexture CTextureRef::Get() {
  if (m_id >= 0 && m_freeCount != CResourceCache::GetFreeCount()) Resolve();
  return m_handle;
}

void CTextureRef::Resolve() {
  m_freeCount = CResourceCache::GetFreeCount();
  m_handle = CResourceCache::Instance()->GetTextureById(m_id);
}

}  // namespace GF::HGENS
