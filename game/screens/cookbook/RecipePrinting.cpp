#include "game/screens/cookbook/RecipePrinting.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/engine/scene/CSpriteObject.h"
#include "platform/Engine.h"

namespace {

constexpr float kPageUnits = 2480.0f;  // the page's width in page units
constexpr char kDocumentName[] = "Sizzlewick 2 recipe";
constexpr char kFace[] = "Arial";
constexpr int kRightMargin = 100;  // device pixels kept free right of left-aligned text

constexpr unsigned kTitleFlags = Os::kTextCenter | Os::kTextWordBreak | Os::kTextNoClip;
constexpr unsigned kBodyFlags = Os::kTextWordBreak | Os::kTextExpandTabs;
constexpr std::uint32_t kTitleBand = 0x93D7EB;  // red 93, green D7, blue EB
constexpr std::uint32_t kBodyBand = 0xFFFFFF;

// The page layout, in page units. Neighbouring pieces of the frame overlap.
struct ImagePlace {
  int x, y, width;
};
constexpr ImagePlace kTopLeft{50, 160, 336};
constexpr ImagePlace kTopRight{2110, 160, 336};
constexpr ImagePlace kBottomLeft{188, 3200, 178};
constexpr ImagePlace kBottomRight{2091, 3200, 178};
constexpr ImagePlace kTopEdge{380, 160, 180};      // the first of the copies
constexpr ImagePlace kBottomEdge{361, 3196, 174};  // the first of the copies
constexpr int kEdgeCopies = 10;
constexpr int kEdgeStep = 173;
constexpr ImagePlace kPicture{840, 700, 800};

struct TextPlace {
  int x, y, size;
};
constexpr TextPlace kTitle{0, 192, 96};
constexpr TextPlace kFirstText{200, 1260, 50};
constexpr TextPlace kSecondText{200, 2300, 50};

void Log(const char* line) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log("%s", line);
  engine->Release();
}

// Texts mark a line break with a backslash and "n" or "N".
bool IsLineBreak(const std::wstring& text, std::size_t i) {
  return text[i] == L'\\' && i + 1 < text.size() && (text[i + 1] == L'n' || text[i + 1] == L'N');
}

void Print(PrintContext& context, const ImagePlace& place, const PrintImage& image) {
  PrintTexture(context, place.x, place.y, place.width, image);
}

void Print(PrintContext& context, const TextPlace& place, const std::wstring& text,
           unsigned flags) {
  PrintText(context, place.x, place.y, text, place.size, flags);
}

}  // namespace

PrintContext& GetPrintContext() {
  static PrintContext context;
  return context;
}

bool BeginPrintJob(PrintContext& context) {
  auto job = std::make_unique<Os::PrintJob>();
  const char* failure = nullptr;
  if (!job->FindDestination())
    failure = "Field get default printer";
  else if (!job->CreateSurface())
    failure = "Field  create printing HDC";
  else if (!job->StartDocument(kDocumentName))
    failure = "Field  start  printing Document";
  else if (!job->StartPage())
    failure = "Field printing page";
  if (failure) {
    Log(failure);
    return false;
  }
  context.pageWidth = job->PageWidth();
  context.pageHeight = job->PageHeight();
  context.scaleX = context.scaleY = static_cast<float>(context.pageWidth) / kPageUnits;
  context.job = std::move(job);
  return true;
}

void EndPrintJob(PrintContext& context) {
  if (!context.job) return;
  if (!context.job->EndPage()) Log("Field end printing page");
  if (!context.job->EndDocument()) Log("Field end printing document");
  context.job.reset();
}

void PrintText(PrintContext& context, int x, int y, const std::wstring& text, int size,
               unsigned flags) {
  if (!context.job) return;
  const GF::TRect<int> rect = PrintTextRect(context, x, y, flags);
  context.job->SelectFont(kFace, PrintFontHeight(context, size));
  context.job->DrawText(PrintedText(text), rect.left, rect.top, rect.right, rect.bottom, flags);
}

void PrintTexture(PrintContext& context, int x, int y, int width, const PrintImage& image) {
  if (!image || !context.job) return;
  const int sw = static_cast<int>(image->width), sh = static_cast<int>(image->height);
  if (sw < 1 || sh < 1) return;
  Engine* engine = hgeCreate(ENGINE_VERSION);
  const EngineTexture texture = image->GetTexture();
  const std::uint32_t* texels = texture ? engine->TextureLock(texture, true, 0, 0, 0, 0) : nullptr;
  if (texels) {
    // The image's own rectangle of its texture, clipped to the texture.
    const int tw = engine->TextureGetWidth(texture, false);
    const int th = engine->TextureGetHeight(texture, false);
    const int sx = static_cast<int>(image->texX), sy = static_cast<int>(image->texY);
    const int left = std::clamp(sx, 0, tw), right = std::clamp(sx + sw, 0, tw);
    const int top = std::clamp(sy, 0, th), bottom = std::clamp(sy + sh, 0, th);
    std::vector<std::uint32_t> rgb;
    rgb.reserve(static_cast<std::size_t>(right - left) * (bottom - top));
    for (int row = top; row < bottom; ++row)
      for (int col = left; col < right; ++col)
        rgb.push_back(PrintedTexel(texels[static_cast<std::size_t>(row) * tw + col]));
    engine->TextureUnlock(texture);
    // A part of the rectangle past the texture stays blank; the rest keeps its place.
    const GF::TRect<int> place = PrintImageRect(context, x, y, width, sw, sh);
    const double fx = static_cast<double>(place.right - place.left) / sw;
    const double fy = static_cast<double>(place.bottom - place.top) / sh;
    context.job->DrawImage(rgb.data(), right - left, bottom - top, place.left + (left - sx) * fx,
                           place.top + (top - sy) * fy, (right - left) * fx, (bottom - top) * fy);
  }
  engine->Release();
}

