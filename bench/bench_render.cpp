// Draws the same frame of 5,000 textured, coloured quads over 16 textures, in sprite order
// (each sprite names its own texture, so consecutive sprites rarely share one), through the
// engine interface and through SDL2's renderer (SDL_RenderGeometry), each into an
// off-screen 800 x 600 picture that is read back whole, so every timed frame is finished on
// the GPU. Prints the median times per frame and, as the last line, "ratio <ours / SDL2's>".
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "platform/Engine.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kQuads = 5000;
constexpr int kTextures = 16;
constexpr int kTextureSize = 32;
constexpr int kWarmup = 10;
constexpr int kFrames = 100;

struct Sprite {
  float x, y, w, h;
  std::uint32_t color;  // ARGB
  int texture;
};

std::vector<Sprite> MakeSprites() {
  std::mt19937 rng(1234);
  std::uniform_real_distribution<float> px(0, kWidth - 48), py(0, kHeight - 48), size(16, 48);
  std::uniform_int_distribution<int> texture(0, kTextures - 1);
  std::uniform_int_distribution<std::uint32_t> channel(64, 255);
  std::vector<Sprite> sprites(kQuads);
  for (Sprite& s : sprites) {
    s = {px(rng),
         py(rng),
         size(rng),
         size(rng),
         channel(rng) << 24 | channel(rng) << 16 | channel(rng) << 8 | channel(rng),
         texture(rng)};
  }
  return sprites;
}

