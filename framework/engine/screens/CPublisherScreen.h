#pragma once

#include "framework/engine/screens/CMenuScreenAbstract.h"
#include "framework/engine/screens/CSpalshDrawable.h"

namespace GF::HGENS {

// The start-up logo screen ("PublisherScreen"): runs the splash images and leaves with
// "starting" once the last one has faded out. Its parameter text gives the images' hold
// times in ms, in order, joined by ",".
class CPublisherScreen : public CMenuScreenAbstract {
 public:
  void Init(const std::string& layout, const THolder<IScene>& scene,
            const char* parameter) override;
  bool Update(const float& dt) override;

  const THolder<CSpalshDrawable>& GetSplash() const { return m_splash; }

 protected:
  // Takes the splash out of the scene, which may be another screen's.
  void OnDestroy() override;

 private:
  THolder<CSpalshDrawable> m_splash;
};

THolder<IScreen> CreatePublisherScreen();

}  // namespace GF::HGENS
