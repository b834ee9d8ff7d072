#pragma once
// A prompter for tests: records every call with its texts and replays queued answers, so no
// test ever blocks on a modal window. Install it with ScopedPrompter.
#include <deque>
#include <string>
#include <vector>

#include "platform/Prompter.h"

struct PromptCall {
  enum Kind { Message, Plain, OpenFile, SaveFile, Color, Beep, List } kind = Message;
  std::string text;
  std::string caption;
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::OK;
  FileDialogRequest file;  // for OpenFile / SaveFile
  QWidget* owner = nullptr;
  std::vector<std::string> items;  // for List
};

class ScriptedPrompter : public IPrompter {
 public:
  // Answers are used in order; with none queued a message box gets its first button
  // (OK or Yes), a file dialog and the colour dialog are cancelled.
  void QueueAnswer(MsgResult answer) { answers_.push_back(answer); }
  void QueueFile(const std::string& path, int filterIndex = 1) {
    files_.push_back({true, path, filterIndex});
  }
  void QueueFileCancel() { files_.push_back({}); }
  void QueueColor(uint32_t colour) { colours_.push_back(colour); }
  // The item a list box picks (the first when none is queued); its button comes from
  // QueueAnswer.
  void QueueChoice(int index) { choices_.push_back(index); }

  std::vector<PromptCall> calls;
  int BeepCount() const;
  // Calls other than beeps.
  std::vector<PromptCall> Boxes() const;
  // The texts of the message boxes and plain messages, in order.
  std::vector<std::string> Texts() const;
  void Clear() { calls.clear(); }

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

  std::vector<uint32_t> lastCustomColours;

 private:
  // Records an open or save dialog and answers it with the next queued file.
  FileDialogResult FileDialog(PromptCall::Kind kind, QWidget* owner,
                              const FileDialogRequest& request);

  std::deque<MsgResult> answers_;
  std::deque<FileDialogResult> files_;
  std::deque<uint32_t> colours_;
  std::deque<int> choices_;
};

// Installs a ScriptedPrompter for the lifetime of the object.
class ScopedPrompter : public ScriptedPrompter {
 public:
  ScopedPrompter() { previous_ = SetPrompter(this); }
  ~ScopedPrompter() override { SetPrompter(previous_); }

 private:
  IPrompter* previous_ = nullptr;
};
