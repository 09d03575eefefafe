#pragma once
// What each menu row runs and shows, registered by the command family that owns the row beside
// its commands: the window triggers every item, and reads every check mark and enabled state,
// through this one map.

#include <cstddef>
#include <functional>
#include <map>
#include <optional>

#include "app/MainMenu.h"

namespace umbrix {

class MenuCommands {
 public:
  using Command = std::function<void()>;
  using StateReader = std::function<MenuItemState()>;

  /// The row `id` runs `run` and shows `state` (none: a plain item, unchecked and enabled). A
  /// family registering again (the prints on another printer) replaces its rows.
  void Add(MenuId id, Command run, StateReader state = {});
  /// Runs the row's command; false when no family registered the row.
  bool Run(MenuId id) const;
  /// The row's check mark and enabled state; nothing when no family registered the row.
  std::optional<MenuItemState> State(MenuId id) const;
  bool Has(MenuId id) const { return entries_.count(id) != 0; }
  /// Every `Add` so far: more than the rows held when two families claimed one row.
  std::size_t Registrations() const { return registrations_; }

 private:
  struct Entry {
    Command run;
    StateReader state;
  };
  std::map<MenuId, Entry> entries_;
  std::size_t registrations_ = 0;
};

}  // namespace umbrix
