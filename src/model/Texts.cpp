#include "model/Texts.h"

namespace umbrix {

std::string ComposeText(std::string_view pattern, const std::vector<std::string>& args,
                        long count) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9' &&
        static_cast<std::size_t>(next - '1') < args.size()) {
      out += args[static_cast<std::size_t>(next - '1')];
      ++i;
    } else if (pattern[i] == '%' && next == 'n') {
      out += std::to_string(count);
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace umbrix
