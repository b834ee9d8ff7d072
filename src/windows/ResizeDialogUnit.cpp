#include "windows/ResizeDialogUnit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cstdint>
#include <limits>

#include "platform/Prompter.h"
#include "windows/DialogSupport.h"

namespace {

constexpr int kMinSize = 2;
constexpr int kMaxSize = 10000;

QLabel* Label(const QString& text, QWidget* parent) {
  return new QLabel(text, parent);
}

}  // namespace

TResizeDialog::TResizeDialog(int width, int height, int layerCount, int bitsPerCell,
                             QWidget* parent)
    : CenteredDialog(parent),
      Edit1(new QLineEdit(this)),
      Edit2(new QLineEdit(this)),
      StaticText7(new QLabel(this)),
      ResizeButton(MakeButton(tr("リサイズ"), this, &TResizeDialog::ResizeButtonClick)),
      CancelButton(MakeCancelButton(this)),
      width_(width),
      height_(height),
      layerCount_(layerCount),
      bitsPerCell_(bitsPerCell) {
  setWindowTitle(tr("マップのリサイズ"));
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit2->setObjectName(QStringLiteral("Edit2"));
  StaticText7->setObjectName(QStringLiteral("StaticText7"));
  ResizeButton->setDefault(true);
  connect(Edit1, &QLineEdit::textChanged, this, &TResizeDialog::EditChange);
  connect(Edit2, &QLineEdit::textChanged, this, &TResizeDialog::EditChange);

  auto* layout = new QVBoxLayout;
  layout->addWidget(MakeBeforeGroup());
  layout->addWidget(MakeAfterGroup());
  layout->addLayout(MakeButtonRow(ResizeButton, CancelButton));
  SetFixedLayout(layout);

  Edit1->setText(QString::number(width));
  Edit2->setText(QString::number(height));
  EditChange();
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, ResizeButton);
  setTabOrder(ResizeButton, CancelButton);
}

QWidget* TResizeDialog::MakeBeforeGroup() {
  auto* group = new QGroupBox(tr("変更前"), this);
  auto* grid = new QGridLayout(group);
  grid->addWidget(Label(tr("幅:"), group), 0, 0);
  grid->addWidget(Label(QString::number(width_) + tr(" パーツ"), group), 0, 1);
  grid->addWidget(Label(tr("高さ:"), group), 1, 0);
  grid->addWidget(Label(QString::number(height_) + tr(" パーツ"), group), 1, 1);
  grid->addWidget(Label(tr("FMFファイルサイズ:"), group), 2, 0);
  grid->addWidget(Label(SizeText(width_, height_), group), 2, 1);
  grid->setColumnStretch(1, 1);
  return group;
}

QWidget* TResizeDialog::MakeAfterGroup() {
  auto* group = new QGroupBox(tr("変更後"), this);
  auto* grid = new QGridLayout(group);
  grid->addWidget(Label(tr("幅:"), group), 0, 0);
  grid->addWidget(Edit1, 0, 1);
  grid->addWidget(Label(tr("パーツ"), group), 0, 2);
  grid->addWidget(Label(tr("高さ:"), group), 1, 0);
  grid->addWidget(Edit2, 1, 1);
  grid->addWidget(Label(tr("パーツ"), group), 1, 2);
  grid->addWidget(Label(tr("FMFファイルサイズ:"), group), 2, 0);
  grid->addWidget(StaticText7, 2, 1, 1, 2);
  grid->setColumnStretch(1, 1);
  return group;
}

long long TResizeDialog::FmfFileSize(long long width, long long height, int layerCount,
                                     int bitsPerCell) {
  const long long perCell = static_cast<uint8_t>(layerCount) * static_cast<long long>(bitsPerCell);
  long long cells = 0;
  long long bits = 0;
  if (__builtin_mul_overflow(width, height, &cells) ||
      __builtin_mul_overflow(cells, perCell, &bits))
    return (width < 0) != (height < 0) ? std::numeric_limits<long long>::min()
                                       : std::numeric_limits<long long>::max();
  return bits / 8 + 20;
}

QString TResizeDialog::SizeText(long long width, long long height) const {
  return QString::number(FmfFileSize(width, height, layerCount_, bitsPerCell_)) +
         QStringLiteral(" bytes");
}

int TResizeDialog::NewWidth() const {
  return FieldValue(Edit1, 0);
}

int TResizeDialog::NewHeight() const {
  return FieldValue(Edit2, 0);
}

void TResizeDialog::EditChange() {
  StaticText7->setText(SizeText(NewWidth(), NewHeight()));
}

void TResizeDialog::ResizeButtonClick() {
  if (!AcceptFieldRange(this, Edit1, ParseDecimal(Edit1->text()), kMinSize, kMaxSize,
                        tr("横幅は2パーツ以上10000パーツ以下を指定してください。").toStdString()))
    return;
  if (!AcceptFieldRange(this, Edit2, ParseDecimal(Edit2->text()), kMinSize, kMaxSize,
                        tr("高さは2パーツ以上10000パーツ以下を指定してください。").toStdString()))
    return;
  accept();
}

bool TResizeDialog::FormCloseQuery() {
  const int w = NewWidth();
  const int h = NewHeight();
  if (w >= width_ && h >= height_) return true;
  return Prompter().MessageBox(
             this, tr("マップの一部が切り取られますが、よろしいですか？").toStdString(),
             tr("警告").toStdString(), MsgIcon::Warning, MsgButtons::OKCancel) == MsgResult::OK;
}

void TResizeDialog::done(int result) {
  if (result == QDialog::Accepted && !FormCloseQuery()) return;
  CenteredDialog::done(result);
}
