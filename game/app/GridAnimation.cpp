#include "game/app/GridAnimation.h"

#include "game/app/DataFileFormat.h"

namespace {
constexpr std::size_t MinKeyFrameBytes = 16;
constexpr std::size_t MinRowBytes = 4;

void ReadRow(GF::CStreamReader& in, std::vector<GF::TPoint<float>>& row) {
  ReadList(in, row, PointBytes, ReadPointItem);
}

void WriteRow(GF::COutputStream& out, const std::vector<GF::TPoint<float>>& row) {
  WriteList(out, row, WritePoint);
}
}  // namespace

void ReadGridKeyFrame(GF::CStreamReader& in, GridKeyFrame& frame) {
  frame.Value1 = in.Int32BE();
  frame.Value2 = in.Int32BE();
  frame.Time = in.Float();
  ReadList(in, frame.Rows, MinRowBytes, ReadRow);
}

void ReadGridAnimation(GF::CStreamReader& in, GridAnimation& animation) {
  animation.Name = in.String();
  ReadList(in, animation.KeyFrames, MinKeyFrameBytes, ReadGridKeyFrame);
}

void WriteGridKeyFrame(GF::COutputStream& out, const GridKeyFrame& frame) {
  GF::WriteInt32BE(out, frame.Value1);
  GF::WriteInt32BE(out, frame.Value2);
  GF::WriteFloat(out, frame.Time);
  WriteList(out, frame.Rows, WriteRow);
}

void WriteGridAnimation(GF::COutputStream& out, const GridAnimation& animation) {
  GF::WriteString(out, animation.Name);
  WriteList(out, animation.KeyFrames, WriteGridKeyFrame);
}
