#pragma once
// Bitmap files of the drawing: 4-bit BMP with the drawing palette, and PNG.

#include <QImage>
#include <optional>
#include <string>

#include "model/Message.h"

namespace umbrix {

/// The drawing as an 8-bit indexed image whose colour table is exactly the 16-colour palette, in
/// palette order; each pixel takes its palette entry (the nearest one for a foreign colour).
/// Dots per metre are those of `drawing`.
QImage ToIndexed16(const QImage& drawing);

/// The bytes of a 4-bit BMP file of the drawing with the 16-colour palette, made in memory;
/// nothing when the encoder fails.
std::optional<std::string> EncodeBmp4(const QImage& drawing);
/// The same as a PNG with the 16-colour palette.
std::optional<std::string> EncodePng(const QImage& drawing);

/// A smooth drawing (antialiased, any colours) as a true-colour PNG, its dots per metre kept.
std::optional<std::string> EncodeSmoothPng(const QImage& drawing);

/// `EncodeBmp4` written by the program's one writer (`WriteOutputFile`): on failure an existing
/// file is left as it was and the writer's message is returned.
std::optional<Message> WriteBmp4(const QImage& drawing, const std::string& path);
/// The same as a PNG.
std::optional<Message> WritePng(const QImage& drawing, const std::string& path);
/// `EncodeSmoothPng` written by the one writer.
std::optional<Message> WriteSmoothPng(const QImage& drawing, const std::string& path);

}  // namespace umbrix
