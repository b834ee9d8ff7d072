// The editor's start-up: application, prompter, activation, the document and the windows, the
// first map, the project (or FMF file) named on the command line, the offer of recovery copies
// left by editors that stopped unexpectedly, then the message loop.
#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/ActivationGate.h"
#include "editor/Globals.h"
#include "editor/InterfaceFont.h"
#include "editor/MainFormUnit.h"
#include "editor/RecoveryKeeper.h"
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
  // A file-size limit then fails the save, which says so and keeps the document, instead of
  // killing the program with the user's work.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brimwell"));
  QApplication::setDesktopFileName(QStringLiteral("brimwell"));  // brimwell.desktop, for its icon
  const std::vector<std::string> arguments = ChooseStartLanguage();
  QtPrompter prompter;
  SetPrompter(&prompter);
  TActivationGate gate;
  QElapsedTimer clock;
  clock.start();
  QObject::connect(&app, &QGuiApplication::applicationStateChanged,
                   [&gate, &clock](Qt::ApplicationState state) {
                     if (state != Qt::ApplicationActive)
                       gate.Deactivated(clock.elapsed());
                     else if (gate.Activated(clock.elapsed()) && MainForm)
                       MainForm->AppOnActive();
                   });

  CreateApplicationObjects();
  MainForm->CreateNewMap(100, 100, 1, 32, 32, 8);
  TRecoveryKeeper recovery(TRecoveryStore::DefaultFolder());
  if (!arguments.empty()) OpenStartupFile(*MainForm, QString::fromStdString(arguments.front()));
  MainForm->show();
  MainForm->FormResize();
  MainForm->FocusMainWindow();
  recovery.Start();
  // Asked over the shown window, once the start-up file is open.
  QTimer::singleShot(0, &recovery, [&recovery] { recovery.OfferLeftCopies(); });

  const int result = app.exec();
  DestroyApplicationObjects();
  SetPrompter(nullptr);
  return result;
}
