#include "ToolWindowFixture.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "PartsImageFile.h"
#include "editor/StatusBar.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"

std::string ToolWindowTest::PartsFile(const std::string& name, int partSize) {
  const std::string path = dir.File(name);
  WritePartsImage(path, 16, 16, partSize);
  return path;
}

void ToolWindowTest::LoadParts(const std::string& name) {
  ASSERT_TRUE(ChipForm->AddMapChip(QString::fromStdString(PartsFile(name))));
}

void AnswerNextDialog(std::function<void(QDialog*)> fill, bool accept) {
  QTimer::singleShot(0, [fill, accept] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    fill(dialog);
    if (accept)
      dialog->accept();
    else
      dialog->reject();
  });
}

bool DialogShownBy(const std::function<void()>& action) {
  bool shown = false;
  QTimer::singleShot(0, [&shown] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      shown = true;
      dialog->reject();
    }
  });
  action();
  // Without a dialog nobody ran an event loop yet: the check runs here, finding none.
  QApplication::processEvents();
  return shown;
}

std::string ChipPanel(int panel) {
  return ChipForm->StatusBar->PanelText(panel).toStdString();
}

QPoint RowPoint(int row, int x) {
  const QRect rect = LayerForm->CheckList->visualItemRect(LayerForm->CheckList->item(row));
  return {x, rect.center().y()};
}
