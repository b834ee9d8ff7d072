#pragma once
// The editor's fixture with a temporary folder for parts-image files, and helpers that drive
// the tool windows as a user would.
#include <QPoint>
#include <QString>
#include <functional>
#include <string>

#include "EditorFixture.h"
#include "support/TempDir.h"

class QDialog;

class ToolWindowTest : public EditorTest {
 protected:
  // Writes a 16 x 16 parts image of `partSize` pixels into the folder; returns its path.
  std::string PartsFile(const std::string& name, int partSize = 32);
  // Loads a new image of that name for the current layer.
  void LoadParts(const std::string& name);

  TempDir dir;
};

// Runs `fill` on the next modal dialog, then accepts it (or rejects it when `accept` is false).
void AnswerNextDialog(std::function<void(QDialog*)> fill, bool accept = true);
// Runs `action`; true when it opened a modal dialog (which is then cancelled).
bool DialogShownBy(const std::function<void()>& action);

// Texts of the parts window's status panels.
std::string ChipPanel(int panel);
// The centre of row `row` of the layer list, `x` pixels from its left edge.
QPoint RowPoint(int row, int x = 60);
