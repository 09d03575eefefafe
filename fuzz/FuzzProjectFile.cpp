// Any bytes as a project file: the reader either loads them through the dialog's handlers or
// refuses them with a message, and a refused load leaves the dialog as it was.

#include <cstdint>
#include <cstdlib>

#include "FuzzFile.h"
#include "files/ProjectFile.h"
#include "form/FakeFormHost.h"

namespace {

using umbrix::testing::Dialog;

void Load(Dialog& dialog, const std::string& file) {
  umbrix::ProjectFileLock lock;
  const umbrix::DialProject before = dialog.project;
  const umbrix::FileResult r = umbrix::ReadProjectFile(dialog.form, lock, file);
  if (r.ok != lock.Held()) std::abort();
  if (!r.ok) {
    if (r.error.text.empty()) std::abort();
    // a failed load must not touch the current project
    if (dialog.project.Cote.text != before.Cote.text ||
        dialog.project.Comments != before.Comments || dialog.project.Lat.text != before.Lat.text) {
      std::abort();
    }
    return;
  }
  // what was loaded can be saved again
  if (umbrix::BuildProjectFileLines(dialog.project, dialog.state, true, {}).empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static umbrix::fuzzing::ScratchFile scratch(".umd");
  const std::string file = scratch.Write(data, size).string();
  Dialog user;
  user.form.Enter(umbrix::Field::Cote, "120");
  Load(user, file);
  Dialog developer({"MAP"});  // developer mode also reads the extended files
  Load(developer, file);
  return 0;
}
