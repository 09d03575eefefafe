#include "model/CodePage.h"

#include <array>
#include <cstdint>

namespace umbrix {

namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined ones keep their C1 control value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The 1252 byte of a code point, or -1 when the code page has none.
int ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == c) return 0x80 + i;
  }
  return -1;
}

// Decodes one UTF-8 sequence at `i`; returns the code point and advances `i`, or returns
// nothing (and skips one byte) for a malformed sequence.
bool NextCodePoint(std::string_view s, size_t& i, char32_t& c) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  int length = 0;
  if (b0 < 0x80) {
    c = b0;
    length = 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    c = b0 & 0x1F;
    length = 2;
  } else if ((b0 & 0xF0) == 0xE0) {
    c = b0 & 0x0F;
    length = 3;
  } else if ((b0 & 0xF8) == 0xF0) {
    c = b0 & 0x07;
    length = 4;
  } else {
    ++i;
    return false;
  }
  if (i + length > s.size()) {
    ++i;
    return false;
  }
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return false;
    }
    c = (c << 6) | (b & 0x3F);
  }
  // overlong forms and surrogates are not characters
  constexpr std::array<char32_t, 5> kMin = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kMin[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return false;
  }
  i += length;
  return true;
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8, bool* lossy) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    char32_t c = 0;
    const int byte = NextCodePoint(utf8, i, c) ? ByteOf(c) : -1;
    if (byte < 0) {
      out += '?';
      if (lossy) *lossy = true;
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : static_cast<char32_t>(b));
  }
  return out;
}

bool IsUtf8Text(std::string_view bytes) {
  bool beyondAscii = false;
  for (size_t i = 0; i < bytes.size();) {
    char32_t c = 0;
    if (!NextCodePoint(bytes, i, c)) return false;
    beyondAscii = beyondAscii || c >= 0x80;
  }
  return beyondAscii;
}

std::size_t Utf8CharacterCount(std::string_view text) {
  std::size_t n = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace umbrix
