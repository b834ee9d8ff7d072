#pragma once
// The new-layer dialog, which also serves as the layer-settings dialog: a name and the parts
// image ("チップセット") of a layer.
#include <QCoreApplication>

#include "windows/CenteredDialog.h"

class ChoiceComboBox;
class QLineEdit;
class QPushButton;

class TNewLayerDialog : public CenteredDialog {
  Q_DECLARE_TR_FUNCTIONS(TNewLayerDialog)

 public:
  explicit TNewLayerDialog(QWidget* parent = nullptr);

  void SetLayerName(const QString& name);
  QString LayerName() const;
  // Fills ChipSetCombo; no item is chosen.
  void SetChipSetItems(const QStringList& fileNames);
  // Puts a text into ChipSetCombo's field without choosing an item.
  void SetChipSetText(const QString& text);
  // The chosen item of ChipSetCombo, or -1 when the user chose none.
  int ChosenChipSetIndex() const;

  QLineEdit* NameEdit;
  ChoiceComboBox* ChipSetCombo;
  QPushButton* OKButton;
  QPushButton* CancelButton;

 protected:
  void showEvent(QShowEvent* event) override;
};
