#pragma once

#include <string>
#include <vector>

#include "framework/core/IAnimation.h"
#include "framework/core/TPoint.h"
#include "game/kitchen/CActionWorker.h"
#include "game/screens/CShowHideEffectScreen.h"

// "new_ingridient_screen": before a level, the ingredients it brings in, as a grid of
// pictures with their names that appear one after another. Shown once per level and player;
// a level without new ingredients, or one seen before, opens no layout and leaves at once
// with "play". "ok" leaves with "play", or first completes the grid while elements are still
// to appear.
class CNewIngridientScreen : public CCurtainScreen, public CActionWorker {
 public:
  static GF::THolder<GF::IScreen> Create();

  // The layout for the level's new ingredients: "main_menu.ingredients_screen_1" for 1 to 3,
  // "_2" for 4 to 6, "_3" for more; "" for none.
  static std::string ChooseLayout(const std::string& levelKey);
  static std::string LayoutForCount(int count);
  // Where the elements of a grid of count stand, relative to the layout's "_place": rows of 3
  // (of 4 when 3 would need more than 4 rows), centred, 105 apart in a row and 88 between
  // rows (two rows at -66 and +66).
  static std::vector<GF::TPoint<float>> ElementPlaces(int count);
  // Milliseconds before element m appears.
  static float ElementDelay(int m);
  // The name with a line break after its first space.
  static std::wstring BreakName(std::wstring name);
  // The scale that brings a picture of that height down to the element's 44.
  static float PictureScale(int height);

  // The given layout is not used: the level's ingredients choose it.
  void Init(const std::string& layout, const GF::THolder<GF::IScene>& scene,
            const char* parameter) override;
  bool Update(const float& dt) override;

 protected:
  void OnInit() override;
  void OnDestroy() override;
  void StartShow() override;
  void OnCommand(const std::string& command) override;
  virtual GF::IAnimation::AnimationPtr CreateElement(const std::string& ingredient);
  virtual void ShowElements(const std::vector<std::string>& ingredients);

 private:
  std::string m_levelKey;
  std::vector<GF::IAnimation::AnimationPtr> m_elements;
};
