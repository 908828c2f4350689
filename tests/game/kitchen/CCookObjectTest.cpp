#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <string>
#include <vector>

#include "framework/engine/particles/CFGParticle.h"
#include "framework/engine/particles/ParticleRegistry.h"
#include "game/app/LibraryData.h"
#include "game/app/PlayerProfiles.h"
#include "game/kitchen/CCookObject.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace {

using pm::test::CountPlayerCalls;
using Points = std::vector<GF::TPoint<int>>;

// Counts the customers a device brings.
class CCustomerField : public pm::test::CTestField {
 public:
  void AddNextCustomer() override { ++customers; }
  int customers = 0;
};

class CCookObjectTest : public pm::test::FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    ASSERT_TRUE(LoadLibraryDataFile());
  }
  void TearDown() override {
    // The fire leaves the scene, which it holds, as the game's scenes let their particles go.
    GF::HGENS::ParticleRegistry::Instance().Clear(scene.Get());
    FieldFixture::TearDown();
  }

  // A device as a level places it, idle, at (400, 300) unless said otherwise.
  GF::THolder<CCookObject> Place(const std::string& name, GF::TPoint<float> scale = {1, 1},
                                 float angle = 0.0f) {
    DeviceSlot slot;
    slot.Name = name;
    slot.Position = {400.0f, 300.0f};
    slot.Scale = scale;
    slot.Angle = angle;
    slot.Opacity = 1.0f;
    slot.Layer = 300;
    GF::THolder<CCookObject> device = CCookObject::Create(slot, scene);
    if (const auto animation = device->HolderGetCast()) {
      animation->Play("_idle", 0, false);
      animation->Update(0.0f);
    }
    return device;
  }
  // The mixer's description with a hit mask of its own: 10 x 10 pixels around the origin,
  // every byte 0 but those listed as 1.
  static void SetMixerMask(std::size_t bytes, const std::vector<std::size_t>& misses = {}) {
    ObjectDescription& mixer = GetLibraryData().Objects.at("Devices.mixer");
    mixer.UsesHitMask = true;
    mixer.Mask = {std::vector<std::uint8_t>(bytes, 0), 10, -5, -5, 10};
    for (std::size_t i : misses) mixer.Mask.Bytes[i] = 1;
  }
  static Points Hits(CCookObject& device, const Points& points) {
    Points hits;
    for (const auto& p : points)
      if (HitTestObject(p, device, true)) hits.push_back(p);
    return hits;
  }
};

TEST_F(CCookObjectTest, TheRectangleHitsOnItsEdgesAndWithoutAMaskAlsoOnTransparentPixels) {
  const auto griddle = Place("Devices.griddle");
  ASSERT_TRUE(griddle->HolderGetCast());
  ASSERT_TRUE(HitTestObject({400, 280}, *griddle, true));
  const GF::TRect<int> r = griddle->GetRect();
  ASSERT_FALSE(r.IsEmpty());
  // The corners are transparent in the drawing, and still hit.
  const Points corners = {
      {r.left, r.top}, {r.right, r.top}, {r.left, r.bottom}, {r.right, r.bottom}};
  EXPECT_EQ(Hits(*griddle, corners), corners);
  EXPECT_TRUE(
      Hits(
          *griddle,
          {{r.left - 1, r.top}, {r.right + 1, r.top}, {r.left, r.top - 1}, {r.right, r.bottom + 1}})
          .empty());

  // The sample mixer has the mask of its drawing: its transparent corner misses, its bowl hits.
  const auto mixer = Place("Devices.mixer");
  ASSERT_TRUE(mixer->GetDescription().UsesHitMask);
  EXPECT_FALSE(HitTestObject({mixer->GetRect().left + 1, mixer->GetRect().top + 1}, *mixer, true));
  EXPECT_TRUE(HitTestObject({400, 260}, *mixer, true));
}

