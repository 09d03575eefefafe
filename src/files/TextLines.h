#pragma once
// Text files in the Windows-1252 code page with CR LF line ends; UTF-8 everywhere inside.

#include <string>
#include <string_view>
#include <vector>

namespace umbrix {

/// UTF-8 to Windows-1252. A character the code page cannot hold (for instance "→" or a Chinese
/// character) is written as "?", and `lossy`, when given, is set; bytes that are not valid UTF-8
/// are written as "?" too. The five bytes 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
/// stand for U+0081, U+008D, U+008F, U+0090, U+009D, so every byte round-trips.
std::string Utf8ToCp1252(std::string_view utf8, bool* lossy = nullptr);
/// Windows-1252 to UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

/// The lines of a text: ends are CR LF, LF or a lone CR; a final line end does not start another
/// line ("a\r\nb\r\n" is two lines, "" none).
std::vector<std::string> SplitLines(std::string_view text);

/// The bytes of a file holding `lines` (UTF-8): each converted to 1252 and ended by CR LF.
std::string EncodeLines(const std::vector<std::string>& lines, bool* lossy = nullptr);
/// The lines (UTF-8) of a 1252 file's bytes.
std::vector<std::string> DecodeLines(std::string_view bytes);

/// Whether `bytes` are valid UTF-8 holding at least one character beyond ASCII: what a text
/// editor leaves when it re-saves a file as UTF-8, and what Windows-1252 text with accents
/// almost never is ("é" is the one byte E9 there, never followed by a continuation byte).
bool IsUtf8Text(std::string_view bytes);
/// The lines (UTF-8) of a text file a user may have re-saved: read as UTF-8 when `IsUtf8Text`
/// holds or a UTF-8 byte-order mark opens it (the mark dropped), else as Windows-1252.
std::vector<std::string> DecodeTextFileLines(std::string_view bytes);

}  // namespace umbrix
