#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

#include "framework/engine/resources/BytecodeTrailer.h"
#include "framework/engine/resources/CClippingObjectData.h"
#include "framework/engine/resources/CParticleObjectData.h"
#include "framework/engine/resources/CSoundObjectData.h"
#include "framework/engine/resources/CSpriteObjectData.h"
#include "tests/framework/engine/resources/ResourceFixture.h"

namespace {

using GF::HGENS::CClippingObjectData;
using GF::HGENS::CDrawableObjectData;
using GF::HGENS::CParticleObjectData;
using GF::HGENS::CSoundObjectData;

// A FillResource that selects module "m", animation "a" and runs `body`.
std::string Script(const std::string& body) {
  return "void FillResource(CResourceReader@ r) {\n"
         "  r.CreateModule('m');\n  r.CreateAnimationData('a');\n" +
         body + "\n}\n";
}

class CResourceReaderTest : public pm::test::ResourceFixture {
 protected:
  GF::THolder<GF::IObjectData> Object(int index) {
    const auto data = registry->GetAnimationData("m", "a");
    return data ? data->GetObjectData(index) : GF::THolder<GF::IObjectData>();
  }
  CDrawableObjectData* Drawable() { return dynamic_cast<CDrawableObjectData*>(Object(0).Get()); }

  // The registry as text: everything a later reader must rebuild the same.
  std::string Describe() {
    std::ostringstream out;
    std::vector<std::string> modules;
    registry->GetModuleNames(modules);
    std::sort(modules.begin(), modules.end());
    for (const std::string& module : modules) {
      std::vector<std::string> names;
      registry->GetAnimationNames(names, module);
      std::sort(names.begin(), names.end());
      for (const std::string& name : names) {
        const auto data = registry->GetAnimationData(module, name);
        out << module << "." << name << " objects " << data->GetObjectDataCount();
        for (int i = 0; i < data->GetObjectDataCount(); ++i) {
          const auto object = data->GetObjectData(i);
          out << " [" << object->GetName() << " ids " << object->GetIdTrack()->size();
          if (auto* d = dynamic_cast<CDrawableObjectData*>(object.Get())) {
            for (const auto& key : *d->GetColorTrack())
              out << " c" << key.value.r << "/" << key.duration;
            for (const auto& key : *d->GetOffsetTrack())
              out << " o" << key.value.x << "," << key.value.y;
          }
          out << "]";
        }
        if (const auto part = data->GetNamedPart("all")) out << " all " << part->GetY();
        out << "\n";
      }
    }
    for (int i = 0; registry->GetTextInfo(i); ++i)
      out << "text " << registry->GetTextInfo(i)->GetName() << "\n";
    return out.str();
  }
};

TEST_F(CResourceReaderTest, KeyVerbsConvertTheirUnits) {
  struct Case {
    const char* body;
    std::function<void(CDrawableObjectData&)> check;
  } cases[] = {
      {"r.AddColor(255, 255, 0, 0, 0, 100);",
       [](CDrawableObjectData& d) {
         const auto& key = d.GetColorTrack()->at(0);
         EXPECT_EQ(key.value, hgeColor(1.0f, 0.0f, 0.0f, 1.0f));
         EXPECT_EQ(key.mode, 0);
         EXPECT_EQ(key.duration, 100.0f);
       }},
      {"r.AddColor(0, 256, 0, 0, 1, 0);",  // the red carries into the alpha byte
       [](CDrawableObjectData& d) {
         EXPECT_EQ(d.GetColorTrack()->at(0).value, hgeColor(0.0f, 0.0f, 0.0f, 1.0f / 255.0f));
       }},
      {"r.AddColor(128, 0, 64, 255, 0, 5);",
       [](CDrawableObjectData& d) {
         EXPECT_EQ(d.GetColorTrack()->at(0).value,
                   hgeColor(0.0f, 64.0f / 255.0f, 1.0f, 128.0f / 255.0f));
       }},
      {"r.AddRotate(90.0f, 1, 500);",
       [](CDrawableObjectData& d) {
         const auto& key = d.GetRotationTrack()->at(0);
         EXPECT_FLOAT_EQ(key.value, 1.5707964f);
         EXPECT_EQ(key.mode, 1);
         EXPECT_EQ(key.duration, 500.0f);
       }},
      {"r.AddZoom(50, 200, 0, 0);",
       [](CDrawableObjectData& d) {
         EXPECT_EQ(d.GetZoomTrack()->at(0).value, GF::TPoint<float>(0.5f, 2.0f));
       }},
      {"r.AddOpaque(51, 1, 7);",
       [](CDrawableObjectData& d) {
         EXPECT_FLOAT_EQ(d.GetOpacityTrack()->at(0).value, 0.2f);
         EXPECT_EQ(d.GetOpacityTrack()->at(0).mode, 1);
       }},
      {"r.AddHotspot(5000, 10000, 1, 30); r.AddOffset(-3, 4, 1, 40); r.AddLayer(7, 50);"
       "r.AddFlip(1, 60); r.AddBlendMode(3, 70); r.AddSpriteIDResource(-1, 80);",
       [](CDrawableObjectData& d) {
         EXPECT_EQ(d.GetHotspotTrack()->at(0).value, GF::TPoint<float>(5000.0f, 10000.0f));
         EXPECT_EQ(d.GetOffsetTrack()->at(0).value, GF::TPoint<float>(-3.0f, 4.0f));
         EXPECT_EQ(d.GetOffsetTrack()->at(0).duration, 40.0f);
         EXPECT_EQ(d.GetLayerTrack()->at(0).value, 7);
         EXPECT_EQ(d.GetFlipTrack()->at(0).value, 1);
         EXPECT_EQ(d.GetBlendTrack()->at(0).value, 3);
         EXPECT_EQ(d.GetBlendTrack()->at(0).duration, 70.0f);
         EXPECT_EQ(d.GetIdTrack()->at(0).value, -1);
       }},
      {"r.AddCommandSubstAnimation('fx.boom', 250); r.AddSubstAnimation('fx', 'spark');",
       [](CDrawableObjectData& d) {
         EXPECT_EQ(d.GetCommandSubstTrack()->at(0).time, 250.0f);
         EXPECT_EQ(d.GetCommandSubstTrack()->at(0).name, "fx.boom");
         ASSERT_EQ(d.GetSubstAnimationCount(), 1);
         EXPECT_EQ(d.GetSubstAnimation(0)->GetSecondName(), "spark");
         EXPECT_FALSE(d.GetSubstAnimation(1));
       }},
      {"r.AddParamModifier(1, 2, 3, 90.0f, -45.0f, 500.0f, 1500.0f);"
       "r.AddParamModifier(0, 1, 1, 1.0f, 1.0f, 1.0f, 1.0f);"
       "r.AddParamModifier(2, 4, 5, 90.0f, 3.0f, 0.0f, 250.0f);",
       [](CDrawableObjectData& d) {
         const auto list = d.GetParamModifiers();
         ASSERT_EQ(list->size(), 2u);  // kind 0 adds nothing
         EXPECT_FLOAT_EQ(list->at(0).f1, 90.0f / 57.2957763671875f);
         EXPECT_FLOAT_EQ(list->at(0).f2, -45.0f / 57.2957763671875f);
         EXPECT_FLOAT_EQ(list->at(0).periodMin, 0.5f);
         EXPECT_FLOAT_EQ(list->at(0).periodMax, 1.5f);
         EXPECT_EQ(list->at(1).kind, 2);
         EXPECT_EQ(list->at(1).f1, 90.0f);  // only kind 1 is in degrees
         EXPECT_FLOAT_EQ(list->at(1).periodMax, 0.25f);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    registry = GF::MakeHolder<GF::HGENS::CResource>();
    std::filesystem::remove(bytecode);
    ASSERT_TRUE(Fill(Script(std::string("r.CreateSpriteObjectData('s');") + c.body)));
    ASSERT_NE(Drawable(), nullptr);
    c.check(*Drawable());
  }
}

TEST_F(CResourceReaderTest, EqualHoldKeysMerge) {
  struct Case {
    const char* body;
    std::vector<std::pair<float, float>> keys;  // value, duration
  } cases[] = {
      // The last of two or more equal keys goes; its time joins the key before it.
      {"r.AddOpaque(255, 0, 100); r.AddOpaque(128, 0, 200); r.AddOpaque(128, 0, 300);",
       {{1.0f, 300.0f}, {128.0f / 255.0f, 300.0f}}},
      {"r.AddOpaque(128, 0, 100); r.AddOpaque(128, 0, 200);",  // one key before: no merge
       {{128.0f / 255.0f, 100.0f}, {128.0f / 255.0f, 200.0f}}},
      {"r.AddOpaque(0, 0, 10); r.AddOpaque(255, 0, 20); r.AddOpaque(255, 1, 30);",  // mode 1
       {{0.0f, 10.0f}, {1.0f, 20.0f}, {1.0f, 30.0f}}},
      {"r.AddOpaque(0, 0, 10); r.AddOpaque(255, 0, 20); r.AddOpaque(0, 0, 30);",  // differ
       {{0.0f, 10.0f}, {1.0f, 20.0f}, {0.0f, 30.0f}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    registry = GF::MakeHolder<GF::HGENS::CResource>();
    std::filesystem::remove(bytecode);
    ASSERT_TRUE(Fill(Script(std::string("r.CreateSpriteObjectData('s');") + c.body)));
    const auto keys = Drawable()->GetOpacityTrack();
    ASSERT_EQ(keys->size(), c.keys.size());
    for (std::size_t i = 0; i < c.keys.size(); ++i) {
      EXPECT_FLOAT_EQ(keys->at(i).value, c.keys[i].first);
      EXPECT_EQ(keys->at(i).duration, c.keys[i].second);
    }
  }
  // Offsets merge on both coordinates.
  registry = GF::MakeHolder<GF::HGENS::CResource>();
  std::filesystem::remove(bytecode);
  ASSERT_TRUE(
      Fill(Script("r.CreateSpriteObjectData('s'); r.AddOffset(0, 0, 0, 1);"
                  "r.AddOffset(1, 2, 0, 2); r.AddOffset(1, 3, 0, 4); r.AddOffset(1, 3, 0, 8);")));
  const auto offsets = Drawable()->GetOffsetTrack();
  ASSERT_EQ(offsets->size(), 3u);
  EXPECT_EQ(offsets->at(1).duration, 6.0f);
  EXPECT_EQ(offsets->at(2).duration, 8.0f);
}

TEST_F(CResourceReaderTest, VerbsReachTheirObjectKinds) {
  ASSERT_TRUE(Fill(Script(
      "r.AddNamedPart('all', 0, 1000, 2);"
      "r.CreateClippingObjectData('ignored'); r.AddHotspot(1, 2, 0, 10); r.AddZoom(200, 100, 0, "
      "10);"
      "r.AddLayer(4, 10); r.AddOffset(5, 6, 0, 10); r.AddOpaque(255, 0, 10);"
      "r.AddParamModifier(3, 0, 0, 1.0f, 1.0f, 0.0f, 0.0f);"
      "r.CreateParticleSystem('p'); r.AddParticleID(3, 1); r.AddParticleIDSprite(2, 1);"
      "r.AddParticleCommand(1, 5); r.AddBlendMode(2, 5); r.AddOpaque(0, 0, 5); r.AddLayer(9, 5);"
      "r.CreateSoundObjectData('snd'); r.AddActionSound(1, 0); r.AddParamSound(80, -20, 10);"
      "r.AddSndIDResource(4, 0); r.AddColor(1, 1, 1, 1, 0, 0);")));
  const auto data = registry->GetAnimationData("m.a");
  ASSERT_TRUE(data);
  ASSERT_EQ(data->GetObjectDataCount(), 3);
  EXPECT_EQ(data->GetNamedPart("all")->GetY(), 1000.0f);
  EXPECT_EQ(data->GetNamedPart("all")->GetValue(), 2);
  EXPECT_FALSE(data->GetNamedPart("_show"));

  auto* clip = dynamic_cast<CClippingObjectData*>(data->GetObjectData(0).Get());
  ASSERT_NE(clip, nullptr);
  EXPECT_EQ(clip->GetName(), "");
  EXPECT_EQ(clip->GetHotspotTrack()->size(), 1u);
  EXPECT_EQ(clip->GetZoomTrack()->at(0).value, GF::TPoint<float>(2.0f, 1.0f));
  EXPECT_EQ(clip->GetLayerTrack()->at(0).value, 4);
  EXPECT_EQ(clip->GetOffsetTrack()->size(), 1u);
  EXPECT_EQ(clip->GetParamModifiers()->size(), 1u);
  EXPECT_TRUE(Logged("Warning: CResourceReader::AddOpaque"));  // a clipping has no opacity

  auto* particle = dynamic_cast<CParticleObjectData*>(data->GetObjectData(1).Get());
  ASSERT_NE(particle, nullptr);
  EXPECT_EQ(particle->GetIdTrack()->at(0).value, 3);
  EXPECT_EQ(particle->GetSpriteIdTrack()->at(0).value, 2);
  EXPECT_EQ(particle->GetParticleCommandTrack()->at(0).duration, 5.0f);
  EXPECT_EQ(particle->GetBlendTrack()->at(0).value, 2);
  EXPECT_EQ(particle->GetOpacityTrack()->at(0).value, 0.0f);
  EXPECT_EQ(particle->GetLayerTrack()->at(0).value, 9);

  auto* sound = dynamic_cast<CSoundObjectData*>(data->GetObjectData(2).Get());
  ASSERT_NE(sound, nullptr);
  EXPECT_EQ(sound->GetName(), "snd");
  EXPECT_EQ(sound->GetActionTrack()->at(0).value, 1);
  EXPECT_EQ(sound->GetSoundParamTrack()->at(0).value, GF::TPoint<int32_t>(80, -20));
  EXPECT_EQ(sound->GetIdTrack()->at(0).value, 4);
  EXPECT_TRUE(Logged("Warning: CResourceReader::AddColor"));  // a sound has no colour
}

TEST_F(CResourceReaderTest, VerbsWithoutTheirObjectLogAndDoNothing) {
  ASSERT_TRUE(
      Fill("void FillResource(CResourceReader@ r) {\n"
           "  r.CreateAnimationData('orphan'); r.AddNamedPart('all', 0, 1, 1);\n"
           "  r.CreateModule('m'); r.CreateSpriteObjectData('s'); r.AddColor(1, 2, 3, 4, 0, 5);\n"
           "  r.AddParticleID(1, 1); r.AddSndIDResource(1, 1); r.AddSkew(1, 2, 3, 4);\n"
           "  r.AddTextFile('x');\n"
           "}\n"));
  for (const char* verb : {"CreateAnimationData", "AddNamedPart", "CreateSpriteObjectData",
                           "AddColor", "AddParticleID", "AddSndIDResource"}) {
    EXPECT_TRUE(Logged(std::string("Warning: CResourceReader::") + verb)) << verb;
  }
  EXPECT_EQ(registry->GetModuleCount(), 1);
  EXPECT_EQ(registry->GetAnimationCount("m"), 0);
}

TEST_F(CResourceReaderTest, ModulesAnimationsAndTextureGroups) {
  ASSERT_TRUE(Fill(
      "void FillResource(CResourceReader@ r) {\n"
      "  r.AddTexture('bg'); r.AddTexture('button');\n"
      "  r.AddHGESpriteInfo('bg', 0, 0, 0, 800, 600);\n"
      "  r.AddHGESpriteInfo('button', 1, 10, 20, 30, 40);\n"
      "  r.CreateModule('menu'); r.CreateAnimationData('a');\n"
      "  r.CreateSpriteObjectData('s'); r.AddSpriteIDResource(1, 0); r.AddSpriteIDResource(7, 0);\n"
      "  r.CreateModule('game'); r.CreateAnimationData('a'); r.CreateAnimationData('b');\n"
      "  r.CreateModule(''); r.CreateAnimationData('plain');\n"  // the names without a point
      "  r.CreateModule('menu'); r.CreateAnimationData('c');\n"  // an existing module stays
      "  r.CreateAnimationData('c');\n"  // the later one replaces the earlier
      "  r.CreateTextSpriteObjectData('t'); r.AddTextSpriteIDResource(0, 0);\n"
      "  r.AddTextInfo('caption', 2, 3, 4, 0x21, 5);\n"
      "}\n"));
  EXPECT_EQ(registry->GetModuleCount(), 3);
  EXPECT_NE(registry->GetAnimationData("plain"), nullptr);
  EXPECT_EQ(registry->GetAnimationCount("menu"), 2);
  EXPECT_EQ(registry->GetAnimationCount("game"), 2);
  EXPECT_EQ(registry->GetAnimationData("menu.c")->GetObjectDataCount(), 1);
  EXPECT_TRUE(Logged("Warning: CResourceReader::AddSpriteIDResource: no sprite 7"));

  auto cache = GF::HGENS::CResourceCache::Instance();
  EXPECT_EQ(cache->GetTextureCount(), 2);
  // The sprite's texture joined the group named after the module.
  cache->QueueGroup("menu");
  cache->StartLoading();
  EXPECT_LT(cache->GetProgress(), 1.0f);
  EXPECT_TRUE(cache->LoadNext());
  EXPECT_FALSE(cache->LoadNext());

  const auto text = registry->GetTextInfo(0);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->GetLowFlags(), 0x01);
  EXPECT_EQ(text->GetHighFlags(), 0x20);
  EXPECT_EQ(text->GetFontNumber(), 2);
  EXPECT_EQ(text->GetSecondValue(), 3);
  EXPECT_EQ(text->GetThirdValue(), 4);
  EXPECT_FALSE(registry->GetTextInfo(1));
  EXPECT_FALSE(registry->GetTextInfo(-1));
}

const char* kSampleScript =
    "void Sprite(CResourceReader@ r, const string &in name, int alpha) {\n"
    "  r.CreateSpriteObjectData(name); r.AddColor(alpha, 255, 255, 255, 1, 100);\n"
    "  r.AddOffset(10, 20, 0, 100);\n"
    "}\n"
    "void FillResource(CResourceReader@ r) {\n"
    "  r.CreateModule('interfaces');\n"
    "  for (int i = 0; i < 3; ++i) {\n"
    "    r.CreateAnimationData('button' + i); r.AddNamedPart('all', 0, 100 * i, 0);\n"
    "    Sprite(r, 'face', 255 - i); Sprite(r, 'shadow', 128);\n"
    "  }\n"
    "  r.CreateModule('main_menu'); r.CreateAnimationData('logo'); Sprite(r, 'logo', 1);\n"
    "  r.AddTextInfo('title', 0, 0, 0, 0, 0);\n"
    "}\n";

TEST_F(CResourceReaderTest, BytecodeRoundTripFillsAnIdenticalRegistry) {
  ASSERT_TRUE(Fill(kSampleScript));
  ASSERT_TRUE(std::filesystem::exists(bytecode));  // compiled and saved on the first load
  const std::string compiled = Describe();
  EXPECT_NE(compiled.find("interfaces.button2 objects 2"), std::string::npos) << compiled;

  std::filesystem::remove(source);  // only the bytecode is left
  registry = GF::MakeHolder<GF::HGENS::CResource>();
  ASSERT_TRUE(Load());
  EXPECT_EQ(Describe(), compiled);

  // The tool road writes the same program.
  const std::string tool = (dir / "tool.bs").string();
  WriteFile(source, kSampleScript);
  {
    const auto reader = GF::MakeHolder<GF::HGENS::CResourceReader>(*registry);
    ASSERT_TRUE(reader->Compile(source, tool));
  }
  std::filesystem::remove(source);
  std::filesystem::rename(tool, bytecode);
  registry = GF::MakeHolder<GF::HGENS::CResource>();
  ASSERT_TRUE(Load());
  EXPECT_EQ(Describe(), compiled);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A start killed while saving, a bad disk or an older build leave bytecode cut short, with
// flipped bits or without its trailer: the start compiles the source and saves a good file.
TEST_F(CResourceReaderTest, DamagedBytecodeIsMadeAgainFromTheSource) {
  ASSERT_TRUE(Fill(kSampleScript));
  const std::string expected = Describe();
  const std::string good = ReadAll(bytecode);
  ASSERT_GT(good.size(), GF::HGENS::BytecodeTrailer::kSize);
  std::vector<std::string> damaged;
  for (std::size_t cut = 0; cut < good.size(); cut += 16) damaged.push_back(good.substr(0, cut));
  damaged.push_back(good.substr(0, good.size() - GF::HGENS::BytecodeTrailer::kSize));
  for (std::size_t bit = 0; bit < good.size() * 8; bit += 8 * 37 + 3) {
    std::string flipped = good;
    flipped[bit / 8] = static_cast<char>(flipped[bit / 8] ^ (1 << (bit % 8)));
    damaged.push_back(flipped);
  }
  damaged.push_back(good.substr(0, good.size() - 1) + static_cast<char>(~good.back()));  // CRC
  for (std::size_t i = 0; i < damaged.size(); ++i) {
    SCOPED_TRACE("damaged file " + std::to_string(i) + " of " + std::to_string(damaged[i].size()) +
                 " bytes");
    WriteFile(bytecode, damaged[i]);
    log.clear();
    registry = GF::MakeHolder<GF::HGENS::CResource>();
    ASSERT_TRUE(Load());
    EXPECT_TRUE(Logged("is cut, damaged or of another build"));
    EXPECT_EQ(Describe(), expected);
    EXPECT_EQ(ReadAll(bytecode), good);
  }
}

// A save replaces the file whole: a reader of the old file keeps reading it unchanged, and
// no temporary file stays behind.
TEST_F(CResourceReaderTest, SavingReplacesTheBytecodeWhole) {
  ASSERT_TRUE(Fill(kSampleScript));
  const std::string good = ReadAll(bytecode);
  WriteFile(bytecode, "an older file");
  std::ifstream old(bytecode, std::ios::binary);
  registry = GF::MakeHolder<GF::HGENS::CResource>();
  ASSERT_TRUE(Load());
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), std::istreambuf_iterator<char>()),
            "an older file");
  EXPECT_EQ(ReadAll(bytecode), good);
  const auto tool = dir / "tool.bs";
  const auto reader = GF::MakeHolder<GF::HGENS::CResourceReader>(*registry);
  ASSERT_TRUE(reader->Compile(source, tool.string()));
  EXPECT_EQ(ReadAll(tool.string()), good);
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir / "Animation"))
    files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"effects.as", "effects.bs"}));
}

