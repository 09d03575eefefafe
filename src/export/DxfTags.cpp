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

void DxfTagWriter::LineTypeTable(const DxfLineTypes& types) {
  TableHead("LTYPE", 2);
  Text(0, "LTYPE");
  Text(2, "CONTINUOUS");
  Int(70, types.flags);
  Text(3, types.continuousText);
  Int(72, 65);  // 'A': aligned
  Int(73, 0);
  Text(40, types.continuousLength);
  Text(0, "LTYPE");
  Text(2, "DASHED");
  Int(70, types.flags);
  Text(3, types.dashedText);
  Int(72, 65);
  Int(73, 2);
  Exact(40, types.dash + types.gap);
  Exact(49, types.dash);
  Exact(49, -types.gap);  // a gap is written negative
  Text(0, "ENDTAB");
}

void DxfTagWriter::StyleTable(const DxfTextStyle& style) {
  TableHead("STYLE", style.tableCount);
  Text(0, "STYLE");
  Text(2, "STANDARD");
  Int(70, style.flags);
  Exact(40, 0);  // no fixed height
  Exact(41, 1);  // width factor
  Exact(50, 0);  // oblique angle
  Int(71, 0);
  Exact(42, style.lastHeight);
  Text(3, "txt");
  Text(4, "");
  Text(0, "ENDTAB");
}

}  // namespace umbrix
