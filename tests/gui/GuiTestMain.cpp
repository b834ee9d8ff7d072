// gtest main for the GUI tests: one QApplication for the whole program, headless unless the
// environment asks for a real display.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brimwell"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
