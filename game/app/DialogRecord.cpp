#include "game/app/DialogRecord.h"

#include "game/app/DataFileFormat.h"

namespace {
constexpr std::size_t MinLineBytes = 3;
constexpr std::size_t MinEntryBytes = 4;
}  // namespace

void ReadDialogLine(GF::CStreamReader& in, DialogLine& line) {
  line.Speaker = in.String();
  line.Text = in.String();
  line.Flag = in.Bool();
}

void ReadDialogEntry(GF::CStreamReader& in, DialogEntry& entry) {
  ReadList(in, entry.Lines, MinLineBytes, ReadDialogLine);
}

void ReadDialogRecord(GF::CStreamReader& in, DialogRecord& record) {
  record.Name = in.String();
  ReadList(in, record.Entries, MinEntryBytes, ReadDialogEntry);
  record.LevelIndex = in.Int32BE();
  record.StageNumber = in.Int32BE();
}

void WriteDialogLine(GF::COutputStream& out, const DialogLine& line) {
  GF::WriteString(out, line.Speaker);
  GF::WriteString(out, line.Text);
  GF::WriteBool(out, line.Flag);
}

void WriteDialogEntry(GF::COutputStream& out, const DialogEntry& entry) {
  WriteList(out, entry.Lines, WriteDialogLine);
}

void WriteDialogRecord(GF::COutputStream& out, const DialogRecord& record) {
  GF::WriteString(out, record.Name);
  WriteList(out, record.Entries, WriteDialogEntry);
  GF::WriteInt32BE(out, record.LevelIndex);
  GF::WriteInt32BE(out, record.StageNumber);
}
