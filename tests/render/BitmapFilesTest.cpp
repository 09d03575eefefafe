#include "render/BitmapFiles.h"

#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "RenderFixtures.h"
#include "render/DrawingPalette.h"
#include "render/QtRasterCanvas.h"
#include "render/RasterDrawing.h"

namespace umbrix {
namespace {

using testing::RasterFrame;

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le32(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t Le16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    static_cast<unsigned char>(b[at + 1]) << 8);
}

class BitmapFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    folder = std::filesystem::temp_directory_path() /
             ("umbrix-bitmap-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(folder);
    // A small drawing with one pixel of every palette colour on its top row.
    frame = RasterFrame(10);  // 81 x 81 pixels
    drawing = NewDrawingImage(frame);
    for (int i = 0; i < 16; ++i)
      drawing.setPixel(i, 0, ToQRgb(kDrawingPalette[static_cast<std::size_t>(i)]));
    QtRasterCanvas canvas(drawing, frame);
    canvas.DrawSegment(colours::Purple, {-5, -5}, {5, 3});
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::filesystem::path folder;
  DrawingFrame frame;
  QImage drawing;
};

TEST_F(BitmapFilesTest, IndexedImageHasExactlyThePaletteAndKeepsEveryPixel) {
  const QImage indexed = ToIndexed16(drawing);
  EXPECT_EQ(indexed.format(), QImage::Format_Indexed8);
  EXPECT_EQ(indexed.colorTable(), DrawingColourTable());
  EXPECT_EQ(indexed.pixelIndex(2, 0), 1);  // the second grey reads as the first
  EXPECT_EQ(indexed.pixelIndex(15, 0), 15);
  EXPECT_EQ(indexed.convertToFormat(QImage::Format_RGB32), drawing);
  EXPECT_EQ(indexed.dotsPerMeterX(), 3780);
}

TEST_F(BitmapFilesTest, BmpIsFourBitsPerPixelWithTheSixteenColoursInOrder) {
  const auto path = folder / "cadran.bmp";
  ASSERT_EQ(WriteBmp4(drawing, path), std::nullopt);
  const std::string b = Slurp(path);
  ASSERT_GE(b.size(), 118u);
  EXPECT_EQ(b.substr(0, 2), "BM");
  EXPECT_EQ(Le32(b, 2), b.size());                   // bfSize
  EXPECT_EQ(Le32(b, 10), 14u + 40u + 16u * 4u);      // bfOffBits: palette of 16 entries
  EXPECT_EQ(Le32(b, 14), 40u);                       // BITMAPINFOHEADER
  EXPECT_EQ(static_cast<std::int32_t>(Le32(b, 18)), 81);
  EXPECT_EQ(static_cast<std::int32_t>(Le32(b, 22)), 81);  // bottom-up
  EXPECT_EQ(Le16(b, 26), 1);                         // planes
  EXPECT_EQ(Le16(b, 28), 4);                         // biBitCount
  EXPECT_EQ(Le32(b, 30), 0u);                        // BI_RGB
  EXPECT_EQ(Le32(b, 38), 3780u);                     // 96 dpi, the same on every machine
  EXPECT_EQ(Le32(b, 42), 3780u);
  const std::uint32_t used = Le32(b, 46);
  EXPECT_TRUE(used == 16u || used == 0u) << used;    // 0 also means all 16
  for (std::size_t i = 0; i < 16; ++i) {
    const QRgb expected = ToQRgb(kDrawingPalette[i]);
    const std::size_t at = 54 + 4 * i;
    EXPECT_EQ(static_cast<unsigned char>(b[at]), qBlue(expected)) << i;
    EXPECT_EQ(static_cast<unsigned char>(b[at + 1]), qGreen(expected)) << i;
    EXPECT_EQ(static_cast<unsigned char>(b[at + 2]), qRed(expected)) << i;
  }
  const std::size_t rowBytes = ((81 * 4 + 31) / 32) * 4;
  EXPECT_EQ(b.size(), 118 + rowBytes * 81);
  // The top row is the last in the file: its first two pixels, black and grey, are 0x01.
  EXPECT_EQ(static_cast<unsigned char>(b[118 + rowBytes * 80]), 0x01);
  EXPECT_EQ(static_cast<unsigned char>(b[118 + rowBytes * 80 + 7]), 0xEF);  // blue, fuchsia

  const QImage back(QString::fromStdString(path.string()));
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), drawing);
}

