#pragma once

#include <string>
#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/IScene.h"
#include "framework/core/THolder.h"

// The contest's standings on the HUD: a row of place ribbons, last place on the left, each
// showing a competitor's score and place, and every competitor's portrait gliding to the
// ribbon of its place. The player is competitor 6.
//
// The level field holds one, feeds it the scores and calls Update every frame; a score
// change starts a glide of StandingsInterval ms.
class CStandingsPanel {
 public:
  using AnimationPtr = GF::IAnimation::AnimationPtr;
  static constexpr int kPlayerId = 6;

  CStandingsPanel() = default;
  CStandingsPanel(const CStandingsPanel&) = delete;
  CStandingsPanel& operator=(const CStandingsPanel&) = delete;
  ~CStandingsPanel();

  // The scene in which ribbons and portraits are made.
  void Init(GF::THolder<GF::IScene> scene);
  // A competitor joins after those of equal score, with its portrait and one more ribbon;
  // everything then stands in place at the next Update.
  void Insert(int id, float score);
  // Ribbon n + 1 ("interfaces.ribbon_" 1 to 4; from the fourth on all use 4) showing the
  // score.
  void AddRibbon(float score);
  // The competitor moves behind those of equal or lower score, the ribbons show the new
  // scores and places, and the portraits glide. An id not in the panel changes nothing.
  void SetScore(int id, float score);
  // The frame's routine: a glide, or nothing.
  void Update(const float& dt) { (this->*m_routine)(dt); }
  // One step of the glide: ribbons stand in their row, portraits move toward their ribbons
  // and land when StandingsInterval has passed.
  void UpdateArrange(const float& dt);
  // 0.0 for an id not in the panel.
  float GetScore(int id) const;
  // 1 = first; the number of competitors when the player is not in the panel.
  int GetPlayerPlace() const;
  // Ribbons and portraits leave the scene; the panel is empty.
  void Clear();

  bool IsGliding() const { return m_routine == &CStandingsPanel::UpdateArrange; }
  int GetCount() const { return static_cast<int>(m_competitors.size()); }
  // The competitor's portrait; empty for an id not in the panel.
  AnimationPtr GetPortrait(int id) const;
  // The ribbon of a place, 1 = first.
  AnimationPtr GetRibbon(int place) const;

 private:
  using Routine = void (CStandingsPanel::*)(const float&);

  struct Competitor {
    int id = 0;
    float score = 0.0f;
    AnimationPtr portrait;
  };

  void Idle(const float&) {}
  // The list index before the first competitor of a strictly greater score.
  int InsertionIndex(float score) const;
  // Every ribbon shows its competitor's score and place; the player's is selected.
  void RefreshRibbons();
  // The player's ribbon holds its "_select" look.
  void HoldPlayerRibbon();
  AnimationPtr& RibbonOf(int index) { return m_ribbons[m_ribbons.size() - 1 - index]; }

  std::vector<AnimationPtr> m_ribbons;  // first place first
  Routine m_routine = &CStandingsPanel::Idle;
  std::vector<Competitor> m_competitors;  // by ascending score
  GF::THolder<GF::IScene> m_scene;
  int m_movingIndex = -1;
  int m_playerIndex = 0;
  float m_elapsed = 0.0f;
};
