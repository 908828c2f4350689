#include "framework/engine/screens/CConfirmMenuScreen.h"

#include "framework/engine/resources/CResource.h"
#include "framework/engine/screens/ControlParts.h"

namespace GF::HGENS {
namespace {

constexpr int kKeyEnter = 24;
constexpr int kKeyEscape = 17;
constexpr int kPhraseCount = 3;

}  // namespace

THolder<IScreen> CreateConfirmMenuScreen() {
  return MakeHolder<CConfirmMenuScreen>();
}

void CConfirmMenuScreen::Init(const std::string& layout, const THolder<IScene>& scene,
                              const char* parameter) {
  CMenuScreenAbstract::Init(layout, scene, parameter);
  SetQuestion(parameter);
}

void CConfirmMenuScreen::OnInit() {
  CMenuScreenAbstract::OnInit();
  for (const auto& [answer, key] : {std::pair{"yes", kKeyEnter}, std::pair{"no", kKeyEscape}}) {
    AddMenuItem(answer, answer, false, kUsualFlags);
    AddShortcut(key, answer, false, kUsualFlags);
    if (const THolder<CBaseControl> button = GetControl(answer)) AttachMenuSounds(*button);
  }
}

void CConfirmMenuScreen::SetQuestion(const char* key) {
  const AnimationPtr layout = GetLayout();
  if (!layout) return;
  const std::string question = key ? key : "";
  for (int n = 1; n <= kPhraseCount; ++n) {
    const std::string part = "_phrase_" + std::to_string(n);
    const std::wstring text = GetPhraseText(question + "_0" + std::to_string(n));
    if (!text.empty()) layout->SetText(part, text);
    layout->ShowObject(part.c_str(), !text.empty());
  }
}

std::wstring CConfirmMenuScreen::GetPhraseText(const std::string& textKey) const {
  return GetResources()->GetText(textKey);
}

}  // namespace GF::HGENS
