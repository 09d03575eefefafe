#pragma once
// The platform of a headless run: boxes go to the error stream prefixed by their caption,
// questions and file dialogs take the answer that changes nothing, the drawing bitmap is a
// QImage. Needs a QGuiApplication (fonts).

#include <QImage>

#include <ostream>

#include "app/Platform.h"

namespace umbrix {

class CliPlatform final : public Platform {
 public:
  /// `err` receives the boxes; the drawing fits in `maxWidth` x `maxHeight` pixels.
  CliPlatform(std::ostream& err, int maxWidth, int maxHeight);

  /// Error boxes shown so far.
  int ErrorsShown() const { return errors_; }
  /// The drawing bitmap as the screen would show it.
  const QImage& Bitmap() const { return image_; }

  void ShowMessage(const Message& message) override;
  Answer Ask(const Question& question) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialog&) override { return std::nullopt; }
  std::optional<std::string> ChooseFileToSave(const FileDialog&) override { return std::nullopt; }
  double NowSerial() const override;
  PlatformTimeZone TimeZone() const override;

  void SetWindowTitle(const std::string&) override {}
  void SetReportText(const std::string&) override {}
  void SetCommentsText(const std::string&) override {}
  void ShowMainWindow() override {}
  void ShowDialog() override {}
  void RefreshMenus() override {}
  void Terminate() override {}

  int DrawingMarginPx() const override { return margin_; }
  DrawingRoom Room() const override;
  void ResizeDrawing(int widthPx, int heightPx) override;
  std::unique_ptr<Canvas> DrawOnBitmap(const DrawingFrame& frame) override;
  void PresentDrawing() override {}

 private:
  std::ostream& err_;
  int maxWidth_;
  int maxHeight_;
  int margin_;
  int errors_ = 0;
  QImage image_;
};

/// A box's text for a terminal: "caption : text", line breaks as "\n"; an information box
/// without caption takes the program's name, as the platform's plain message box does.
std::string TerminalText(const std::string& caption, const std::string& text);

}  // namespace umbrix
