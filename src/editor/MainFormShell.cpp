// Start-up, new maps, the title, closing, dropped files and the tool windows.
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QToolBar>
#include <exception>
#include <new>

#include "editor/DroppedFile.h"
#include "editor/Globals.h"
#include "editor/MainFormUnit.h"
#include "editor/MapView.h"
#include "editor/RecoveryKeeper.h"
#include "editor/Resources.h"
#include "editor/ScrollBar.h"
#include "editor/StatusBar.h"
#include "model/MapDataUnit.h"
#include "platform/Prompter.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/NewDialogUnit.h"
#include "windows/PreviewFormUnit.h"

namespace {

const char kUntitled[] = QT_TRANSLATE_NOOP("TMainForm", "名称未設定");
const char kFirstLayer[] = "レイヤー0";

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), MapName(kUntitled) {
  FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate() {
  setWindowTitle(QStringLiteral("Brimwell"));
  setWindowIcon(QIcon(QStringLiteral(":/brimwell.png")));
  RegisterCursors();
  if (!BackgroundBrush.Load(BackgroundBrushResource()))
    Prompter().ShowMessage(tr("ブラシを読み込めませんでした").toStdString());
  CreateMenus();
  CreateToolBar();
  AssignZoomShortcuts();
  CreateView();
  try {
    BackBuffer = TBitmap(std::max(1, View->width()), std::max(1, View->height()));
  } catch (const std::bad_alloc&) {
    Prompter().ShowMessage(tr("メモリを確保出来ませんでした").toStdString());
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
    return;
  }
  CreateStatusPanels();
  SetDefaultEditorFlag();
  ApplyEditorFlags();
  // Files dropped from the desktop open as projects or import as map data.
  setAcceptDrops(true);
  DrawingEnabled = true;
}

void TMainForm::CreateView() {
  View = new TMapView(this);
  setCentralWidget(View);
  HorizScrollBar = new TScrollBar(Qt::Horizontal, View);
  VertScrollBar = new TScrollBar(Qt::Vertical, View);
  HorizScrollBar->OnScroll = [this](int& position) { HorizScrollBarScroll(position); };
  VertScrollBar->OnScroll = [this](int& position) { VertScrollBarScroll(position); };
  connect(HorizScrollBar, &QScrollBar::valueChanged, this, [this] { HorizScrollBarChange(); });
  connect(VertScrollBar, &QScrollBar::valueChanged, this, [this] { VertScrollBarChange(); });
  ScrollCorner = new QWidget(View);
  ScrollCorner->setAutoFillBackground(true);
  ScrollCorner->setBackgroundRole(QPalette::Button);
  ScrollCorner->hide();
}

void TMainForm::CreateStatusPanels() {
  StatusBar = new TStatusBar(this);
  setStatusBar(StatusBar);
  const auto text = [](const char* format) {
    return QCoreApplication::translate("TMainForm", format);
  };
  StatusBar->AddPanel(text(QT_TRANSLATE_NOOP("TMainForm", "カーソル座標(%1, %2)")).arg(0).arg(0),
                      140);
  StatusBar->AddPanel(
      text(QT_TRANSLATE_NOOP("TMainForm", "選択範囲(%1, %2)-(%3, %4)")).arg(0).arg(0).arg(0).arg(0),
      190);
  StatusBar->AddPanel(
      text(QT_TRANSLATE_NOOP("TMainForm", "表示範囲(%1, %2)-(%3, %4)")).arg(0).arg(0).arg(0).arg(0),
      120);
}

bool TMainForm::Init() {
  ResetToolState();
  Selection = TCellRange();
  CurrentData.data.clear();
  SelectData.data.clear();
  const int zoom = Records.mainWin.zoom;
  const int partWidth = Map ? Map->GetPartWidth() : Records.header.partWidth;
  const int partHeight = Map ? Map->GetPartHeight() : Records.header.partHeight;
  CellWidth = partWidth * zoom / 256 > 0 ? partWidth * zoom / 256 : partWidth;
  CellHeight = partHeight * zoom / 256 > 0 ? partHeight * zoom / 256 : partHeight;
  Tool = TToolKind::Pen;
  MouseButton = Qt::NoButton;
  ToolWindowsHidden = false;
  ScrollX = ScrollY = TopLeftIndex = 0;
  BackBuffer.SetSize(BackBuffer.Width(), BackBuffer.Height());
  {
    const QSignalBlocker blockH(HorizScrollBar), blockV(VertScrollBar);
    HorizScrollBar->SetPosition(0);
    VertScrollBar->SetPosition(0);
  }
  P1Click();
  MapName = kUntitled;
  FileName.clear();
  DrawingEnabled = true;
  return true;
}

bool TMainForm::CreateNewMap(int32_t width, int32_t height, int32_t layerCount, int32_t partWidth,
                             int32_t partHeight, uint8_t bitsPerCell) {
  try {
    Init();
    if (Map) Map->ClearLayers();
    delete Map;
    Map = nullptr;
    Map = new TMap();
    if (!Map->Setup(width, height, partWidth, partHeight, bitsPerCell))
      Prompter().MessageBox(nullptr, tr("メモリを確保出来ませんでした").toStdString(),
                            tr("エラー").toStdString(), MsgIcon::Error, MsgButtons::OK);
    TMapHeaderRecord& header = Records.header;
    header.width = width;
    header.height = height;
    header.partWidth = partWidth;
    header.partHeight = partHeight;
    header.layerCount = static_cast<uint8_t>(layerCount);
    header.bitsPerCell = bitsPerCell;
    header.relativePaths = 0;
    FileName.clear();
    SetDefaultEditorFlag();
    ApplyEditorFlags();
    CellWidth = partWidth;
    CellHeight = partHeight;
    if (ChipForm) ChipForm->Init();
    if (LayerForm) LayerForm->Init();
    if (!LayerForm || !LayerForm->AddLayer(kFirstLayer)) return false;
    Map->ClearModified();
    ForgetRecoveryCopy();
    FormResize();
    FormatTittle();
    if (PreviewForm) PreviewForm->ResetPreview();
    ShowToolWindowsAsChecked();
    ToolButtonMediator();
    return true;
  } catch (const std::exception&) {
    Prompter().ShowMessage(tr("TMainForm.CreateNewMapで例外発生").toStdString());
    return true;
  }
}

void TMainForm::ShowToolWindowsAsChecked() {
  if (ChipForm) ChipForm->setVisible(P3->isChecked());
  if (LayerForm) LayerForm->setVisible(L2->isChecked());
  if (PreviewForm) PreviewForm->setVisible(N2->isChecked());
}

void TMainForm::FormatTittle() {
  std::string layerName;
  const int zoom = Map && Map->GetPartWidth() > 0 ? CellWidth * 100 / Map->GetPartWidth() : 0;
  if (Map && LayerForm) {
    const int layer = LayerForm->GetCurrentLayerIndex();
    if (layer >= 0) layerName = Map->GetLayerName(layer);
  }
  const std::string title = "Brimwell " + ShownMapName() + "(" +
                            std::to_string(Records.header.bitsPerCell) + "bit) " + " @ " +
                            std::to_string(zoom) + "%" + "(" + layerName + ")";
  setWindowTitle(QString::fromStdString(title));
  ToolButtonMediator();
}

std::string TMainForm::ShownMapName() const {
  // A project's name is its file's; only the name of a new map is interface text.
  return FileName.empty() && MapName == kUntitled ? tr(kUntitled).toStdString() : MapName;
}

bool TMainForm::AskToSaveChanges() {
  if (!Map || !Map->IsModified()) return true;
  switch (Prompter().MessageBox(this, tr("変更が保存されていません。保存しますか？").toStdString(),
                                "Brimwell", MsgIcon::Warning, MsgButtons::YesNoCancel)) {
    case MsgResult::Yes:
      return Save();
    case MsgResult::No:
      ForgetRecoveryCopy();
      return true;
    default:
      return false;
  }
}

void TMainForm::NewMenuItemClick() {
  if (!Map || !AskToSaveChanges()) return;
  TNewDialog dialog(this);
  if (dialog.exec() != QDialog::Accepted) return;
  CreateNewMap(dialog.MapWidth, dialog.MapHeight, 1, dialog.PartWidth, dialog.PartHeight,
               dialog.BitsPerCell());
}

void TMainForm::QuitMenuItemClick() {
  close();
}

bool TMainForm::FormCloseQuery() {
  if (!AskToSaveChanges()) return false;
  DrawingEnabled = false;
  return true;
}

void TMainForm::FormClose() {
  ForgetRecoveryCopy();
  BackBuffer = TBitmap();
  BackgroundBrush.Release();
  delete Map;
  Map = nullptr;
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  AcceptFileDrag(event);
}

void TMainForm::dropEvent(QDropEvent* event) {
  WMDropFiles(AcceptFileDrop(event));
}

void TMainForm::WMDropFiles(const QStringList& paths) {
  for (const QString& path : paths) {
    switch (ClassifyDroppedFile(path)) {
      case TDroppedFile::Project:
        OpenProjectFile(path.toStdString());
        break;
      case TDroppedFile::MapData:
        importFMF(path.toStdString());
        break;
      case TDroppedFile::TiledMap:
        importTiled(path.toStdString());
        break;
      case TDroppedFile::Other:
        break;
    }
  }
}

void TMainForm::AppOnActive() {
  if (ChipForm) ChipForm->CheckMapChipChanged();
}

void TMainForm::FocusMainWindow() {
  activateWindow();
  if (View) View->setFocus();
}

void TMainForm::HideTollWindows() {
  QWidget* windows[] = {ChipForm, LayerForm, PreviewForm};
  QAction* items[] = {P3, L2, N2};
  for (int i = 0; i < 3; ++i)
    if (windows[i]) windows[i]->setVisible(ToolWindowsHidden && items[i]->isChecked());
  ToolWindowsHidden = !ToolWindowsHidden;
  FocusMainWindow();
}

namespace {

void ToggleToolWindow(QAction* item, QWidget* window) {
  item->setChecked(!item->isChecked());
  if (window) window->setVisible(item->isChecked());
}

}  // namespace

void TMainForm::P3Click() {
  ToggleToolWindow(P3, ChipForm);
}

void TMainForm::L2Click() {
  ToggleToolWindow(L2, LayerForm);
}

void TMainForm::N2Click() {
  ToggleToolWindow(N2, PreviewForm);
}
