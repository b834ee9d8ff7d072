#pragma once
// The main window's commands show their dialogs through ShowModal. Tests install a runner that
// fills the dialog's controls and presses its buttons instead of entering the modal loop, so no
// test waits on a window.
#include <functional>

class QDialog;

using TModalRunner = std::function<int(QDialog& dialog)>;

// The dialog's result: QDialog::Accepted or QDialog::Rejected.
int ShowModal(QDialog& dialog);
// An empty runner restores QDialog::exec(). Returns the runner it replaces.
TModalRunner SetModalRunner(TModalRunner runner);