// Texture t: a soft disc in a colour of its own.
std::vector<std::uint32_t> TexturePixels(int t) {
  std::vector<std::uint32_t> p(kTextureSize * kTextureSize);
  const std::uint32_t rgb = 0x00FFFFFFu ^ static_cast<std::uint32_t>(t * 0x0F1F2F);
  for (int y = 0; y < kTextureSize; ++y) {
    for (int x = 0; x < kTextureSize; ++x) {
      const float dx = x - 15.5f, dy = y - 15.5f;
      const float d = std::min(1.0f, (dx * dx + dy * dy) / (16.0f * 16.0f));
      const auto a = static_cast<std::uint32_t>(255 * (1 - d));
      p[y * kTextureSize + x] = a << 24 | rgb;
    }
  }
  return p;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

template <typename Frame>
double TimeFrame(Frame& frame) {
  const auto start = std::chrono::steady_clock::now();
  frame.Draw();
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  return took.count();
}

// The frame through the engine interface, into a render target read back whole.
class OursFrame {
 public:
  explicit OursFrame(const std::vector<Sprite>& sprites) : sprites_(sprites) {
    engine_ = hgeCreate(ENGINE_VERSION);
    engine_->SetStateString(EngineState::Title, "bench_render");
    engine_->SetStateBool(EngineState::Windowed, true);
    engine_->SetStateInt(EngineState::ScreenWidth, kWidth);
    engine_->SetStateInt(EngineState::ScreenHeight, kHeight);
    if (!engine_->Initiate()) {
      std::fprintf(stderr, "ours: %s\n", engine_->GetErrorMessage());
      std::exit(1);
    }
    for (int t = 0; t < kTextures; ++t) {
      textures_[t] = engine_->TextureCreate(kTextureSize, kTextureSize);
      std::uint32_t* p = engine_->TextureLock(textures_[t], false);
      const auto pixels = TexturePixels(t);
      std::copy(pixels.begin(), pixels.end(), p);
      engine_->TextureUnlock(textures_[t]);
    }
    target_ = engine_->TargetCreate(kWidth, kHeight);
    readBack_.resize(kWidth * kHeight);
  }
  ~OursFrame() {
    for (EngineTexture t : textures_) engine_->TextureFree(t);
    engine_->TargetFree(target_);
    engine_->Shutdown();
    engine_->Release();
  }

  void Draw() {
    engine_->BeginScene(target_);
    engine_->Clear(0xFF000000);
    EngineQuad q{};
    q.blend = BLEND_DEFAULT;
    for (const Sprite& s : sprites_) {
      q.v[0] = {s.x, s.y, 0.5f, s.color, 0, 0};
      q.v[1] = {s.x + s.w, s.y, 0.5f, s.color, 1, 0};
      q.v[2] = {s.x + s.w, s.y + s.h, 0.5f, s.color, 1, 1};
      q.v[3] = {s.x, s.y + s.h, 0.5f, s.color, 0, 1};
      q.tex = textures_[s.texture];
      engine_->RenderQuad(&q);
    }
    engine_->EndScene();
    engine_->TargetReadPixels(target_, readBack_.data());
  }

 private:
  const std::vector<Sprite>& sprites_;
  Engine* engine_ = nullptr;
  EngineTexture textures_[kTextures] = {};
  EngineTarget target_ = 0;
  std::vector<std::uint32_t> readBack_;
};

// The same frame through SDL2's renderer on OpenGL, batching on and bilinear filtering as
// ours, into a target texture read back whole.
class SdlFrame {
 public:
  explicit SdlFrame(const std::vector<Sprite>& sprites) : sprites_(sprites) {
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    window_ = SDL_CreateWindow("bench sdl", 0, 0, kWidth, kHeight, SDL_WINDOW_HIDDEN);
    renderer_ = window_ ? SDL_CreateRenderer(window_, -1,
                                             SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE)
                        : nullptr;
    if (!renderer_) {
      std::fprintf(stderr, "SDL2: %s\n", SDL_GetError());
      std::exit(1);
    }
    SDL_GetRendererInfo(renderer_, &info_);
    for (int t = 0; t < kTextures; ++t) {
      textures_[t] = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                       SDL_TEXTUREACCESS_STATIC, kTextureSize, kTextureSize);
      const auto pixels = TexturePixels(t);
      SDL_UpdateTexture(textures_[t], nullptr, pixels.data(), kTextureSize * 4);
      SDL_SetTextureBlendMode(textures_[t], SDL_BLENDMODE_BLEND);
    }
    target_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                kWidth, kHeight);
    readBack_.resize(kWidth * kHeight);
  }
  ~SdlFrame() {
    for (SDL_Texture* t : textures_) SDL_DestroyTexture(t);
    SDL_DestroyTexture(target_);
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
  }

  void Draw() {
    static const int indices[6] = {0, 1, 2, 2, 3, 0};
    SDL_SetRenderTarget(renderer_, target_);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_Vertex v[4];
    for (const Sprite& s : sprites_) {
      const SDL_Color c = {static_cast<Uint8>(s.color >> 16), static_cast<Uint8>(s.color >> 8),
                           static_cast<Uint8>(s.color), static_cast<Uint8>(s.color >> 24)};
      v[0] = {{s.x, s.y}, c, {0, 0}};
      v[1] = {{s.x + s.w, s.y}, c, {1, 0}};
      v[2] = {{s.x + s.w, s.y + s.h}, c, {1, 1}};
      v[3] = {{s.x, s.y + s.h}, c, {0, 1}};
      SDL_RenderGeometry(renderer_, textures_[s.texture], v, 4, indices, 6);
    }
    SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, readBack_.data(),
                         kWidth * 4);
  }

  const char* Driver() const { return info_.name; }

 private:
  const std::vector<Sprite>& sprites_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_RendererInfo info_{};
  SDL_Texture* textures_[kTextures] = {};
  SDL_Texture* target_ = nullptr;
  std::vector<std::uint32_t> readBack_;
};

}  // namespace

int main() {
  const auto sprites = MakeSprites();
  double oursMedian = 0, sdlMedian = 0;
  const char* driver = "";
  {
    OursFrame ours(sprites);
    SdlFrame sdl(sprites);
    driver = sdl.Driver();
    // Frames alternate, so a busy machine slows both alike.
    std::vector<double> oursMs, sdlMs;
    for (int i = 0; i < kWarmup + kFrames; ++i) {
      const double o = TimeFrame(ours);
      const double s = TimeFrame(sdl);
      if (i < kWarmup) continue;
      oursMs.push_back(o);
      sdlMs.push_back(s);
    }
    oursMedian = Median(oursMs);
    sdlMedian = Median(sdlMs);
  }
  std::printf("frame: %d quads, %d textures of %dx%d, %dx%d, median of %d frames\n", kQuads,
              kTextures, kTextureSize, kTextureSize, kWidth, kHeight, kFrames);
  std::printf("ours: %.3f ms per frame\n", oursMedian);
  std::printf("SDL2 (%s): %.3f ms per frame\n", driver, sdlMedian);
  std::printf("ratio %.3f\n", oursMedian / sdlMedian);
  return 0;
}
