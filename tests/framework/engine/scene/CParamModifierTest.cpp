#include <gtest/gtest.h>

#include <algorithm>

#include "framework/engine/scene/CParamModifier.h"
#include "platform/Engine.h"

namespace {

using GF::HGENS::CParamModifier;
using GF::HGENS::CParamModifierData;
using GF::HGENS::CParamModifierList;

// Fields: parameter id, kind, harmonic count, minimum, maximum, period range (s).
GF::THolder<CParamModifierList> Records(std::initializer_list<CParamModifierData> records) {
  GF::THolder<CParamModifierList> list(new CParamModifierList);
  list->assign(records);
  return list;
}

TEST(CParamModifierTest, NoRecordsMakeNoModifier) {
  EXPECT_FALSE(CParamModifier::Create(Records({})));
  EXPECT_FALSE(CParamModifier::Create(nullptr));
}

TEST(CParamModifierTest, ValuesStartAtZeroAndStayZeroWithoutSineOrHarmonics) {
  const auto modifier = CParamModifier::Create(Records({{2, 1, 1, -5.0f, 5.0f, 0.5f, 0.5f},
                                                        {3, 1, 0, 1.0f, 4.0f, 1.0f, 2.0f},
                                                        {1, 7, 2, 1.0f, 4.0f, 1.0f, 2.0f}}));
  ASSERT_TRUE(modifier);
  const float dt = 0.1f;
  modifier->Update(dt);                          // the values of t = 0
  EXPECT_FLOAT_EQ(modifier->GetValue(2), 0.0f);  // -5 + 10 * (0.5 + 0.5 * sin 0)
  EXPECT_EQ(modifier->GetValue(3), 0.0f);        // no harmonics
  EXPECT_EQ(modifier->GetValue(1), 0.0f);        // kind 7 adds nothing
  EXPECT_EQ(modifier->GetValue(4), 0.0f);        // no record
}

TEST(CParamModifierTest, OneHarmonicSwingsBetweenItsLimitsOverItsPeriod) {
  // A period range of one value: the drawn period is 0.5 s.
  const auto modifier = CParamModifier::Create(Records({{2, 1, 1, -5.0f, 5.0f, 0.5f, 0.5f}}));
  const float dt = 0.125f;  // a quarter period
  const float expected[] = {0.0f, 5.0f, 0.0f, -5.0f, 0.0f};
  for (float e : expected) {
    modifier->Update(dt);
    EXPECT_NEAR(modifier->GetValue(2), e, 1e-4f);
  }
  const float zero = 0.0f;
  modifier->Update(zero);  // no time, no change
  EXPECT_NEAR(modifier->GetValue(2), 0.0f, 1e-4f);
}

TEST(CParamModifierTest, HarmonicsWeighDownByOneAndAHalf) {
  // Two harmonics at their peak (t = a quarter of 1 s): (1 * 3 + 3 / 1.5) / 2.
  const auto modifier = CParamModifier::Create(Records({{1, 1, 2, 1.0f, 3.0f, 1.0f, 1.0f}}));
  const float quarter = 0.25f;
  modifier->Update(quarter);
  modifier->Update(quarter);
  EXPECT_NEAR(modifier->GetValue(1), (3.0f + 3.0f / 1.5f) / 2.0f, 1e-4f);
}

}  // namespace
