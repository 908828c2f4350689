#pragma once

// A cook-book recipe printed as one page: a frame of six pieces, the recipe's name as the
// heading, its texts and its picture. Printing runs inside the frame that asked for it, on
// the default printer without a dialog; failures go only to the engine's log.

#include <cstdint>
#include <memory>
#include <string>

#include "framework/core/IBase.h"
#include "framework/core/IScene.h"
#include "framework/core/THolder.h"
#include "framework/core/TRect.h"
#include "framework/core/TSmartIPtr.h"
#include "framework/engine/particles/CHGESprite.h"
#include "framework/engine/scene/ISprite.h"
#include "platform/OsServices.h"

// An engine image: a texture and the rectangle of it that the image shows.
using PrintImage = GF::THolder<GF::HGENS::CHGESprite>;

// The page of the running job. The layout is given in page units: the page is 2480 units
// wide, and both axes use the scale taken from the width.
struct PrintContext {
  std::int32_t pageWidth = 0;  // device pixels
  std::int32_t pageHeight = 0;
  float scaleX = 0.0f;  // device pixels per page unit
  float scaleY = 0.0f;
  std::unique_ptr<Os::PrintJob> job;  // null outside a job
};

// The program's one print record; every job reuses it.
PrintContext& GetPrintContext();

// Opens the job and its only page and fills the context; false (logged) when it can't.
bool BeginPrintJob(PrintContext& context);
// Ends the page and the job; failures are logged and the steps go on.
void EndPrintJob(PrintContext& context);
// Text at (x, y) in page units, size in page units, flags those of Os::PrintJob::DrawText;
// the two-character escape "\n" (or "\N") breaks the line, tabs are dropped.
void PrintText(PrintContext& context, int x, int y, const std::wstring& text, int size,
               unsigned flags);
// The image at (x, y), width wide in page units, its height in proportion. Transparent
// texels print white. An empty holder or an image under one texel prints nothing.
void PrintTexture(PrintContext& context, int x, int y, int width, const PrintImage& image);
// The whole page; false when the job did not start (nothing was printed).
bool PrintRecipePage(PrintContext& context, const PrintImage& topLeft, const PrintImage& topCentre,
                     const PrintImage& topRight, const PrintImage& bottomLeft,
                     const PrintImage& bottomCentre, const PrintImage& bottomRight,
                     const PrintImage& picture, const std::wstring& title,
                     const std::wstring& firstText, const std::wstring& secondText);

// The image that drawable `index` of the layout object `name` ("module.object") shows at its
// first frame; empty when there is no such object or drawable, or it is no sprite. The
// object is made in the scene for the look-up and leaves it again.
PrintImage GetAnimationImage(const std::string& name, const GF::THolder<GF::IScene>& scene,
                             int index);
// The image a sprite drawable shows; empty for an empty holder.
PrintImage GetSpriteImage(const GF::TSmartIPtr<GF::ISprite, GF::kIdSprite>& sprite);

// ---- The steps above, each on its own ----

// The heading: a line-break escape becomes one blank between two words (none beside a
// blank), since a heading has a single line that wraps only at blanks.
std::wstring PrintedTitle(const std::wstring& title);
// A text as drawn: the escape becomes LF CR, tabs go.
std::wstring PrintedText(const std::wstring& text);
// The font's cell height in device pixels for a size in page units.
int PrintFontHeight(const PrintContext& context, int size);
// The text's rectangle in device pixels: from (x, y) to the page's right edge when centred,
// else to 100 pixels short of it, and down to the page's bottom.
GF::TRect<int> PrintTextRect(const PrintContext& context, int x, int y, unsigned flags);
// An image of sw x sh texels printed width units wide is this many units high.
int PrintedHeight(int width, int sw, int sh);
// An image's rectangle in device pixels.
GF::TRect<int> PrintImageRect(const PrintContext& context, int x, int y, int width, int sw, int sh);
// A texel (ARGB) as printed on white paper (0xRRGGBB): each channel OR the missing alpha.
std::uint32_t PrintedTexel(std::uint32_t argb);
