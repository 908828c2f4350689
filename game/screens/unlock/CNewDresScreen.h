#pragma once

#include <string>

#include "game/app/UpgradeRecord.h"
#include "game/screens/CShowHideEffectScreen.h"

// "new_dress_screen": what the level just won grants, with its text: an outfit of the cook,
// another upgrade, or, on the first level of a stage (the print variant "print_screen"), the
// stage's recipe with an invitation to print it. Its buttons lead on ("ok"), or to the cook
// book ("cookbook") on the print variant.
class CNewDresScreen : public CCurtainScreen {
 public:
  static GF::THolder<GF::IScreen> Create();

  // The flow's layout, or "print_screen" on a stage's first level (or stage 7's level 8) that
  // was not chosen as a replay.
  void Init(const std::string& layout, const GF::THolder<GF::IScene>& scene,
            const char* parameter) override;

  // The picture of the level index's item: the outfit's hanger, the upgrade's own picture, the
  // stage's recipe on the print layout, else none ("").
  static std::string PictureName(int levelIndex, const UpgradeRecord& upgrade, bool print,
                                 int stage);

 protected:
  void OnInit() override;
  void StartShow() override;
  virtual void FillItem();
  virtual void BindControls();
};
