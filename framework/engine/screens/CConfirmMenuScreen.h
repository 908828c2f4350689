#pragma once

#include <string>

#include "framework/engine/screens/CMenuScreenAbstract.h"

namespace GF::HGENS {

// The yes/no question shown over the screen that asks ("confirm_screen"): its parameter is
// the question's text key, whose texts key + "_01" to "_03" fill the phrase parts
// "_phrase_1" to "_phrase_3". It leaves with "yes" (the "yes" button or Enter) or "no" (the
// "no" button or Escape); the asking screen reads the result and destroys it.
class CConfirmMenuScreen : public CMenuScreenAbstract {
 public:
  void Init(const std::string& layout, const THolder<IScene>& scene,
            const char* parameter) override;
  // Shows the phrases that the text table has for the key and hides the others.
  virtual void SetQuestion(const char* key);

 protected:
  void OnInit() override;
  // The text of one line of the question, by its text key; an empty text hides the line.
  virtual std::wstring GetPhraseText(const std::string& textKey) const;
};

THolder<IScreen> CreateConfirmMenuScreen();

}  // namespace GF::HGENS
