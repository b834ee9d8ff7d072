// The editor's start-up: application, prompter, activation, the document and the windows, the
// first map, the project (or FMF file) named on the command line, then the message loop.
#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/Globals.h"
#include "editor/InterfaceFont.h"
#include "editor/MainFormUnit.h"
#include "editor/StartupFile.h"
#include "platform/Language.h"
#include "platform/QtPrompter.h"

namespace {

// Japanese unless --lang, BRIMWELL_LANG or the language menu's setting says otherwise; a wrong
// --lang is reported and passed over. Returns the arguments without the option.
std::vector<std::string> ChooseStartLanguage() {
  std::vector<std::string> args;
  for (const QString& arg : QApplication::arguments().mid(1)) args.push_back(arg.toStdString());
  std::string option, error;
  if (!TakeLanguageOption(args, option, error)) {
    std::fprintf(stderr, "brimwell: %s\n", error.c_str());
    option.clear();
  }
  const TLanguage language =
      ChooseLanguage(option, std::getenv("BRIMWELL_LANG"), StoredLanguageCode());
  ApplyLanguage(language);
  UseInterfaceFont(language);
  return args;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brimwell"));
  QApplication::setDesktopFileName(QStringLiteral("brimwell"));  // brimwell.desktop, for its icon
  const std::vector<std::string> arguments = ChooseStartLanguage();
  QtPrompter prompter;
  SetPrompter(&prompter);
  QObject::connect(&app, &QGuiApplication::applicationStateChanged, [](Qt::ApplicationState s) {
    if (s == Qt::ApplicationActive && MainForm) MainForm->AppOnActive();
  });

  CreateApplicationObjects();
  MainForm->CreateNewMap(100, 100, 1, 32, 32, 8);
  if (!arguments.empty()) OpenStartupFile(*MainForm, QString::fromStdString(arguments.front()));
  MainForm->show();
  MainForm->FormResize();
  MainForm->FocusMainWindow();

  const int result = app.exec();
  DestroyApplicationObjects();
  SetPrompter(nullptr);
  return result;
}
