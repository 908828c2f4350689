#pragma once

// The generated sample content, packed beside the program, fills the resource registry as
// the program's start-up does. A test binary that includes it links gf_engine.

#include <gtest/gtest.h>

#include "framework/engine/resources/CResource.h"
#include "platform/OsServices.h"
#include "tests/support/RenderSession.h"

namespace pm::test {

class SampleContentFixture : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(session.IsInitiated());
    ASSERT_TRUE(session.engine().AttachPack((Os::GetProgramDirectory() + "resource.dat").c_str()))
        << "the sample content is made by the sample_content target";
    BeforeLoad();
    registry = GF::HGENS::GetResources();
    ASSERT_TRUE(registry->Load());
  }
  void TearDown() override {
    if (registry) registry->Unload();
  }
  // Services the loading needs, installed once the pack is attached.
  virtual void BeforeLoad() {}

  RenderSession session;
  GF::THolder<GF::HGENS::CResource> registry;
};

}  // namespace pm::test
