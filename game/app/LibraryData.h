#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/core/CInputStream.h"
#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"
#include "framework/core/IDataInputStream.h"
#include "framework/core/THolder.h"
#include "game/app/RecipeRecord.h"

// A sheet of equal icon cells in rows; sizes in pixels.
struct IconRecord {
  std::string Name;
  std::int32_t SheetWidth = 0;
  std::int32_t SheetHeight = 0;
  std::int32_t CellWidth = 0;
  std::int32_t CellHeight = 0;

  bool operator==(const IconRecord&) const = default;
};

// One byte per pixel, row by row; 0 = hit. Empty: hit everywhere inside the bounds.
struct HitMask {
  std::vector<std::uint8_t> Bytes;
  std::int32_t Width = 0;
  std::int32_t OriginX = 0;
  std::int32_t OriginY = 0;
  std::int32_t Height = 0;

  bool operator==(const HitMask&) const = default;
  // Empty, or non-negative sizes with a byte for each pixel the hit test can read: it never
  // reads the last row, so (Height - 1) x Width bytes suffice.
  bool IsWellFormed() const;
};

// A kitchen device, ingredient source, dish or bonus-level item of the catalogue.
struct ObjectDescription {
  bool UsesHitMask = false;  // false: hit anywhere in the bounding rectangle
  std::string ShownName;     // empty: show the key
  std::int32_t Value1 = 0;
  std::string Name2;
  bool Flag = false;
  std::vector<RecipeItem> Items;
  std::int32_t WorkFlag = 0;  // non-zero for a working device
  std::string WorkSound;      // runs while the device works
  std::wstring WideName;      // hover balloon; the field finds devices by it
  float Value2 = 0.0f;
  std::int32_t Value3 = 0;
  HitMask Mask;
  std::string Key;  // full key, e.g. "Devices.griddle_2"; the item name of the bonus fields

  bool operator==(const ObjectDescription&) const = default;
};

// The catalogue, "libdata.bin": icon sheets by name and object descriptions by key.
struct LibraryData {
  std::unordered_map<std::string, IconRecord> Icons;
  std::unordered_map<std::string, ObjectDescription> Objects;

  bool operator==(const LibraryData&) const = default;

  // The description under key; a missing key adds an empty one (the data holds every key the
  // game asks for). References stay valid until the next load.
  ObjectDescription& Object(const std::string& key) { return Objects[key]; }
  const ObjectDescription* FindObject(const std::string& key) const;
  const IconRecord* FindIcon(const std::string& name) const;
};

// The loaded catalogue, empty until "libdata.bin" is read.
LibraryData& GetLibraryData();

void ReadIconRecord(GF::CStreamReader& in, IconRecord& icon);
void ReadHitMask(GF::CStreamReader& in, HitMask& mask);
void ReadObjectDescription(GF::CStreamReader& in, ObjectDescription& object);
// Returns null on success, else the part of the file that failed.
const char* ReadLibraryData(GF::CStreamReader& in, LibraryData& data);

void WriteIconRecord(GF::COutputStream& out, const IconRecord& icon);
void WriteHitMask(GF::COutputStream& out, const HitMask& mask);
void WriteObjectDescription(GF::COutputStream& out, const ObjectDescription& object);
void WriteLibraryData(GF::COutputStream& out, const LibraryData& data);

// Reads "libdata.bin" into a fresh catalogue and puts it in place only when the whole file
// read cleanly; a malformed hit mask is dropped (the object then has none) with a log line.
bool LoadLibraryData(GF::CInputStream& in);
bool LoadLibraryData(GF::THolder<GF::IDataInputStream> stream);
// "libdata.bin" from "Binary_2\" or else "Binary\"; false when missing or damaged.
bool LoadLibraryDataFile();
