#pragma once

#include <cstdint>
#include <string>

#include "framework/core/IAnimation.h"
#include "framework/core/IScene.h"
#include "framework/core/THolder.h"

// A text balloon template: a backing sprite stretched behind a text by SetObjectText, with
// margins around the text. Copied by value.
struct CTextRecord {
  std::int32_t marginX = 0;  // pixels left and right of the text
  std::int32_t marginY = 0;  // pixels above and below the text
  std::string backingName;   // the sprite stretched behind the text
  std::string textName;      // the sprite that carries a "_text" child
  GF::THolder<GF::IScene> scene;

  // Takes the source's names and scene; the margins stay this record's.
  void Assign(CTextRecord source);
};

// Creates the backing from the record, stretched to the text's width and height plus twice
// the margins, and returns it. With embed the text goes into the backing's first place at
// its natural size; without, the text sprite made for measuring leaves the scene. A text
// sprite without "_text", an empty measure or an empty backing is logged and the backing
// comes back unscaled.
GF::IAnimation::AnimationPtr SetObjectText(const CTextRecord& record, std::wstring text,
                                           bool embed);
