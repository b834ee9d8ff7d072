// The English interface, chosen in the Help menu: every text of the main window's menus,
// toolbar and status bar, the tool windows and the dialogs leaves Japanese behind, apart from data
// (layer names) and the language menu, which names each language in itself. Choosing Japanese
// brings back the source texts.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>

#include "EditorFixture.h"
#include "editor/CommandGuard.h"
#include "editor/FileDialogs.h"
#include "editor/RecoveryTexts.h"
#include "editor/StatusBar.h"
#include "model/MapDataUnit.h"
#include "platform/Language.h"
#include "platform/QtPrompter.h"
#include "windows/AboutBoxUnit.h"
#include "windows/ChipFormUnit.h"
#include "windows/CopyLayerDialogUnit.h"
#include "windows/FillDialogUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/NewDialogUnit.h"
#include "windows/NewLayerDialogUnit.h"
#include "windows/PrefsFormUnit.h"
#include "windows/PreviewFormUnit.h"
#include "windows/ProgressFormUnit.h"
#include "windows/ReplaceDialogUnit.h"
#include "windows/ResizeDialogUnit.h"
#include "support/Japanese.h"

namespace {

void CollectMenu(const QMenu* menu, QStringList& texts) {
  texts << menu->title();
  for (const QAction* action : menu->actions()) {
    if (action->menu()) {
      CollectMenu(action->menu(), texts);
    } else if (!action->isSeparator()) {
      texts << action->text();
    }
  }
}

// Titles, hints, labels, button captions, group titles and tabs of `root` and its children;
// never the contents of edit fields, which are data.
QStringList InterfaceTexts(const QWidget* root) {
  QStringList texts;
  QList<const QWidget*> widgets{root};
  for (const QWidget* child : root->findChildren<QWidget*>()) widgets << child;
  for (const QWidget* w : widgets) {
    if (w->isWindow()) texts << w->windowTitle();
    texts << w->toolTip();
    if (const auto* label = qobject_cast<const QLabel*>(w)) texts << label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) texts << group->title();
    if (const auto* menu = qobject_cast<const QMenu*>(w)) CollectMenu(menu, texts);
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
      texts << combo->currentText();
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    }
    if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
  }
  return texts;
}

// The texts of the modal dialog that `open` runs, which is then cancelled.
QStringList ModalTexts(const std::function<void()>& open) {
  QStringList texts;
  QTimer::singleShot(0, [&texts] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    texts = InterfaceTexts(dialog);
    dialog->reject();
  });
  open();
  return texts;
}

// Every refusal and question of the translated dialogs, with their captions.
QStringList DialogMessages(ScriptedPrompter& prompter) {
  prompter.Clear();
  TNewDialog map;
  for (QLineEdit* field : {map.Edit1, map.Edit2, map.Edit3, map.Edit4})
    field->setText(QStringLiteral("1"));
  for (int i = 0; i < 4; ++i) map.OKButtonClick();  // each refusal mends its field
  TResizeDialog resize(100, 100, 1, 8);
  resize.Edit1->setText(QStringLiteral("1"));
  resize.Edit2->setText(QStringLiteral("1"));
  resize.ResizeButtonClick();
  resize.ResizeButtonClick();
  resize.FormCloseQuery();
  TReplaceDialog replace(8);
  replace.Edit1->setText(QStringLiteral("300"));
  replace.ReplaceButtonClick();
  EXPECT_EQ(prompter.Boxes().size(), 8u);
  QStringList texts;
  for (const PromptCall& call : prompter.Boxes())
    texts << QString::fromStdString(call.text) << QString::fromStdString(call.caption);
  return texts;
}

// The editor's and the tool windows' own messages and questions, and the file dialogs' titles
// and filters (the patterns are plain ASCII anyway).
QStringList EditorMessages(ScriptedPrompter& prompter) {
  prompter.Clear();
  Map->SetModified();
  prompter.QueueAnswer(MsgResult::Cancel);
  MainForm->AskToSaveChanges();
  AskOverwrite(MainForm);
  MainForm->SaveAs1Click();
  MainForm->N31Click();
  MainForm->N32Click();
  MainForm->N34Click();
  ChipForm->AddMapChip();
  const QTemporaryDir folder;
  const QString image = folder.filePath(QStringLiteral("parts.png"));
  QImage(32, 32, QImage::Format_RGB32).save(image);
  ChipForm->AddMapChip(image);
  std::filesystem::last_write_time(image.toStdString(),
                                   std::filesystem::last_write_time(image.toStdString()) -
                                       std::chrono::hours(1));
  prompter.QueueAnswer(MsgResult::No);
  ChipForm->CheckMapChipChanged();
  LayerForm->DeleteCurrentLayer();  // the only one
  Guarded("TMainForm.N5Click", [] { throw std::runtime_error("fault"); });
  QStringList texts;
  for (const PromptCall& call : prompter.Boxes())
    texts << QString::fromStdString(call.text) << QString::fromStdString(call.caption)
          << QString::fromStdString(call.file.title) << QString::fromStdString(call.file.filter);
  EXPECT_EQ(prompter.Boxes().size(), 11u);
  // A new map offers its name in the interface's language.
  EXPECT_EQ(prompter.Boxes()[2].file.fileName, "Untitled");
  for (const std::string& text :
       {recoverytext::OneCopyQuestion(recoverytext::CopyLine(recoverytext::kUntitled, 0)),
        recoverytext::ManyCopiesQuestion(2), recoverytext::WriteFailure("x"),
        recoverytext::FolderFailure("/x"), recoverytext::WarningCaption()})
    texts << QString::fromStdString(text);
  return texts;
}

