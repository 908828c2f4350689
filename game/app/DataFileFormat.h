#pragma once

// The shapes the game's data files build their records from, on top of the checked reader and
// the encodings: lists (a big-endian count, then the items), maps (a count, then key and value
// pairs) and points (an ignored tag byte, then x and y as floats).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

#include "framework/core/BinaryEncoding.h"
#include "framework/core/CStreamReader.h"
#include "framework/core/TPoint.h"

// Smallest encodings, for checking counts against the bytes left.
constexpr std::size_t MinInt32Bytes = 4;
constexpr std::size_t MinFloatBytes = 4;
constexpr std::size_t MinBoolBytes = 1;
constexpr std::size_t MinStringBytes = 1;
constexpr std::size_t PointBytes = 9;

// Replaces list with count items read in place; minItemBytes bounds the count.
template <typename T, typename ReadItem>
void ReadList(GF::CStreamReader& in, std::vector<T>& list, std::size_t minItemBytes,
              ReadItem readItem) {
  list.clear();
  list.resize(in.Count(minItemBytes));
  for (T& item : list) readItem(in, item);
}

template <typename T, typename WriteItem>
void WriteList(GF::COutputStream& out, const std::vector<T>& list, WriteItem writeItem) {
  GF::WriteUInt32BE(out, static_cast<std::uint32_t>(list.size()));
  for (const T& item : list) writeItem(out, item);
}

// Replaces map with count entries; a later entry with the key of an earlier one wins.
template <typename K, typename V, typename ReadEntry>
void ReadMap(GF::CStreamReader& in, std::map<K, V>& map, std::size_t minEntryBytes,
             ReadEntry readEntry) {
  map.clear();
  for (std::uint32_t n = in.Count(minEntryBytes); n > 0 && in.Ok(); --n) {
    K key{};
    V value{};
    readEntry(in, key, value);
    map.insert_or_assign(std::move(key), std::move(value));
  }
}

template <typename K, typename V, typename WriteEntry>
void WriteMap(GF::COutputStream& out, const std::map<K, V>& map, WriteEntry writeEntry) {
  GF::WriteUInt32BE(out, static_cast<std::uint32_t>(map.size()));
  for (const auto& [key, value] : map) writeEntry(out, key, value);
}

// Reads a list of records into a hash map under the key each record carries; a later record
// with the key of an earlier one replaces it.
template <typename K, typename V, typename ReadItem, typename KeyOf>
void ReadKeyed(GF::CStreamReader& in, std::unordered_map<K, V>& table, std::size_t minItemBytes,
               ReadItem readItem, KeyOf keyOf) {
  table.clear();
  for (std::uint32_t n = in.Count(minItemBytes); n > 0 && in.Ok(); --n) {
    V item{};
    readItem(in, item);
    K key = keyOf(item);
    table.insert_or_assign(std::move(key), std::move(item));
  }
}

// In key order, so that the same tables always give the same file.
template <typename K, typename V, typename WriteItem>
void WriteKeyed(GF::COutputStream& out, const std::unordered_map<K, V>& table,
                WriteItem writeItem) {
  std::vector<const std::pair<const K, V>*> entries;
  entries.reserve(table.size());
  for (const auto& entry : table) entries.push_back(&entry);
  std::sort(entries.begin(), entries.end(), [](auto* a, auto* b) { return a->first < b->first; });
  GF::WriteUInt32BE(out, static_cast<std::uint32_t>(entries.size()));
  for (const auto* entry : entries) writeItem(out, entry->second);
}

inline void ReadInt32Item(GF::CStreamReader& in, std::int32_t& value) {
  value = in.Int32BE();
}
inline void ReadFloatItem(GF::CStreamReader& in, float& value) {
  value = in.Float();
}
inline void ReadStringItem(GF::CStreamReader& in, std::string& value) {
  value = in.String();
}

GF::TPoint<float> ReadPoint(GF::CStreamReader& in);
// The tag byte is written as 0.
void WritePoint(GF::COutputStream& out, const GF::TPoint<float>& point);
inline void ReadPointItem(GF::CStreamReader& in, GF::TPoint<float>& point) {
  point = ReadPoint(in);
}
