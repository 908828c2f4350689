#pragma once

#include <string>

#include "framework/core/CRefCount.h"
#include "framework/core/IAnimation.h"
#include "framework/core/IScene.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/core/TRect.h"
#include "game/app/LevelDescription.h"
#include "game/app/LibraryData.h"

namespace GF::HGENS {
class CFGParticle;
}
class CGameFieldBase;

// One placed object of a level: a kitchen device, an ingredient stand or a bonus level's
// item. It joins the level's placement (DeviceSlot), the catalogue's description of the
// same key ("Devices.mixer") and an animation node of that name. A device's state lives in
// its animation: "_idle", "_work" while it cooks, "_closed" for an electric stove after work.
class CCookObject : public GF::CRefCount {
 public:
  using AnimationPtr = GF::IAnimation::AnimationPtr;

  // The object as the slot places it, on the layer. A name the catalogue lacks gets an empty
  // description (logged once per name); a name without an animation leaves it without a
  // node, and it never hits.
  static GF::THolder<CCookObject> Create(const DeviceSlot& slot, GF::THolder<GF::IScene> layer);
  CCookObject(const DeviceSlot& slot, const GF::THolder<GF::IScene>& layer);
  ~CCookObject() override;
  CCookObject(const CCookObject&) = delete;
  CCookObject& operator=(const CCookObject&) = delete;

  // The animation node; empty when the object has none.
  AnimationPtr HolderGetCast() const { return m_animation; }
  const ObjectDescription& GetDescription() const { return *m_description; }
  // The placement the object was made from.
  const DeviceSlot& GetSlot() const { return m_slot; }
  // The screen rectangle of the animation, as last read.
  const GF::TRect<int>& GetRect() const { return m_rect; }

  // Shows or hides the object; a hidden one is neither drawn nor updated.
  void SetShown(bool shown);
  bool IsShown() const { return m_shown; }
  // Cleared once the object has been used up (a found item, a taken object).
  void SetActive(bool active) { m_active = active; }
  bool IsActive() const { return m_active; }

  // The device starts cooking: the first tutorial level brings its next customer, the start
  // sound plays, the work-sound count rises and an electric stove lights the shared fire.
  static void StartWork(GF::THolder<CCookObject> self, GF::THolder<CGameFieldBase> field);
  // The device is done: its work sound stops with the last device that uses it, the bell
  // rings (unless quiet: work stopped with the level) and the shared fire goes out with the
  // last stove.
  static void EndWork(GF::THolder<CCookObject> self, GF::THolder<CGameFieldBase> field,
                      bool quiet = false);

  // Devices working now with that work sound, over every level.
  static int GetWorkSoundCount(const std::string& sound);
  // The fire over the kitchen while an electric stove works; empty otherwise.
  static GF::THolder<GF::HGENS::CFGParticle> GetStoveFire();

 private:
  friend bool HitTestObject(const GF::TPoint<int>& point, CCookObject& object, bool refresh);

  void ReadRect();

  DeviceSlot m_slot;
  GF::TRect<int> m_rect;
  bool m_shown = true;
  bool m_active = true;
  AnimationPtr m_animation;
  const ObjectDescription* m_description = nullptr;  // the catalogue's, never null
};

// Whether a screen point is on the object: inside its rectangle (edges included) and, when
// its description asks for it, on a hit pixel of its mask. With refresh the rectangle is
// read again first (the object moved).
bool HitTestObject(const GF::TPoint<int>& point, CCookObject& object, bool refresh);

// The catalogue's description of the key, where the current player's stage record has
// replaced "Devices.mixer" or "Devices.electric_stove_3" by an upgrade. A key the catalogue
// lacks gives an empty description.
const ObjectDescription& GetObjectDescription(const std::string& key);
// The description's shown name, or the key when it has none.
std::string GetObjectShownName(const std::string& key);
