#pragma once
// The interface language as the layers without Qt see it: the texts they compose (the report, the
// ephemeris, the reliability study, the title block, the About box) are written through it, so
// that the very same lines come out in the language the person reads, with the same numbers in
// the same order. The source language answers every text with itself, so a core that is handed
// no language writes French, byte for byte.

#include <string>
#include <vector>

#include "model/Dates.h"
#include "model/Message.h"
#include "model/Texts.h"

namespace umbrix {

/// The translation context of the report's lines.
inline constexpr const char* kReportContext = "Report";

class TextLanguage {
 public:
  explicit TextLanguage(MonthNames months = MonthNames::French) : months_(months) {}
  virtual ~TextLanguage() = default;

  /// `text`, marked in `context`, in this language; "%1"... and "%n" stay for the composition.
  /// `count` chooses the plural form of a text with "%n" (-1: none).
  virtual std::string Translate(const char* context, const char* text, long count) const;

  /// A marked text in this language.
  std::string Text(const char* context, const char* text) const;
  /// A marked pattern in this language, its arguments (and `count` for "%n") put in.
  std::string Compose(const char* context, const char* pattern,
                      const std::vector<std::string>& args, long count = -1) const;
  /// A line of the report, plain or with its arguments.
  std::string Report(const char* text) const { return Text(kReportContext, text); }
  std::string Report(const char* pattern, const std::vector<std::string>& args) const {
    return Compose(kReportContext, pattern, args);
  }

  /// The month names of "d mmmm yyyy" in this language.
  MonthNames Months() const { return months_; }
  /// "d mmmm yyyy" with this language's month names.
  std::string LongDate(double serial) const { return FormatDateLong(serial, months_); }

 private:
  MonthNames months_;
};

/// A message's text in `language`, its arguments put in.
std::string MessageIn(const Message& message, const TextLanguage& language);

/// French, the source language: every text as it is written.
const TextLanguage& SourceLanguage();

}  // namespace umbrix
