#include "support/ScriptedPrompter.h"

int ScriptedPrompter::BeepCount() const {
  int n = 0;
  for (const PromptCall& c : calls) n += c.kind == PromptCall::Beep;
  return n;
}

std::vector<PromptCall> ScriptedPrompter::Boxes() const {
  std::vector<PromptCall> result;
  for (const PromptCall& c : calls)
    if (c.kind != PromptCall::Beep) result.push_back(c);
  return result;
}

std::vector<std::string> ScriptedPrompter::Texts() const {
  std::vector<std::string> result;
  for (const PromptCall& c : calls)
    if (c.kind == PromptCall::Message || c.kind == PromptCall::Plain) result.push_back(c.text);
  return result;
}

MsgResult ScriptedPrompter::MessageBox(QWidget* owner, const std::string& text,
                                       const std::string& caption, MsgIcon icon,
                                       MsgButtons buttons) {
  PromptCall call;
  call.kind = PromptCall::Message;
  call.text = text;
  call.caption = caption;
  call.icon = icon;
  call.buttons = buttons;
  call.owner = owner;
  calls.push_back(call);
  if (!answers_.empty()) {
    const MsgResult answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return buttons == MsgButtons::OK || buttons == MsgButtons::OKCancel ? MsgResult::OK
                                                                      : MsgResult::Yes;
}

MsgResult ScriptedPrompter::ListBox(QWidget* owner, const std::string& text,
                                    const std::string& caption,
                                    const std::vector<std::string>& items, MsgButtons buttons,
                                    int& chosen) {
  chosen = 0;
  if (!choices_.empty()) {
    chosen = choices_.front();
    choices_.pop_front();
  }
  const MsgResult answer = MessageBox(owner, text, caption, MsgIcon::Question, buttons);
  calls.back().kind = PromptCall::List;
  calls.back().items = items;
  return answer;
}

void ScriptedPrompter::ShowMessage(const std::string& text) {
  PromptCall call;
  call.kind = PromptCall::Plain;
  call.text = text;
  calls.push_back(call);
}

FileDialogResult ScriptedPrompter::OpenFileDialog(QWidget* owner,
                                                  const FileDialogRequest& request) {
  return FileDialog(PromptCall::OpenFile, owner, request);
}

FileDialogResult ScriptedPrompter::SaveFileDialog(QWidget* owner,
                                                  const FileDialogRequest& request) {
  return FileDialog(PromptCall::SaveFile, owner, request);
}

FileDialogResult ScriptedPrompter::FileDialog(PromptCall::Kind kind, QWidget* owner,
                                              const FileDialogRequest& request) {
  PromptCall call;
  call.kind = kind;
  call.file = request;
  call.owner = owner;
  calls.push_back(call);
  if (files_.empty()) return {};
  FileDialogResult result = files_.front();
  files_.pop_front();
  return result;
}

bool ScriptedPrompter::ChooseColor(QWidget* owner, uint32_t& colour,
                                   const std::vector<uint32_t>& customColours) {
  PromptCall call;
  call.kind = PromptCall::Color;
  call.owner = owner;
  calls.push_back(call);
  lastCustomColours = customColours;
  if (colours_.empty()) return false;
  colour = colours_.front();
  colours_.pop_front();
  return true;
}

void ScriptedPrompter::Beep() {
  PromptCall call;
  call.kind = PromptCall::Beep;
  calls.push_back(call);
}
