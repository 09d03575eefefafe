#pragma once
// Messages as a French user reads them: each pattern composed with its arguments.

#include <optional>

#include "model/Message.h"

namespace umbrix::testing {

inline Messages AsShown(const Messages& messages) {
  Messages out;
  for (const Message& m : messages) out.push_back({m.kind, m.caption, m.Composed()});
  return out;
}

inline Message AsShown(const Message& m) { return {m.kind, m.caption, m.Composed()}; }

inline std::optional<Message> AsShown(const std::optional<Message>& m) {
  if (!m) return std::nullopt;
  return AsShown(*m);
}

}  // namespace umbrix::testing
