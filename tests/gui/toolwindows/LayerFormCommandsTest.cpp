// Adding, copying, deleting, merging layers and the layer settings, through the layer window.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "ToolWindowFixture.h"
#include "editor/StatusBar.h"
#include "model/MapDataUnit.h"
#include "windows/ChipFormUnit.h"
#include "windows/ChoiceComboBox.h"
#include "windows/CopyLayerDialogUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/NewLayerDialogUnit.h"

namespace {

const char kLimit[] = "作成できるレイヤ数は255レイヤです。上限を超えてます。";

std::vector<std::string> Rows() {
  std::vector<std::string> rows;
  for (int i = 0; i < LayerForm->CheckList->count(); ++i)
    rows.push_back(LayerForm->CheckList->item(i)->text().toStdString());
  return rows;
}

std::string LayerCount() {
  return LayerForm->StatusBar->PanelText(0).toStdString();
}

void ExpectWarning(const PromptCall& call, const std::string& text) {
  EXPECT_EQ(call.text, text);
  EXPECT_EQ(call.caption, "警告");
  EXPECT_EQ(call.icon, MsgIcon::Warning);
  EXPECT_EQ(call.buttons, MsgButtons::OK);
}

TNewLayerDialog* NewLayerDialog(QDialog* dialog) {
  auto* d = dynamic_cast<TNewLayerDialog*>(dialog);
  EXPECT_NE(d, nullptr);
  return d;
}

QStringList ComboItems(const TNewLayerDialog* dialog) {
  QStringList items;
  for (int i = 0; i < dialog->ChipSetCombo->count(); ++i)
    items << dialog->ChipSetCombo->itemText(i);
  return items;
}

}  // namespace

class LayerCommandsTest : public ToolWindowTest {
 protected:
  // Layers "0", "1", "2" from the bottom; the top one is current.
  void ThreeLayers() {
    Map->SetLayerName(0, "0");
    LayerForm->CheckList->item(0)->setText(QStringLiteral("0"));
    AddLayer("1");
    AddLayer("2");
  }
};

TEST_F(LayerCommandsTest, TheToolbarNamesLayersByItsOwnCounter) {
  EXPECT_EQ(LayerForm->AddedLayerCount, 1);
  LayerForm->AddLayerToolButton->click();
  LayerForm->AddLayerToolButton->click();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"レイヤー2", "レイヤー1", "レイヤー0"}));
  LayerForm->DeleteCurrentLayer();
  LayerForm->AddLayerToolButton->click();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"レイヤー3", "レイヤー1", "レイヤー0"}));
  EXPECT_EQ(LayerForm->GetCurrentLayerIndex(), 2);
  EXPECT_EQ(LayerCount(), "レイヤー数：3");
  EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(LayerCommandsTest, TheMenuAsksForNameAndImage) {
  LoadParts("grass.bmp");
  LoadParts("town.bmp");
  AddLayer("1");
  AnswerNextDialog([](QDialog* dialog) {
    TNewLayerDialog* d = NewLayerDialog(dialog);
    EXPECT_EQ(d->windowTitle().toStdString(), "新規レイヤーの作成");
    EXPECT_EQ(d->NameEdit->text().toStdString(), "レイヤー2");
    EXPECT_EQ(ComboItems(d),
              (QStringList{QStringLiteral("grass.bmp"), QStringLiteral("town.bmp")}));
    EXPECT_EQ(d->ChipSetCombo->currentText().toStdString(), "参照なし");
    d->NameEdit->setText(QStringLiteral("森"));
    d->ChipSetCombo->Choose(0);
  });
  MainForm->A3Click();
  ASSERT_EQ(Map->LayerCount(), 3);
  EXPECT_EQ(Map->GetLayerName(2), "森");
  EXPECT_EQ(Map->GetLayerChip(2), ChipForm->GetMapChipAddr(0));
  EXPECT_EQ(Rows().front(), "森");
  EXPECT_EQ(LayerForm->AddedLayerCount, 3);

  // Without a chosen image the layer has none; an empty name is taken as it is.
  AnswerNextDialog([](QDialog* dialog) { NewLayerDialog(dialog)->NameEdit->clear(); });
  EXPECT_TRUE(LayerForm->AddLayer(""));
  EXPECT_EQ(Map->GetLayerName(3), "");
  EXPECT_EQ(Map->GetLayerChip(3), nullptr);

  AnswerNextDialog([](QDialog*) {}, false);
  EXPECT_FALSE(LayerForm->AddLayer(""));
  EXPECT_EQ(Map->LayerCount(), 4);
}

