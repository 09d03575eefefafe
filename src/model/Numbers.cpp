#include "model/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace umbrix {

double RoundHalfEven(double x) {
  if (!std::isfinite(x)) return x;
  const double f = std::floor(x);
  const double diff = x - f;
  if (diff > 0.5) return f + 1.0;
  if (diff < 0.5) return f;
  return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

long double RoundHalfEvenLong(long double x) {
  if (!std::isfinite(x)) return x;
  const long double f = std::floor(x);
  const long double diff = x - f;
  if (diff > 0.5L) return f + 1.0L;
  if (diff < 0.5L) return f;
  return std::fmod(f, 2.0L) == 0.0L ? f : f + 1.0L;
}

double RoundScaled(double k, double x) {
  if (k == 0.0) return x;
  const long double product = static_cast<long double>(x) * static_cast<long double>(k);
  return static_cast<double>(RoundHalfEvenLong(product)) / k;
}

std::string FormatGeneral(double x) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
  if (x == 0.0) return "0";

  // 15 significant digits, in scientific form so the exponent is known after rounding.
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
  const std::string sci(buf, res.ptr);
  const auto ePos = sci.find('e');
  std::string mantissa = sci.substr(0, ePos);
  const int exponent = std::atoi(sci.c_str() + ePos + 1);

  const bool negative = mantissa[0] == '-';
  if (negative) mantissa.erase(0, 1);
  std::string digits;
  for (char c : mantissa)
    if (c != '.') digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= -4 && exponent < 15) {
    if (exponent < 0) {
      out += "0.";
      out.append(static_cast<size_t>(-exponent - 1), '0');
      out += digits;
    } else {
      const size_t intLen = static_cast<size_t>(exponent) + 1;
      if (digits.size() <= intLen) {
        out += digits;
        out.append(intLen - digits.size(), '0');
      } else {
        out += digits.substr(0, intLen);
        out += '.';
        out += digits.substr(intLen);
      }
    }
  } else {
    out += digits.substr(0, 1);
    if (digits.size() > 1) {
      out += '.';
      out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent);
  }
  return out;
}

}  // namespace umbrix
