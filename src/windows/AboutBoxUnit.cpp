#include "windows/AboutBoxUnit.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "formats/ProjectRecords.h"
#include "windows/CenteredDialog.h"

namespace {

const char* const kTotalPhysical = QT_TRANSLATE_NOOP("TAboutBox", "メモリ合計        : ");
const char* const kAvailablePhysical = QT_TRANSLATE_NOOP("TAboutBox", "利用可能メモリ  : ");
const char* const kMemoryLoad = QT_TRANSLATE_NOOP("TAboutBox", "メモリ使用率     :");
const char* const kHeapAllocated = QT_TRANSLATE_NOOP("TAboutBox", "動的メモリの使用量　　: ");
const char* const kHeapAddressSpace = QT_TRANSLATE_NOOP("TAboutBox", "使用可能アドレス領域 : ");
const char* const kHeapFree = QT_TRANSLATE_NOOP("TAboutBox", "現在の使用可能メモリ : ");

constexpr int kAnimationMs = 30;

// The application's icon, or a small grid of tiles when none is set.
QPixmap IconPixmap() {
  const QIcon icon = QApplication::windowIcon();
  if (!icon.isNull()) return icon.pixmap(32, 32);
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  const QColor tiles[4] = {QColor(70, 140, 60), QColor(90, 160, 220), QColor(200, 170, 90),
                           QColor(70, 140, 60)};
  for (int i = 0; i < 4; ++i) p.fillRect((i % 2) * 16, (i / 2) * 16, 15, 15, tiles[i]);
  return pixmap;
}

QString VersionText() {
  const TVersionRecord v;
  return QStringLiteral("Version ") + QString::number(v.major) + QLatin1Char('.') +
         QString::number(v.minor) + QString::number(v.release) + QChar(v.letter);
}

QLabel* FigureLine(const char* text, uint64_t bytes, QWidget* parent) {
  return new QLabel(TAboutBox::tr(text) + FormatMemoryFigure(bytes), parent);
}

}  // namespace

const QString TAboutBox::kCaption = QStringLiteral("About Brimwell MapEditor");

TAboutBox::TAboutBox(QWidget* parent) : TAboutBox(ReadMemoryStatus(), parent) {}

TAboutBox::TAboutBox(const MemoryStatus& memory, QWidget* parent)
    : QDialog(parent),
      ProgramIcon(new QLabel(this)),
      ProductName(new QLabel(tr("汎用MapEditor 'Brimwell'"), this)),
      Version(new QLabel(VersionText(), this)),
      Gauge(new QProgressBar(this)),
      timer_(new QTimer(this)),
      memoryLoad_(memory.memoryLoad) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(*AboutCaptionAtStep(kCaption, 0));
  ProgramIcon->setPixmap(IconPixmap());
  timer_->setInterval(kAnimationMs);
  connect(timer_, &QTimer::timeout, this, &TAboutBox::AnimationTick);

  auto* names = new QVBoxLayout;
  names->addWidget(ProductName);
  names->addWidget(Version);
  auto* head = new QHBoxLayout;
  head->addWidget(ProgramIcon, 0, Qt::AlignTop);
  head->addSpacing(8);
  head->addLayout(names, 1);
  auto* layout = new QVBoxLayout;
  layout->addLayout(head);
  layout->addWidget(MakePhysicalGroup(memory));
  layout->addWidget(MakeHeapGroup(memory));
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setLayout(layout);
}

QWidget* TAboutBox::MakePhysicalGroup(const MemoryStatus& memory) {
  auto* group = new QGroupBox(tr("物理メモリ"), this);
  PhysicalLines[0] = FigureLine(kTotalPhysical, memory.totalPhysical, group);
  PhysicalLines[1] = FigureLine(kAvailablePhysical, memory.availablePhysical, group);
  PhysicalLines[2] = new QLabel(tr(kMemoryLoad), group);
  Gauge->setRange(0, 100);
  Gauge->setValue(0);
  Gauge->setTextVisible(false);
  Gauge->setFixedSize(170, 14);
  // One-pixel chunks make a continuous bar; wider ones leave small loads undrawn.
  Gauge->setStyleSheet(
      QStringLiteral("QProgressBar { background: black; border: 1px solid gray; }"
                     "QProgressBar::chunk { background: rgb(166, 202, 240); width: 1px; }"));
  auto* grid = new QGridLayout(group);
  grid->addWidget(PhysicalLines[0], 0, 0, 1, 2);
  grid->addWidget(PhysicalLines[1], 1, 0, 1, 2);
  grid->addWidget(PhysicalLines[2], 2, 0);
  grid->addWidget(Gauge, 2, 1, Qt::AlignLeft);
  grid->setColumnStretch(1, 1);
  return group;
}

QWidget* TAboutBox::MakeHeapGroup(const MemoryStatus& memory) {
  auto* group = new QGroupBox(tr("アプリケーション"), this);
  HeapLines[0] = FigureLine(kHeapAllocated, memory.heapAllocated, group);
  HeapLines[1] = FigureLine(kHeapAddressSpace, memory.heapAddressSpace, group);
  HeapLines[2] = FigureLine(kHeapFree, memory.heapFree, group);
  auto* lines = new QVBoxLayout(group);
  for (QLabel* line : HeapLines) lines->addWidget(line);
  return group;
}

void TAboutBox::AnimationTick() {
  if (!captionDone_) StepCaption();
  if (!gaugeDone_) StepGauge();
  if (!Animating()) timer_->stop();
}

bool TAboutBox::Animating() const {
  return !captionDone_ || !gaugeDone_;
}

void TAboutBox::StepCaption() {
  const std::optional<QString> caption = AboutCaptionAtStep(kCaption, ++captionStep_);
  if (caption)
    setWindowTitle(*caption);
  else
    captionDone_ = true;
}

void TAboutBox::StepGauge() {
  if (GaugeGrows(Gauge->value(), memoryLoad_))
    Gauge->setValue(Gauge->value() + 1);
  else
    gaugeDone_ = true;
}

void TAboutBox::showEvent(QShowEvent* event) {
  CenterOnScreen(this);
  QDialog::showEvent(event);
  if (Animating()) timer_->start();
}
