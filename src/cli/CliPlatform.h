#pragma once
// The ports of a headless run: boxes go to the error stream prefixed by their caption, questions
// and file dialogs take the answer that changes nothing, there is no window, and the drawing
// bitmap is a QImage. Needs a QGuiApplication (fonts).

#include <ostream>

#include "app/Ports.h"
#include "render/RasterDrawing.h"
#include "render/SystemServices.h"

namespace umbrix {

/// Boxes written on a terminal; every question gets its safe answer, every file dialog is
/// cancelled.
class TerminalPrompts final : public Prompts {
 public:
  explicit TerminalPrompts(std::ostream& err) : err_(err) {}

  /// Error boxes shown so far.
  int ErrorsShown() const { return errors_; }

  void ShowMessage(const Message& message) override;
  Answer Ask(const Question& question) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialog&) override { return std::nullopt; }
  std::optional<std::string> ChooseFileToSave(const FileDialog&) override { return std::nullopt; }

 private:
  std::ostream& err_;
  int errors_ = 0;
};

/// Everything a headless session works through.
class CliPlatform {
 public:
  /// `err` receives the boxes; the drawing fits in `maxWidth` x `maxHeight` pixels.
  CliPlatform(std::ostream& err, int maxWidth, int maxHeight);
  CliPlatform(const CliPlatform&) = delete;
  CliPlatform& operator=(const CliPlatform&) = delete;

  Ports ForSession() { return {prompts_, window_, drawing_, services_}; }
  int ErrorsShown() const { return prompts_.ErrorsShown(); }
  /// The drawing bitmap as the screen would show it.
  const QImage& Bitmap() const { return drawing_.Bitmap(); }
  /// The same drawing, smooth (antialiased lines and text), pixel for pixel.
  const QImage& SmoothPicture() const { return drawing_.ScreenImage(); }

 private:
  TerminalPrompts prompts_;
  NoWindow window_;
  RasterDrawing drawing_;
  SystemServices services_;
};

/// A box's text for a terminal: "caption : text", line breaks as "\n"; an information box
/// without caption takes the program's name, as the platform's plain message box does. Both are
/// shown as they stand.
std::string TerminalText(const std::string& caption, const std::string& text);

/// `message` as a terminal line: its caption and text translated, its arguments put in.
std::string TerminalLine(const Message& message);

/// A line of the command line's own about the run, `text` already in the interface language:
/// "umbrix-cli : text".
std::string ProgramLine(const std::string& text);

}  // namespace umbrix
