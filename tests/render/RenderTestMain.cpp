// The render tests need fonts, hence a QGuiApplication; on the offscreen platform so that no
// display is needed (set here: test discovery runs the binary without the test environment).

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QGuiApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
