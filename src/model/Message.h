#pragma once
// A message for the user, handed back as data by the computations and shown by the application.

#include <string>
#include <vector>

namespace umbrix {

enum class MessageKind {
  Error,        // caption "Erreur...", exclamation icon, OK button
  Information,  // the platform's plain message box
  Notice,       // its own caption, information icon, OK button (the About box)
};

inline constexpr const char* kErrorCaption = "Erreur...";

struct Message {
  MessageKind kind = MessageKind::Error;
  std::string caption = kErrorCaption;
  std::string text;

  friend bool operator==(const Message&, const Message&) = default;
};

inline Message ErrorMessage(std::string text) {
  return {MessageKind::Error, kErrorCaption, std::move(text)};
}
inline Message InfoMessage(std::string text) {
  return {MessageKind::Information, "", std::move(text)};
}

using Messages = std::vector<Message>;

}  // namespace umbrix
