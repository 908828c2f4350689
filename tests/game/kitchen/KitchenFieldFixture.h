#pragma once

// The kitchen field on the sample content, set up as the game screen does it: HUD, level,
// plates. Built on FieldFixture's surroundings, with the catalogue loaded too.

#include <gtest/gtest.h>

#include <string>

#include "framework/core/THolder.h"
#include "game/app/LibraryData.h"
#include "game/kitchen/CGameField.h"
#include "tests/game/kitchen/FieldFixture.h"

namespace pm::test {

// The kitchen field with its level time set by the test.
class CKitchenTestField : public CGameField {
 public:
  void SetLevelTime(float ms) { m_levelTime = ms; }
};

class KitchenFieldFixture : public FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    ASSERT_TRUE(LoadLibraryDataFile());
    kitchenField = GF::MakeHolder<CKitchenTestField>();
  }
  void TearDown() override {
    if (kitchenField) kitchenField->Shutdown();
    kitchenField.Reset();
    FieldFixture::TearDown();
  }
  // HUD and level; false when the level is refused.
  bool LoadKitchen(const std::string& key) {
    hud = MakeHud();
    kitchenField->BuildHUD(hud, nullptr);
    return kitchenField->LoadLevel(key);
  }

  GF::THolder<CKitchenTestField> kitchenField;
};

}  // namespace pm::test
