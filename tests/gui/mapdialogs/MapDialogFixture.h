#pragma once
// The editor with a dialog script, and a view that tells whether it was redrawn.
#include <QLineEdit>
#include <QString>

#include "DialogScript.h"
#include "EditorFixture.h"

class MapDialogTest : public EditorTest {
 protected:
  // Paints a pixel of the back buffer that only a redraw of cell (0, 0) paints over.
  void SmudgeView();
  bool ViewRedrawn() const;
  uint32_t CellPixel(int x, int y) const;
  // Cells of `layer` as rows "a b c / d e f".
  std::string Cells(int layer) const;

  DialogScript script;
};

inline void SetField(QLineEdit* field, const char* text) {
  field->setText(QString::fromUtf8(text));
}
