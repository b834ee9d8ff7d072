#include "platform/Prompter.h"

namespace {

class SilentPrompter final : public IPrompter {
 public:
  MsgResult MessageBox(QWidget*, const std::string&, const std::string&, MsgIcon,
                       MsgButtons buttons) override {
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes
                                                                              : MsgResult::OK;
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

IPrompter& Prompter() { return *current; }

IPrompter* SetPrompter(IPrompter* prompter) {
  IPrompter* previous = current;
  current = prompter ? prompter : &silentPrompter;
  return previous;
}