// The buttons of the real message boxes and of the list question.
QStringList PrompterButtons() {
  QtPrompter qt;
  QStringList texts;
  for (const MsgButtons buttons : {MsgButtons::OKCancel, MsgButtons::YesNoCancel,
                                   MsgButtons::YesNoDiscard})
    texts << ModalTexts([&] { qt.MessageBox(nullptr, "?", "Brimwell", MsgIcon::None, buttons); });
  int chosen = 0;
  texts << ModalTexts(
      [&] { qt.ListBox(nullptr, "?", "Brimwell", {"a", "b"}, MsgButtons::YesNoDiscard, chosen); });
  return texts;
}

void Choose(const char* item) {
  MainForm->findChild<QAction*>(QLatin1String(item))->trigger();
  QCoreApplication::sendPostedEvents();
}

}  // namespace

using EnglishInterfaceTest = EditorTest;

TEST_F(EnglishInterfaceTest, EveryMenuWindowAndDialogSpeaksEnglish) {
  const QFont font = QApplication::font();  // the language's font is not for the other tests
  Choose("EnglishItem");
  EXPECT_EQ(StoredLanguageCode(), "en");
  EXPECT_TRUE(MainForm->findChild<QAction*>(QStringLiteral("EnglishItem"))->isChecked());

  using Surface = std::function<QStringList()>;
  const auto dialog = [](QWidget* made) {
    const std::unique_ptr<QWidget> owned(made);
    return InterfaceTexts(owned.get());
  };
  const std::pair<const char*, Surface> surfaces[] = {
      {"menus", [] { return InterfaceTexts(MainForm->menuBar()); }},
      {"toolbar", [] { return InterfaceTexts(MainForm->ToolBar); }},
      {"status bar", [] { return InterfaceTexts(MainForm->StatusBar); }},
      {"layer window", [] { return InterfaceTexts(LayerForm); }},
      {"parts window", [] { return InterfaceTexts(ChipForm); }},
      {"preview window", [] { return InterfaceTexts(PreviewForm); }},
      {"new map", [&] { return dialog(new TNewDialog); }},
      {"resize", [&] { return dialog(new TResizeDialog(100, 100, 1, 8)); }},
      {"replace", [&] { return dialog(new TReplaceDialog(8)); }},
      {"project settings", [&] { return dialog(new TPrefsForm(8)); }},
      {"version", [&] { return dialog(new TAboutBox); }},
      {"new layer", [&] { return dialog(new TNewLayerDialog); }},
      {"copy layer", [&] { return dialog(new TCopyLayerDialog); }},
      {"layer window's new layer", [] { return ModalTexts([] { LayerForm->AddLayer(""); }); }},
      {"layer settings", [] { return ModalTexts([] { LayerForm->OpenCurrentLayerSetting(); }); }},
      {"dialog messages", [&] { return DialogMessages(prompter); }},
      {"fill", [&] { return dialog(new TFillDialog); }},
      {"progress", [&] { return dialog(new TProgressForm); }},
      {"editor messages", [&] { return EditorMessages(prompter); }},
      {"message box buttons", [] { return PrompterButtons(); }},
  };
  const QStringList languageMenu{QStringLiteral("言語 (Language)"), QStringLiteral("日本語")};
  for (const auto& [name, texts] : surfaces) {
    SCOPED_TRACE(name);
    const QStringList found = texts();
    EXPECT_GT(found.size(), 1);
    for (const QString& text : found)
      if (!languageMenu.contains(text)) EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
  }
  // The layer name is data and stays as the document has it.
  EXPECT_EQ(MainForm->windowTitle(), QStringLiteral("Brimwell Untitled(8bit)  @ 100%(レイヤー0)"));
  EXPECT_EQ(MainForm->FileMenu->title(), QStringLiteral("&File"));

  Choose("JapaneseItem");
  EXPECT_EQ(StoredLanguageCode(), "ja");
  EXPECT_EQ(MainForm->FileMenu->title(), QStringLiteral("ファイル(&F)"));
  EXPECT_EQ(LayerForm->windowTitle(), QStringLiteral("レイヤー"));
  EXPECT_EQ(ChipForm->windowTitle(), QStringLiteral("パーツ"));
  EXPECT_TRUE(MainForm->StatusBar->PanelText(2).startsWith(QStringLiteral("表示範囲(0, 0)-(")));
  EXPECT_EQ(MainForm->windowTitle(),
            QStringLiteral("Brimwell 名称未設定(8bit)  @ 100%(レイヤー0)"));
  QApplication::setFont(font);
}
