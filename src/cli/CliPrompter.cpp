#include "cli/CliPrompter.h"

MsgResult TCliPrompter::MessageBox(QWidget*, const std::string& text, const std::string&,
                                   MsgIcon, MsgButtons buttons) {
  const bool question = buttons != MsgButtons::OK;
  if (question && strict_) {
    err_ << "brimwell-cli: warning: " << text << " -> Cancel (--strict)\n";
    return buttons == MsgButtons::OKCancel ? MsgResult::Cancel : MsgResult::No;
  }
  err_ << "brimwell-cli: warning: " << text << (question ? " -> OK" : "") << "\n";
  switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
      return MsgResult::Yes;
    default:
      return MsgResult::OK;
  }
}

void TCliPrompter::ShowMessage(const std::string& text) {
  err_ << "brimwell-cli: warning: " << text << "\n";
}
