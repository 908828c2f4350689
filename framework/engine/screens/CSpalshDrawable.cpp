#include "framework/engine/screens/CSpalshDrawable.h"

#include "framework/core/ColorConversion.h"
#include "framework/engine/app/Services.h"
#include "platform/Engine.h"

namespace GF::HGENS {
namespace {

constexpr int kImageCount = 9;
constexpr float kFadePerMs = 0.001f;  // a full fade takes 1000 ms

Engine* TakeEngine() {
  return hgeCreate(ENGINE_VERSION);
}

}  // namespace

CSpalshDrawable::CSpalshDrawable() = default;

CSpalshDrawable::~CSpalshDrawable() {
  FreeImage();
}

bool CSpalshDrawable::QueryInterface(const int& id, void** out) {
  if (id == kIdBase) return Grant(static_cast<IBase*>(this), out);
  if (id == kIdDrawable) return Grant(static_cast<IDrawable*>(this), out);
  return Refuse(out);
}

void CSpalshDrawable::SetImageTime(int n, int ms) {
  m_holdTimes["splash_" + std::to_string(n)] = ms;
}

void CSpalshDrawable::SetHoldTime(int ms) {
  m_hold = ms > 0 ? static_cast<float>(ms) : m_defaultHold;
}

void CSpalshDrawable::Start() {
  m_names.clear();
  for (int n = 1; n <= kImageCount; ++n) m_names.push_back("splash_" + std::to_string(n));
  m_extensions = {".jpg", ".png", ".bmp", ".jpeg"};
  m_nextName = 0;
  NextImage();
}

void CSpalshDrawable::FreeImage() {
  m_sprite.reset();
  if (!m_texture) return;
  Engine* engine = TakeEngine();
  engine->TextureFree(m_texture);
  engine->Release();
  m_texture = 0;
}

void CSpalshDrawable::NextImage() {
  FreeImage();
  Engine* engine = TakeEngine();
  for (; m_nextName < m_names.size() && !m_texture; ++m_nextName) {
    const std::string& name = m_names[m_nextName];
    for (const std::string& extension : m_extensions) {
      m_texture = engine->TextureLoad((name + extension).c_str());
      if (!m_texture) continue;
      m_sprite = std::make_unique<hgeSprite>(
          m_texture, 0.0f, 0.0f, static_cast<float>(engine->TextureGetWidth(m_texture, true)),
          static_cast<float>(engine->TextureGetHeight(m_texture, true)));
      m_phase = kFadeIn;
      m_currentName = name;
      const auto time = m_holdTimes.find(name);
      SetHoldTime(time == m_holdTimes.end() ? 0 : time->second);
      m_color = {0.0f, 0.0f, 0.0f, 1.0f};
      break;
    }
  }
  engine->Release();
}

bool CSpalshDrawable::IsFinished() const {
  return m_nextName >= m_names.size() && m_phase == kFadeOut && m_color.r == 0.0f;
}

void CSpalshDrawable::Update(const float& dt) {
  switch (m_phase) {
    case kFadeIn:
      m_color.r += dt * kFadePerMs;
      if (m_color.r > 1.0f) {
        m_color.r = 1.0f;
        m_phase = kHold;
        m_holdTimer = m_hold;
      }
      // Grey follows the fade, also in the frame that reaches full brightness.
      m_color.g = m_color.b = m_color.r;
      break;
    case kHold:
      if (m_holdTimer > 0.0f)
        m_holdTimer -= dt;
      else
        m_phase = kFadeOut;
      break;
    default:
      m_color.r -= dt * kFadePerMs;
      if (m_color.r < 0.0f) {
        m_color.r = 0.0f;
        NextImage();
      }
      m_color.g = m_color.b = m_color.r;
      break;
  }
  if (m_sprite) m_sprite->SetColor(ColorToArgb(m_color));
}

void CSpalshDrawable::Render() {
  if (!m_sprite) return;
  Engine* engine = TakeEngine();
  engine->Clear(0);
  engine->Release();
  // Centred in the logical screen, whatever the image's size.
  const THolder<CGameProperties> properties = GetGameProperties();
  const float x = (static_cast<float>(properties->GetScreenWidth()) - m_sprite->GetWidth()) * 0.5f;
  const float y =
      (static_cast<float>(properties->GetScreenHeight()) - m_sprite->GetHeight()) * 0.5f;
  m_sprite->Render(x, y);
}

}  // namespace GF::HGENS
