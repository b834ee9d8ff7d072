#include "platform/QtPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMainWindow>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A box without an owner leaves no active window behind when it closes, and the window system
// then activates the application afresh. While the application is being activated Qt has no
// active window yet, so the main window stands in.
QWidget* OwnerOrActive(QWidget* owner) {
  if (owner) return owner->window();
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (qobject_cast<QMainWindow*>(window)) return window;
  return nullptr;
}

// The tool windows and the progress window stay on top of everything else of the program; what
// the program asks must stand above them. A dialog border: title and close box only.
void StandOnTop(QWidget& box) {
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
}

QMessageBox::Icon ToQt(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Error: return QMessageBox::Critical;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OK: return QMessageBox::Ok;
    case MsgButtons::OKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::YesNoDiscard:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Discard;
  }
  return QMessageBox::Ok;
}

// Closing a box with its title-bar button counts as its cancelling answer.
MsgResult FromQt(int answer, MsgButtons buttons) {
  switch (answer) {
    case QMessageBox::Ok: return MsgResult::OK;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Discard:
      return MsgResult::Discard;
    default: break;
  }
  if (buttons == MsgButtons::OK) return MsgResult::OK;
  // Closing a box that offers to throw something away keeps it.
  if (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoDiscard) return MsgResult::No;
  return MsgResult::Cancel;
}

// The buttons speak the interface's language whether or not Qt's translations are installed.
void NameButtons(QMessageBox& box) {
  const struct {
    QMessageBox::StandardButton button;
    const char* text;
  } names[] = {{QMessageBox::Ok, QT_TRANSLATE_NOOP("QtPrompter", "OK")},
               {QMessageBox::Cancel, QT_TRANSLATE_NOOP("QtPrompter", "キャンセル")},
               {QMessageBox::Yes, QT_TRANSLATE_NOOP("QtPrompter", "はい(&Y)")},
               {QMessageBox::No, QT_TRANSLATE_NOOP("QtPrompter", "いいえ(&N)")},
               {QMessageBox::Discard, QT_TRANSLATE_NOOP("QtPrompter", "破棄(&D)")}};
  for (const auto& name : names)
    if (QAbstractButton* b = box.button(name.button))
      b->setText(QCoreApplication::translate("QtPrompter", name.text));
}

FileDialogResult RunFileDialog(QWidget* owner, const FileDialogRequest& request, bool save) {
  QFileDialog dialog(OwnerOrActive(owner), Q(request.title), Q(request.initialDir));
  StandOnTop(dialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The program asks its own overwrite question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  const QStringList filters = QtNameFilters(request.filter);
  dialog.setNameFilters(filters);
  if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
    dialog.selectNameFilter(filters[request.filterIndex - 1]);
  if (!request.defaultExt.empty()) {
    // A name typed without an extension takes the one of the chosen file type.
    const QString defaultExt = Q(request.defaultExt);
    const auto follow = [&dialog, &request, filters, defaultExt](const QString& chosen) {
      dialog.setDefaultSuffix(
          FilterSuffix(request.filter, static_cast<int>(filters.indexOf(chosen)), defaultExt));
    };
    follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
  }
  if (!request.fileName.empty()) dialog.selectFile(Q(request.fileName));

  FileDialogResult result;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
  result.accepted = true;
  result.path = dialog.selectedFiles().first().toStdString();
  const int index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
  result.filterIndex = index >= 0 ? index + 1 : 1;
  return result;
}

QColor FromColorRef(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

uint32_t ToColorRef(const QColor& c) {
  return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
         (static_cast<uint32_t>(c.blue()) << 16);
}

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = Q(filter).split(QLatin1Char('|'));
  QStringList result;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString text = parts[i];
    const QString patterns = parts[i + 1];
    // Qt takes the patterns from the last parenthesised group of the text.
    if (!text.trimmed().endsWith(QLatin1Char(')')))
      text += QStringLiteral(" (") + QString(patterns).replace(QLatin1Char(';'), QLatin1Char(' ')) +
              QLatin1Char(')');
    result << text;
  }
  return result;
}

