#include "game/screens/cookbook/CPaperEffect.h"

#include <algorithm>
#include <cmath>

#include "framework/core/ColorConversion.h"
#include "framework/core/ISubstitutedContainer.h"
#include "framework/core/hgeColor.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;
using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;

constexpr float kPi = 3.14159265f;
constexpr float kMaxFold = 314.15927f;  // 100 pi: the widest half cylinder
constexpr int kAbsolute = 1;            // displacements from the mesh's top-left node
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr int kBlend = 6;  // textured, alpha-blended, z written

// Every shown drawable of the object, then those of the animations its drawables host.
void RenderVisibleChildren(GF::IAnimation& object) {
  const int count = object.GetObjectCount();
  for (int i = 0; i < count; ++i) {
    const GF::IAnimation::DrawablePtr drawable = object.GetDrawable(i);
    if (drawable && drawable->IsShown()) drawable->Render();
  }
  for (int i = 0; i < count; ++i) {
    const ContainerPtr container{object.GetDrawable(i)};
    if (!container) continue;
    for (int k = 0; const AnimationPtr part = container->GetSubstitutedAnimation(k); ++k)
      RenderVisibleChildren(*part);
  }
}

}  // namespace

GF::THolder<CPaperEffect> CPaperEffect::Create(float rotation, float foldStart, float foldEnd,
                                               const GF::TRect<int>& rect) {
  return GF::THolder<CPaperEffect>(new CPaperEffect(rotation, foldStart, foldEnd, rect));
}

CPaperEffect::CPaperEffect(float rotation, float foldStart, float foldEnd,
                           const GF::TRect<int>& rect)
    : CFreeDrawable(5, rect),
      m_sinRotation(std::sin(rotation)),
      m_cosRotation(std::cos(rotation)),
      m_sinStart(std::sin(foldStart)),
      m_cosStart(std::cos(foldStart)),
      m_sinEnd(std::sin(foldEnd)),
      m_cosEnd(std::cos(foldEnd)),
      m_engine(hgeCreate(ENGINE_VERSION)),
      m_mesh(std::make_unique<hgeMeshGrid>(kNodes, kNodes)) {}

CPaperEffect::~CPaperEffect() {
  if (m_front) m_engine->TextureFree(m_front);
  if (m_back) m_engine->TextureFree(m_back);
  m_mesh.reset();
  m_engine->Release();
}

void CPaperEffect::SetTextureSize(int width, int height) {
  // A bigger page would be sampled outside the textures.
  m_textureWidth = std::clamp(width, 0, kTextureSize);
  m_textureHeight = std::clamp(height, 0, kTextureSize);
}

bool CPaperEffect::SetProgress(float t) {
  const float w = static_cast<float>(m_rect.right - m_rect.left);
  const float h = static_cast<float>(m_rect.bottom - m_rect.top);
  float dx = (1.0f - t) * m_sinStart + t * m_sinEnd;
  float dy = (1.0f - t) * m_cosStart + t * m_cosEnd;
  float length = std::sqrt(dx * dx + dy * dy);
  if (length == 0.0f) {  // opposite angles: the fold keeps the end angle's direction
    dx = m_sinEnd;
    dy = m_cosEnd;
    length = 1.0f;
  }
  const float nx = dx / length, ny = dy / length;
  const float cx = nx >= 0.0f ? w / 2.0f : -w / 2.0f;
  const float cy = ny >= 0.0f ? h / 2.0f : -h / 2.0f;
  const float px = cx - nx * t * w, py = cy - ny * t * w;
  const float r = std::min(w / 2.0f + px, kMaxFold);
  const float k = std::sqrt(1.0f - t);
  const float d0 = nx * px + ny * py;
  for (int j = 0; j < kNodes; ++j) {
    for (int i = 0; i < kNodes; ++i) {
      const float x0 = static_cast<float>(i) / (kNodes - 1) * w - w / 2.0f;
      const float y0 = static_cast<float>(j) / (kNodes - 1) * h - h / 2.0f;
      const float dist = nx * x0 + ny * y0 - d0;
      // The foot of the node on the fold line.
      const float e = nx * (y0 - py) - ny * (x0 - px);
      const float fx = px - e * ny, fy = py + e * nx;
      std::uint32_t colour = kWhite;
      float x = x0, y = y0;
      if (dist >= 0.0f && dist < r) {  // on the cylinder
        const float s = std::sin(kPi * dist / r) * k;
        const float shade = 1.0f - 0.99f * s * s;
        colour = GF::ColorToArgb(hgeColor(shade, shade, shade, 1.0f));
        x = fx + nx * (r * s / kPi);
        y = fy + ny * (r * s / kPi);
      } else if (dist >= r) {  // laid over onto the other side
        x = fx - nx * (dist - r);
        y = fy - ny * (dist - r);
      }
      m_mesh->SetColor(i, j, colour);
      const float rx = x * m_cosRotation - y * m_sinRotation;
      const float ry = x * m_sinRotation + y * m_cosRotation;
      m_mesh->SetDisplacement(i, j, std::floor(rx), std::floor(ry), kAbsolute);
    }
  }
  return true;
}

void CPaperEffect::Render() {
  if (!m_shown || !m_texturesReady) return;
  const float x = static_cast<float>((m_rect.left + m_rect.right) / 2);
  const float y = static_cast<float>((m_rect.top + m_rect.bottom) / 2);
  m_engine->RenderLine(0.0f, 0.0f, 0.0f, 0.0f, kWhite, 0.5f);
  // The laid-over part winds the other way: each pass shows only its own side.
  if (progress != 1.0f) DrawPass(EngineCull::CounterClockwise, m_front, x, y);
  if (progress != 0.0f) DrawPass(EngineCull::Clockwise, m_back, x, y);
  m_engine->SetCullMode(EngineCull::None);
}

