// The editor's start-up: application, prompter, activation, the document and the windows, the
// first map, the project (or FMF file) named on the command line, the offer of recovery copies
// left by editors that stopped unexpectedly, then the message loop.
#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QStringList>
#include <QTimer>
#include <QTranslator>
#include <csignal>

#include "editor/ActivationGate.h"
#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/RecoveryKeeper.h"
#include "editor/StartupFile.h"
#include "platform/QtPrompter.h"

namespace {

// The interface is Japanese: Qt's own dialogs (files, colours) speak it too when the system
// has Qt's translations, and one Japanese font keeps digits and kana of a label alike.
void UseJapanese(QApplication& app, QTranslator& translator) {
  if (translator.load(QStringLiteral("qtbase_ja"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&translator);
  for (const QString& family : {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")}) {
    if (QFontDatabase::families().contains(family)) {
      QFont font = app.font();
      font.setFamily(family);
      QApplication::setFont(font);
      break;
    }
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  // A file-size limit then fails the save, which says so and keeps the document, instead of
  // killing the program with the user's work.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brimwell"));
  QApplication::setDesktopFileName(QStringLiteral("brimwell"));  // brimwell.desktop, for its icon
  QTranslator translator;
  UseJapanese(app, translator);
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
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) OpenStartupFile(*MainForm, arguments.at(1));
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