QString FilterSuffix(const std::string& filter, int index, const QString& defaultExt) {
  const QStringList parts = Q(filter).split(QLatin1Char('|'));
  const int at = 2 * index + 1;
  if (index < 0 || at >= parts.size()) return defaultExt;
  const QString pattern = parts[at].trimmed();
  const QString ext = pattern.mid(2);
  if (!pattern.startsWith(QLatin1String("*.")) || ext.isEmpty() ||
      ext.contains(QLatin1Char('*')) || ext.contains(QLatin1Char(';')) ||
      ext.contains(QLatin1Char('.')))
    return defaultExt;
  return ext;
}

MsgResult QtPrompter::MessageBox(QWidget* owner, const std::string& text,
                                 const std::string& caption, MsgIcon icon, MsgButtons buttons) {
  QMessageBox box(ToQt(icon), Q(caption), Q(text), ToQt(buttons), OwnerOrActive(owner));
  NameButtons(box);
  StandOnTop(box);
  if (buttons == MsgButtons::YesNoDiscard) {
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
  }
  return FromQt(box.exec(), buttons);
}

void QtPrompter::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), Q(text), QMessageBox::Ok,
                  OwnerOrActive(nullptr));
  NameButtons(box);
  StandOnTop(box);
  box.exec();
}

FileDialogResult QtPrompter::OpenFileDialog(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(owner, request, false);
}

FileDialogResult QtPrompter::SaveFileDialog(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(owner, request, true);
}

bool QtPrompter::ChooseColor(QWidget* owner, uint32_t& colour,
                             const std::vector<uint32_t>& customColours) {
  for (int i = 0; i < static_cast<int>(customColours.size()) && i < QColorDialog::customCount(); ++i)
    QColorDialog::setCustomColor(i, FromColorRef(customColours[i]));
  QColorDialog dialog(FromColorRef(colour), OwnerOrActive(owner));
  StandOnTop(dialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QColor chosen = dialog.selectedColor();
  if (!chosen.isValid()) return false;
  colour = ToColorRef(chosen);
  return true;
}

void QtPrompter::Beep() { QApplication::beep(); }

MsgResult QtPrompter::ListBox(QWidget* owner, const std::string& text, const std::string& caption,
                              const std::vector<std::string>& items, MsgButtons buttons,
                              int& chosen) {
  QDialog dialog(OwnerOrActive(owner));
  dialog.setWindowTitle(Q(caption));
  StandOnTop(dialog);
  auto* layout = new QVBoxLayout(&dialog);
  auto* label = new QLabel(Q(text));
  label->setWordWrap(true);
  label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 60);
  layout->addWidget(label);
  auto* list = new QListWidget;
  for (const std::string& item : items) list->addItem(Q(item));
  list->setCurrentRow(0);
  // A short list needs no room to spare.
  const int rows = std::min(static_cast<int>(items.size()), 8);
  list->setMaximumHeight(list->sizeHintForRow(0) * rows + 2 * list->frameWidth() + 4);
  layout->addWidget(list);
  // The buttons of the equivalent message box, with its texts and its answers.
  QMessageBox twin(QMessageBox::NoIcon, QString(), QString(), ToQt(buttons));
  NameButtons(twin);
  auto* row = new QDialogButtonBox;
  int answer = QMessageBox::NoButton;
  for (QAbstractButton* b : twin.buttons()) {
    const int code = twin.standardButton(b);
    QPushButton* button =
        row->addButton(b->text(), static_cast<QDialogButtonBox::ButtonRole>(twin.buttonRole(b)));
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &answer, code] {
      answer = code;
      dialog.accept();
    });
    if (code == QMessageBox::Yes || code == QMessageBox::Ok) button->setDefault(true);
  }
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, [&dialog, &answer, buttons] {
    answer = buttons == MsgButtons::OK || buttons == MsgButtons::OKCancel ? QMessageBox::Ok
                                                                          : QMessageBox::Yes;
    dialog.accept();
  });
  layout->addWidget(row);
  dialog.exec();
  chosen = std::max(0, list->currentRow());
  return FromQt(answer, buttons);
}
