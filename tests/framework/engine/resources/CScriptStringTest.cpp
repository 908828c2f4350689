#include <angelscript.h>
#include <gtest/gtest.h>

#include <string>

#include "framework/engine/resources/CScriptString.h"

using namespace AngelScript;

namespace {

// A script engine with "string" registered natively or generically; each expression is
// compiled into its own function and run.
class CScriptStringTest : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    engine_ = asCreateScriptEngine(ANGELSCRIPT_VERSION);
    engine_->SetMessageCallback(asMETHOD(CScriptStringTest, OnMessage), this, asCALL_THISCALL);
    if (GetParam()) {
      RegisterScriptStringGeneric(engine_);
    } else {
      RegisterScriptString(engine_);
    }
  }
  void TearDown() override { engine_->ShutDownAndRelease(); }

  void OnMessage(const asSMessageInfo* msg) { messages_ += std::string(msg->message) + "\n"; }

  // Runs `body` as a function returning `type`; the finished context, or null on failure.
  asIScriptContext* Run(const std::string& type, const std::string& body) {
    asIScriptModule* mod = engine_->GetModule("test", asGM_ALWAYS_CREATE);
    const std::string code = type + " f() { " + body + " }";
    mod->AddScriptSection("test", code.c_str(), code.size());
    if (mod->Build() < 0) {
      ADD_FAILURE() << code << "\n" << messages_;
      return nullptr;
    }
    ctx_ = engine_->CreateContext();
    ctx_->Prepare(mod->GetFunctionByDecl((type + " f()").c_str()));
    lastResult_ = ctx_->Execute();
    return ctx_;
  }

  std::string RunString(const std::string& body) {
    std::string out;
    if (asIScriptContext* ctx = Run("string@", body)) {
      EXPECT_EQ(lastResult_, asEXECUTION_FINISHED) << body;
      if (auto* s = static_cast<CScriptString*>(ctx->GetReturnObject())) out = s->buffer;
      ctx->Release();
    }
    return out;
  }

  bool RunBool(const std::string& body) {
    bool out = false;
    if (asIScriptContext* ctx = Run("bool", body)) {
      EXPECT_EQ(lastResult_, asEXECUTION_FINISHED) << body;
      out = ctx->GetReturnByte() != 0;
      ctx->Release();
    }
    return out;
  }

  asIScriptEngine* engine_ = nullptr;
  asIScriptContext* ctx_ = nullptr;
  int lastResult_ = 0;
  std::string messages_;
};

TEST_P(CScriptStringTest, BuildsTexts) {
  struct Case {
    const char* body;
    std::string expected;
  } cases[] = {
      {"string s = 'ab'; s += 'cd'; return s;", "abcd"},
      {"string s = 'ab'; string t = s; t = 'x'; return s + t;", "abx"},
      {"string s; return s;", ""},
      {"return 'x' + 1.5;", "x1.5"},
      {"return 2 + 'y';", "2y"},
      {"string s = 'n'; s += uint(4294967295); return s;", "n4294967295"},
      {"string s = 'f'; s += float(0.1f); return s;", "f0.1"},
      {"string s = 'old'; s = 7; return s;", "7"},
      {"string s = 'v'; s = -3; s += 1.0/3; return s;", "-30.333333"},
      {"return 'a' + float(2.5f) + ',' + uint(7) + ',' + (-8);", "a2.5,7,-8"},
      {"return float(1e20f) + 'e';", "1e+20e"},
      {"return 'a\\0b';", "a"},  // a constant keeps the bytes before a zero byte
      {"string s = 'abc'; s[0] = 65; return s;", "Abc"},
  };
  for (const Case& c : cases) EXPECT_EQ(RunString(c.body), c.expected) << c.body;
}

TEST_P(CScriptStringTest, ComparesBytesAsUnsigned) {
  struct Case {
    const char* body;
    bool expected;
  } cases[] = {
      {"return 'abc' < 'abd';", true},       {"return 'ab' < 'abc';", true},
      {"return 'abc' == 'abc';", true},      {"return 'abc' != 'abc';", false},
      {"return 'B' < 'a';", true},           {"return 'abc' >= 'abd';", false},
      {"return 'abc' <= 'abc';", true},      {"return 'abd' > 'abc';", true},
      {"return 'ab' == 'abc';", false},      {"return '\\xe9' > 'z';", true},
      {"return 'abc'.length() == 3;", true}, {"string s = 'abc'; return s[2] == 99;", true},
  };
  for (const Case& c : cases) EXPECT_EQ(RunBool(c.body), c.expected) << c.body;
}

TEST_P(CScriptStringTest, IndexPastTheEndRaisesOutOfRange) {
  asIScriptContext* ctx = Run("int", "string s = 'abc'; return s[3];");
  ASSERT_NE(ctx, nullptr);
  EXPECT_EQ(lastResult_, asEXECUTION_EXCEPTION);
  EXPECT_STREQ(ctx->GetExceptionString(), "Out of range");
  ctx->Release();
}

INSTANTIATE_TEST_SUITE_P(Registrations, CScriptStringTest, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Generic" : "Native"; });

}  // namespace
