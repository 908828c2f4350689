#include "game/app/LibraryData.h"

#include <utility>

#include "game/app/CSectionTracker.h"
#include "game/app/DataFileFormat.h"
#include "game/app/IDataFileSource.h"

namespace {
constexpr const char* FileName = "libdata.bin";
constexpr std::size_t IconBytes = MinStringBytes + 4 * MinInt32Bytes;
// Flags, strings, counts and numbers of an object with every list and string empty.
constexpr std::size_t MinObjectBytes = 47;

LibraryData libraryData;

void DropMalformedHitMasks(LibraryData& data) {
  for (auto& [key, object] : data.Objects) {
    if (object.Mask.IsWellFormed()) continue;
    DataFileSource().Log("[W] " + std::string(FileName) + ": hit mask of " + key + " has " +
                         std::to_string(object.Mask.Bytes.size()) + " bytes for " +
                         std::to_string(object.Mask.Width) + " x " +
                         std::to_string(object.Mask.Height) + " pixels; the mask is dropped");
    object.Mask.Bytes.clear();
    object.UsesHitMask = false;
  }
}
}  // namespace

bool HitMask::IsWellFormed() const {
  return Bytes.empty() || (Width >= 0 && Height >= 0 &&
                           static_cast<std::int64_t>(Width) * (Height - 1) <=
                               static_cast<std::int64_t>(Bytes.size()));
}

const ObjectDescription* LibraryData::FindObject(const std::string& key) const {
  const auto it = Objects.find(key);
  return it == Objects.end() ? nullptr : &it->second;
}

const IconRecord* LibraryData::FindIcon(const std::string& name) const {
  const auto it = Icons.find(name);
  return it == Icons.end() ? nullptr : &it->second;
}

LibraryData& GetLibraryData() {
  return libraryData;
}

void ReadIconRecord(GF::CStreamReader& in, IconRecord& icon) {
  icon.Name = in.String();
  icon.SheetWidth = in.Int32BE();
  icon.SheetHeight = in.Int32BE();
  icon.CellWidth = in.Int32BE();
  icon.CellHeight = in.Int32BE();
}

void WriteIconRecord(GF::COutputStream& out, const IconRecord& icon) {
  GF::WriteString(out, icon.Name);
  GF::WriteInt32BE(out, icon.SheetWidth);
  GF::WriteInt32BE(out, icon.SheetHeight);
  GF::WriteInt32BE(out, icon.CellWidth);
  GF::WriteInt32BE(out, icon.CellHeight);
}

void ReadHitMask(GF::CStreamReader& in, HitMask& mask) {
  mask.Bytes.resize(in.Count(1));
  if (!mask.Bytes.empty()) in.Bytes(mask.Bytes.data(), mask.Bytes.size());
  mask.Width = in.Int32BE();
  mask.OriginX = in.Int32BE();
  mask.OriginY = in.Int32BE();
  mask.Height = in.Int32BE();
}

void WriteHitMask(GF::COutputStream& out, const HitMask& mask) {
  GF::WriteUInt32BE(out, static_cast<std::uint32_t>(mask.Bytes.size()));
  out.Write(mask.Bytes.data(), mask.Bytes.size());
  GF::WriteInt32BE(out, mask.Width);
  GF::WriteInt32BE(out, mask.OriginX);
  GF::WriteInt32BE(out, mask.OriginY);
  GF::WriteInt32BE(out, mask.Height);
}

void ReadObjectDescription(GF::CStreamReader& in, ObjectDescription& object) {
  object.UsesHitMask = in.Bool();
  object.ShownName = in.String();
  object.Value1 = in.Int32BE();
  object.Name2 = in.String();
  object.Flag = in.Bool();
  ReadList(in, object.Items, MinRecipeItemBytes, ReadRecipeItem);
  object.WorkFlag = in.Int32BE();
  object.WorkSound = in.String();
  object.WideName = in.WideString();
  object.Value2 = in.Float();
  object.Value3 = in.Int32BE();
  ReadHitMask(in, object.Mask);
  object.Key = in.String();
}

void WriteObjectDescription(GF::COutputStream& out, const ObjectDescription& object) {
  GF::WriteBool(out, object.UsesHitMask);
  GF::WriteString(out, object.ShownName);
  GF::WriteInt32BE(out, object.Value1);
  GF::WriteString(out, object.Name2);
  GF::WriteBool(out, object.Flag);
  WriteList(out, object.Items, WriteRecipeItem);
  GF::WriteInt32BE(out, object.WorkFlag);
  GF::WriteString(out, object.WorkSound);
  GF::WriteWideString(out, object.WideName);
  GF::WriteFloat(out, object.Value2);
  GF::WriteInt32BE(out, object.Value3);
  WriteHitMask(out, object.Mask);
  GF::WriteString(out, object.Key);
}

const char* ReadLibraryData(GF::CStreamReader& in, LibraryData& data) {
  CSectionTracker sections(in);
  sections.Section("part A (icons)", [&] {
    ReadKeyed(in, data.Icons, IconBytes, ReadIconRecord,
              [](const IconRecord& i) { return i.Name; });
  });
  sections.Section("part B (objects)", [&] {
    ReadKeyed(in, data.Objects, MinObjectBytes, ReadObjectDescription,
              [](const ObjectDescription& o) { return o.Key; });
  });
  return sections.Failed();
}

void WriteLibraryData(GF::COutputStream& out, const LibraryData& data) {
  WriteKeyed(out, data.Icons, WriteIconRecord);
  WriteKeyed(out, data.Objects, WriteObjectDescription);
}

bool LoadLibraryData(GF::CInputStream& in) {
  GF::CStreamReader reader(in);
  LibraryData fresh;
  if (const char* failed = ReadLibraryData(reader, fresh)) {
    LogDataFault(FileName, failed);
    return false;
  }
  DropMalformedHitMasks(fresh);
  libraryData = std::move(fresh);
  return true;
}

bool LoadLibraryData(GF::THolder<GF::IDataInputStream> stream) {
  return stream && LoadLibraryData(*stream);
}

bool LoadLibraryDataFile() {
  return LoadDataFile(FileName, [](GF::CInputStream& in) { return LoadLibraryData(in); });
}
