// GoogleTest main for the player tests: one QApplication, since the snapshot test needs
// a real native window and the event tests need an event loop.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
