#include "game/kitchen/CCookObject.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

#include "framework/core/CObjectProperties.h"
#include "framework/engine/particles/CFGParticle.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "platform/Engine.h"

namespace {

constexpr const char* kFireStove = "Devices.electric_stove_4";

// What every working device shares, over levels: how many devices run each work sound, and
// the one fire that burns while any electric stove works.
struct WorkingDevices {
  std::unordered_map<std::string, int> sounds;
  GF::THolder<GF::HGENS::CFGParticle> fire;
  int stoves = 0;
};

WorkingDevices& Working() {
  static WorkingDevices working;
  return working;
}

// The catalogue's description of the key; an empty one, logged once per key, for a key the
// catalogue lacks (the level data and the catalogue disagree).
const ObjectDescription& FindDescription(const std::string& key) {
  if (const ObjectDescription* found = GetLibraryData().FindObject(key)) return *found;
  static const ObjectDescription kNone;
  static std::unordered_set<std::string> logged;
  if (logged.insert(key).second) {
    Engine* engine = hgeCreate(ENGINE_VERSION);
    engine->Log("[W] OBJECT %s NOT FOUND", key.c_str());
    engine->Release();
  }
  return kNone;
}

// The device the current player's stage record puts in place of the key, or the key itself.
std::string ReplacedKey(const std::string& key) {
  const auto player = GameProgress.Players.find(GameProgress.CurrentPlayer);
  if (player == GameProgress.Players.end()) return key;
  const PlayerProfile& profile = player->second;
  const auto stage = profile.StageRecords.find(profile.StageKey);
  if (stage == profile.StageRecords.end()) return key;
  const auto replaced = stage->second.Items.find(key);
  return replaced == stage->second.Items.end() ? key : "Devices." + replaced->second;
}

bool StartsWithOvenSound(const std::string& key) {
  return key == "Devices.saucepan_2" || key == "Devices.griddle_2" || key == "Devices.saucepan" ||
         key == "Devices.griddle";
}

void LightStoveFire() {
  WorkingDevices& working = Working();
  if (!working.fire) {
    working.fire = GF::HGENS::CFGParticle::Create("Particle\\fire_big.fgp", "particles",
                                                  GF::HGENS::CFGParticle::kEndless, false);
    working.fire->SetScene(GetLevelInterfaceLayer());
    working.fire->SetLayer(1000);
    working.fire->SetPosition(400.0f, 300.0f);
  }
  ++working.stoves;
}

void PutOutStoveFire() {
  WorkingDevices& working = Working();
  if (--working.stoves > 0) return;
  working.stoves = 0;
  if (!working.fire) return;
  working.fire->Stop();  // the flames in the air burn out
  working.fire.Reset();
}

// A local coordinate that can be taken as an int.
bool IsIntCoordinate(float value) {
  return std::isfinite(value) && value > static_cast<float>(INT_MIN) &&
         value < static_cast<float>(INT_MAX);
}

}  // namespace

GF::THolder<CCookObject> CCookObject::Create(const DeviceSlot& slot,
                                             GF::THolder<GF::IScene> layer) {
  return GF::THolder<CCookObject>(new CCookObject(slot, layer));
}

CCookObject::CCookObject(const DeviceSlot& slot, const GF::THolder<GF::IScene>& layer)
    : m_slot(slot), m_description(&FindDescription(slot.Name)) {
  if (layer) m_animation = layer->CreateAnimation(slot.Name);
  if (!m_animation) return;
  m_animation->SetPosition(slot.Position);
  m_animation->SetScale(slot.Scale.x, slot.Scale.y);
  m_animation->SetAngle(slot.Angle);
  m_animation->SetOpacity(slot.Opacity);
  m_animation->SetLayer(slot.Layer);
  m_animation->Update(0.0f);
  ReadRect();
}

CCookObject::~CCookObject() = default;

void CCookObject::ReadRect() {
  if (m_animation) m_animation->GetBoundingRect(m_rect);
}

