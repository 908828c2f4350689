#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/core/IAnimation.h"
#include "game/app/DialogRecord.h"
#include "game/app/ProgressBlock.h"
#include "game/kitchen/CActionWorker.h"
#include "game/kitchen/CFlyObjectWorker.h"
#include "game/screens/CShowHideEffectScreen.h"

// "DialogScreen": the story dialogue the player's story progress has reached, line by line:
// the characters posed in the places of the dialogue's scene over the stage's background,
// and balloons with the line's text over the speakers. "next" steps through the lines (a
// press while a line is still changing is dropped), "skip" leaves; a question dialogue ends
// on "yes" or "no". A progress past the dialogues, or a dialogue without lines, shows nothing
// and leaves with "exit".
class CDialogScreen : public CCurtainScreen, public CActionWorker, public CFlyObjectWorker {
 public:
  static GF::THolder<GF::IScreen> Create();

  // Takes the dialogue of the story progress, and moves the progress (saved) to the next.
  CDialogScreen();

  struct DialogChoice {
    int index;     // of the dialogue record
    bool advance;  // the story progress moves on by one
  };
  // The dialogue for the profile among count records: the story progress's, which moves on
  // while it is below count - 2; the last one after the final duel's second place.
  static DialogChoice ChooseDialog(const PlayerProfile& profile, int count);
  // What leaving the dialogue gives: "remove" after dialogues 15 and 21, "comics" after the
  // one at count - 2, else "exit".
  static std::string ExitResult(int dialogIndex, int count);
  // The place digit that ends a pose; -1 when it ends in none.
  static int PlaceDigit(const std::string& pose);

  struct BalloonLook {
    std::string balloon;  // the balloon's resource name
    int marginX;          // around the text it is sized to; 0 for a balloon of fixed size
  };
  static BalloonLook ChooseBalloon(const std::string& character, std::size_t textLength);

 protected:
  void OnInit() override;
  void OnDestroy() override;
  bool IdleUpdate(const float& dt) override;
  void OnCommand(const std::string& command) override;
  // A speaker's balloon for the line's text, hidden, in its place over the speaker (made
  // once per speaker and line); empty when the resources lack it.
  virtual GF::IAnimation::AnimationPtr CreateBalloon(const std::string& speaker,
                                                     const std::wstring& text);
  // The text laid over a balloon, hidden.
  virtual GF::IAnimation::AnimationPtr CreateBalloonText(GF::IAnimation& balloon,
                                                         const std::wstring& text);

 private:
  struct CharacterSlot {
    AnimationPtr outgoing;  // last line's animation, to fade out
    AnimationPtr current;
    AnimationPtr balloon;
    AnimationPtr balloonText;
  };

  // The dialogue shown; null when there is none or it has no lines.
  const DialogRecord* Record() const;
  const DialogEntry& Line() const;
  int LineCount() const;
  bool IsFirstLine() const { return m_lineIndex == 0; }
  void SetResult(const std::string& result);

  void BuildBackground();
  void AdvanceLine();
  void PlaceCharacters();
  void PlaceCharacter(const DialogLine& item, int place);
  void ShowCharacterPoses();
  void FadeCharacters();
  void FadeCharacter(const AnimationPtr& animation, float from, float delay, float duration);
  void BuildBalloons();
  void PlaceBalloon(const CharacterSlot& slot, float offset, GF::IAnimation& balloon);
  void HideBalloons();
  void ShowBalloons();
  void UpdateButtons();
  void ShowFinalText();
  // Appends a step of the screen to the chain.
  void AppendStep(void (CDialogScreen::*step)());

  int m_lineIndex = 0;
  int m_dialogIndex = -1;
  // The first line is shown once; later lines step on from it.
  bool m_started = false;
  std::unordered_map<std::string, CharacterSlot> m_characters;
  std::vector<std::string> m_shownSpeakers;
  std::vector<std::string> m_newSpeakers;
  std::unordered_map<std::string, int> m_places;
  AnimationPtr m_dialogScene;
};
