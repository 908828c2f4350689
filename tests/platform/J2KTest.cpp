#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/J2K.h"
#include "tools/codecs/ImageEncoders.h"

namespace {

using pm::codecs::EncodeJp2;
using pm::codecs::EncodeJp2Argb;
using pm::codecs::Jp2Plane;

// Decodes through the whole call sequence and returns the pixels as ARGB words.
std::vector<std::uint32_t> Decode(const std::vector<unsigned char>& file, int* w, int* h) {
  J2K_Image image = J2K_OpenMemory(file.data(), file.size());
  EXPECT_NE(image, nullptr) << J2K_getErrorStr(J2K_getLastError());
  if (!image) return {};
  J2K_Info info{};
  EXPECT_EQ(J2K_GetInfoEx(image, &info), J2K_OK);
  EXPECT_EQ(J2K_GetResolutionDimensionsByStr(image, nullptr, w, h), J2K_OK);
  EXPECT_EQ(info.width, *w);
  EXPECT_EQ(info.height, *h);
  unsigned char* buffer = nullptr;
  int size = 0, pitch = 0;
  EXPECT_EQ(J2K_Decode(image, &buffer, &size, nullptr, &pitch), J2K_OK);
  EXPECT_EQ(pitch, *w * 4);
  EXPECT_EQ(size, pitch * *h);
  std::vector<std::uint32_t> out(static_cast<std::size_t>(*w) * *h);
  for (int y = 0; y < *h; ++y) std::memcpy(&out[y * *w], buffer + y * pitch, *w * 4);
  J2K_Close(image);
  return out;
}

TEST(J2KTest, ComponentCountsGiveArgbPixels) {
  const std::vector<std::uint32_t> argb = {0xFF102030, 0x80FFFFFF, 0x00000000,
                                           0x40C08001, 0xFFABCDEF, 0x7F010203};
  struct Case {
    int components;
    std::vector<std::uint32_t> expected;
  } cases[] = {
      // grey: red channel as grey, opaque
      {1, {0xFF101010, 0xFFFFFFFF, 0xFF000000, 0xFFC0C0C0, 0xFFABABAB, 0xFF010101}},
      {2, {0xFF101010, 0x80FFFFFF, 0x00000000, 0x40C0C0C0, 0xFFABABAB, 0x7F010101}},
      {3, {0xFF102030, 0xFFFFFFFF, 0xFF000000, 0xFFC08001, 0xFFABCDEF, 0xFF010203}},
      {4, argb},
  };
  for (const Case& c : cases) {
    int w = 0, h = 0;
    EXPECT_EQ(Decode(EncodeJp2Argb(3, 2, argb, c.components), &w, &h), c.expected) << c.components;
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 2);
  }
}

TEST(J2KTest, CodestreamPrecisionSignAndSubsampling) {
  // 12-bit unsigned red, 4-bit green, signed 8-bit blue subsampled 2 x 2, on a 4 x 2 grid.
  Jp2Plane red{4, 2, 1, 1, 12, false, {0, 4095, 2048, 16, 0, 0, 0, 4095}};
  Jp2Plane green{4, 2, 1, 1, 4, false, {0, 15, 5, 10, 0, 0, 0, 0}};
  Jp2Plane blue{2, 1, 2, 2, 8, true, {-128, 127}};
  int w = 0, h = 0;
  const auto px = Decode(EncodeJp2(4, 2, {red, green, blue}, /*codestream=*/true), &w, &h);
  ASSERT_EQ(px.size(), 8u);
  EXPECT_EQ(px[0], 0xFF000000u);  // red 0, green 0, blue -128 -> 0
  EXPECT_EQ(px[1], 0xFFFFFF00u);  // red 4095 -> 255, green 15 -> 255, blue -128 -> 0
  EXPECT_EQ(px[2], 0xFF8055FFu);  // red 2048 -> 128, green 5 -> 85, blue 127 -> 255
  EXPECT_EQ(px[3], 0xFF01AAFFu);  // red 16 -> 1, green 10 -> 170
  EXPECT_EQ(px[4], 0xFF000000u);  // second row shares the first row's blue samples
  EXPECT_EQ(px[7], 0xFFFF00FFu);
}

TEST(J2KTest, SubsampledLumaAndChromaBecomeRgb) {
  // 4:2:0 on a 2 x 2 grid: four luma samples, one Cb and one Cr.
  Jp2Plane luma{2, 2, 1, 1, 8, false, {76, 150, 29, 255}};
  Jp2Plane cb{1, 1, 2, 2, 8, false, {128}};
  Jp2Plane cr{1, 1, 2, 2, 8, false, {228}};
  int w = 0, h = 0;
  const auto px = Decode(EncodeJp2(2, 2, {luma, cb, cr}, false, /*ycc=*/true), &w, &h);
  ASSERT_EQ(px.size(), 4u);
  // R = Y + 1.402 (Cr - 128), G = Y - 0.714136 (Cr - 128), B = Y.
  EXPECT_EQ(px[0], 0xFFD8054Cu);
  EXPECT_EQ(px[1], 0xFFFF4F96u);
  EXPECT_EQ(px[3], 0xFFFFB8FFu);
}

TEST(J2KTest, BadDataFailsWithAnErrorText) {
  std::vector<unsigned char> good = EncodeJp2Argb(2, 2, {1, 2, 3, 4}, 3);
  std::vector<unsigned char> header = good;
  for (std::size_t i = 12; i < header.size(); ++i) header[i] = static_cast<unsigned char>(i * 37);
  const std::vector<std::vector<unsigned char>> bad = {
      {},
      {'G', 'I', 'F', '8', '9', 'a'},
      header,
      std::vector<unsigned char>(good.begin(), good.begin() + 20)};
  for (const auto& file : bad) {
    EXPECT_EQ(J2K_OpenMemory(file.data(), file.size()), nullptr);
    EXPECT_NE(J2K_getLastError(), J2K_OK);
    EXPECT_STRNE(J2K_getErrorStr(J2K_getLastError()), "");
  }
  EXPECT_EQ(J2K_OpenMemory(nullptr, 10), nullptr);
  EXPECT_EQ(J2K_getLastError(), J2K_ERR_ARGUMENT);
}

TEST(J2KTest, OnlyTheFullResolutionIsOffered) {
  const auto file = EncodeJp2Argb(2, 2, {1, 2, 3, 4}, 1);
  J2K_Image image = J2K_OpenMemory(file.data(), file.size());
  ASSERT_NE(image, nullptr);
  int w = 0, h = 0;
  EXPECT_EQ(J2K_GetResolutionDimensionsByStr(image, "", &w, &h), J2K_OK);
  EXPECT_EQ(J2K_GetResolutionDimensionsByStr(image, "1", &w, &h), J2K_ERR_ARGUMENT);
  J2K_Close(image);
}

}  // namespace
