#pragma once

// The sample menu ("main_menu.menu": buttons "play" and "quit", the check box "sound", the
// hint line) on the real program, driven frame by frame. The fixture journals what the
// screens announce and report, and what changed on the menu after each frame.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/screens/CCheckBoxControl.h"
#include "framework/engine/screens/CMenuScreenAbstract.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"

namespace pm::test {

using Lines = std::vector<std::string>;

// Key indices of the key set.
constexpr int kKeyEscape = 17;
constexpr int kKeyEnter = 24;
constexpr int kKeySpace = 41;

inline std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

// The name of the look (named part) that the animation plays, told by its start time.
inline std::string LookOf(const GF::IAnimation::AnimationPtr& animation,
                          const std::vector<std::string>& looks) {
  if (!animation) return "none";
  const GF::THolder<GF::IAnimationData> data = animation->GetAnimationData();
  for (const std::string& look : looks) {
    const auto part = data->GetNamedPart(look);
    if (part && part->GetX() == animation->GetStartTime()) return look;
  }
  return "?";
}

inline const std::vector<std::string>& LayoutLooks() {
  static const std::vector<std::string> looks = {"_show", "_idle", "_hide"};
  return looks;
}

// How the sample menu sets itself up; each test changes what it needs.
struct MenuSetup {
  bool confirmPlay = false;
  std::uint32_t playFlags = GF::IScreen::kUsualFlags;
  std::uint32_t quitFlags = GF::IScreen::kLiveIdle;
  // Shortcuts: key, name, confirm, flags.
  struct Shortcut {
    int key;
    std::string name;
    bool confirm;
    std::uint32_t flags;
  };
  std::vector<Shortcut> shortcuts;
  std::string layout = "main_menu.menu";
  // Without items "play" and "quit" are plain buttons.
  bool items = true;
  bool soundChecked = true;
};

inline MenuSetup& CurrentMenuSetup() {
  static MenuSetup setup;
  return setup;
}

inline Lines& MenuJournal() {
  static Lines journal;
  return journal;
}

// The frame being run (0 during start-up).
inline int& CurrentFrame() {
  static int frame = 0;
  return frame;
}

// A journal line of the current frame.
inline void Note(const std::string& line) {
  MenuJournal().push_back(std::to_string(CurrentFrame()) + " " + line);
}

class CSampleMenu : public GF::HGENS::CMenuScreenAbstract {
 protected:
  void OnInit() override {
    const MenuSetup& setup = CurrentMenuSetup();
    if (setup.items) {
      AddMenuItem("play", "play", setup.confirmPlay, setup.playFlags);
      AddMenuItem("quit", "quit", false, setup.quitFlags);
    } else {
      CreateButton("play");
      CreateButton("quit");
    }
    CreateCheckBox("sound", setup.soundChecked);
    for (const MenuSetup::Shortcut& s : setup.shortcuts) {
      AddShortcut(s.key, s.name, s.confirm, s.flags);
    }
    CMenuScreenAbstract::OnInit();
  }
};

// The confirmation: Enter answers "yes", Space "no"; it journals its question and layout.
class CTestConfirm : public GF::HGENS::CScreenAbstract {
 public:
  void Init(const std::string& layout, const GF::THolder<GF::IScene>& scene,
            const char* parameter) override {
    Note("ask " + std::string(parameter ? parameter : "-") + " in " + layout +
         (scene ? " over" : " alone"));
    // Without a layout of its own: it is idle at once.
    CScreenAbstract::Init("", scene, parameter);
  }

 protected:
  void OnInit() override {
    AddShortcut(kKeyEnter, "yes", false, kLiveIdle);
    AddShortcut(kKeySpace, "no", false, kLiveIdle);
  }
};

class MenuFixture : public testing::Test {
 protected:
  void SetUp() override {
    CurrentMenuSetup() = MenuSetup();
    MenuJournal().clear();
    CurrentFrame() = 0;
    GF::HGENS::InstallResourceServices();
  }
  void TearDown() override { GF::HGENS::GetServiceProviders() = {}; }

