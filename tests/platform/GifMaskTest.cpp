#include <gtest/gtest.h>

#include <vector>

#include "platform/GifMask.h"
#include "tools/codecs/ImageEncoders.h"

namespace {

using pm::codecs::EncodeGif;
using pm::codecs::GifImage;
using pm::codecs::GreyPalette;

TEST(GifMaskTest, GreyOfAColour) {
  for (int v : {0, 1, 127, 128, 254, 255}) EXPECT_EQ(GifGrey(v, v, v), v);
  EXPECT_EQ(GifGrey(255, 0, 0), 76);  // 0.299 * 255 = 76.2
  EXPECT_EQ(GifGrey(0, 255, 0), 150);
  EXPECT_EQ(GifGrey(0, 0, 255), 29);
}

TEST(GifMaskTest, RowsComeTopDownForPlainAndInterlacedImages) {
  for (bool interlace : {false, true}) {
    GifImage g;
    g.screenW = g.w = 2;
    g.screenH = g.h = 9;  // all four interlace passes
    g.interlace = interlace;
    g.palette = GreyPalette();
    for (int r = 0; r < 9; ++r)
      g.indices.insert(g.indices.end(), {static_cast<std::uint8_t>(r * 10), 200});
    const auto file = EncodeGif(g);
    GifMask mask;
    ASSERT_TRUE(DecodeGifMask(file.data(), file.size(), &mask));
    ASSERT_EQ(mask.width, 2);
    ASSERT_EQ(mask.height, 9);
    for (int r = 0; r < 9; ++r) {
      EXPECT_EQ(mask.grey[r * 2], r * 10) << "row " << r << " interlace " << interlace;
      EXPECT_EQ(mask.grey[r * 2 + 1], 200);
    }
  }
}

TEST(GifMaskTest, ImageKeepsItsOffsetInTheScreen) {
  GifImage g;
  g.screenW = 4;
  g.screenH = 3;
  g.left = 1;
  g.top = 1;
  g.w = 2;
  g.h = 2;
  g.background = 1;
  g.palette = {{0, 0, 0}, {10, 10, 10}, {255, 0, 0}, {255, 255, 255}};
  g.indices = {2, 3, 3, 0};
  const auto file = EncodeGif(g);
  GifMask mask;
  ASSERT_TRUE(DecodeGifMask(file.data(), file.size(), &mask));
  const std::vector<std::uint8_t> expected = {10, 10,  10,  10,  //
                                              10, 76,  255, 10,  //
                                              10, 255, 0,   10};
  EXPECT_EQ(mask.grey, expected);
}

TEST(GifMaskTest, BadBytesAreNoMask) {
  GifImage g;
  g.screenW = g.w = 8;
  g.screenH = g.h = 8;
  g.palette = GreyPalette();
  g.indices.assign(64, 9);
  const auto good = EncodeGif(g);
  const std::vector<std::vector<unsigned char>> bad = {
      {},
      {'G', 'I', 'F'},
      {0x00, 0x00, 0x00, 0x0C, 'j', 'P'},
      std::vector<unsigned char>(good.begin(), good.begin() + 30)};
  for (const auto& file : bad) {
    GifMask mask;
    EXPECT_FALSE(DecodeGifMask(file.data(), file.size(), &mask)) << file.size();
    EXPECT_TRUE(mask.grey.empty());
  }
}

}  // namespace
