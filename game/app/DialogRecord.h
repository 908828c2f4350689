#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"

// One line of a story dialogue. The dialogue screen reads the second string as the speaker's
// pose (its last character is the place digit) and the flag as "speaks".
struct DialogLine {
  std::string Speaker;  // "ginger": the cook's own balloon; anything else: a customer
  std::string Text;
  bool Flag = false;

  // The sequence the speaker plays on the line; its last character is the place digit.
  const std::string& Pose() const { return Text; }
  bool Speaks() const { return Flag; }

  bool operator==(const DialogLine&) const = default;
};

struct DialogEntry {
  std::vector<DialogLine> Lines;

  bool operator==(const DialogEntry&) const = default;
};

// One story dialogue of section 2 of "gamedata.bin".
struct DialogRecord {
  std::string Name;
  std::vector<DialogEntry> Entries;
  // The dialogue plays after this level of its stage (player's level number in stage - 1).
  std::int32_t LevelIndex = 0;
  std::int32_t StageNumber = 0;  // 1..7

  // A level index of 200 to 299 marks a dialogue that ends in a yes/no question.
  bool IsQuestion() const { return LevelIndex / 100 == 2; }

  bool operator==(const DialogRecord&) const = default;
};

void ReadDialogLine(GF::CStreamReader& in, DialogLine& line);
void ReadDialogEntry(GF::CStreamReader& in, DialogEntry& entry);
void ReadDialogRecord(GF::CStreamReader& in, DialogRecord& record);
void WriteDialogLine(GF::COutputStream& out, const DialogLine& line);
void WriteDialogEntry(GF::COutputStream& out, const DialogEntry& entry);
void WriteDialogRecord(GF::COutputStream& out, const DialogRecord& record);
