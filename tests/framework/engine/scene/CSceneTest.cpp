#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/CBaseObject.h"
#include "framework/core/TMethodDelegate.h"
#include "framework/engine/scene/CScene.h"
#include "platform/Engine.h"

namespace {

using GF::HGENS::CScene;
using DrawablePtr = GF::IScene::DrawablePtr;

// A drawable with a layer that notes its drawing in a shared list.
class LayerDrawable : public GF::CBaseObject, public GF::IDrawable {
 public:
  LayerDrawable(std::string name, int layer, std::vector<std::string>* drawn)
      : name_(std::move(name)), layer_(layer), drawn_(drawn) {}
  bool QueryInterface(const int& id, void** out) override {
    if (id == GF::kIdBase) return Grant(static_cast<GF::IBase*>(this), out);
    if (id == GF::kIdDrawable) return Grant(static_cast<GF::IDrawable*>(this), out);
    return Refuse(out);
  }
  void Detach() override {
    if (scene_) scene_->RemoveDrawable(DrawablePtr(this));
    scene_.Reset();
  }
  void Render() override { drawn_->push_back(name_); }
  int GetLayer() const override { return layer_; }
  const GF::TRect<int>& GetBoundingRect() override { return rect_; }
  GF::THolder<GF::IScene> GetScene() const override { return scene_; }
  bool IsShown() const override { return true; }
  void SetScene(const GF::THolder<GF::IScene>& scene) override {
    scene_ = scene;
    if (scene_) scene_->AddDrawable(DrawablePtr(this));
  }
  void SetShown(bool) override {}
  void SetLayer(int layer) { layer_ = layer; }

 private:
  std::string name_;
  int layer_;
  std::vector<std::string>* drawn_;
  GF::TRect<int> rect_;
  GF::THolder<GF::IScene> scene_;
};

class CSceneTest : public ::testing::Test {
 protected:
  CSceneTest() : engine(hgeCreate(ENGINE_VERSION)) {
    engine->SetLogHook([this](const char* line) { log.emplace_back(line); });
    CScene::GetFpsMeter() = {};
  }
  ~CSceneTest() override {
    for (const auto& d : drawables) d->Detach();
    engine->SetLogHook({});
    engine->Release();
  }

  GF::THolder<LayerDrawable> Add(const std::string& name, int layer) {
    GF::THolder<LayerDrawable> d(new LayerDrawable(name, layer, &drawn));
    d->SetScene(scene);
    drawables.push_back(d);
    return d;
  }
  std::vector<std::string> Drawn() {
    drawn.clear();
    scene->Render();
    return drawn;
  }

  Engine* engine;
  std::vector<std::string> log;
  std::vector<std::string> drawn;
  GF::THolder<CScene> scene = GF::MakeHolder<CScene>();
  std::vector<GF::THolder<LayerDrawable>> drawables;
};

using Names = std::vector<std::string>;

TEST_F(CSceneTest, SortsByLayerStablyAtTheNextActiveUpdate) {
  Add("a", 5);
  Add("b", 5);
  const auto c = Add("c", 1);
  EXPECT_EQ(Drawn(), (Names{"a", "b", "c"}));  // not sorted before an update
  scene->SetActive(false);
  scene->Update(16.0f);
  EXPECT_EQ(Drawn(), (Names{"a", "b", "c"}));
  scene->SetActive(true);
  scene->Update(16.0f);
  EXPECT_EQ(Drawn(), (Names{"c", "a", "b"}));
  c->SetLayer(9);  // a layer change waits for a sort request
  scene->Update(16.0f);
  EXPECT_EQ(Drawn(), (Names{"c", "a", "b"}));
  scene->RequestSort();
  scene->Update(16.0f);
  EXPECT_EQ(Drawn(), (Names{"a", "b", "c"}));
  scene->SetVisible(false);
  EXPECT_TRUE(Drawn().empty());
}

TEST_F(CSceneTest, ClearDetachesEveryDrawable) {
  Add("a", 1);
  Add("b", 2);
  Add("c", 3);
  scene->Clear();
  EXPECT_TRUE(scene->GetDrawables().empty());
}

TEST_F(CSceneTest, UpdateFiresItsEventOnlyWhileActive) {
  std::vector<float> seen;
  struct Listener {
    std::vector<float>* seen;
    void OnUpdate(const float& dt) { seen->push_back(dt); }
  } listener{&seen};
  scene->GetUpdateEvent().Subscribe(GF::MakeDelegate(&listener, &Listener::OnUpdate));
  EXPECT_TRUE(scene->Update(10.0f));
  scene->SetActive(false);
  EXPECT_TRUE(scene->Update(20.0f));
  EXPECT_EQ(seen, (std::vector<float>{10.0f}));
}

TEST_F(CSceneTest, UnknownAnimationNamesGiveNothing) {
  EXPECT_FALSE(scene->CreateAnimation("nowhere.nothing"));
  EXPECT_FALSE(scene->PlayAnimation("nowhere.nothing", 1.0f, 2.0f, "all", 1, 0.0f));
  EXPECT_TRUE(scene->GetAnimations().empty());
}

TEST_F(CSceneTest, FrameRateLineAfterFiveSecondsOfFramesActiveOrNot) {
  Add("a", 1);
  scene->SetActive(false);
  for (int i = 0; i < 312; ++i) scene->Update(16.0f);  // 4992 ms
  EXPECT_TRUE(log.empty());
  scene->Update(16.0f);  // 5008 ms: 313 / 5.008 = 62.5
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], "FPS:62\t, AnimationCount 0, DrawableCount 1");
  EXPECT_EQ(CScene::GetFpsMeter().rate, 62);
  EXPECT_EQ(CScene::GetFpsMeter().frames, 0);
  // Exactly 5000 ms is not enough.
  for (int i = 0; i < 100; ++i) scene->Update(50.0f);
  EXPECT_EQ(log.size(), 1u);
  scene->Update(1.0f);
  EXPECT_EQ(log.size(), 2u);
}

}  // namespace