TEST_F(LayerCommandsTest, TwoHundredFiftyFiveLayersAtMost) {
  NewMap(2, 2, 32);
  for (int i = 1; i < 255; ++i) ASSERT_TRUE(LayerForm->AddLayer("L" + std::to_string(i)));
  ASSERT_EQ(Map->LayerCount(), 255);

  LayerForm->AddLayerToolButton->click();
  EXPECT_FALSE(DialogShownBy([] { MainForm->A3Click(); }));
  EXPECT_FALSE(DialogShownBy([] { MainForm->C1Click(); }));
  ASSERT_EQ(prompter.calls.size(), 3u);
  for (const PromptCall& call : prompter.calls) ExpectWarning(call, kLimit);
  EXPECT_EQ(Map->LayerCount(), 255);
  EXPECT_EQ(LayerForm->CheckList->count(), 255);
}

TEST_F(LayerCommandsTest, CopyingAppendsACopyOnTop) {
  LoadParts("grass.bmp");
  FillLayer(0, 7);
  LayerForm->SetLayerVisibleState(0, false);
  AnswerNextDialog([](QDialog* dialog) {
    auto* d = dynamic_cast<TCopyLayerDialog*>(dialog);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->SrcNameLabel->text().toStdString(), "レイヤー0");
    EXPECT_EQ(d->NameEdit->text().toStdString(), "レイヤー0のコピー");
  });
  LayerForm->CopyLayerToolButton->click();
  ASSERT_EQ(Map->LayerCount(), 2);
  EXPECT_EQ(Map->GetLayerName(1), "レイヤー0のコピー");
  EXPECT_EQ(Map->LayerAt(1).Cells, Map->LayerAt(0).Cells);
  EXPECT_EQ(Map->GetLayerChip(1), Map->GetLayerChip(0));
  EXPECT_EQ(Rows().front(), "レイヤー0のコピー");
  EXPECT_EQ(LayerForm->GetCurrentLayerIndex(), 1);
  // The new row is checked, and the document agrees.
  EXPECT_TRUE(LayerForm->GetLayerVisibleState(1));
  EXPECT_TRUE(Map->LayerAt(1).Visible);
  EXPECT_EQ(LayerForm->AddedLayerCount, 1);
  EXPECT_TRUE(LayerForm->DelLayerToolButton->isEnabled());
  EXPECT_EQ(LayerCount(), "レイヤー数：2");

  AnswerNextDialog([](QDialog*) {}, false);
  LayerForm->CopyCurrentLayer();
  EXPECT_EQ(Map->LayerCount(), 2);
}

TEST_F(LayerCommandsTest, DocumentFailuresLeaveTheListAsItWas) {
  Map->Setup(0, 0, 32, 32, 8);  // a document that cannot hold another layer
  EXPECT_FALSE(LayerForm->AddLayer("x"));
  ASSERT_EQ(prompter.calls.size(), 1u);
  EXPECT_EQ(prompter.calls[0].text, "メモリーが足りない為、レイヤーを作成できません。");
  EXPECT_EQ(prompter.calls[0].caption, "エラー");
  EXPECT_EQ(prompter.calls[0].icon, MsgIcon::Error);

  prompter.Clear();
  AnswerNextDialog([](QDialog*) {});
  LayerForm->CopyCurrentLayer();
  ASSERT_EQ(prompter.calls.size(), 1u);
  EXPECT_EQ(prompter.calls[0].text, "メモリーが足りない為、レイヤーを複製できません。");
  EXPECT_EQ(prompter.calls[0].caption, "エラー");
  EXPECT_EQ(prompter.calls[0].icon, MsgIcon::Warning);
  EXPECT_EQ(LayerForm->CheckList->count(), 1);
  EXPECT_EQ(LayerForm->AddedLayerCount, 1);
}

