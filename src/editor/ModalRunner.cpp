#include "editor/ModalRunner.h"

#include <QDialog>
#include <utility>

namespace {

TModalRunner& Runner() {
  static TModalRunner runner;
  return runner;
}

}  // namespace

int ShowModal(QDialog& dialog) {
  if (Runner()) return Runner()(dialog);
  return dialog.exec();
}

TModalRunner SetModalRunner(TModalRunner runner) {
  return std::exchange(Runner(), std::move(runner));
}
