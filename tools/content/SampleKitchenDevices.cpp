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

// Idle, two working frames in turn, then done; the sprite stands on the sheet's hot spot.
std::string Device(const Placed& device) {
  const std::string sheet = device.sheet;
  return "  r.CreateAnimationData('" + std::string(device.object) + "');\n" +
         "  r.AddNamedPart('_idle', 0, 100, 0);\n"
         "  r.AddNamedPart('_work', 100, 500, 0);\n"
         "  r.AddNamedPart('_closed', 500, 600, 0);\n"
         "  r.CreateSpriteObjectData('device');\n"
         "  r.AddSpriteIDResource(" +
         Art(sheet + "_idle") + ", 100);\n  r.AddSpriteIDResource(" + Art(sheet + "_work_0") +
         ", 200);\n  r.AddSpriteIDResource(" + Art(sheet + "_work_1") +
         ", 200);\n  r.AddSpriteIDResource(" + Art(sheet + "_done") +
         ", 100);\n  r.AddHotspot({hot:" + sheet + "_idle}, 0, 600);\n  r.AddLayer(0, 600);\n";
}

// Still while idle; while working the stand bobs up and back, 6 px in 300 ms.
std::string Ingredient(const Placed& stand) {
  return "  r.CreateAnimationData('" + std::string(stand.object) + "');\n" +
         "  r.AddNamedPart('_idle', 0, 100, 0);\n"
         "  r.AddNamedPart('_work', 100, 400, 0);\n"
         "  r.CreateSpriteObjectData('stand');\n"
         "  r.AddSpriteIDResource(" +
         Art(stand.sheet) + ", 400);\n  r.AddHotspot({hot:" + stand.sheet +
         "}, 0, 400);\n"
         "  r.AddOffset(0, 0, 0, 100);\n"
         "  r.AddOffset(0, 0, 1, 150);\n"
         "  r.AddOffset(0, -6, 1, 150);\n"
         "  r.AddOffset(0, 0, 0, 0);\n"
         "  r.AddLayer(0, 400);\n";
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

// The game puts the cook's position 0.4 of her animation's height (figure and badge) above
// the floor point she stands on; her hot spot, 45 1/3 px down the 96 px frame, brings her
// feet (row 92) onto that point.
std::string Cook(const SampleCookState& state, const std::string& sheet, int dress) {
  const int length = std::accumulate(state.frames.begin(), state.frames.end(), 0,
                                     [](int sum, const auto& frame) { return sum + frame.second; });
  std::string part = "  r.CreateAnimationData('" + std::string(state.name) + "_" + Int(dress) +
                     "');\n  r.AddNamedPart('all', 0, " + Int(length) + ", " + Int(state.loops) +
                     ");\n  r.CreateSpriteObjectData('figure');\n";
  for (const auto& [frame, ms] : state.frames)
    part += "  r.AddSpriteIDResource(" + Art(sheet + "_" + frame) + ", " + Int(ms) + ");\n";
  part += "  r.AddHotspot(5000, 4722, 0, " + Int(length) + ");\n" +
          FigureTracks(state.name, length) + "  r.AddLayer(0, " + Int(length) +
          ");\n  r.CreateSpriteObjectData('mark');\n" + "  r.AddSpriteIDResource(" +
          Art(std::string("cook_marks_") + state.name) + ", " + Int(length) +
          ");\n  r.AddHotspot(5000, 5000, 0, " + Int(length) + ");\n  r.AddOffset(0, " +
          Int(static_cast<int>(kSampleCookMarkY)) + ", 0, " + Int(length) + ");\n  r.AddLayer(1, " +
          Int(length) + ");\n";
  return part;
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
                                                  "cook_dress_3"};
  return sheets;
}

std::string MakeKitchenDevicesScript(const std::string& script) {
  std::string part =
      "\n// The kitchen's devices, ingredient stands and cook, drawn from the art above.\n"
      "void KitchenDevices(CResourceReader@ r) {\n  r.CreateModule('Devices');\n";
  for (const Placed& device : kDevices) part += Device(device);
  part += "  r.CreateModule('Ingredients');\n";
  for (const Placed& stand : kIngredients) part += Ingredient(stand);
  part += "  r.CreateModule('lily');\n";
  const std::vector<std::string>& dresses = SampleCookDressSheets();
  for (std::size_t dress = 0; dress < dresses.size(); ++dress)
    for (const SampleCookState& state : SampleCookStates())
      part += Cook(state, dresses[dress], static_cast<int>(dress));
  part += "}\n";
  return FillArtSprites(part, script) ? part : std::string();
}