void CCookObject::SetShown(bool shown) {
  m_shown = shown;
  if (!m_animation) return;
  m_animation->SetVisible(shown);
  m_animation->SetActive(shown);
}

void CCookObject::StartWork(GF::THolder<CCookObject> self, GF::THolder<CGameFieldBase> field) {
  if (!self) return;
  const ObjectDescription& description = self->GetDescription();
  if (field) {
    const LevelDescription* level = field->GetLevelDescription();
    // The first tutorial level brings its next customer as a device starts.
    if (level && level->LevelKey == "stage1_1" && field->GetLevelTime() < level->LevelTime)
      field->AddNextCustomer();
  }
  if (StartsWithOvenSound(description.Key))
    PlaySoundByName("mach_start_oven");
  else
    PlaySoundById(33);
  if (!description.WorkSound.empty()) ++Working().sounds[description.WorkSound];
  if (description.Key == kFireStove) LightStoveFire();
  if (self->m_animation) self->m_animation->Play("_work", 0, false);
}

void CCookObject::EndWork(GF::THolder<CCookObject> self, GF::THolder<CGameFieldBase>, bool quiet) {
  if (!self) return;
  const ObjectDescription& description = self->GetDescription();
  if (!description.WorkSound.empty()) {
    int& count = Working().sounds[description.WorkSound];
    if (--count <= 0) {
      count = 0;
      StopSoundByName(description.WorkSound);
    }
  }
  if (!quiet) {
    PlaySoundByName("bell");
    PlaySoundById(34);
  }
  const bool stove = description.Key == kFireStove;
  if (self->m_animation) self->m_animation->Play(stove ? "_closed" : "_idle", 0, false);
  if (stove) PutOutStoveFire();
}

int CCookObject::GetWorkSoundCount(const std::string& sound) {
  const auto found = Working().sounds.find(sound);
  return found == Working().sounds.end() ? 0 : found->second;
}

GF::THolder<GF::HGENS::CFGParticle> CCookObject::GetStoveFire() {
  return Working().fire;
}

bool HitTestObject(const GF::TPoint<int>& point, CCookObject& object, bool refresh) {
  if (!object.m_animation) return false;
  if (refresh) object.ReadRect();
  const GF::TRect<int>& rect = object.m_rect;
  if (point.x < rect.left || point.x > rect.right || point.y < rect.top || point.y > rect.bottom)
    return false;
  const ObjectDescription& description = object.GetDescription();
  if (!description.UsesHitMask) return true;

  // Into the node's own frame through its placement on the screen (a device is no child).
  GF::TPoint<float> local;
  GF::InverseTransformPoint(local, {static_cast<float>(point.x), static_cast<float>(point.y)},
                            object.m_animation->GetProperties());
  // A node scaled to nothing has no pixels to hit.
  if (!IsIntCoordinate(local.x) || !IsIntCoordinate(local.y)) return false;
  const HitMask& mask = description.Mask;
  const std::int64_t lx = static_cast<std::int64_t>(static_cast<int>(local.x)) - mask.OriginX;
  const std::int64_t ly = static_cast<std::int64_t>(static_cast<int>(local.y)) - mask.OriginY;
  // The mask's last row never hits.
  if (lx < 0 || ly < 0 || lx >= mask.Width || ly >= std::int64_t{mask.Height} - 1) return false;
  if (mask.Bytes.empty()) return true;
  const std::int64_t index = ly * mask.Width + lx;
  return index < static_cast<std::int64_t>(mask.Bytes.size()) &&
         mask.Bytes[static_cast<std::size_t>(index)] == 0;
}

const ObjectDescription& GetObjectDescription(const std::string& key) {
  if (key == "Devices.mixer" || key == "Devices.electric_stove_3")
    return FindDescription(ReplacedKey(key));
  return FindDescription(key);
}

std::string GetObjectShownName(const std::string& key) {
  const ObjectDescription& description = GetObjectDescription(key);
  return description.ShownName.empty() ? key : description.ShownName;
}
