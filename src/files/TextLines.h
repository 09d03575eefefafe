#pragma once
// Text files in the Windows-1252 code page with CR LF line ends; UTF-8 everywhere inside.

#include <string>
#include <string_view>
#include <vector>

#include "model/CodePage.h"

namespace umbrix {

/// The lines of a text: ends are CR LF, LF or a lone CR; a final line end does not start another
/// line ("a\r\nb\r\n" is two lines, "" none).
std::vector<std::string> SplitLines(std::string_view text);

/// The bytes of a file holding `lines` (UTF-8): each converted to 1252 and ended by CR LF.
std::string EncodeLines(const std::vector<std::string>& lines, bool* lossy = nullptr);
/// The lines (UTF-8) of a 1252 file's bytes.
std::vector<std::string> DecodeLines(std::string_view bytes);

/// The lines (UTF-8) of a text file a user may have re-saved: read as UTF-8 when `IsUtf8Text`
/// holds or a UTF-8 byte-order mark opens it (the mark dropped), else as Windows-1252.
std::vector<std::string> DecodeTextFileLines(std::string_view bytes);

}  // namespace umbrix
