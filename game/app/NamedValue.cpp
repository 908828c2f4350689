#include "game/app/NamedValue.h"

#include "framework/core/BinaryEncoding.h"

void ReadNamedValue(GF::CStreamReader& in, NamedValue& value) {
  value.Name = in.String();
  value.Number = in.Int32BE();
}

void WriteNamedValue(GF::COutputStream& out, const NamedValue& value) {
  GF::WriteString(out, value.Name);
  GF::WriteInt32BE(out, value.Number);
}
