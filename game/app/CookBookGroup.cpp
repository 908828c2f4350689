#include "game/app/CookBookGroup.h"

#include "game/app/DataFileFormat.h"

namespace {
constexpr std::size_t MinEntryBytes = 35;
}  // namespace

std::optional<float> CookBookEntry::LayoutValue(const std::vector<float>& layoutValues) const {
  if (LayoutIndex < 1 || static_cast<std::size_t>(LayoutIndex) > layoutValues.size()) return {};
  const float value = layoutValues[static_cast<std::size_t>(LayoutIndex) - 1];
  if (value == -1.0f) return {};
  return value;
}

void ReadCookBookEntry(GF::CStreamReader& in, CookBookEntry& e) {
  e.Flag1 = in.Bool();
  e.Value1 = in.Int32BE();
  e.Flag2 = in.Bool();
  e.Flag3 = in.Bool();
  e.Value2 = in.Float();
  e.LayoutScale = in.Float();
  e.LayoutIndex = in.Int32BE();
  e.Value3 = in.Float();
  e.Text = in.WideString();
  e.Flag4 = in.Bool();
  e.Flag5 = in.Bool();
  e.LayoutMode = in.Int32BE();
  e.Name = in.String();
  e.BasePosition = in.Float();
}

void WriteCookBookEntry(GF::COutputStream& out, const CookBookEntry& e) {
  GF::WriteBool(out, e.Flag1);
  GF::WriteInt32BE(out, e.Value1);
  GF::WriteBool(out, e.Flag2);
  GF::WriteBool(out, e.Flag3);
  GF::WriteFloat(out, e.Value2);
  GF::WriteFloat(out, e.LayoutScale);
  GF::WriteInt32BE(out, e.LayoutIndex);
  GF::WriteFloat(out, e.Value3);
  GF::WriteWideString(out, e.Text);
  GF::WriteBool(out, e.Flag4);
  GF::WriteBool(out, e.Flag5);
  GF::WriteInt32BE(out, e.LayoutMode);
  GF::WriteString(out, e.Name);
  GF::WriteFloat(out, e.BasePosition);
}

void ReadCookBookGroup(GF::CStreamReader& in, CookBookGroup& group) {
  group.Flag1 = in.Bool();
  group.Flag2 = in.Bool();
  group.Flag3 = in.Bool();
  ReadList(in, group.Entries, MinEntryBytes, ReadCookBookEntry);
  group.Name = in.String();
}

void WriteCookBookGroup(GF::COutputStream& out, const CookBookGroup& group) {
  GF::WriteBool(out, group.Flag1);
  GF::WriteBool(out, group.Flag2);
  GF::WriteBool(out, group.Flag3);
  WriteList(out, group.Entries, WriteCookBookEntry);
  GF::WriteString(out, group.Name);
}
