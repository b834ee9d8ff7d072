// The real prompter: the save dialog gives a name without an extension the chosen type's, and
// boxes have an owner and stand on top.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>

#include "platform/QtPrompter.h"
#include "support/TempDir.h"

namespace {

const char kTypes[] =
    "Fixed Mapdata File (*.fmf)|*.fmf|CSV Text File v1(*.csv)|*.csv|Bitmap File (*.bmp)|*.bmp";

// Chooses file type `type` (from 0) in the next file dialog, types `name` and presses Save.
void AnswerSaveDialog(int type, const QString& name) {
  QTimer::singleShot(0, [type, name] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    const QStringList types = dialog->nameFilters();
    ASSERT_LT(type, types.size());
    dialog->selectNameFilter(types[type]);
    // The type as a user picks it, through the dialog's own list.
    emit dialog->filterSelected(types[type]);
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
    QMetaObject::invokeMethod(dialog, "accept");
  });
}

FileDialogResult Save(const TempDir& dir, int type, const QString& name) {
  QtPrompter prompter;
  FileDialogRequest request;
  request.filter = kTypes;
  request.defaultExt = "fmf";
  request.initialDir = dir.Path();
  AnswerSaveDialog(type, name);
  return prompter.SaveFileDialog(nullptr, request);
}

}  // namespace

TEST(FilterSuffix, TakesTheTypesOwnExtension) {
  EXPECT_EQ(FilterSuffix(kTypes, 0, "x"), "fmf");
  EXPECT_EQ(FilterSuffix(kTypes, 1, "x"), "csv");
  EXPECT_EQ(FilterSuffix(kTypes, 2, "x"), "bmp");
  EXPECT_EQ(FilterSuffix(kTypes, 3, "x"), "x");  // no such type
  EXPECT_EQ(FilterSuffix(kTypes, -1, "x"), "x");
  EXPECT_EQ(FilterSuffix("All (*.*)|*.*", 0, "x"), "x");
  EXPECT_EQ(FilterSuffix("Images|*.bmp;*.dib", 0, "x"), "x");
  EXPECT_EQ(FilterSuffix("Any|*", 0, "x"), "x");
}

TEST(SaveFileDialog, ANameWithoutExtensionTakesTheChosenTypes) {
  TempDir dir;
  const FileDialogResult csv = Save(dir, 1, QStringLiteral("out"));
  ASSERT_TRUE(csv.accepted);
  EXPECT_EQ(csv.path, dir.File("out.csv"));
  EXPECT_EQ(csv.filterIndex, 2);
  const FileDialogResult bitmap = Save(dir, 2, QStringLiteral("map"));
  EXPECT_EQ(bitmap.path, dir.File("map.bmp"));
  EXPECT_EQ(bitmap.filterIndex, 3);
  // A typed extension stays, whatever the type.
  const FileDialogResult typed = Save(dir, 2, QStringLiteral("map.csv"));
  EXPECT_EQ(typed.path, dir.File("map.csv"));
  EXPECT_EQ(typed.filterIndex, 3);
  EXPECT_EQ(Save(dir, 0, QStringLiteral("plain")).path, dir.File("plain.fmf"));
}

// A box belongs to a window of the program (the main window while none is active) and stands
// above the windows that stay on top.
TEST(QtPrompterBox, HasAnOwnerAndStandsOnTop) {
  QMainWindow main;
  QWidget tool(&main, Qt::Tool | Qt::WindowStaysOnTopHint);
  auto* child = new QWidget(&tool);
  for (QWidget* owner : {static_cast<QWidget*>(nullptr), child}) {
    QWidget* seen = nullptr;
    Qt::WindowFlags flags;
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      seen = box->parentWidget();
      flags = box->windowFlags();
      box->close();
    });
    QtPrompter().MessageBox(owner, "text", "caption", MsgIcon::Question, MsgButtons::YesNo);
    EXPECT_EQ(seen, owner ? static_cast<QWidget*>(&tool) : &main);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
  }
}
