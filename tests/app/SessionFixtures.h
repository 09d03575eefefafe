#pragma once
// A session over the fake platform, started as the program starts, and projects typed into its
// dialog the way a maker types them.

#include <string>

#include "app/ExportCommands.h"
#include "app/FakePlatform.h"
#include "app/FileCommands.h"
#include "app/MainMenu.h"
#include "app/MenuCommands.h"
#include "app/Session.h"
#include "support/TempFolder.h"

namespace umbrix::testing {

/// A program started without a command line, with what the start showed forgotten.
struct App {
  explicit App(std::vector<std::string> args = {}) {
    started = session.Start(args);
    platform.Forget();
    RegisterSessionCommands(menus, session);
    RegisterExportCommands(menus, exports);
    RegisterFileCommands(menus, files);
  }
  FakePlatform platform;
  Session session{platform};
  ExportCommands exports{session, platform, platform};
  FileCommands files{session, platform, platform};
  bool started = false;
  /// The session's menu rows, as the window registers them.
  MenuCommands menus;

  Form& form() { return session.Dialog(); }
  /// The dialog model's own way to the project, for states a person reaches only through files.
  DialProject& project() { return session.Dialog().Project(); }
  ProjectState& state() { return session.Dialog().State(); }
};

/// The plate and its measuring gnomon: an 800 mm square, a 100 mm gnomon.
inline void TypePlate(Form& f, const std::string& side = "800", const std::string& gnomon = "100") {
  f.Enter(Field::Cote, side);
  f.Enter(Field::Gnomon, gnomon);
}

/// Both instants on 21 June 2024, at 13:00 and 17:00.
inline void TypeInstants(Form& f) {
  f.Enter(Field::Date1, "21/06/2024");
  f.Enter(Field::Heure1, "13:00:00");
  f.Enter(Field::Date2, "21/06/2024");
  f.Enter(Field::Heure2, "17:00:00");
}

/// Latitude 45 N, longitude 5 E, zone +2, full localisation.
inline void TypeFullPlace(Form& f) {
  f.SetChecked(Check::Limite, true);
  f.Enter(Field::Lat, "45");
  f.SetChecked(Check::Locc, true);
  f.Select(Radio::Est);
  f.Enter(Field::Long, "5");
  f.Enter(Field::FusHor, "2");
}

/// The two measured shadow points of the plate declining 20 W at 45 N.
inline void TypeWorkedPoints(Form& f) {
  f.Enter(Field::Mesx1, "-100.3");
  f.Enter(Field::Mesy1, "-330.6");
  f.Enter(Field::Mesx2, "164.2");
  f.Enter(Field::Mesy2, "-189.9");
}

/// The typed orientation of the worked plate: declining 20 W, vertical, rotation 0.
inline void TypeWorkedOrientation(Form& f) {
  f.Select(Radio::Douest);
  f.Enter(Field::DecEd, "20");
  f.Enter(Field::IncEd, "90");
  f.Enter(Field::RotEd, "0");
}

/// The whole worked case, measured.
inline void TypeWorkedCase(Form& f) {
  TypePlate(f);
  TypeInstants(f);
  TypeWorkedPoints(f);
  TypeFullPlace(f);
}

}  // namespace umbrix::testing
