// Opening and saving projects.
#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <exception>

#include "editor/EditorLoadHost.h"
#include "editor/FileDialogs.h"
#include "editor/FileProgress.h"
#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/RecoveryKeeper.h"
#include "editor/RecoveryTexts.h"
#include "editor/ScrollBar.h"
#include "formats/FileTexts.h"
#include "formats/ImagePath.h"
#include "formats/ProjectReader.h"
#include "formats/ProjectWriter.h"
#include "formats/UnstorableTexts.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

namespace {

int WorkAreaWidth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().width() : kDefaultWorkAreaWidth;
}

// The outer frame, as the project stores window rectangles.
void TakePlacement(const QRect& frame, bool visible, TWindowRecord& record) {
  record.left = frame.x();
  record.top = frame.y();
  record.width = frame.width();
  record.height = frame.height();
  record.visible = visible ? 1 : 0;
}

void TakePlacement(const TToolWindow* window, TWindowRecord& record) {
  TakePlacement(window->StoredFrame(), window->isVisible(), record);
}

void ReportSaveFailure(QWidget* owner, const std::string& reason) {
  Prompter().MessageBox(owner, filetext::WriteFailureText(filetext::kProjectWriteFailed, reason),
                        QCoreApplication::translate("TMainForm", "エラー").toStdString(),
                        MsgIcon::Error, MsgButtons::OK);
}

}  // namespace

// --- opening ------------------------------------------------------------------------------------

bool TMainForm::OpenProjectFile(const std::string& path) {
  return LoadProject(path, FileNamePart(path), AbsolutePath(path), nullptr);
}

bool TMainForm::RestoreRecoveryCopy(const std::string& copyPath, const TRecoveryNote& note) {
  return LoadProject(copyPath, note.name.empty() ? recoverytext::kUntitled : note.name,
                     note.originalPath, &note);
}

bool TMainForm::LoadProject(const std::string& path, const std::string& name,
                            const std::string& fullPath, const TRecoveryNote* restored) {
  if (!Map || !Map->IsReady()) return false;
  if (!AskToSaveChanges()) return false;
  MapName = name;  // the messages name the file being read
  TFileProgress progress(this);
  TEditorLoadHost host(&progress);
  TProjectReadOptions options;
  options.workAreaWidth = WorkAreaWidth();
  TFileResult result;
  try {
    result = ReadProjectFile(path, *Map, Records, host, options);
  } catch (const std::exception& e) {
    result = TFileResult::Failure(e.what());
  }
  if (!result) {
    progress.Finish();
    ReplaceByDefaultMap(MapName, result.reason);
    return false;
  }
  Init();
  ApplyEditorFlags();
  MapName = name;
  FileName = fullPath;
  if (restored) Records.header.relativePaths = restored->relativePaths ? 1 : 0;
  FormResize();
  FormatTittle();
  if (restored) {
    Map->SetModified();
  } else {
    Map->ClearModified();
    ForgetRecoveryCopy();
  }
  progress.Finish();
  FinishOpenedMap();
  return true;
}

// The last steps of every open and import: the windows back, the view at its top-left corner.
void TMainForm::FinishOpenedMap() {
  // Images may have been read before the file's colour key was known.
  if (ChipForm) ChipForm->FollowColorKey(Records.colorKey.color);
  show();
  ShowToolWindowsAsChecked();
  HorizScrollBar->SetPosition(0);
  VertScrollBar->SetPosition(0);
  if (PreviewForm) PreviewForm->ResetPreview();
  ToolButtonMediator();
}

void TMainForm::ReplaceByDefaultMap(const std::string& failedFile, const std::string& reason) {
  show();
  Prompter().MessageBox(this, filetext::ReadErrorText(failedFile, reason),
                        tr("エラー").toStdString(), MsgIcon::Error, MsgButtons::OK);
  CreateNewMap(100, 100, 1, 32, 32, 8);
}