  // Runs the script with the sample menu created and activated at start; `before` runs
  // before each frame. Returns the journal: announcements, closings and, after each frame,
  // what changed on the menu (layout look, hint).
  Lines Run(const std::string& script, std::function<void(int)> before = nullptr) {
    ReleaseAllKeys();
    m_look.clear();
    m_hint.clear();
    m_controlLook.clear();
    ScriptedRun run;
    run.init = [this](GF::HGENS::CGameManager& manager) {
      manager.RegisterScreen("menu", [] { return GF::THolder<GF::IScreen>(new CSampleMenu); });
      manager.RegisterScreen("confirm_screen",
                             [] { return GF::THolder<GF::IScreen>(new CTestConfirm); });
      manager.ScreenCommandEvent().Subscribe(GF::MakeDelegate(this, &MenuFixture::OnCommand));
      manager.ScreenClosedEvent().Subscribe(GF::MakeDelegate(this, &MenuFixture::OnClosed));
      manager.ScreenCreatedEvent().Subscribe(GF::MakeDelegate(this, &MenuFixture::OnCreated));
      manager.CreateScreen("menu", CurrentMenuSetup().layout, nullptr, nullptr);
      menu = manager.TopScreen();
      menu->Activate();
    };
    run.before = [&](int frame) {
      CurrentFrame() = frame;
      if (before) before(frame);
    };
    run.after = [this](int frame) { Observe(frame); };
    RunScripted(script, run);
    menu.Reset();
    m_watched.Reset();
    return MenuJournal();
  }

  void OnCommand(GF::THolder<GF::IScreen> screen) {
    Note("announce " + screen->GetName() + " " + screen->GetResult());
  }
  // A screen made by the game manager, before its Init.
  virtual void OnCreated(GF::THolder<GF::IScreen>) {}
  void OnClosed(GF::THolder<GF::IScreen> screen) {
    Note("closed " + screen->GetName() + " " + screen->GetResult());
    if (screen == menu) GF::HGENS::GetGameManager()->DestroyAllScreens();
  }

  // Journals the events of the named control and, after each frame, the look it changed to.
  void Watch(const std::string& control, std::vector<std::string> looks) {
    m_watched = menu->GetControl(control);
    m_looks = std::move(looks);
    auto& c = *m_watched;
    c.overEvent.Subscribe(GF::MakeDelegate(this, &MenuFixture::OnOver));
    c.leaveEvent.Subscribe(GF::MakeDelegate(this, &MenuFixture::OnLeave));
    c.downEvent.Subscribe(GF::MakeDelegate(this, &MenuFixture::OnDown));
    c.upEvent.Subscribe(GF::MakeDelegate(this, &MenuFixture::OnUp));
    c.clickEvent.Subscribe(GF::MakeDelegate(this, &MenuFixture::OnClick));
    c.enabledChangedEvent.Subscribe(GF::MakeDelegate(this, &MenuFixture::OnEnabled));
    if (auto* box = dynamic_cast<GF::HGENS::CCheckBoxControl*>(m_watched.Get())) {
      box->checkedChangedEvent.Subscribe(GF::MakeDelegate(this, &MenuFixture::OnChecked));
    }
  }
  GF::HGENS::CButtonControl& Watched() const {
    return dynamic_cast<GF::HGENS::CButtonControl&>(*m_watched);
  }

  void Observe(int) {
    if (m_watched) {
      const std::string look = LookOf(Watched().GetAnimation(), m_looks);
      if (look != m_controlLook) Note("look " + (m_controlLook = look));
    }
    if (!menu || !menu->GetLayout()) return;
    const std::string look = LookOf(menu->GetLayout(), LayoutLooks());
    if (look != m_look) Note(m_look = look);
    const std::wstring* hint = menu->GetLayout()->GetText("_hint");
    const std::string text = hint ? "hint '" + Narrow(*hint) + "'" : "no hint";
    if (text != m_hint) Note(m_hint = text);
  }

  // The key set outlives a run: a key still down when the last one ended would make the
  // next press a repeat.
  static void ReleaseAllKeys() {
    const GF::THolder<GF::CKeyset> keyset = GF::CKeyset::Instance();
    for (int key = 0; key < GF::CKeyset::kEngineKeyCount; ++key) {
      keyset->Feed(GF::CKeyset::kKeyUp, key, false);
    }
  }

  GF::THolder<GF::IScreen> menu;

 private:
  using Control = GF::THolder<GF::HGENS::CBaseControl>;
  void OnOver(Control) { Note("over"); }
  void OnLeave(Control) { Note("leave"); }
  void OnDown(Control, const GF::TPoint<int>&, int) { Note("down"); }
  void OnUp(Control, const GF::TPoint<int>&, int) { Note("up"); }
  void OnClick(Control, const GF::TPoint<int>&, int) { Note("click"); }
  void OnEnabled(Control c) { Note(c->IsEnabled() ? "enabled" : "disabled"); }
  void OnChecked(Control c) {
    Note(dynamic_cast<GF::HGENS::CCheckBoxControl&>(*c).IsChecked() ? "checked" : "unchecked");
  }

  Control m_watched;
  std::vector<std::string> m_looks;
  std::string m_controlLook;
  std::string m_look;
  std::string m_hint;
};

}  // namespace pm::test
