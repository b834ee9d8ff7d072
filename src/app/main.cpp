// The editor's start-up: application, prompter, activation, the document and the windows, the
// first map, the project (or FMF file) named on the command line, then the message loop.
#include <QApplication>
#include <QStringList>

#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/StartupFile.h"
#include "platform/QtPrompter.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brimwell"));
  QApplication::setDesktopFileName(QStringLiteral("brimwell"));  // brimwell.desktop, for its icon
  QtPrompter prompter;
  SetPrompter(&prompter);
  QObject::connect(&app, &QGuiApplication::applicationStateChanged, [](Qt::ApplicationState s) {
    if (s == Qt::ApplicationActive && MainForm) MainForm->AppOnActive();
  });

  CreateApplicationObjects();
  MainForm->CreateNewMap(100, 100, 1, 32, 32, 8);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) OpenStartupFile(*MainForm, arguments.at(1));
  MainForm->show();
  MainForm->FormResize();
  MainForm->FocusMainWindow();

  const int result = app.exec();
  DestroyApplicationObjects();
  SetPrompter(nullptr);
  return result;
}
