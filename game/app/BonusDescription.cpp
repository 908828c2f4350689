#include "game/app/BonusDescription.h"

#include "framework/core/BinaryEncoding.h"

void ReadBonusDescription(GF::CStreamReader& in, BonusDescription& bonus) {
  bonus.Name = in.String();
  bonus.SecondName = in.String();
  bonus.Duration = in.Float();
  bonus.Kind = in.Int32BE();
}

void WriteBonusDescription(GF::COutputStream& out, const BonusDescription& bonus) {
  GF::WriteString(out, bonus.Name);
  GF::WriteString(out, bonus.SecondName);
  GF::WriteFloat(out, bonus.Duration);
  GF::WriteInt32BE(out, bonus.Kind);
}
