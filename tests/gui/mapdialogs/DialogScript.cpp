#include "DialogScript.h"

DialogScript::DialogScript() {
  previous_ = SetModalRunner([this](QDialog& dialog) { return Run(dialog); });
}

DialogScript::~DialogScript() {
  SetModalRunner(previous_);
}

int DialogScript::Run(QDialog& dialog) {
  ++shown;
  last = &dialog;
  lastParent = dialog.parentWidget();
  dialog.setResult(QDialog::Rejected);
  if (fill_) {
    auto fill = std::move(fill_);
    fill_ = nullptr;
    fill(dialog);
  }
  return dialog.result();
}
