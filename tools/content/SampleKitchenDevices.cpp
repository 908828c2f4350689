#include "tools/content/SampleKitchenDevices.h"

#include <numeric>

#include "tools/content/SampleArt.h"

namespace {

// A catalogue key and the art sheet drawing it.
struct Placed {
  const char* object;  // in its module
  const char* sheet;
};

const Placed kDevices[] = {
    {"mixer", "mixer"},
    {"UPG_mixer", "UPG_mixer"},
    {"griddle", "griddle"},
    {"stove", "electric_stove"},
    {"electric_stove_4", "electric_stove"},
};

const Placed kIngredients[] = {
    {"eggs", "ingredient_stands_egg"},
    {"flour", "ingredient_stands_flour"},
    {"milk", "ingredient_stands_milk"},
    {"berries", "ingredient_stands_blueberry"},
};

std::string Art(const std::string& sprite) {
  return "{art:" + sprite + "}";
}

std::string Int(int value) {
  return std::to_string(value);
}

// The script's helpers. A device: idle, its two working frames in turn, then done (its
// sprites follow one another from the idle one). An ingredient stand: still while idle,
// bobbing 6 px up and back in 300 ms while it works. A state of the cook: its badge over
// her hat, then her figure, whose frames the caller adds. The game puts her position 0.4 of
// the animation's height (figure and badge) above the floor point she stands on; her hot
// spot, 45 1/3 px down the 96 px frame, brings her feet (row 92) onto that point.
const char* const kHelpers = R"(
void Device(CResourceReader@ r, const string &in name, int idle, int hotX, int hotY) {
  r.CreateAnimationData(name);
  r.AddNamedPart('_idle', 0, 100, 0);
  r.AddNamedPart('_work', 100, 500, 0);
  r.AddNamedPart('_closed', 500, 600, 0);
  r.CreateSpriteObjectData('device');
  r.AddSpriteIDResource(idle, 100);
  r.AddSpriteIDResource(idle + 1, 200);
  r.AddSpriteIDResource(idle + 2, 200);
  r.AddSpriteIDResource(idle + 3, 100);
  r.AddHotspot(hotX, hotY, 0, 600);
  r.AddLayer(0, 600);
}

void Stand(CResourceReader@ r, const string &in name, int sprite, int hotX, int hotY) {
  r.CreateAnimationData(name);
  r.AddNamedPart('_idle', 0, 100, 0);
  r.AddNamedPart('_work', 100, 400, 0);
  r.CreateSpriteObjectData('stand');
  r.AddSpriteIDResource(sprite, 400);
  r.AddHotspot(hotX, hotY, 0, 400);
  r.AddOffset(0, 0, 0, 100);
  r.AddOffset(0, 0, 1, 150);
  r.AddOffset(0, -6, 1, 150);
  r.AddOffset(0, 0, 0, 0);
  r.AddLayer(0, 400);
}

void CookState(CResourceReader@ r, const string &in name, int length, int loops, int badge) {
  r.CreateAnimationData(name);
  r.AddNamedPart('all', 0, length, loops);
  r.CreateSpriteObjectData('mark');
  r.AddSpriteIDResource(badge, length);
  r.AddHotspot(5000, 5000, 0, length);
  r.AddOffset(0, -58, 0, length);
  r.AddLayer(1, length);
  r.CreateSpriteObjectData('figure');
  r.AddHotspot(5000, 4722, 0, length);
  r.AddLayer(0, length);
}
)";

static_assert(kSampleCookMarkY == -58.0f, "CookState's badge offset");

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

// What moves besides the frames: she shakes her head on a cancel and fades out to hide.
std::string FigureTracks(const std::string& state, int length) {
  if (state == "cancel")
    return "  r.AddOffset(-3, 0, 1, 100);\n  r.AddOffset(3, 0, 1, 100);\n"
           "  r.AddOffset(-3, 0, 1, 100);\n  r.AddOffset(3, 0, 1, 100);\n"
           "  r.AddOffset(0, 0, 0, 200);\n";
  if (state == "hide")
    return "  r.AddOpaque(255, 1, " + Int(length) + ");\n  r.AddOpaque(0, 0, 0);\n";
  return "";
}

std::string Cook(const SampleCookState& state, const std::string& sheet, int dress) {
  const int length = std::accumulate(state.frames.begin(), state.frames.end(), 0,
                                     [](int sum, const auto& frame) { return sum + frame.second; });
  std::string part = "  CookState(r, " + Quoted(std::string(state.name) + "_" + Int(dress)) + ", " +
                     Int(length) + ", " + Int(state.loops) + ", " +
                     Art(std::string("cook_marks_") + state.name) + ");\n";
  for (const auto& [frame, ms] : state.frames)
    part += "  r.AddSpriteIDResource(" + Art(sheet + "_" + frame) + ", " + Int(ms) + ");\n";
  return part + FigureTracks(state.name, length);
}

}  // namespace

const std::vector<SampleCookState>& SampleCookStates() {
  static const std::vector<SampleCookState> states = {
      {"work", {{"work_0", 200}, {"work_1", 200}, {"work_2", 200}}, 0},
      {"idle", {{"idle_0", 600}, {"idle_1", 600}}, 1},
      {"diagonal_down",
       {{"walk_down_0", 150}, {"walk_down_1", 150}, {"walk_down_2", 150}, {"walk_down_3", 150}},
       0},
      {"diagonal_up",
       {{"walk_up_0", 150}, {"walk_up_1", 150}, {"walk_up_2", 150}, {"walk_up_3", 150}},
       0},
      {"cancel", {{"sad", 600}}, 1},
      {"wait", {{"wait_0", 300}, {"wait_1", 300}}, 0},
      {"hide", {{"idle_0", 400}}, 1},
      {"blink", {{"blink", 150}, {"idle_0", 100}}, 1},
  };
  return states;
}

const std::vector<std::string>& SampleCookDressSheets() {
  static const std::vector<std::string> sheets = {"cook", "cook_dress_1", "cook_dress_2",
                                                  "cook_dress_3", "cook_dress_4"};
  return sheets;
}

std::string MakeKitchenDevicesScript(const std::string& script) {
  std::string part =
      std::string(
          "\n// The kitchen's devices, ingredient stands and cook, drawn from the art above.") +
      kHelpers + "\nvoid KitchenDevices(CResourceReader@ r) {\n  r.CreateModule('Devices');\n";
  for (const Placed& device : kDevices)
    part += "  Device(r, " + Quoted(device.object) + ", " +
            Art(std::string(device.sheet) + "_idle") + ", {hot:" + device.sheet + "_idle});\n";
  part += "  r.CreateModule('Ingredients');\n";
  for (const Placed& stand : kIngredients)
    part += "  Stand(r, " + Quoted(stand.object) + ", " + Art(stand.sheet) +
            ", {hot:" + stand.sheet + "});\n";
  const std::vector<std::string>& dresses = SampleCookDressSheets();
  for (std::size_t dress = 0; dress < dresses.size(); ++dress)
    part += "  Lily" + Int(static_cast<int>(dress)) + "(r);\n";
  part += "}\n";
  // A function per dress, each in module "lily".
  for (std::size_t dress = 0; dress < dresses.size(); ++dress) {
    part += "\nvoid Lily" + Int(static_cast<int>(dress)) +
            "(CResourceReader@ r) {\n  r.CreateModule('lily');\n";
    for (const SampleCookState& state : SampleCookStates())
      part += Cook(state, dresses[dress], static_cast<int>(dress));
    part += "}\n";
  }
  return FillArtSprites(part, script) ? part : std::string();
}
