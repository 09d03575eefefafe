#pragma once
// Bitmap files of the drawing: 4-bit BMP with the drawing palette, and PNG.

#include <QImage>

#include <filesystem>
#include <optional>

#include "model/Message.h"

namespace umbrix {

/// The drawing as an 8-bit indexed image whose colour table is exactly the 16-colour palette, in
/// palette order; each pixel takes its palette entry (the nearest one for a foreign colour).
/// Dots per metre are those of `drawing`.
QImage ToIndexed16(const QImage& drawing);

/// Writes the drawing as a 4-bit BMP with the 16-colour palette, atomically: on failure an
/// existing file is left as it was and "Erreur d'écriture du fichier " + path is returned.
std::optional<Message> WriteBmp4(const QImage& drawing, const std::filesystem::path& path);

/// The same as a PNG with the 16-colour palette.
std::optional<Message> WritePng(const QImage& drawing, const std::filesystem::path& path);

}  // namespace umbrix
