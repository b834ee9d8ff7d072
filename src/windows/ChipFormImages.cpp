// Loading, sharing, closing and reloading parts images, and files dropped on the window.
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <exception>

#include "editor/DroppedFile.h"
#include "editor/FileDialogs.h"
#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "formats/FileTexts.h"
#include "formats/ImagePath.h"
#include "imaging/PartsImage.h"
#include "model/MapDataUnit.h"
#include "platform/Errors.h"
#include "platform/Prompter.h"
#include "windows/ChipFormUnit.h"
#include "windows/PreviewFormUnit.h"

namespace {

// The file's modification time in nanoseconds since the epoch, at the file system's precision
// as Qt reports it.
int64_t FileModifiedTime(const std::string& path) {
  const QFileInfo info(QString::fromStdString(path));
  const QDateTime time = info.lastModified();
  if (!info.exists() || !time.isValid())
    throw EInOutError(FileErrorText(FileAction::Open, path, SystemErrorText(ENOENT)));
  return time.toMSecsSinceEpoch() * 1000000;
}

// Parts images in every format the reader knows, each format on its own as well.
std::string ImageFilter() {
  return FileFilter({{QT_TRANSLATE_NOOP("FileDialogs", "画像ファイル (*.png *.bmp)"), "*.png;*.bmp"},
                     {QT_TRANSLATE_NOOP("FileDialogs", "PNG画像 (*.png)"), "*.png"},
                     {QT_TRANSLATE_NOOP("FileDialogs", "ビットマップ (*.bmp)"), "*.bmp"}});
}

uint32_t ColorKey() {
  return MainForm ? MainForm->Records.colorKey.color : TColorKeyRecord().color;
}

bool IsImageName(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QLatin1String("bmp") || suffix == QLatin1String("png");
}

void ShowUnreadable(const std::string& path, const std::exception& error) {
  Prompter().MessageBox(nullptr, filetext::ImageUnreadableText(path, error),
                        QCoreApplication::translate("TChipForm", "エラー").toStdString(),
                        MsgIcon::Error, MsgButtons::OK);
}

}  // namespace

bool TChipForm::AddMapChip(const QString& path) {
  if (!Map) return false;
  std::string file = path.toStdString();
  if (file.empty()) {
    FileDialogRequest request;
    request.filter = ImageFilter();
    if (MainForm && !MainForm->FileName.empty())
      request.initialDir = FolderPart(MainForm->FileName);
    const FileDialogResult chosen = Prompter().OpenFileDialog(this, request);
    if (!chosen.accepted || chosen.path.empty()) return false;
    file = chosen.path;
  }
  if (TMapChip* loaded = FindChip(file)) {
    Map->SetLayerChip(CurrentLayerIndex(), loaded);
    RedrawOthers();
    UpdateFullCanvas();
    return true;
  }
  if (!QFileInfo(QString::fromStdString(file)).isFile()) {
    Prompter().MessageBox(nullptr, filetext::ImageNotFoundText(FileNamePart(file)),
                          tr("情報").toStdString(), MsgIcon::Warning, MsgButtons::OK);
    return false;
  }
  return LoadNewChip(file);
}

TMapChip* TChipForm::FindChip(const std::string& path) const {
  for (const auto& chip : MapChips)
    if (chip->FileName == path) return chip.get();
  return nullptr;
}

// The entry joins the list before any layer points at it, so a failure leaves nothing behind.
bool TChipForm::LoadNewChip(const std::string& path) {
  try {
    auto chip = std::make_unique<TMapChip>();
    LoadChipImage(*chip, path, ColorKey());
    chip->FileName = path;
    chip->FileDate = FileModifiedTime(path);
    MapChips.push_back(std::move(chip));
  } catch (const std::exception& error) {
    ShowUnreadable(path, error);
    return false;
  }
  Map->SetLayerChip(CurrentLayerIndex(), MapChips.back().get());
  UpdateFullCanvas();
  RedrawOthers();
  return true;
}

void TChipForm::RedrawOthers() {
  if (MainForm) MainForm->UpdateFullCanvas();
  if (PreviewForm) PreviewForm->RefreshPreview();
}

void TChipForm::ToolButton2Click() {
  AddMapChip();
  FormResize();
}

// Only the layers that showed the closed image lose it; the others keep theirs.
void TChipForm::ToolButton3Click() {
  TMapChip* chip = CurrentChip();
  if (!chip) return;
  for (int layer = 0; layer < Map->LayerCount(); ++layer)
    if (Map->GetLayerChip(layer) == chip) Map->ClearLayerChip(layer);
  for (auto it = MapChips.begin(); it != MapChips.end(); ++it) {
    if (it->get() != chip) continue;
    MapChips.erase(it);
    break;
  }
  CheckDelImageToolButton();
  FormResize();
  RedrawOthers();
}

// Without marking the document modified: this runs when the document is replaced or closed.
void TChipForm::FreeAllChips() {
  const auto own = [this](const TMapChip* chip) {
    return std::any_of(MapChips.begin(), MapChips.end(),
                       [chip](const auto& entry) { return entry.get() == chip; });
  };
  if (Map)
    for (int layer = 0; layer < Map->LayerCount(); ++layer)
      if (own(Map->GetLayerChip(layer))) Map->LayerAt(layer).Chip = nullptr;
  MapChips.clear();
}

void TChipForm::CheckMapChipChanged() {
  // A question box is modal, but switching to another program and back while it is open
  // activates the application again.
  if (checkingFiles_ || !Map) return;
  checkingFiles_ = true;
  bool changed = false;
  for (size_t i = 0; i < MapChips.size(); ++i) {
    try {
      if (!ReloadChip(*MapChips[i])) continue;
      changed = true;
    } catch (const std::exception& error) {
      ShowUnreadable(MapChips[i]->FileName, error);
      break;
    }
  }
  checkingFiles_ = false;
  if (!changed) return;
  RedrawOthers();
  UpdateFullCanvas();
}

// A new picture object, so that whatever remembers facts about the old one notices. A file
// that cannot be read leaves the entry as it was, to be asked about again.
bool TChipForm::ReloadChip(TMapChip& chip) {
  const int64_t time = FileModifiedTime(chip.FileName);
  if (time == chip.FileDate) return false;
  const std::string question = tr("ファイル%1が外部で変更されています。読み込み直しますか？")
                                   .arg(QString::fromStdString(chip.FileName))
                                   .toStdString();
  if (Prompter().MessageBox(nullptr, question, tr("情報").toStdString(), MsgIcon::Question,
                            MsgButtons::YesNo) != MsgResult::Yes)
    return false;
  LoadChipImage(chip, chip.FileName, ColorKey());
  chip.FileDate = time;
  return true;
}

void TChipForm::WMDropFiles(const QStringList& paths) {
  for (const QString& path : paths)
    if (IsImageName(path)) AddMapChip(path);
}

bool TChipForm::FollowColorKey(uint32_t key) {
  bool changed = false;
  for (const auto& chip : MapChips) changed = KeyChipImage(*chip, key) || changed;
  if (changed) UpdateFullCanvas();
  return changed;
}

void TChipForm::dragEnterEvent(QDragEnterEvent* event) {
  AcceptFileDrag(event);
}

void TChipForm::dropEvent(QDropEvent* event) {
  WMDropFiles(AcceptFileDrop(event));
}