TEST_F(CCookObjectTest, TheMasksLastRowNeverHitsAndAShortMaskIsNeverReadPast) {
  // Rows 0..9 lie on y 295..304; column 9 of row 8 is marked a miss.
  for (std::size_t bytes : {std::size_t{100}, std::size_t{90}}) {
    SetMixerMask(bytes, {89});
    const auto mixer = Place("Devices.mixer");
    EXPECT_TRUE(HitTestObject({400, 303}, *mixer, true)) << bytes;   // row 8
    EXPECT_FALSE(HitTestObject({404, 303}, *mixer, true)) << bytes;  // its marked byte
    EXPECT_FALSE(HitTestObject({400, 304}, *mixer, true)) << bytes;  // the last row
    EXPECT_FALSE(HitTestObject({400, 305}, *mixer, true)) << bytes;  // below the mask
    EXPECT_FALSE(HitTestObject({405, 300}, *mixer, true)) << bytes;  // right of it
  }
  // Bytes the mask lacks miss.
  SetMixerMask(50);
  const auto mixer = Place("Devices.mixer");
  EXPECT_TRUE(HitTestObject({400, 299}, *mixer, true));   // row 4
  EXPECT_FALSE(HitTestObject({400, 300}, *mixer, true));  // row 5: past the bytes
}

TEST_F(CCookObjectTest, ARotatedScaledDeviceIsHitWhereItsMaskPixelWasTurnedTo) {
  // One hit pixel, 2 right of the origin; twice the size and turned a quarter clockwise it
  // stands 4 to 5 below the device's position.
  SetMixerMask(100);
  ObjectDescription& mixer = GetLibraryData().Objects.at("Devices.mixer");
  std::fill(mixer.Mask.Bytes.begin(), mixer.Mask.Bytes.end(), 1);
  mixer.Mask.Bytes[5 * 10 + 7] = 0;
  const auto turned = Place("Devices.mixer", {2, 2}, std::numbers::pi_v<float> / 2.0f);
  EXPECT_EQ(Hits(*turned, {{400, 305}, {405, 300}, {400, 300}, {395, 300}}), (Points{{400, 305}}));
  const auto upright = Place("Devices.mixer", {2, 2});
  EXPECT_EQ(Hits(*upright, {{400, 305}, {405, 300}}), (Points{{405, 300}}));

  // Scaled to nothing: the rectangle is a point, and the point misses.
  const auto flat = Place("Devices.mixer", {0, 0});
  const GF::TRect<int> r = flat->GetRect();
  EXPECT_FALSE(HitTestObject({r.left, r.top}, *flat, true));
  EXPECT_FALSE(HitTestObject({400, 300}, *flat, true));
}

TEST_F(CCookObjectTest, AnUnknownNameHasAnEmptyDescriptionAndNoNodeAndIsLoggedOnce) {
  const std::size_t objects = GetLibraryData().Objects.size();
  const auto a = Place("Devices.unknown");
  const auto b = Place("Devices.unknown");
  EXPECT_FALSE(a->HolderGetCast());
  EXPECT_TRUE(a->GetDescription().Key.empty());
  EXPECT_FALSE(HitTestObject({400, 300}, *a, true));
  CCookObject::StartWork(a, field);
  CCookObject::EndWork(a, field);
  EXPECT_EQ(GetLibraryData().Objects.size(), objects) << "the catalogue does not grow";
  EXPECT_EQ(std::count(session.LogLines().begin(), session.LogLines().end(),
                       "[W] OBJECT Devices.unknown NOT FOUND"),
            1);
}

TEST_F(CCookObjectTest, TwoStovesShareOneFireThatGoesOutWithTheSecond) {
  const auto first = Place("Devices.electric_stove_4");
  const auto second = Place("Devices.electric_stove_4");
  ASSERT_FALSE(CCookObject::GetStoveFire());
  CCookObject::StartWork(first, field);
  const auto fire = CCookObject::GetStoveFire();
  ASSERT_TRUE(fire);
  EXPECT_EQ(fire->GetScene(), GF::THolder<GF::IScene>(scene));
  EXPECT_EQ(fire->GetLayer(), 1000);
  EXPECT_EQ(fire->GetPosition(), (GF::TPoint<float>{400.0f, 300.0f}));
  CCookObject::StartWork(second, field);
  EXPECT_EQ(CCookObject::GetStoveFire(), fire) << "one fire";

  CCookObject::EndWork(first, field);
  EXPECT_EQ(CCookObject::GetStoveFire(), fire);
  EXPECT_TRUE(fire->IsEmitting());
  CCookObject::EndWork(second, field);
  EXPECT_FALSE(CCookObject::GetStoveFire());
  EXPECT_FALSE(fire->IsEmitting()) << "the flames in the air burn out";
  first->HolderGetCast()->Update(0.0f);
  EXPECT_EQ(first->HolderGetCast()->GetTime(), 500.0f) << "closed after work";
  EXPECT_EQ(CountPlayerCalls("sound:Stop stove_work"), 1);
}