TEST_F(BitmapFilesTest, SameDrawingSameBytes) {
  ASSERT_EQ(WriteBmp4(drawing, folder / "a.bmp"), std::nullopt);
  ASSERT_EQ(WriteBmp4(drawing, folder / "b.bmp"), std::nullopt);
  EXPECT_EQ(Slurp(folder / "a.bmp"), Slurp(folder / "b.bmp"));
}

TEST_F(BitmapFilesTest, PngKeepsEveryPixelWithThePalette) {
  const auto path = folder / "cadran.png";
  ASSERT_EQ(WritePng(drawing, path), std::nullopt);
  EXPECT_EQ(Slurp(path).substr(1, 3), "PNG");
  const QImage back(QString::fromStdString(path.string()));
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), drawing);
  EXPECT_LE(back.colorCount(), 16);
  EXPECT_GT(back.colorCount(), 0);
}

TEST_F(BitmapFilesTest, ReplacesAnExistingFile) {
  const auto path = folder / "cadran.bmp";
  std::ofstream(path) << "old";
  ASSERT_EQ(WriteBmp4(drawing, path), std::nullopt);
  EXPECT_EQ(Slurp(path).substr(0, 2), "BM");
}

TEST_F(BitmapFilesTest, MissingFolderFailsWithTheFrenchMessage) {
  const auto path = folder / "absent" / "cadran.bmp";
  const std::optional<Message> failure = WriteBmp4(drawing, path);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->caption, "Erreur...");
  EXPECT_EQ(failure->Composed(), path.string() +
                               " : erreur d'écriture, le fichier n'a pas été enregistré (dossier "
                               "introuvable)");
  EXPECT_TRUE(WritePng(drawing, path).has_value());
}

TEST_F(BitmapFilesTest, DestinationThatIsAFolderIsLeftAlone) {
  const auto path = folder / "cadran.png";
  std::filesystem::create_directory(path);
  std::ofstream(path / "inside.txt") << "keep";
  EXPECT_TRUE(WritePng(drawing, path).has_value());
  EXPECT_TRUE(WriteBmp4(drawing, path).has_value());
  EXPECT_EQ(Slurp(path / "inside.txt"), "keep");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace umbrix

namespace umbrix {
namespace {

TEST_F(BitmapFilesTest, TheDrawingsOuterFrameIsItsOutermostPixelsAndItsPictureABmp) {
  RasterDrawing surface;
  surface.ResizeDrawing(7, 5);
  surface.DrawOuterFrame(colours::Red);
  const QImage& bitmap = surface.Bitmap();
  const QRgb red = ToQRgb(colours::Red);
  for (int x = 0; x < 7; ++x) {
    EXPECT_EQ(bitmap.pixel(x, 0), red) << x;
    EXPECT_EQ(bitmap.pixel(x, 4), red) << x;
  }
  for (int y = 0; y < 5; ++y) {
    EXPECT_EQ(bitmap.pixel(0, y), red) << y;
    EXPECT_EQ(bitmap.pixel(6, y), red) << y;
  }
  EXPECT_EQ(bitmap.pixel(1, 1), ToQRgb(colours::White));
  EXPECT_EQ(bitmap.pixel(5, 3), ToQRgb(colours::White));

  const auto path = folder / "vue000.bmp";
  std::ofstream(path) << "old";
  ASSERT_EQ(surface.SaveDrawing(path), std::nullopt);
  EXPECT_EQ(Slurp(path).substr(0, 2), "BM");
  EXPECT_EQ(QImage(QString::fromStdString(path.string())).pixel(0, 0), red);
  EXPECT_TRUE(surface.SaveDrawing(folder / "absent" / "vue001.bmp").has_value());
}

}  // namespace
}  // namespace umbrix
