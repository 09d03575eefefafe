#pragma once
// A platform for the session's tests: records every box, window shown and drawing call in one
// log, and answers every question and file dialog from a script.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/Ports.h"
#include "model/Dates.h"
#include "support/FakeZones.h"
#include "support/RecordingCanvas.h"

namespace umbrix::testing {

class FakePlatform : public Prompts, public MainView, public DrawingSurface, public Services {
 public:
  // ---- the script
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> filesToOpen;
  std::deque<std::optional<std::string>> filesToSave;
  /// 21 June 2024, 15:00 local time.
  double now = SerialFromCivil({2024, 6, 21}) + 15.0 / 24;
  PlatformTimeZone zone{ZoneState::Standard, -60.0, -60.0, -120.0};
  FakeZoneRules zones;
  int margin = 20;
  DrawingRoom room{449, 449};

  // ---- what was shown, in order
  std::vector<std::string> log;
  Messages messages;
  std::vector<Question> questions;
  std::vector<FileDialog> openDialogs;
  std::vector<FileDialog> saveDialogs;
  /// The text of the last window of its own.
  std::string textWindow;
  /// Every call on the bitmap since the last `Forget`.
  RecordingCanvas bitmap;
  /// Canvases opened on the bitmap (one a drawing) since the last `Forget`.
  int drawings = 0;
  /// Reads of the time zone (one a desk-dial trace) since the last `Forget`.
  mutable int zoneReads = 0;
  int bitmapWidth = 0;
  int bitmapHeight = 0;
  int terminated = 0;
  /// Colours of the interactive frames drawn, in order.
  std::vector<Colour> frames;
  /// Paths handed to `SaveDrawing`, in order.
  std::vector<std::string> savedPictures;
  /// `SaveDrawing` fails.
  bool failSaves = false;

  // recorded as a French user reads them: patterns composed with their arguments
  void ShowMessage(const Message& message) override {
    messages.push_back({message.kind, message.caption, message.Composed()});
    log.push_back("message:" + message.Composed());
  }
  Answer Ask(const Question& question) override {
    questions.push_back({question.caption, question.Composed(), question.buttons});
    log.push_back("question:" + question.Composed());
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << question.caption << " / " << question.text;
      return SafeAnswer(question.buttons);
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<std::string> ChooseFileToOpen(const FileDialog& dialog) override {
    openDialogs.push_back(dialog);
    log.push_back("open-dialog");
    return Next(filesToOpen, "open");
  }
  std::optional<std::string> ChooseFileToSave(const FileDialog& dialog) override {
    saveDialogs.push_back(dialog);
    log.push_back("save-dialog");
    return Next(filesToSave, "save");
  }
  double NowSerial() const override { return now; }
  PlatformTimeZone TimeZone() const override {
    ++zoneReads;
    return zone;
  }
  const ZoneRules& Zones() const override { return zones; }

  void ShowMainWindow() override { log.push_back("main-window"); }
  void ShowDialog() override { log.push_back("dialog"); }
  void ShowTextWindow(const std::string& title, const std::string& text) override {
    textWindow = text;
    log.push_back("text-window:" + title);
  }
  void Terminate() override {
    ++terminated;
    log.push_back("terminate");
  }

  int DrawingMarginPx() const override { return margin; }
  DrawingRoom Room() const override { return room; }
  void ResizeDrawing(int widthPx, int heightPx) override {
    bitmapWidth = widthPx;
    bitmapHeight = heightPx;
    log.push_back("resize");
  }
  std::unique_ptr<Canvas> DrawOnBitmap(const DrawingFrame&) override {
    ++drawings;
    return std::make_unique<Forwarding>(*this);
  }
  void PresentDrawing() override { log.push_back("present"); }
  void DrawOuterFrame(Colour colour) override {
    frames.push_back(colour);
    log.push_back(colour == colours::Red ? "frame-red" : "frame-black");
  }
  std::optional<Message> SaveDrawing(const std::filesystem::path& path) override {
    savedPictures.push_back(path.string());
    log.push_back("save-picture:" + path.string());
    if (!failSaves) return std::nullopt;
    return ErrorMessage("Erreur d'écriture du fichier " + path.string());
  }

  /// Forgets what was shown (not the script).
  void Forget() {
    log.clear();
    messages.clear();
    questions.clear();
    openDialogs.clear();
    saveDialogs.clear();
    frames.clear();
    savedPictures.clear();
    bitmap = RecordingCanvas();
    drawings = 0;
    zoneReads = 0;
  }

  /// Texts of the messages shown.
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> out;
    for (const Message& m : messages) out.push_back(m.text);
    return out;
  }
  /// Whether `events` appear in the log in this order (others may come between).
  bool LogHasInOrder(const std::vector<std::string>& events) const {
    auto at = log.begin();
    for (const std::string& e : events) {
      at = std::find(at, log.end(), e);
      if (at == log.end()) return false;
      ++at;
    }
    return true;
  }
  /// How many calls of a kind the bitmap received.
  size_t Count(CallKind kind) const { return bitmap.Of(kind).size(); }

 private:
  /// Draws on the fake's bitmap and logs a whole-surface fill.
  class Forwarding : public Canvas {
   public:
    explicit Forwarding(FakePlatform& p) : p_(p) {}
    void FillSurface(Colour colour) override {
      p_.log.push_back(colour == colours::White ? "fill-white" : "fill");
      p_.bitmap.FillSurface(colour);
    }
    void SetPenStyle(PenStyle style) override { p_.bitmap.SetPenStyle(style); }
    void SetPenWidth(int pixels) override { p_.bitmap.SetPenWidth(pixels); }
    void DrawSegment(Colour colour, PointMm from, PointMm to) override {
      p_.bitmap.DrawSegment(colour, from, to);
    }
    void DrawPolyline(Colour colour, std::span<const PointMm> points) override {
      p_.bitmap.DrawPolyline(colour, points);
    }
    void DrawMarker(Colour colour, PointMm at) override { p_.bitmap.DrawMarker(colour, at); }
    void DrawLabel(std::string_view text, const LabelPlacement& at) override {
      p_.bitmap.DrawLabel(text, at);
    }
    void DrawFilledPolygon(Colour colour, std::span<const PointMm> points) override {
      p_.bitmap.DrawFilledPolygon(colour, points);
    }
    void DrawFilledQuads(Colour colour, std::span<const PointMm> points) override {
      p_.bitmap.DrawFilledQuads(colour, points);
    }
    TextExtent MeasureText(std::string_view text) const override {
      return p_.bitmap.MeasureText(text);
    }

   private:
    FakePlatform& p_;
  };

  std::optional<std::string> Next(std::deque<std::optional<std::string>>& script,
                                  const char* which) {
    if (script.empty()) {
      ADD_FAILURE() << "unexpected " << which << " dialog";
      return std::nullopt;
    }
    auto name = script.front();
    script.pop_front();
    return name;
  }
};

/// The desktop for the documentation's tests: logs each help page and document asked for, and
/// ends each opening as scripted.
class FakeDesktop : public Desktop {
 public:
  OpenOutcome outcome = OpenOutcome::Opened;
  std::vector<std::string> log;
  std::vector<int> topics;
  std::vector<std::filesystem::path> opened;

  void ShowHelpTopic(int topic) override {
    topics.push_back(topic);
    log.push_back("help:" + std::to_string(topic));
  }
  OpenOutcome OpenDocument(const std::filesystem::path& path) override {
    opened.push_back(path);
    log.push_back("open:" + path.filename().string());
    return outcome;
  }
};

}  // namespace umbrix::testing
