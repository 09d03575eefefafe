// The window tests run real widgets on the offscreen platform (set here: test discovery runs the
// binary without the test environment), with a scratch HOME so that nothing of the user's is
// read or written.

#include <gtest/gtest.h>

#include <QApplication>

#include "support/TempFolder.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const umbrix::testing::TempFolder home;
  qputenv("HOME", home.Path().string().c_str());
  qputenv("XDG_RUNTIME_DIR", home.Path().string().c_str());
  // the language chosen for the next start is written under the scratch folder too
  qputenv("XDG_CONFIG_HOME", home.Path().string().c_str());
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
