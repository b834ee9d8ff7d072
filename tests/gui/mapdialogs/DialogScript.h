#pragma once
// Stands in for the modal loop of the main window's dialogs: each dialog shown goes to the
// script's filler, which sets its controls and presses its buttons; the dialog's result is what
// the command sees. A dialog that no filler takes is cancelled, so no test waits on a window.
#include <gtest/gtest.h>

#include <QDialog>
#include <QPointer>
#include <functional>

#include "editor/ModalRunner.h"

class DialogScript {
 public:
  DialogScript();
  ~DialogScript();
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;

  // The next dialog shown must be a `Dialog`; `fill` works it.
  template <class Dialog>
  void Next(std::function<void(Dialog&)> fill) {
    fill_ = [fill](QDialog& dialog) {
      auto* typed = dynamic_cast<Dialog*>(&dialog);
      ASSERT_NE(typed, nullptr) << "another dialog was shown";
      fill(*typed);
    };
  }

  int shown = 0;
  QPointer<QDialog> last;  // null again once the command has released its dialog
  QWidget* lastParent = nullptr;

 private:
  int Run(QDialog& dialog);

  std::function<void(QDialog&)> fill_;
  TModalRunner previous_;
};
