#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "tools/content/SampleArt.h"

// The sample resources, one kind per function, each writing below outDir in the folders the
// engine looks in. The script, the text table, the textures and the sounds agree through the
// lists below: a texture's number is its place in SampleTextures(), a text info's text index
// the place of its key in SampleTexts().

// The menu's textures, drawn from tools/content/art.
const std::vector<ArtSheet>& SampleTextures();

struct SampleText {
  std::string key;
  std::u16string text;
};
const std::vector<SampleText>& SampleTexts();

const std::vector<std::string>& SampleSoundNames();

// How often a call ("r.AddTexture(") occurs in a script: the number the next one gets.
int CountScriptCalls(const std::string& script, const std::string& call);
// Replaces every "{name}" in text by value.
void FillScriptNumber(std::string& text, const std::string& name, int value);
// The text-table index of key: its place in SampleTexts().
int SampleTextIndex(const std::string& key);

// A text info of a script part: its name, font (0 light, 1 dark ink), flags (0x40 centred
// vertically; alignment 0 left, 1 centred, 2 right) and the key of its text.
struct SampleTextInfo {
  const char* name;
  int font;
  int flags;
  const char* key;
};
// Puts the infos' "r.AddTextInfo" calls, numbered from `first`, at "{textinfos}" in the
// script part and their numbers at each "{t:<name>}".
void FillTextInfos(std::string& part, int first, std::span<const SampleTextInfo> infos);

// "Animation/effects.as" (and no stale "Animation/effects.bs").
std::string MakeResourceScript();
// The part of the script with the menu screen's layout and controls ("Menus").
std::string MakeMenuResourceScript();
bool WriteSampleResourceScript(const std::filesystem::path& outDir);
// "Binary/textdata.txt": UTF-16LE behind a byte-order mark, key and text lines in pairs.
std::vector<std::uint8_t> MakeSampleTextTable();
bool WriteSampleTextTable(const std::filesystem::path& outDir);
// "Texture/<n>.png", or "Texture/<n>.jp2" and "Texture/m_<n>.gif".
bool WriteSampleTextures(const std::filesystem::path& outDir);
// The TrueType font the sample font and the contact sheet's labels are drawn from.
const char* SampleFontFile();
// "Font/0.fnt" and its page "Font/0/0_000.png", rasterised from DejaVu Sans in white, and
// "Font/1.fnt" with "Font/1/1_000.png", the same glyphs in dark ink.
bool WriteSampleFont(const std::filesystem::path& outDir);
// A sine sweep in Ogg Vorbis: a short attack and an exponential decay.
std::vector<std::uint8_t> EncodeSampleTone(double startHz, double endHz, double seconds);
// A tune in Ogg Vorbis: the notes one after the other, each plucked (a short attack) and
// fading at `decay` per second.
std::vector<std::uint8_t> EncodeSampleTune(const std::vector<double>& notesHz, double noteSeconds,
                                           double decay);
// "Sound/<name>.ogg" and the same as "Sound/<n>", generated tones in Ogg Vorbis.
bool WriteSampleSounds(const std::filesystem::path& outDir);
// "icon.png": the window's icon, 32 x 32, drawn from "icon.svg".
const ArtSheet& SampleIconArt();
bool WriteSampleIcon(const std::filesystem::path& outDir);
// Every kind above.
bool WriteSampleResources(const std::filesystem::path& outDir);

// Packs the content folders below contentDir (every file except the bytecode the program
// writes itself) into the zip archive packPath.
bool WriteResourcePack(const std::filesystem::path& contentDir,
                       const std::filesystem::path& packPath);

// A PNG of 0xAARRGGBB pixels, rows from the top.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint32_t>& argb);
