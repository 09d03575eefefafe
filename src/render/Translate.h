#pragma once
// The one way the windows and the prints show a text marked in the layers below: translated in
// its context into the interface language when it is shown, its numbered arguments put in after.

#include <QLocale>
#include <QString>
#include <string>
#include <vector>

#include "model/Language.h"

namespace umbrix {

/// The interface language the application's installed translators speak, handed to the layers
/// without Qt so that the texts they compose (the report, the ephemeris...) come out in it.
class QtTextLanguage final : public TextLanguage {
 public:
  explicit QtTextLanguage(MonthNames months) : TextLanguage(months) {}
  std::string Translate(const char* context, const char* text, long count) const override;
};

/// `text`, a marked text of `context`, in the interface language (as it stands when untranslated).
QString Translated(const char* context, const std::string& text);

/// `pattern` translated in `context`, then "%1"... replaced by `args` in one pass (an argument
/// holding "%2" stays as it is); `count`, when given, chooses the plural form of "%n".
QString Translated(const char* context, const std::string& pattern,
                   const std::vector<std::string>& args, int count = -1);

}  // namespace umbrix