TEST_F(CCookObjectTest, AWorkSoundStopsWithTheLastDeviceThatUsesItAndAQuietEndRingsNoBell) {
  const auto mixer = Place("Devices.mixer");
  const auto upgraded = Place("Devices.UPG_mixer");
  CCookObject::StartWork(mixer, field);
  CCookObject::StartWork(upgraded, field);
  EXPECT_EQ(CCookObject::GetWorkSoundCount("mixer_work"), 2);
  EXPECT_EQ(CountPlayerCalls("sound:Play device_start 1 0.000000"), 2) << "sound 33";
  mixer->HolderGetCast()->Update(0.0f);
  EXPECT_GE(mixer->HolderGetCast()->GetTime(), 100.0f) << "working";

  CCookObject::EndWork(mixer, field);
  EXPECT_EQ(CountPlayerCalls("sound:Stop mixer_work"), 0);
  EXPECT_EQ(CountPlayerCalls("sound:Play bell 1 0.000000"), 1);
  EXPECT_EQ(CountPlayerCalls("sound:Play device_end 1 0.000000"), 1) << "sound 34";
  mixer->HolderGetCast()->Update(0.0f);
  EXPECT_LT(mixer->HolderGetCast()->GetTime(), 100.0f) << "idle again";

  CCookObject::EndWork(upgraded, field, true);
  EXPECT_EQ(CountPlayerCalls("sound:Stop mixer_work"), 1);
  EXPECT_EQ(CountPlayerCalls("sound:Play bell 1 0.000000"), 1) << "quiet";
  EXPECT_EQ(CountPlayerCalls("sound:Play device_end 1 0.000000"), 1);
  EXPECT_EQ(CCookObject::GetWorkSoundCount("mixer_work"), 0);

  // An end without a start leaves the count at 0.
  CCookObject::EndWork(mixer, field, true);
  EXPECT_EQ(CCookObject::GetWorkSoundCount("mixer_work"), 0);
}

TEST_F(CCookObjectTest, TheFirstTutorialLevelBringsACustomerAsADeviceStarts) {
  const auto customers = GF::MakeHolder<CCustomerField>();
  field = customers;
  const auto griddle = Place("Devices.griddle");
  for (const char* level : {"stage1_2", "stage1_1"}) {
    ASSERT_TRUE(field->LoadLevel(level));
    CCookObject::StartWork(griddle, field);
    CCookObject::EndWork(griddle, field, true);
  }
  EXPECT_EQ(customers->customers, 1);
  EXPECT_EQ(CountPlayerCalls("sound:Play mach_start_oven 1 0.000000"), 2);
  EXPECT_EQ(CountPlayerCalls("sound:Play device_start 1 0.000000"), 0);
}

TEST_F(CCookObjectTest, AStageUpgradeReplacesTheMixerInItsDescription) {
  const std::size_t stages = CurrentProfile().StageRecords.size();
  EXPECT_EQ(GetObjectDescription("Devices.mixer").Key, "Devices.mixer");
  EXPECT_EQ(CurrentProfile().StageRecords.size(), stages) << "the profile does not grow";
  EXPECT_EQ(GetObjectShownName("Devices.griddle"), "Devices.griddle") << "no shown name";

  CurrentProfile().StageRecords[CurrentProfile().StageKey].Items["Devices.mixer"] = "UPG_mixer";
  CurrentProfile().StageRecords[CurrentProfile().StageKey].Items["Devices.griddle"] = "UPG_mixer";
  EXPECT_EQ(GetObjectDescription("Devices.mixer").Key, "Devices.UPG_mixer");
  EXPECT_EQ(GetObjectDescription("Devices.griddle").Key, "Devices.griddle") << "only two keys";
  GetLibraryData().Objects.at("Devices.UPG_mixer").ShownName = "Turbo mixer";
  EXPECT_EQ(GetObjectShownName("Devices.mixer"), "Turbo mixer");
}

}  // namespace
