#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include "editor/WindowPlacement.h"

namespace {

void Wait(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

// A window is placed from a stored frame; once it stands there, a size the user or the program
// gives it afterwards must stay, not snap back to the stored one.
TEST(WindowPlacement, ALaterResizeIsNotUndone) {
  QWidget window;
  window.show();
  PlaceWindow(&window, TWindowRecord{40, 30, 300, 200, 256, 1, 0});
  Wait(100);
  window.resize(500, 400);
  Wait(400);
  EXPECT_EQ(window.size(), QSize(500, 400));
}
