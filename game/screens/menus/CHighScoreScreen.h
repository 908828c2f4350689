#pragma once

#include <cstdint>
#include <vector>

#include "game/screens/CShowHideEffectScreen.h"

// The high-score table ("HighScoreScreen"): the current player against the seven rival
// cooks, each with the points of every level the player has played, highest first, by name,
// total and portrait.
class CHighScoreScreen : public CCurtainScreen {
 public:
  struct ScoreEntry {
    std::int32_t id;  // competitor; 6 is the player
    float total;
  };

  static GF::THolder<GF::IScreen> Create();

 protected:
  void OnInit() override;
  void StartShow() override;
  void StartHide() override;

 private:
  // Every competitor's total over the current profile's level records, sorted.
  void BuildStandings();
  void ShowRow(GF::IAnimation& table, int row, const ScoreEntry& entry) const;

  std::vector<ScoreEntry> standings;
};
