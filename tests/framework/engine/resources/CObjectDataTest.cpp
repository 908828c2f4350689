#include <gtest/gtest.h>

#include "framework/core/CBaseObject.h"
#include "framework/core/IAnimation.h"
#include "framework/engine/resources/CClippingObjectData.h"
#include "framework/engine/resources/CSpriteObjectData.h"
#include "framework/engine/resources/CTextDescription.h"

namespace {

using GF::HGENS::CObjectData;
using ObjectPtr = CObjectData::ObjectPtr;

// The least a live object does with its data: keep it.
class LiveObject : public GF::CBaseObject, public GF::IObjectAnimation {
 public:
  bool QueryInterface(const int& id, void** out) override {
    if (id == GF::kIdObjectAnimation || id == GF::kIdBase) {
      return Grant(static_cast<GF::IObjectAnimation*>(this), out);
    }
    return Refuse(out);
  }
  bool IsPlaying() const override { return true; }
  const std::string& GetName() const override { return data->GetName(); }
  GF::THolder<GF::IObjectData> GetObjectData() const override { return data; }
  GF::TSmartIPtr<GF::IAnimation, GF::kIdAnimation> GetAnimation() const override { return {}; }
  void SetObjectData(const GF::THolder<GF::IObjectData>& d) override { data = d; }
  void SetAnimation(const GF::TSmartIPtr<GF::IAnimation, GF::kIdAnimation>&) override {}
  void Detach() override {}
  void SetPlaying(bool) override {}
  bool Update(const float&) override { return false; }

  GF::THolder<GF::IObjectData> data;
};

ObjectPtr MakeLive() {
  return ObjectPtr(new LiveObject());
}

class CObjectDataTest : public testing::Test {
 protected:
  void TearDown() override { CObjectData::SetMaker(CObjectData::Kind::Sprite, nullptr); }
};

TEST_F(CObjectDataTest, LiveObjectsShareTheKeysOfTheirData) {
  const auto data = GF::MakeHolder<GF::HGENS::CSpriteObjectData>("face");
  EXPECT_FALSE(data->CreateObject());  // no maker of sprites installed

  CObjectData::SetMaker(CObjectData::Kind::Sprite, MakeLive);
  const ObjectPtr first = data->CreateObject();
  const ObjectPtr second = data->CreateObject();
  ASSERT_TRUE(first && second);
  EXPECT_NE(first, second);
  EXPECT_EQ(first->GetName(), "face");
  auto* a = dynamic_cast<GF::HGENS::CSpriteObjectData*>(first->GetObjectData().Get());
  auto* b = dynamic_cast<GF::HGENS::CSpriteObjectData*>(second->GetObjectData().Get());
  ASSERT_TRUE(a && b);
  // A key added to the data after creation is seen through both objects.
  data->GetColorTrack()->push_back({hgeColor(1, 0, 0, 1), 0, 10.0f});
  EXPECT_EQ(a->GetColorTrack()->size(), 1u);
  EXPECT_EQ(b->GetColorTrack().Get(), a->GetColorTrack().Get());

  // Other kinds keep their own makers.
  EXPECT_FALSE(GF::MakeHolder<GF::HGENS::CClippingObjectData>()->CreateObject());
}

TEST_F(CObjectDataTest, TextDescriptionSplitsItsFlags) {
  const GF::HGENS::CTextDescription text("caption", 3, 4, 5, 0x21, -1);
  EXPECT_EQ(text.GetLowFlags(), 0x01);
  EXPECT_EQ(text.GetHighFlags(), 0x20);
  EXPECT_EQ(text.GetText(), L"");  // an index outside the text table
}

}  // namespace
