#include "game/app/TipRecord.h"

#include "framework/core/BinaryEncoding.h"

void ReadTipRecord(GF::CStreamReader& in, TipRecord& tip) {
  tip.NextTip = in.Int32BE();
  tip.Name = in.String();
  tip.TriggerFlag = in.Bool();
  tip.TriggerId = in.Int32BE();
  tip.ShowInWindow = in.Bool();
  tip.MaxShows = in.Int32BE();
  tip.PlaysOnce = in.Bool();
  tip.SecondName = in.String();
}

void WriteTipRecord(GF::COutputStream& out, const TipRecord& tip) {
  GF::WriteInt32BE(out, tip.NextTip);
  GF::WriteString(out, tip.Name);
  GF::WriteBool(out, tip.TriggerFlag);
  GF::WriteInt32BE(out, tip.TriggerId);
  GF::WriteBool(out, tip.ShowInWindow);
  GF::WriteInt32BE(out, tip.MaxShows);
  GF::WriteBool(out, tip.PlaysOnce);
  GF::WriteString(out, tip.SecondName);
}