TEST_F(CResourceReaderTest, BrokenScriptWritesNoBytecodeAndLogsTheCompiler) {
  EXPECT_FALSE(Fill("void FillResource(CResourceReader@ r) { r.NoSuchVerb(); }\n"));
  EXPECT_FALSE(std::filesystem::exists(bytecode));
  EXPECT_TRUE(Logged("ANGELSCRIPT: animation (1, ")) << (log.empty() ? "" : log.back());
  EXPECT_TRUE(Logged("| ERR  |"));
  EXPECT_EQ(registry->GetModuleCount(), 0);

  const auto reader = GF::MakeHolder<GF::HGENS::CResourceReader>(*registry);
  const std::string out = (dir / "out.bs").string();
  EXPECT_FALSE(reader->Compile(source, out));
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CResourceReaderTest, ToolReportsFilesItCannotOpen) {
  WriteFile(source, kSampleScript);
  const auto reader = GF::MakeHolder<GF::HGENS::CResourceReader>(*registry);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(reader->Compile((dir / "missing.as").string(), (dir / "x.bs").string()));
  EXPECT_FALSE(reader->Compile(source, (dir / "no" / "folder" / "x.bs").string()));
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(
      out.find("ERROR can't open source file " + (dir / "missing.as").string() + " for read \n"),
      std::string::npos);
  EXPECT_NE(out.find("ERROR can't open destination file " +
                     (dir / "no" / "folder" / "x.bs").string() + " for write \n"),
            std::string::npos);
}

TEST_F(CResourceReaderTest, UnwritableBytecodeFolderStillLoads) {
  WriteFile((dir / "blocker").string(), "a file where a folder should be");
  bytecode = (dir / "blocker" / "effects.bs").string();
  ASSERT_TRUE(Fill(kSampleScript));
  EXPECT_TRUE(Logged("can't write the bytecode"));
  EXPECT_EQ(registry->GetModuleCount(), 2);
}

}  // namespace
