#include "render/BitmapFiles.h"

#include <QImageWriter>
#include <QSaveFile>
#include <QString>

#include <string>

#include "render/DrawingPalette.h"

namespace umbrix {

namespace {

Message BitmapWriteError(const std::filesystem::path& path) {
  return ErrorMessage("Erreur d'écriture du fichier " + path.string());
}

std::optional<Message> WriteIndexed(const QImage& drawing, const std::filesystem::path& path,
                                    const char* format) {
  const QImage indexed = ToIndexed16(drawing);
  // QSaveFile writes beside the destination and renames only on a complete commit.
  QSaveFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::WriteOnly)) return BitmapWriteError(path);
  QImageWriter writer(&file, format);
  if (!writer.write(indexed)) {
    file.cancelWriting();
    return BitmapWriteError(path);
  }
  if (!file.commit()) return BitmapWriteError(path);
  return std::nullopt;
}

}  // namespace

QImage ToIndexed16(const QImage& drawing) {
  const QImage rgb = drawing.convertToFormat(QImage::Format_RGB32);
  QImage indexed(rgb.size(), QImage::Format_Indexed8);
  indexed.setColorTable(DrawingColourTable());
  indexed.setDotsPerMeterX(drawing.dotsPerMeterX());
  indexed.setDotsPerMeterY(drawing.dotsPerMeterY());
  QRgb lastPixel = 0;
  int lastIndex = -1;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* out = indexed.scanLine(y);
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb pixel = in[x] | 0xFF000000u;
      if (lastIndex < 0 || pixel != lastPixel) {
        lastPixel = pixel;
        lastIndex = PaletteIndexOf(pixel);
      }
      out[x] = static_cast<uchar>(lastIndex);
    }
  }
  return indexed;
}

std::optional<Message> WriteBmp4(const QImage& drawing, const std::filesystem::path& path) {
  return WriteIndexed(drawing, path, "bmp");
}

std::optional<Message> WritePng(const QImage& drawing, const std::filesystem::path& path) {
  return WriteIndexed(drawing, path, "png");
}

}  // namespace umbrix
