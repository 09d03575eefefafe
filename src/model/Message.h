#pragma once
// A message for the user, handed back as data by the computations and shown by the application.
// Its caption and text are marked texts of the "Message" context; a text with a variable part is
// a pattern with numbered arguments, translated and composed where it is shown.

#include <string>
#include <vector>

#include "model/Texts.h"

namespace umbrix {

/// The translation context of every message's caption and text.
inline constexpr const char* kMessageContext = "Message";

enum class MessageKind {
  Error,        // caption "Erreur...", exclamation icon, OK button
  Information,  // the platform's plain message box
  Notice,       // its own caption, information icon, OK button (the About box)
};

inline constexpr const char* kErrorCaption = UMBRIX_TR("Message", "Erreur...");

struct Message {
  MessageKind kind = MessageKind::Error;
  std::string caption = kErrorCaption;
  std::string text;                    // the whole text, or a pattern with "%1"... for `args`
  std::vector<std::string> args = {};  // the pattern's values, as the source language writes them
  /// The number "%n" stands for, which also chooses the plural form; -1 when the text has none.
  int count = -1;

  /// The text as the source language shows it.
  std::string Composed() const { return ComposeText(text, args, count); }

  friend bool operator==(const Message&, const Message&) = default;
};

inline Message ErrorMessage(std::string text, std::vector<std::string> args = {}) {
  return {MessageKind::Error, kErrorCaption, std::move(text), std::move(args)};
}
inline Message InfoMessage(std::string text, std::vector<std::string> args = {}) {
  return {MessageKind::Information, "", std::move(text), std::move(args)};
}

using Messages = std::vector<Message>;

}  // namespace umbrix
