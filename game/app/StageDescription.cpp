#include "game/app/StageDescription.h"

#include "framework/core/BinaryEncoding.h"

void ReadStageDescription(GF::CStreamReader& in, StageDescription& stage) {
  stage.Value1 = in.Int32BE();
  stage.LevelCount = in.Int32BE();
  stage.StageNumber = in.Int32BE();
  stage.StageKey = in.String();
}

void WriteStageDescription(GF::COutputStream& out, const StageDescription& stage) {
  GF::WriteInt32BE(out, stage.Value1);
  GF::WriteInt32BE(out, stage.LevelCount);
  GF::WriteInt32BE(out, stage.StageNumber);
  GF::WriteString(out, stage.StageKey);
}