TEST_F(LayerCommandsTest, DeletingSelectsTheRowBelowOrTheTop) {
  ThreeLayers();
  LayerForm->CheckList->setCurrentRow(0);
  LayerForm->DeleteCurrentLayer();  // the top row: the layer below moves up into it
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1", "0"}));
  EXPECT_EQ(LayerForm->CheckList->currentRow(), 0);
  AddLayer("2");
  LayerForm->CheckList->setCurrentRow(1);
  LayerForm->DeleteCurrentLayer();  // a middle row
  EXPECT_EQ(Rows(), (std::vector<std::string>{"2", "0"}));
  EXPECT_EQ(LayerForm->CheckList->currentRow(), 1);
  EXPECT_EQ(Map->GetLayerName(LayerForm->GetCurrentLayerIndex()), "0");
  LayerForm->DeleteCurrentLayer();  // the bottom row: the top is selected
  EXPECT_EQ(Rows(), (std::vector<std::string>{"2"}));
  EXPECT_EQ(LayerForm->CheckList->currentRow(), 0);
  EXPECT_EQ(Map->LayerCount(), 1);
  EXPECT_EQ(LayerCount(), "レイヤー数：1");
  EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(LayerCommandsTest, TheLastLayerStays) {
  EXPECT_FALSE(LayerForm->DelLayerToolButton->isEnabled());
  EXPECT_FALSE(LayerForm->DeleteLayerMenuItem->isEnabled());
  EXPECT_FALSE(MainForm->D1->isEnabled());
  LayerForm->DeleteCurrentLayer();
  ASSERT_EQ(prompter.calls.size(), 1u);
  ExpectWarning(prompter.calls[0], "レイヤーは最低限１つは必要なので、これ以上削除できません。");
  EXPECT_EQ(Map->LayerCount(), 1);

  AddLayer("1");
  EXPECT_TRUE(LayerForm->DelLayerToolButton->isEnabled());
  EXPECT_TRUE(LayerForm->DeleteLayerMenuItem->isEnabled());
  EXPECT_TRUE(MainForm->D1->isEnabled());
  MainForm->D1Click();
  EXPECT_EQ(Map->LayerCount(), 1);
  EXPECT_FALSE(MainForm->D1->isEnabled());
  EXPECT_FALSE(LayerForm->DelLayerToolButton->isEnabled());
}

TEST_F(LayerCommandsTest, SettingsRenameAndReplaceTheImageOnlyWhenChosen) {
  LoadParts("grass.bmp");
  LoadParts("town.bmp");
  TMapChip* town = Map->GetLayerChip(0);
  AnswerNextDialog([](QDialog* dialog) {
    TNewLayerDialog* d = NewLayerDialog(dialog);
    EXPECT_EQ(d->windowTitle().toStdString(), "レイヤー設定");
    EXPECT_EQ(d->NameEdit->text().toStdString(), "レイヤー0");
    EXPECT_EQ(ComboItems(d), (QStringList{QStringLiteral("grass.bmp"), QStringLiteral("town.bmp"),
                                          QStringLiteral("参照なし")}));
    EXPECT_EQ(d->ChipSetCombo->currentText().toStdString(), "town.bmp");
    d->NameEdit->setText(QStringLiteral("地面"));
  });
  LayerForm->LayerOptToolButton->click();
  EXPECT_EQ(Map->GetLayerName(0), "地面");
  EXPECT_EQ(Rows(), std::vector<std::string>{"地面"});
  EXPECT_EQ(Map->GetLayerChip(0), town);  // OK without touching the list keeps the image
  EXPECT_EQ(Title(), "Brimwell 名称未設定(8bit)  @ 100%(地面)");

  AnswerNextDialog([](QDialog* dialog) { NewLayerDialog(dialog)->ChipSetCombo->Choose(0); });
  MainForm->S1Click();
  EXPECT_EQ(Map->GetLayerChip(0), ChipForm->GetMapChipAddr(0));

  AnswerNextDialog([](QDialog* dialog) { NewLayerDialog(dialog)->ChipSetCombo->Choose(2); });
  LayerForm->OpenCurrentLayerSetting();
  EXPECT_EQ(Map->GetLayerChip(0), nullptr);

  AnswerNextDialog(
      [](QDialog* dialog) {
        TNewLayerDialog* d = NewLayerDialog(dialog);
        EXPECT_EQ(d->ChipSetCombo->currentText().toStdString(), "参照なし");
        d->NameEdit->setText(QStringLiteral("x"));
        d->ChipSetCombo->Choose(1);
      },
      false);
  LayerForm->OpenCurrentLayerSetting();
  EXPECT_EQ(Map->GetLayerName(0), "地面");
  EXPECT_EQ(Map->GetLayerChip(0), nullptr);
}

TEST_F(LayerCommandsTest, MergingIntoTheLayerBelow) {
  AddLayer("1");
  AddLayer("2");
  SetCell(1, 0, 0, 5);
  SetCell(1, 1, 0, 255);
  SetCell(0, 1, 0, 9);
  LayerForm->CheckList->setCurrentRow(2);  // the bottom layer: nothing below
  LayerForm->MergeCurrentLayer();
  EXPECT_EQ(Map->LayerCount(), 3);

  LayerForm->CheckList->setCurrentRow(1);
  LayerForm->MergeLayerMenuItem->trigger();
  ASSERT_EQ(Map->LayerCount(), 2);
  EXPECT_EQ(Map->LayerAt(0).Cells[0], 5);
  EXPECT_EQ(Map->LayerAt(0).Cells[1], 9);  // 255 lets the layer below show
  EXPECT_EQ(Rows(), (std::vector<std::string>{"2", "レイヤー0"}));
  EXPECT_EQ(LayerForm->GetCurrentLayerIndex(), 0);
  EXPECT_EQ(LayerCount(), "レイヤー数：2");
}
