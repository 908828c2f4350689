#pragma once

#include <string>

// The developer mode: on while the whole secret word has been typed an odd number of times.
// Not saved; the kitchen and the map give extra keys their cheat meaning while it is on.
extern bool CheatModeEnabled;

// Watches typed characters for the secret word; typing all of it switches the developer
// mode. With the mode on, '7' completes every level of stages 1 to 7. The title screen
// connects the one watcher (Instance) to the typed characters while it is active.
class CCheatClass {
 public:
  explicit CCheatClass(std::wstring word);

  // The program's watcher, over the program's own word.
  static CCheatClass& Instance();

  // A matching character is logged and advances the match; any other character starts the
  // match again, except '7' with the mode on, which completes the levels.
  void OnChar(wchar_t c);
  // Every level of stages 1 to 7 completed in first place, with its upgrades and recipes;
  // the player on level 8 of stage 7 with the whole story seen.
  void UnlockEverything(wchar_t c);

  int GetPosition() const { return m_position; }

 private:
  std::wstring m_word;
  int m_position = 0;
};

// Books the level as won in first place with 250 points, its rivals at their targets. A
// place of 100 or more (a bonus or duel result) is kept.
void CheatCompleteLevel(const std::string& levelKey);
