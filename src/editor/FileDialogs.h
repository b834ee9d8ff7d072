#pragma once
// What the file commands share: the names their save dialogs propose, where the dialogs start,
// and the question before an existing file is replaced.
#include <QtGlobal>
#include <initializer_list>
#include <string>

#include "platform/Prompter.h"

class QWidget;

namespace filedialog {

inline const char* const kProjectExt = "bwp";
inline const char* const kOverwriteQuestion =
    QT_TRANSLATE_NOOP("FileDialogs", "同名のファイルがすでにが存在します。置き換えますか？");

}  // namespace filedialog

// One file type of a dialog's filter: a caption marked with QT_TRANSLATE_NOOP("FileDialogs", …)
// and its patterns, which stay as they are.
struct FileType {
  const char* caption;
  const char* patterns;
};
// The "Caption|patterns|…" filter with the captions in the interface's language.
std::string FileFilter(std::initializer_list<FileType> types);
std::string ProjectFilter();

// The display name without its extension.
std::string ProposedFileName(const std::string& displayName);
// The folder of a project's full path; empty for a project that was never saved.
std::string ProjectFolder(const std::string& fullPath);
// The extension with its dot, exactly as typed ("" when the name has none).
std::string FileExtension(const std::string& path);
bool FileExists(const std::string& path);

// A save dialog that starts in the project's folder and proposes the project's name.
FileDialogRequest SaveDialogRequest(const std::string& filter, const char* defaultExt,
                                    const std::string& title,
                                    const std::string& projectPath, const std::string& displayName);

// "Replace the file of the same name?" (caption "Brimwell", warning icon, OK and Cancel).
bool AskOverwrite(QWidget* owner);
// The save dialog, shown again whenever the user declines to replace an existing file. False
// when the dialog is cancelled.
bool ChooseFileToWrite(QWidget* owner, const FileDialogRequest& request, FileDialogResult& chosen);
