#pragma once
// The Windows-1252 code page of the files the program writes and reads, against the UTF-8 used
// everywhere inside.

#include <cstddef>
#include <string>
#include <string_view>

namespace umbrix {

/// UTF-8 to Windows-1252. A character the code page cannot hold (for instance "→" or a Chinese
/// character) is written as "?", and `lossy`, when given, is set; bytes that are not valid UTF-8
/// are written as "?" too. The five bytes 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
/// stand for U+0081, U+008D, U+008F, U+0090, U+009D, so every byte round-trips.
std::string Utf8ToCp1252(std::string_view utf8, bool* lossy = nullptr);
/// Windows-1252 to UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

/// Whether `bytes` are valid UTF-8 holding at least one character beyond ASCII: what a text
/// editor leaves when it re-saves a file as UTF-8, and what Windows-1252 text with accents
/// almost never is ("é" is the one byte E9 there, never followed by a continuation byte).
bool IsUtf8Text(std::string_view bytes);

/// The characters of a UTF-8 text: every byte that does not continue a sequence.
std::size_t Utf8CharacterCount(std::string_view text);

}  // namespace umbrix
