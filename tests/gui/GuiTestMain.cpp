// gtest main for the GUI tests: one QApplication for the whole program, headless unless the
// environment asks for a real display, with a per-user data folder of its own so that nothing
// reads or writes the real user's (recovery copies live there), and settings that are not the
// user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QTemporaryDir data;
  if (data.isValid()) setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);
  // What the tests store (the language menu's choice) goes to a folder of their own.
  const QTemporaryDir settings;
  setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brimwell"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
