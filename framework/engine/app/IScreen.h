#pragma once

#include <string>

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"

namespace GF {

class IScene;

// A screen as the game manager drives it: created by name, initialised, stacked, activated,
// updated and drawn while on top, deactivated when it finishes, and destroyed. The screen
// framework's CScreenAbstract implements it and adds the rest of a screen's operations.
class IScreen : public CRefCount {
 public:
  // The scene is an empty holder for a screen that makes its own, or the scene of the screen
  // it is shown over; the parameter text is the screen's own business (null when none).
  virtual void Init(const std::string& layout, const THolder<IScene>& scene,
                    const char* parameter) = 0;
  virtual void Render() = 0;
  // What a finished screen reports (the command it left with).
  virtual const std::string& GetResult() const = 0;
  virtual const std::string& GetName() const = 0;
  virtual void SetName(const std::string& name) = 0;
  // dt in milliseconds; false when the screen has finished.
  virtual bool Update(const float& dt) = 0;
  virtual void Activate() = 0;
  virtual void Deactivate() = 0;
  // Tears the screen down before the stack drops it.
  virtual void Destroy() = 0;
  virtual bool IsOverlay() const = 0;
  virtual void SetOverlay(bool overlay) = 0;
};

}  // namespace GF