void CPaperEffect::DrawPass(EngineCull cull, EngineTexture texture, float x, float y) {
  m_engine->SetCullMode(cull);
  m_mesh->SetTexture(texture);
  m_mesh->Render(x, y);
  m_engine->RenderLine(0.0f, 0.0f, 0.0f, 0.0f, kWhite, 0.5f);
}

bool CPaperEffect::SetPageTextures(const AnimationPtr& front, const AnimationPtr& back,
                                   EngineTexture frontMask, EngineTexture backMask) {
  m_texturesReady = false;
  if (front && !WriteSide(front, frontMask, m_front, 1)) return false;
  if (back && !WriteSide(back, backMask, m_back, 2)) return false;
  if (!m_front && !m_back) {
    m_engine->Log("CPaperEffect:[ERR]not texture loading");
    return false;
  }
  m_mesh->SetTexture(m_front ? m_front : m_back);
  m_mesh->SetTextureRect(0.0f, 0.0f, static_cast<float>(m_textureWidth),
                         static_cast<float>(m_textureHeight));
  m_mesh->SetBlendMode(kBlend);
  m_mesh->Clear(kWhite, 0.5f);
  m_texturesReady = true;
  return true;
}

bool CPaperEffect::WriteSide(const AnimationPtr& page, EngineTexture mask, EngineTexture& texture,
                             int side) {
  if (!texture) {
    texture = m_engine->TextureCreate(kTextureSize, kTextureSize);
    if (!texture) {
      m_engine->Log("CPaperEffect:[ERR]texture %d not created", side);
      return false;
    }
    m_engine->Log("CPaperEffect:texture %d create", side);
  }
  if (m_textureWidth == 0 && m_textureHeight == 0) {
    GF::TRect<int> box;
    page->GetBoundingRect(box);
    SetTextureSize(box.right - box.left, box.bottom - box.top);
  }
  page->Update(0.0f);
  m_engine->Log("CPaperEffect:ctart writing texture %d", side);
  if (!RenderToTexture(*page, mask, texture)) {
    m_engine->Log(side == 1 ? "writing texture error" : "[ERR]writing texture error");
    return false;
  }
  m_engine->Log("CPaperEffect:end writing texture %d", side);
  return true;
}

bool CPaperEffect::RenderToTexture(GF::IAnimation& page, EngineTexture mask,
                                   EngineTexture texture) {
  const char* fault = WritePageImage(page, mask, texture);
  if (fault) m_engine->Log("%s", fault);
  return !fault;
}

const char* CPaperEffect::WritePageImage(GF::IAnimation& page, EngineTexture mask,
                                         EngineTexture texture) {
  const int w = m_engine->TextureGetWidth(texture);
  const int h = m_engine->TextureGetHeight(texture);
  const int mw = m_engine->TextureGetWidth(mask);
  const int mh = m_engine->TextureGetHeight(mask);
  if (mw > w || mh > h) return "CPaperEffect:[ERR]mask size is wrong";
  if (w == 0 || h == 0) return "CPaperEffect:[ERR]texture is null size";
  const EngineTarget target = m_engine->TargetCreate(kTextureSize, kTextureSize, false);
  if (!target) return "CPaperEffect:[ERR]render target not created";
  m_engine->Log("render target create");
  const char* fault = DrawPage(page, target);
  if (!fault)
    fault = CopyWithMask(mask, texture, std::min(mw, kTextureSize), std::min(mh, kTextureSize),
                         texture == m_back);
  m_engine->TargetFree(target);
  return fault;
}

const char* CPaperEffect::DrawPage(GF::IAnimation& page, EngineTarget target) {
  if (!m_engine->TargetGetTexture(target) || !m_engine->BeginScene(target))
    return "CPaperEffect:[ERR]render target texture not created";
  m_engine->Clear(0);
  RenderVisibleChildren(page);
  m_engine->EndScene();
  m_pixels.resize(static_cast<std::size_t>(kTextureSize) * kTextureSize);
  if (!m_engine->TargetReadPixels(target, m_pixels.data()))
    return "CPaperEffect:[ERR]not copy rect";
  return nullptr;
}

const char* CPaperEffect::CopyWithMask(EngineTexture mask, EngineTexture texture, int mw, int mh,
                                       bool mirrored) {
  // The mask is locked whole: a region past a smaller mask cannot be locked.
  const std::uint32_t* alpha = m_engine->TextureLock(mask);
  std::uint32_t* out = alpha ? m_engine->TextureLock(texture, false) : nullptr;
  if (!out) {
    if (alpha) m_engine->TextureUnlock(mask);
    return "CPaperEffect:[ERR]texture or(and) not mask Texture_Lock";
  }
  const int stride = m_engine->TextureGetWidth(texture);
  const int maskStride = m_engine->TextureGetWidth(mask);
  for (int y = 0; y < mh; ++y) {
    const std::uint32_t* src = &m_pixels[static_cast<std::size_t>(y) * kTextureSize];
    const std::uint32_t* a = alpha + static_cast<std::ptrdiff_t>(y) * maskStride;
    std::uint32_t* dst = out + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = 0; x < mw; ++x) {
      const int from = mirrored && x < m_textureWidth ? m_textureWidth - 1 - x : x;
      dst[x] = (src[from] & 0x00FFFFFF) | (a[x] & 0xFF000000);
    }
  }
  m_engine->TextureUnlock(texture);
  m_engine->TextureUnlock(mask);
  return nullptr;
}