void TMainForm::OpenMenuItemClick() {
  if (!OpenMenuItem->isEnabled()) return;
  FileDialogRequest request;
  request.filter = ProjectFilter();
  request.defaultExt = filedialog::kProjectExt;
  request.initialDir = ProjectFolder(FileName);
  const FileDialogResult chosen = Prompter().OpenFileDialog(this, request);
  if (chosen.accepted) OpenProjectFile(chosen.path);
}

void TMainForm::OpenToolButtonClick() {
  OpenMenuItemClick();
}

// --- saving -------------------------------------------------------------------------------------

TProjectRecords TMainForm::RecordsToSave() const {
  TProjectRecords records = Records;
  RefreshWindowRecords(records);
  return records;
}

void TMainForm::RefreshWindowRecords(TProjectRecords& records) const {
  TakePlacement(frameGeometry(), isVisible(), records.mainWin);
  if (Map && Map->GetPartWidth() > 0)
    records.mainWin.zoom = static_cast<uint16_t>(CellWidth * 256 / Map->GetPartWidth());
  if (ChipForm) {
    TakePlacement(ChipForm, records.chipWin);
    records.chipWin.zoom = static_cast<uint16_t>(ChipForm->GetZoomRatio());
  }
  if (LayerForm) TakePlacement(LayerForm, records.layerWin);
  if (PreviewForm) {
    TakePlacement(PreviewForm, records.previewWin);
    records.previewWin.zoom = static_cast<uint16_t>(PreviewForm->GetPreviewScale());
  }
}

// Works on a copy of the records: a failed write leaves the editor exactly as it was.
bool TMainForm::SaveProjectFile(const std::string& path) {
  if (!Map) return false;
  TProjectRecords records = Records;
  RefreshWindowRecords(records);
  TFileProgress progress(this);
  TFileResult result;
  try {
    result = WriteProjectFile(path, *Map, records, &progress);
  } catch (const std::exception& e) {
    result = TFileResult::Failure(e.what());
  }
  if (!result) {
    lastWriteError_ = result.reason;
    return false;
  }
  Records = records;
  MapName = FileNamePart(path);
  FileName = AbsolutePath(path);
  Map->ClearModified();
  ForgetRecoveryCopy();
  FormatTittle();
  return true;
}

bool TMainForm::Save() {
  if (!Map || !Map->IsReady() || Map->LayerCount() == 0 || !Map->IsModified()) return false;
  std::string target = FileName;
  if (target.empty()) {
    const FileDialogResult chosen = Prompter().SaveFileDialog(
        this, SaveDialogRequest(ProjectFilter(), filedialog::kProjectExt,
                                tr("新規保存").toStdString(), FileName, ShownMapName()));
    if (!chosen.accepted) return false;
    if (FileExists(chosen.path) && !AskOverwrite(this)) return false;
    target = chosen.path;
  }
  if (!ConfirmUnstorableTexts(this, *Map, Records, target)) return false;
  const bool saved = SaveProjectFile(target);
  if (!saved) ReportSaveFailure(this, lastWriteError_);
  ToolButtonMediator();
  return saved;
}

void TMainForm::SaveMenuItemClick() {
  if (SaveMenuItem->isEnabled()) Save();
}

void TMainForm::SaveToolButtonClick() {
  D2Click();
  SaveMenuItemClick();
}

void TMainForm::SaveAs1Click() {
  if (!SaveAs1->isEnabled() || !Map || !Map->IsReady() || Map->LayerCount() == 0) return;
  const FileDialogRequest request = SaveDialogRequest(
      ProjectFilter(), filedialog::kProjectExt, tr("名前を付けて保存").toStdString(),
      FileName, ShownMapName());
  FileDialogResult chosen;
  if (!ChooseFileToWrite(this, request, chosen)) return;
  if (!ConfirmUnstorableTexts(this, *Map, Records, chosen.path)) return;
  if (!SaveProjectFile(chosen.path)) ReportSaveFailure(this, lastWriteError_);
}
