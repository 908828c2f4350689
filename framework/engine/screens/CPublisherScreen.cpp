#include "framework/engine/screens/CPublisherScreen.h"

#include <cstdlib>
#include <string_view>

namespace GF::HGENS {

THolder<IScreen> CreatePublisherScreen() {
  return MakeHolder<CPublisherScreen>();
}

void CPublisherScreen::Init(const std::string& layout, const THolder<IScene>& scene,
                            const char* parameter) {
  CMenuScreenAbstract::Init(layout, scene, parameter);
  m_splash = MakeHolder<CSpalshDrawable>();
  if (parameter) {
    std::string_view rest = parameter;
    for (int n = 1;; ++n) {
      const std::size_t comma = rest.find(',');
      const std::string field(rest.substr(0, comma));
      m_splash->SetImageTime(n, static_cast<int>(std::strtol(field.c_str(), nullptr, 10)));
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
  }
  m_splash->Start();
  if (const THolder<IScene> own = GetScene())
    own->AddDrawable(IScene::DrawablePtr(static_cast<IDrawable*>(m_splash.Get())));
}

void CPublisherScreen::OnDestroy() {
  if (const THolder<IScene> scene = GetScene(); scene && m_splash)
    scene->RemoveDrawable(IScene::DrawablePtr(static_cast<IDrawable*>(m_splash.Get())));
  CMenuScreenAbstract::OnDestroy();
}

bool CPublisherScreen::Update(const float& dt) {
  m_splash->Update(dt);
  if (m_splash->IsFinished() && GetResult() != "starting") GoTo("starting", kUsualFlags);
  return CMenuScreenAbstract::Update(dt);
}

}  // namespace GF::HGENS
