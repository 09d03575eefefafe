#pragma once
// The lowest layer of the DXF writer: one group code and its value per call, as two CR LF lines.

#include <ostream>
#include <string_view>

namespace umbrix {

/// The LTYPE table both DXF writers state: CONTINUOUS, then DASHED (a dash and a gap, mm).
struct DxfLineTypes {
  int flags = 0;                      // of both entries
  std::string_view continuousText;    // the descriptions a CAD program shows
  std::string_view continuousLength;  // CONTINUOUS's pattern length, as the file writes it
  std::string_view dashedText;
  double dash = 0.0;
  double gap = 0.0;
};

/// The STYLE table both DXF writers state: the one text style STANDARD on the font "txt".
struct DxfTextStyle {
  int tableCount = 1;  // the entry count the table states
  int flags = 0;
  double lastHeight = 0.0;  // the height last used (group 42), mm
};

/// Writes DXF group code / value pairs: the code right-aligned in three characters on its own
/// line, the value on the next, every line ending with CR LF. Numbers never depend on the locale.
class DxfTagWriter {
 public:
  explicit DxfTagWriter(std::ostream& out) : out_(out) {}

  /// A text value written as it stands.
  void Text(int code, std::string_view value);
  /// A whole number ("70", "62" ...).
  void Int(int code, long long value);
  /// A coordinate or size (mm): rounded to 0.1 mm, ties to even, in the general format.
  void Mm(int code, double value);
  /// A number written unrounded in the general format (filled areas' z, the creation date).
  void Exact(int code, double value);

  /// A table's head: its name and the entry count the file states.
  void TableHead(std::string_view name, int count);
  /// One entry of the LAYER table, drawn in continuous lines.
  void LayerEntry(std::string_view name, int flags, int colour);
  /// The whole LTYPE table, from its head to ENDTAB.
  void LineTypeTable(const DxfLineTypes& types);
  /// The whole STYLE table, from its head to ENDTAB.
  void StyleTable(const DxfTextStyle& style);

 private:
  void Code(int code);
  void Line(std::string_view text);

  std::ostream& out_;
};

}  // namespace umbrix
