#pragma once
// Byte-level file access, data files and a program session for the file tests.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "files/ProjectFile.h"
#include "form/FakeFormHost.h"
#include "support/FileCopy.h"
#include "support/TempFolder.h"

namespace umbrix::testing {

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary);
  out << bytes;
}

inline std::filesystem::path DataFile(const std::string& name) {
  return std::filesystem::path(UMBRIX_TEST_DATA_DIR) / "files" / name;
}

/// A copy in `dir` of a data file, to load (see CopyInto).
inline std::string DataFileCopy(const TempFolder& dir, const std::string& name) {
  return CopyInto(dir.Path(), DataFile(name)).string();
}

// Every optional line present: rectangle, final caster, place with mid-day and solar hours.
inline Dialog& FillEverything(Dialog& d) {
  d.form.SetChecked(Check::Rectg, true);
  d.form.Enter(Field::Coteh, "80");
  d.form.Enter(Field::Cotel, "1.2e2");
  d.form.Enter(Field::Gnomon, "50");
  d.form.SetChecked(Check::Hautf, true);
  d.form.Enter(Field::Gnomf, "40");
  d.form.Enter(Field::Gnomx, "-10");
  d.form.Enter(Field::Gnomy, "5.5");
  d.form.Enter(Field::Date1, "14/7/2012");
  d.form.Enter(Field::Heure1, "9:05");
  d.form.Enter(Field::Mesx1, "-12.5");
  d.form.Enter(Field::Mesy1, "30");
  d.form.Enter(Field::Date2, ".");
  d.form.Enter(Field::Heure2, "16:00:30");
  d.form.Enter(Field::Mesx2, "20");
  d.form.Enter(Field::Mesy2, "28");
  d.form.SetChecked(Check::Limite, true);
  d.form.Select(Radio::Sud);
  d.form.Enter(Field::Lat, "33°30");
  d.form.SetChecked(Check::Mijou, true);
  d.form.Enter(Field::MiJour, "12:14");
  d.form.SetChecked(Check::Hvrai, true);
  d.form.Enter(Field::Long, "151°12");
  d.form.Select(Radio::Est);
  d.form.Enter(Field::FusHor, "-3:30");
  d.form.Enter(Field::Carreau, "20");
  d.form.Enter(Field::Dadiur, "21/12/2012");
  d.form.SelectTypeHeure(2);
  d.form.LeaveTypeHeure();
  d.form.Enter(Field::Hediur, "15:45");
  d.form.Select(Radio::Douest);
  d.form.Enter(Field::DecEd, "20°30");
  d.form.Enter(Field::IncEd, "90");
  d.form.Enter(Field::RotEd, "-2.5");
  for (TestField t : {TestField::Edit20, TestField::Edit21, TestField::Edit22, TestField::Edit23,
                      TestField::Edit24, TestField::Edit25, TestField::Edit26}) {
    d.form.Enter(t, std::to_string(10 + static_cast<int>(t)));
  }
  d.form.SetChecked(Check::Corref, true);
  DrawingOptions& o = d.project.Options;
  o.HourSubdivisions = 4;
  o.SignArcs = 3;
  o.N2points1.checked = o.Axes1.checked = o.Carreaux1.checked = o.Horizon1.checked = true;
  o.MenDat.checked = o.EteAutomne2.checked = o.LhLim.checked = o.Ombre1.checked = true;
  o.HiverPrintemps1.checked = o.Refrac1.checked = true;
  o.Gnomon1.checked = true;
  o.Style1.checked = false;
  d.state.RunMode = RunMode{2};
  d.project.Comments = "Première ligne\r\n\r\nTroisième\r\n";
  return d;
}

/// One running instance of the program: its dialog and its held project file.
struct Session : Dialog {
  explicit Session(std::vector<std::string> args = {}) : Dialog(std::move(args)) {}
  FileResult Save(const std::string& name, bool extended = false,
                  const std::vector<std::string>& report = {}) {
    return WriteProjectFile(project, state, lock, name, extended, report);
  }
  FileResult Load(const std::string& name) { return ReadProjectFile(form, lock, name); }
  ProjectFileLock lock;
};

}  // namespace umbrix::testing
