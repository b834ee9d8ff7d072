#pragma once
// The real prompter: Qt message boxes, file dialogs, colour dialog and the system beep.
#include <QString>

#include "platform/Prompter.h"

class QtPrompter final : public IPrompter {
 public:
  MsgResult MessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                       MsgIcon icon, MsgButtons buttons) override;
  void ShowMessage(const std::string& text) override;
  FileDialogResult OpenFileDialog(QWidget* owner, const FileDialogRequest& request) override;
  FileDialogResult SaveFileDialog(QWidget* owner, const FileDialogRequest& request) override;
  bool ChooseColor(QWidget* owner, uint32_t& colour,
                   const std::vector<uint32_t>& customColours) override;
  void Beep() override;
  MsgResult ListBox(QWidget* owner, const std::string& text, const std::string& caption,
                    const std::vector<std::string>& items, MsgButtons buttons,
                    int& chosen) override;
};

// "Text (*.a)|*.a|Other (*.b)|*.b" -> the Qt name filters "Text (*.a)", "Other (*.b)".
QStringList QtNameFilters(const std::string& filter);
// The extension that a name without one gets under filter `index` (from 0): the filter's own
// when its pattern is a single "*.ext", else `defaultExt`.
QString FilterSuffix(const std::string& filter, int index, const QString& defaultExt);
