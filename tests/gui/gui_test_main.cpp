// GoogleTest main for widget tests: one QApplication for the whole run.
#include <gtest/gtest.h>

#include <QApplication>

#include "gui/map/web_engine.h"

int main(int argc, char** argv) {
  // Widget tests need no display; ctest also runs this binary to list the tests,
  // without the tests' environment. Scripts that want a real X server say so.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  direvovu::gui::PrepareWebEngine();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
