#include "app/MenuCommands.h"

#include <utility>

namespace umbrix {

void MenuCommands::Add(MenuId id, Command run, StateReader state) {
  entries_[id] = Entry{std::move(run), std::move(state)};
  ++registrations_;
}

bool MenuCommands::Run(MenuId id) const {
  const auto at = entries_.find(id);
  if (at == entries_.end()) return false;
  // a copy: the command may register rows again (another printer) while it runs
  const Command run = at->second.run;
  run();
  return true;
}

std::optional<MenuItemState> MenuCommands::State(MenuId id) const {
  const auto at = entries_.find(id);
  if (at == entries_.end()) return std::nullopt;
  return at->second.state ? at->second.state() : MenuItemState{};
}

}  // namespace umbrix
