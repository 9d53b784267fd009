#include "files/export/SaveFile.h"
#include "files/formats/TextureTga.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace vantor::files {
namespace {

using platform::Bitmap;
using test::ReadFile;
using test::TempDir;

// 3 × 2: top row black, white, (0x12, 0x34, 0x56); bottom row (0xAB, 0, 0), cyan, grey.
std::unique_ptr<Bitmap> SmallTexture() {
  auto texture = Bitmap::Create(3, 2);
  texture->MarkInked({0, 0, 3, 2});
  const std::uint32_t rows[2][3] = {{0x000000, 0xFFFFFF, 0x123456}, {0xAB0000, 0x00FFFF, 0x7F7F7F}};
  for (int y = 0; y < 2; ++y) std::copy(rows[y], rows[y] + 3, texture->MutableRow(y));
  return texture;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes += static_cast<char>(value);
  return bytes;
}

TEST(TextureTga, SmallImageIsByteExactBottomUpWithRedAsAlpha) {
  MemorySink out;
  ASSERT_TRUE(WriteTextureTga(out, SmallTexture().get()));
  const std::string expected =
      Bytes({0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 32, 8}) +
      // first record: bottom-left; a pixel's green and blue never reach the file
      Bytes({0xFF, 0xFF, 0xFF, 0xAB, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0x7F}) +
      // top row last: black FF FF FF 00, white FF FF FF FF, last record top-right
      Bytes({0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x12});
  EXPECT_EQ(out.Bytes(), expected);
}

TEST(TextureTga, SizeIsHeaderPlusFourBytesAPixelWithLittleEndianSides) {
  MemorySink out;
  ASSERT_TRUE(WriteTextureTga(out, Bitmap::Create(256, 128).get()));
  ASSERT_EQ(out.Bytes().size(), 131090u);
  EXPECT_EQ(out.Bytes().substr(12, 4), Bytes({0x00, 0x01, 0x80, 0x00}));
}

TEST(TextureTga, NoTextureGivesTheHeaderAloneWithZeroSides) {
  MemorySink out;
  ASSERT_TRUE(WriteTextureTga(out, nullptr));
  EXPECT_EQ(out.Bytes(), Bytes({0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 32, 8}));
}

TEST(TextureTga, TextureTheHeaderCannotDescribeIsRefusedAndTheOldFileKept) {
  const auto wide = Bitmap::Create(65536, 2);
  ASSERT_NE(wide, nullptr);
  MemorySink out;
  EXPECT_FALSE(WriteTextureTga(out, wide.get()));
  EXPECT_EQ(out.Bytes(), "");

  TempDir dir;
  test::WriteFile(dir.Path("old.tga"), "old");
  const FileResult result = WriteTextureTga(dir.Path("old.tga"), wide.get());
  EXPECT_EQ(result.status, FileStatus::TextureTooLarge);
  EXPECT_EQ(result.message, dir.Path("old.tga") +
                                " cannot hold the texture: a TGA image is at most 65535 pixels wide and high.");
  EXPECT_EQ(ReadFile(dir.Path("old.tga")), "old");
}

TEST(TextureTga, EveryWriteIsChecked) {
  for (std::size_t limit : {0, 17, 18, 29, 41}) {
    test::LimitedSink out(limit);
    EXPECT_FALSE(WriteTextureTga(out, SmallTexture().get())) << "limit " << limit;
  }
}

// Our header and row order, read by someone else's parser: PIL reports the image
// the same way up as the texture, white with the red bytes as alpha.
TEST(TextureTga, IndependentReaderSeesTheTexture) {
  TempDir dir;
  ASSERT_TRUE(WriteTextureTga(dir.Path("small.tga"), SmallTexture().get()).Ok());
  const std::string command = "/usr/bin/python3 -c \"from PIL import Image; im = Image.open('" +
                              dir.Path("small.tga") +
                              "'); print(im.format, im.size, im.mode, list(im.getdata()))\" 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) output += buffer;
  EXPECT_EQ(output,
            "TGA (3, 2) RGBA [(255, 255, 255, 0), (255, 255, 255, 255), (255, 255, 255, 18), "
            "(255, 255, 255, 171), (255, 255, 255, 0), (255, 255, 255, 127)]\n");
}

}  // namespace
}  // namespace vantor::files
