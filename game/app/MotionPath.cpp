#include "game/app/MotionPath.h"

#include "game/app/DataFileFormat.h"

void ReadMotionPath(GF::CStreamReader& in, MotionPath& path) {
  path.Name = in.String();
  ReadList(in, path.Points, PointBytes, ReadPointItem);
}

void WriteMotionPath(GF::COutputStream& out, const MotionPath& path) {
  GF::WriteString(out, path.Name);
  WriteList(out, path.Points, WritePoint);
}
