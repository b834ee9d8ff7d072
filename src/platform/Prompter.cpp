#include "platform/Prompter.h"

namespace {

class SilentPrompter final : public IPrompter {
 public:
  MsgResult MessageBox(QWidget*, const std::string&, const std::string&, MsgIcon,
                       MsgButtons buttons) override {
    return buttons == MsgButtons::OK || buttons == MsgButtons::OKCancel ? MsgResult::OK
                                                                        : MsgResult::Yes;
  }
  void ShowMessage(const std::string&) override {}
  FileDialogResult OpenFileDialog(QWidget*, const FileDialogRequest&) override { return {}; }
  FileDialogResult SaveFileDialog(QWidget*, const FileDialogRequest&) override { return {}; }
  bool ChooseColor(QWidget*, uint32_t&, const std::vector<uint32_t>&) override { return false; }
  void Beep() override {}
};

SilentPrompter silentPrompter;
IPrompter* current = &silentPrompter;

}  // namespace

MsgResult IPrompter::ListBox(QWidget* owner, const std::string& text, const std::string& caption,
                             const std::vector<std::string>& items, MsgButtons buttons,
                             int& chosen) {
  std::string all = text + "\n";
  for (const std::string& item : items) all += "\n" + item;
  chosen = 0;
  return MessageBox(owner, all, caption, MsgIcon::Question, buttons);
}

IPrompter& Prompter() { return *current; }

IPrompter* SetPrompter(IPrompter* prompter) {
  IPrompter* previous = current;
  current = prompter ? prompter : &silentPrompter;
  return previous;
}
