#pragma once
// Answers the readers' questions without a person: OK (or Cancel when strict), each question
// and message printed on the error stream as a warning.
#include <ostream>

#include "platform/Prompter.h"

class TCliPrompter final : public IPrompter {
 public:
  TCliPrompter(std::ostream& err, bool strict) : err_(err), strict_(strict) {}

  MsgResult MessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                       MsgIcon icon, MsgButtons buttons) override;
  void ShowMessage(const std::string& text) override;
  FileDialogResult OpenFileDialog(QWidget*, const FileDialogRequest&) override { return {}; }
  FileDialogResult SaveFileDialog(QWidget*, const FileDialogRequest&) override { return {}; }
  bool ChooseColor(QWidget*, uint32_t&, const std::vector<uint32_t>&) override { return false; }
  void Beep() override {}

 private:
  std::ostream& err_;
  bool strict_;
};
