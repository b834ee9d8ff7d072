#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <functional>
#include <memory>

#include "windows/AboutBoxUnit.h"
#include "windows/CopyLayerDialogUnit.h"
#include "windows/FillDialogUnit.h"
#include "windows/NewLayerDialogUnit.h"
#include "windows/PrefsFormUnit.h"
#include "windows/ProgressFormUnit.h"
#include "windows/ReplaceDialogUnit.h"
#include "windows/ResizeDialogUnit.h"

namespace {

using Factory = std::function<QDialog*(QWidget*)>;

const Factory kDialogs[] = {
    [](QWidget* owner) { return new TNewLayerDialog(owner); },
    [](QWidget* owner) { return new TCopyLayerDialog(owner); },
    [](QWidget* owner) { return new TResizeDialog(8, 8, 1, 8, owner); },
    [](QWidget* owner) { return new TFillDialog(owner); },
    [](QWidget* owner) { return new TReplaceDialog(8, owner); },
    [](QWidget* owner) { return new TPrefsForm(8, owner); },
    [](QWidget* owner) { return new TAboutBox(MemoryStatus(), owner); },
    [](QWidget* owner) {
      auto* progress = new TProgressForm(owner);
      progress->Start(0, 1);
      return progress;
    },
};

}  // namespace

// Centred on the screen, not over the main window that owns them.
TEST(Dialogs, OpenCentredOnTheScreenWithAFixedSize) {
  QWidget owner;
  owner.setGeometry(0, 0, 200, 150);
  owner.show();
  for (const Factory& make : kDialogs) {
    std::unique_ptr<QDialog> dialog(make(&owner));
    dialog->show();
    QApplication::processEvents();
    const QPoint screenCentre = dialog->screen()->availableGeometry().center();
    const QPoint centre = dialog->geometry().center();
    EXPECT_LE((centre - screenCentre).manhattanLength(), 2) << dialog->windowTitle().toStdString();
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << dialog->windowTitle().toStdString();
  }
}

TEST(Dialogs, TheFillListHasTheFocusWhenShown) {
  TFillDialog dialog;
  dialog.show();
  dialog.activateWindow();
  QApplication::processEvents();
  EXPECT_EQ(dialog.focusWidget(), dialog.ComboBox1);
}
