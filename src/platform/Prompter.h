#pragma once
// Every message box, file dialog, colour dialog and beep of the program goes through one
// IPrompter, so that tests can script the answers and check every text. The interface is
// free of Qt types (texts are UTF-8) so that the document model can use it too; `owner` is
// the window that owns the box, or nullptr for the active window.
#include <cstdint>
#include <string>
#include <vector>

class QWidget;

enum class MsgIcon { None, Error, Warning, Question, Information };
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, YesNoDiscard };
enum class MsgResult { OK, Cancel, Yes, No, Discard };

// A file dialog as the program describes it. `filter` uses the "Text (*.ext)|*.ext|..." form.
struct FileDialogRequest {
  std::string filter;
  std::string defaultExt;  // without the dot, e.g. "bwp"; empty for none
  std::string title;
  std::string initialDir;  // empty: wherever the platform starts
  std::string fileName;    // proposed name, may be empty
  int filterIndex = 1;     // 1-based, as the filter list counts
};

struct FileDialogResult {
  bool accepted = false;
  std::string path;     // full path of the chosen file
  int filterIndex = 1;  // 1-based index of the filter the user had selected
};

class IPrompter {
 public:
  virtual ~IPrompter() = default;
  // A message box with a caption, an icon and a button set.
  virtual MsgResult MessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                               MsgIcon icon, MsgButtons buttons) = 0;
  // The plain message (caption: the application title, no icon, OK only).
  virtual void ShowMessage(const std::string& text) = 0;
  virtual FileDialogResult OpenFileDialog(QWidget* owner, const FileDialogRequest& request) = 0;
  virtual FileDialogResult SaveFileDialog(QWidget* owner, const FileDialogRequest& request) = 0;
  // Colours are 0x00BBGGRR. Returns false when the user cancels; `colour` is then unchanged.
  virtual bool ChooseColor(QWidget* owner, uint32_t& colour,
                           const std::vector<uint32_t>& customColours) = 0;
  virtual void Beep() = 0;
  // A question with a short list to pick one item from (the first is picked at first);
  // `chosen` receives the picked item's index. Without a list of its own a prompter asks the
  // question with the items appended and picks the first.
  virtual MsgResult ListBox(QWidget* owner, const std::string& text, const std::string& caption,
                            const std::vector<std::string>& items, MsgButtons buttons, int& chosen);
};

// The prompter in force. Until one is installed a silent one answers OK/Yes, cancels dialogs
// and ignores beeps.
IPrompter& Prompter();
// Installs `prompter` (not owned; nullptr restores the silent one) and returns the previous one.
IPrompter* SetPrompter(IPrompter* prompter);
