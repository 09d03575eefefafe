// Any text as an entry: the parsers of every text kind and the dialog's leave handler. A value
// that parses comes back unchanged through its display form, and an entry the handler accepts
// reads the same when its shown text is typed again.
//
// The first byte picks the field; the rest is the text.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "form/FakeFormHost.h"
#include "model/Dates.h"
#include "model/Formats.h"
#include "model/Numbers.h"

namespace {

using namespace umbrix;

void Require(bool condition) {
  if (!condition) std::abort();
}

void DecimalRoundTrip(std::string_view text) {
  const auto v = ParseDecimal(text);
  if (!v) return;
  Require(std::isfinite(*v));
  const std::string shown = FormatGeneral(*v);
  const auto back = ParseDecimal(shown);
  Require(back.has_value());
  // the display form keeps 15 significant digits, and is its own display form
  Require(std::abs(*back - *v) <= 1e-14 * std::abs(*v));
  Require(FormatGeneral(*back) == shown);
}

void WholeRoundTrip(std::string_view text) {
  const auto n = ParseWhole(text);
  if (!n) return;
  Require(ParseWhole(std::to_string(*n)) == n);
}

void SexagesimalIsFinite(std::string_view text) {
  for (std::string_view separator : {":", "°"}) {
    if (const auto v = ParseSexagesimal(text, separator)) Require(std::isfinite(*v));
  }
}

void DateRoundTrip(std::string_view text) {
  ParseContext ctx;
  ctx.today = SerialFromCivil({2023, 7, 14});
  ctx.dayFirst = true;
  const auto serial = ParseDate(text, ctx);
  if (!serial) return;
  Require(std::isfinite(*serial) && *serial == std::floor(*serial));
  // "dd/mm/yyyy", the project file's form, reads back as the same day
  Require(ParseDate(FormatDateShort(*serial), ctx) == serial);
}

void TimeRoundTrip(std::string_view text) {
  const auto t = ParseTime(text);
  if (!t) return;
  Require(std::isfinite(*t));
  if (*t < 0 || *t >= 1) return;  // the entries' range check refuses it
  const std::string shown = FormatLongTime(*t);
  const auto back = ParseTime(shown);
  Require(back.has_value());
  Require(std::abs(*back - *t) <= 0.5 / 86400 + 1e-12);
  Require(FormatLongTime(*back) == shown);
}

// The leave handler, then the shown text typed again: same value, same text, same flag.
void EntryRoundTrip(Field field, const std::string& text) {
  testing::Dialog d;
  d.form.Enter(field, text);
  const Entry first = d.project.At(field);
  if (!first.given) return;
  Require(std::isfinite(first.value));
  d.form.Enter(field, first.text);
  const Entry& again = d.project.At(field);
  Require(again.given);
  Require(again.text == first.text);
  Require(again.value == first.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 256) return 0;
  const auto field = static_cast<Field>(data[0] % kFieldCount);
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  DecimalRoundTrip(text);
  WholeRoundTrip(text);
  SexagesimalIsFinite(text);
  DateRoundTrip(text);
  TimeRoundTrip(text);
  EntryRoundTrip(field, text);
  return 0;
}
