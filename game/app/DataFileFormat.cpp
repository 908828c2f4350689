#include "game/app/DataFileFormat.h"

GF::TPoint<float> ReadPoint(GF::CStreamReader& in) {
  in.Byte();  // tag, carries nothing
  const float x = in.Float();
  const float y = in.Float();
  return {x, y};
}

void WritePoint(GF::COutputStream& out, const GF::TPoint<float>& point) {
  GF::WriteByte(out, 0);
  GF::WriteFloat(out, point.x);
  GF::WriteFloat(out, point.y);
}