bool PrintRecipePage(PrintContext& context, const PrintImage& topLeft, const PrintImage& topCentre,
                     const PrintImage& topRight, const PrintImage& bottomLeft,
                     const PrintImage& bottomCentre, const PrintImage& bottomRight,
                     const PrintImage& picture, const std::wstring& title,
                     const std::wstring& firstText, const std::wstring& secondText) {
  if (!BeginPrintJob(context)) return false;
  Print(context, kTopLeft, topLeft);
  Print(context, kBottomLeft, bottomLeft);
  for (int k = 0; k < kEdgeCopies; ++k) {
    PrintTexture(context, kTopEdge.x + kEdgeStep * k, kTopEdge.y, kTopEdge.width, topCentre);
    PrintTexture(context, kBottomEdge.x + kEdgeStep * k, kBottomEdge.y, kBottomEdge.width,
                 bottomCentre);
  }
  Print(context, kTopRight, topRight);
  Print(context, kBottomRight, bottomRight);
  context.job->SetBackgroundColour(kTitleBand);
  Print(context, kTitle, PrintedTitle(title), kTitleFlags);
  context.job->SetBackgroundColour(kBodyBand);
  Print(context, kFirstText, firstText, kBodyFlags);
  Print(context, kSecondText, secondText, kBodyFlags);
  Print(context, kPicture, picture);
  EndPrintJob(context);
  return true;
}

PrintImage GetAnimationImage(const std::string& name, const GF::THolder<GF::IScene>& scene,
                             int index) {
  if (!scene) return {};
  const GF::IScene::AnimationPtr animation = scene->CreateAnimation(name);
  if (!animation) return {};
  animation->Update(0.0f);  // the drawables take their first frame
  const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite> sprite(animation->GetDrawable(index));
  PrintImage image = GetSpriteImage(sprite);
  animation->Detach();
  return image;
}

PrintImage GetSpriteImage(const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite>& sprite) {
  const auto* object = dynamic_cast<const GF::HGENS::CSpriteObject*>(sprite.Get());
  return object ? object->GetSprite() : PrintImage();
}

std::wstring PrintedTitle(const std::wstring& title) {
  std::wstring out;
  for (std::size_t i = 0; i < title.size(); ++i) {
    if (!IsLineBreak(title, i)) {
      out += title[i];
      continue;
    }
    ++i;
    const bool wordFollows =
        i + 1 < title.size() && title[i + 1] != L' ' && !IsLineBreak(title, i + 1);
    if (wordFollows && !out.empty() && out.back() != L' ') out += L' ';
  }
  return out;
}

std::wstring PrintedText(const std::wstring& text) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLineBreak(text, i)) {
      out += L"\n\r";
      ++i;
    } else if (text[i] != L'\t') {
      out += text[i];
    }
  }
  return out;
}

int PrintFontHeight(const PrintContext& context, int size) {
  return static_cast<int>(static_cast<float>(size) * context.scaleY);
}

GF::TRect<int> PrintTextRect(const PrintContext& context, int x, int y, unsigned flags) {
  const int right = flags & Os::kTextCenter ? context.pageWidth : context.pageWidth - kRightMargin;
  return {static_cast<int>(static_cast<float>(x) * context.scaleX),
          static_cast<int>(static_cast<float>(y) * context.scaleY), right, context.pageHeight};
}

int PrintedHeight(int width, int sw, int sh) {
  if (sw == 0) return 0;
  return static_cast<int>(std::abs(std::trunc(static_cast<double>(width) * sh / sw)));
}

GF::TRect<int> PrintImageRect(const PrintContext& context, int x, int y, int width, int sw,
                              int sh) {
  const int left = static_cast<int>(static_cast<float>(x) * context.scaleX);
  const int top = static_cast<int>(static_cast<float>(y) * context.scaleY);
  const int w = static_cast<int>(static_cast<float>(width) * context.scaleX);
  const int h = static_cast<int>(static_cast<float>(PrintedHeight(width, sw, sh)) * context.scaleY);
  return {left, top, left + w, top + h};
}

std::uint32_t PrintedTexel(std::uint32_t argb) {
  const std::uint32_t missing = 255 - (argb >> 24);
  const std::uint32_t white = missing << 16 | missing << 8 | missing;
  return (argb | white) & 0xFFFFFF;
}
