#pragma once
// Drives the map view with real mouse and key events and reads cells back as pictures.
#include <QPoint>
#include <string>

#include "EditorFixture.h"

class ToolTest : public EditorTest {
 protected:
  // A map of `width` x `height` cells of 16-pixel parts with a parts image on layer 0.
  void SetUpMap(int width, int height);

  // View pixel at the middle of view cell (column, row).
  QPoint CellCentre(int column, int row) const;
  void Press(int column, int row, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers keys = Qt::NoModifier);
  void Move(int column, int row);
  void Release(int column, int row, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers keys = Qt::NoModifier);
  // Press, move through the end cell, release.
  void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton,
            Qt::KeyboardModifiers keys = Qt::NoModifier);
  void Click(int column, int row, Qt::MouseButton button = Qt::LeftButton);
  void Key(Qt::Key key, Qt::KeyboardModifiers keys = Qt::NoModifier);

  // Selects the block of parts (x, y)-(x + dx, y + dy) in the parts window.
  void PickParts(int x, int y, int dx = 0, int dy = 0);
  // Rows of the rectangle separated by " / ", cells by blanks: "1 2 / 17 18".
  std::string Cells(int layer, int x, int y, int width, int height) const;
  // Sets the rectangle from such a picture.
  void SetCells(int layer, int x, int y, const std::string& picture);
  std::string Panel(int index) const;
  // Groups of the history below the cursor.
  int Groups() const;
};
