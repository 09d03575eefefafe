#include "export/DxfTags.h"

#include <charconv>
#include <string>

#include "model/Numbers.h"

namespace umbrix {

namespace {

// Decimal digits of an integer; std::to_chars never consults the locale.
std::string Digits(long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

void DxfTagWriter::Line(std::string_view text) {
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  out_.write("\r\n", 2);
}

void DxfTagWriter::Code(int code) {
  std::string digits = Digits(code);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), ' ');
  Line(digits);
}

void DxfTagWriter::Text(int code, std::string_view value) {
  Code(code);
  Line(value);
}

void DxfTagWriter::Int(int code, long long value) {
  Code(code);
  Line(Digits(value));
}

void DxfTagWriter::Mm(int code, double value) {
  Code(code);
  Line(FormatGeneral(RoundScaled(10, value)));
}

void DxfTagWriter::Exact(int code, double value) {
  Code(code);
  Line(FormatGeneral(value));
}

void DxfTagWriter::TableHead(std::string_view name, int count) {
  Text(0, "TABLE");
  Text(2, name);
  Int(70, count);
}

void DxfTagWriter::LayerEntry(std::string_view name, int flags, int colour) {
  Text(0, "LAYER");
  Text(2, name);
  Int(70, flags);
  Int(62, colour);
  Text(6, "CONTINUOUS");
}

}  // namespace umbrix
