#include "editor/FileDialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "formats/FileTexts.h"
#include "formats/ImagePath.h"

std::string FileFilter(std::initializer_list<FileType> types) {
  std::string filter;
  for (const FileType& type : types) {
    if (!filter.empty()) filter += '|';
    filter += QCoreApplication::translate("FileDialogs", type.caption).toStdString();
    filter += std::string("|") + type.patterns;
  }
  return filter;
}

std::string ProjectFilter() {
  return FileFilter({{QT_TRANSLATE_NOOP("FileDialogs", "Project file (*.bwp)"), "*.bwp"}});
}

std::string ProposedFileName(const std::string& displayName) {
  const size_t dot = displayName.rfind('.');
  return dot == std::string::npos ? displayName : displayName.substr(0, dot);
}

std::string ProjectFolder(const std::string& fullPath) {
  return fullPath.empty() ? std::string() : FolderPart(fullPath);
}

std::string FileExtension(const std::string& path) {
  const std::string name = FileNamePart(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool FileExists(const std::string& path) {
  return QFileInfo::exists(QString::fromStdString(path));
}

FileDialogRequest SaveDialogRequest(const std::string& filter, const char* defaultExt,
                                    const std::string& title,
                                    const std::string& projectPath,
                                    const std::string& displayName) {
  FileDialogRequest request;
  request.filter = filter;
  request.defaultExt = defaultExt;
  request.title = title;
  request.initialDir = ProjectFolder(projectPath);
  request.fileName = ProposedFileName(displayName);
  return request;
}

bool AskOverwrite(QWidget* owner) {
  const QString question =
      QCoreApplication::translate("FileDialogs", filedialog::kOverwriteQuestion);
  return Prompter().MessageBox(owner, question.toStdString(), filetext::kQuestionCaption,
                               MsgIcon::Warning, MsgButtons::OKCancel) == MsgResult::OK;
}

bool ChooseFileToWrite(QWidget* owner, const FileDialogRequest& request, FileDialogResult& chosen) {
  FileDialogRequest again = request;
  for (;;) {
    chosen = Prompter().SaveFileDialog(owner, again);
    if (!chosen.accepted) return false;
    if (!FileExists(chosen.path) || AskOverwrite(owner)) return true;
    // The dialog keeps the type the user picked, or a reopened export would write another format.
    again.filterIndex = chosen.filterIndex;
  }
}
