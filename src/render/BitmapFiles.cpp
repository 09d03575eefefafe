#include "render/BitmapFiles.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <string>

#include "files/SafeFile.h"
#include "render/DrawingPalette.h"

namespace umbrix {

namespace {

std::optional<std::string> Encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
  QImageWriter writer(&buffer, format);
  if (!writer.write(image)) return std::nullopt;
  buffer.close();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::optional<Message> WriteEncoded(const std::optional<std::string>& bytes,
                                    const std::string& path) {
  if (!bytes) return WriteFailureMessage(path, WriteCause::InputOutput);
  return WriteOutputFile(path, *bytes);
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

std::optional<std::string> EncodeBmp4(const QImage& drawing) {
  return Encode(ToIndexed16(drawing), "bmp");
}

std::optional<std::string> EncodePng(const QImage& drawing) {
  return Encode(ToIndexed16(drawing), "png");
}

std::optional<std::string> EncodeSmoothPng(const QImage& drawing) {
  // opaque: the drawing has a white surface, and a viewer's checkerboard would show otherwise
  QImage rgb = drawing.convertToFormat(QImage::Format_RGB32);
  rgb.setDevicePixelRatio(1.0);
  return Encode(rgb, "png");
}

std::optional<Message> WriteBmp4(const QImage& drawing, const std::string& path) {
  return WriteEncoded(EncodeBmp4(drawing), path);
}

std::optional<Message> WritePng(const QImage& drawing, const std::string& path) {
  return WriteEncoded(EncodePng(drawing), path);
}

std::optional<Message> WriteSmoothPng(const QImage& drawing, const std::string& path) {
  return WriteEncoded(EncodeSmoothPng(drawing), path);
}

}  // namespace umbrix
