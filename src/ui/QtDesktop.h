#pragma once
// The desktop's services on this platform: the help pages in the program's own help window, a
// document opened by the program the desktop associates with its kind.

#include <functional>

#include "app/Ports.h"

namespace umbrix {

class QtDesktop final : public Desktop {
 public:
  /// `showTopic` shows a help topic in the help window.
  explicit QtDesktop(std::function<void(int)> showTopic) : showTopic_(std::move(showTopic)) {}

  void ShowHelpTopic(int topic) override { showTopic_(topic); }
  OpenOutcome OpenDocument(const std::filesystem::path& path) override;

 private:
  std::function<void(int)> showTopic_;
};

}  // namespace umbrix
