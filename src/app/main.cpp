#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brimwell"));
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Brimwell"));
  window.resize(590, 590);
  window.show();
  return app.exec();
}
