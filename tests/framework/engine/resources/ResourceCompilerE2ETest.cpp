#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/engine/app/ProgramEntry.h"
#include "framework/engine/resources/ResourceServices.h"
#include "tests/framework/engine/resources/ResourceFixture.h"

namespace {

// The program's "/cr" road, from the command line to the bytecode file.
class ResourceCompilerE2ETest : public pm::test::ResourceFixture {
 protected:
  int RunProgram(std::vector<std::string> words) {
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    GF::HGENS::InstallResourceServices();
    return GF::HGENS::RunProgram(static_cast<int>(argv.size()), argv.data(), nullptr);
  }
};

TEST_F(ResourceCompilerE2ETest, CompilesWithoutAWindow) {
  WriteFile(source,
            "void FillResource(CResourceReader@ r) {\n"
            "  r.CreateModule('interfaces'); r.CreateAnimationData('cursor');\n"
            "}\n");
  const std::string out = (dir / "b.bs").string();
  EXPECT_EQ(RunProgram({"panmaster", "/cr", source, out}), 0);
  EXPECT_EQ(engine->GetStateHwnd(EngineState::Hwnd), 0u);
  ASSERT_TRUE(std::filesystem::exists(out));

  // The file is the bytecode the start-up loads.
  std::filesystem::remove(source);
  bytecode = out;
  ASSERT_TRUE(Load());
  EXPECT_TRUE(registry->GetAnimationData("interfaces.cursor"));
}

TEST_F(ResourceCompilerE2ETest, BrokenScriptWritesNothingAndLogsTheCompiler) {
  WriteFile(source, "void FillResource(CResourceReader@ r) { r.AddFont(1, 2); }\n");
  const std::string out = (dir / "b.bs").string();
  EXPECT_EQ(RunProgram({"panmaster", "/cr", source, out}), 0);
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_TRUE(Logged("ANGELSCRIPT: animation (1, "));
}

}  // namespace
