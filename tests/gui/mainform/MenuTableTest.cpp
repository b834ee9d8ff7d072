// Every menu item and toolbar button against the command tables: captions, shortcuts, states,
// hints and grouping.
#include <QAction>
#include <QKeyEvent>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "EditorFixture.h"
#include "editor/MapView.h"
#include "editor/StatusBar.h"
#include "windows/ChipFormUnit.h"

namespace {

struct ExpectedItem {
  const char* menu;
  const char* caption;  // "-" for a separator
  const char* shortcut;
  const char* name;
  const char* state;  // c checked, r radio, h hidden, d disabled
};

const ExpectedItem kExpectedItems[] = {
    {"ファイル(&F)", "新規プロジェクト(&N)...", "Ctrl+N", "NewMenuItem", ""},
    {"ファイル(&F)", "プロジェクトを開く(&O)...", "Ctrl+O", "OpenMenuItem", ""},
    {"ファイル(&F)", "-", "", "", ""},
    {"ファイル(&F)", "上書き保存(&S)", "Ctrl+S", "SaveMenuItem", ""},
    {"ファイル(&F)", "名前を付けて保存(&A)...", "", "SaveAs1", ""},
    {"ファイル(&F)", "-", "", "", ""},
    {"ファイル(&F)", "マップデータの読み込み(&L)...", "Ctrl+Alt+O", "N32", ""},
    {"ファイル(&F)", "マップデータの書き出し(&E)...", "Ctrl+Alt+S", "N31", ""},
    {"ファイル(&F)", "ビットマップとして書き出し(&B)...", "", "N34", "h"},
    {"ファイル(&F)", "-", "", "", ""},
    {"ファイル(&F)", "終了(&Q)", "Ctrl+Q", "QuitMenuItem", ""},
    {"編集(&E)", "取り消し(&Z)", "Ctrl+Z", "Cancel1", ""},
    {"編集(&E)", "やり直し(&Y)", "Ctrl+Y", "Repeat1", ""},
    {"編集(&E)", "-", "", "", ""},
    {"編集(&E)", "切り取り(&X)", "Ctrl+X", "Cut1", ""},
    {"編集(&E)", "コピー(&C)", "Ctrl+C", "Copy1", ""},
    {"編集(&E)", "貼り付け(&V)", "Ctrl+V", "V1", ""},
    {"編集(&E)", "-", "", "", ""},
    {"編集(&E)", "全てを選択(&A)", "Ctrl+A", "A1", ""},
    {"編集(&E)", "選択の解除(&D)", "Ctrl+D", "D2", ""},
    {"編集(&E)", "-", "", "", ""},
    {"編集(&E)", "置き換え(&H)...", "Ctrl+H", "N29", ""},
    {"編集(&E)", "塗り潰し(&F)...", "Ctrl+F", "N5", ""},
    {"編集(&E)", "-", "", "", ""},
    {"編集(&E)", "取り消しバッファをフラッシュ(&F)", "", "N25", ""},
    {"編集(&E)", "-", "", "", ""},
    {"編集(&E)", "プロジェクト設定(&P)...", "", "N28", ""},
    {"表示(&S)", "パーツウィンドウ(&P)", "", "P3", "c"},
    {"表示(&S)", "レイヤーウィンドウ(&L)", "", "L2", "c"},
    {"表示(&S)", "プレビューウィンドウ", "", "N2", "c"},
    {"ツール(&M)", "ペンツール(&P)", "F1", "P1", "rc"},
    {"ツール(&M)", "タイリングペンツール(&T)", "F2", "M1", "r"},
    {"ツール(&M)", "塗りつぶしツール(&F)", "F3", "F1", "r"},
    {"ツール(&M)", "-", "", "", ""},
    {"ツール(&M)", "矩形選択ツール(&S)", "F5", "A2", "r"},
    {"ツール(&M)", "パターン選択ツール(&D)", "F6", "N24", "r"},
    {"ツール(&M)", "-", "", "", ""},
    {"ツール(&M)", "マップのリサイズ(&R)...", "F9", "N23", ""},
    {"ツール(&M)", "スクロール(&C)", "F10", "N35", "hd"},
    {"レイヤー(&L)", "新規レイヤーの作成(&A)...", "", "A3", ""},
    {"レイヤー(&L)", "レイヤーの複製(&C)...", "", "C1", ""},
    {"レイヤー(&L)", "レイヤーの削除(&D)", "", "D1", ""},
    {"レイヤー(&L)", "-", "", "", ""},
    {"レイヤー(&L)", "レイヤー設定(&S)...", "", "S1", ""},
    {"ビュー(&V)", "エディター面の拡大(&I)", "Ctrl+Num++", "I1", ""},
    {"ビュー(&V)", "エディター面の縮小(&O)", "Ctrl+Num+-", "O1", ""},
    {"ビュー(&V)", "エディター面を元のサイズに戻す(&Z)", "Ctrl+Return", "Z1", ""},
    {"ビュー(&V)", "-", "", "", ""},
    {"ビュー(&V)", "パーツ面の拡大(&P)", "Ctrl+Alt+Num++", "N8", ""},
    {"ビュー(&V)", "パーツ面の縮小(&;)", "Ctrl+Alt+Num+-", "N9", ""},
    {"ビュー(&V)", "パーツ面を元のサイズに戻す(&/)", "Ctrl+Alt+Return", "N10", ""},
    {"ビュー(&V)", "-", "", "", ""},
    {"ビュー(&V)", "グリッドの表示(&G)", "Ctrl+G", "G1", "c"},
    {"ビュー(&V)", "カーソルグリッドの表示(&C)", "Ctrl+B", "N20", "c"},
    {"ビュー(&V)", "カレントレイヤーマーカの表示(&M)", "Ctrl+M", "N15", ""},
    {"ビュー(&V)", "パーツ番号の表示(&P)", "", "P2", ""},
    {"ビュー(&V)", "-", "", "", ""},
    {"ビュー(&V)", "透過処理を行う(&B)", "Ctrl+T", "N17", ""},
    {"ビュー(&V)", "透過色の指定(&N)...", "", "N18", ""},
    {"ヘルプ(&H)", "言語 (Language)", "", "", ""},
    {"ヘルプ(&H)", "-", "", "", ""},
    {"ヘルプ(&H)", "バージョン情報(&A)...", "", "N6", ""},
    {"ヘルプ(&H)", "デバッグ情報の出力", "", "N19", "h"},
    {"ヘルプ(&H)", "描画計測", "", "N33", "h"},
};

struct ExpectedButton {
  const char* name;
  const char* hint;
  bool separatorBefore;
  bool check;
};

const ExpectedButton kExpectedButtons[] = {
    {"NewToolButton", "新規プロジェクト", true, false},
    {"OpenToolButton", "プロジェクトを開く", false, false},
    {"SaveToolButton", "プロジェクトの保存", false, false},
    {"CutToolButton", "切り取り", true, false},
    {"CopyToolButton", "コピー", false, false},
    {"PasteToolButton", "貼り付け", false, false},
    {"UndoToolButton", "取り消し", true, false},
    {"RedoToolButton", "やり直し", false, false},
    {"PenToolButton", "ペンツール", true, true},
    {"MPenToolButton", "タイリングペンツール", false, true},
    {"FillToolButton", "塗り潰しツール", false, true},
    {"SelectToolButton", "矩形選択ツール", false, true},
    {"PtnToolButton", "パターン選択ツール", false, true},
    {"NumToolButton", "カレントレイヤのパーツ番号を表示", true, true},
    {"BigToolButton", "表示拡大", false, false},
    {"SmallToolButton", "表示縮小", false, false},
    {"PartsWinToolButton", "パーツウィンドウ", true, false},
    {"LayerWinToolButton", "レイヤウィンドウ", false, false},
    {"PreWinToolButton", "プレビューウィンドウ", false, false},
};

std::string Text(const QString& s) {
  return s.toStdString();
}

std::vector<QAction*> MenuRows() {
  std::vector<QAction*> rows;
  for (QAction* top : MainForm->menuBar()->actions())
    for (QAction* item : top->menu()->actions()) rows.push_back(item);
  return rows;
}

}  // namespace

using MenuTableTest = EditorTest;

TEST_F(MenuTableTest, SevenMenusInOrder) {
  std::vector<std::string> captions;
  for (QAction* top : MainForm->menuBar()->actions()) captions.push_back(Text(top->text()));
  EXPECT_EQ(captions,
            (std::vector<std::string>{"ファイル(&F)", "編集(&E)", "表示(&S)", "ツール(&M)",
                                      "レイヤー(&L)", "ビュー(&V)", "ヘルプ(&H)"}));
  for (QAction* top : MainForm->menuBar()->actions()) EXPECT_TRUE(top->shortcut().isEmpty());
}

TEST_F(MenuTableTest, EveryItemAsTheTableGivesIt) {
  const std::vector<QAction*> rows = MenuRows();
  ASSERT_EQ(rows.size(), std::size(kExpectedItems));
  for (size_t i = 0; i < rows.size(); ++i) {
    const ExpectedItem& e = kExpectedItems[i];
    QAction* a = rows[i];
    SCOPED_TRACE(e.caption);
    EXPECT_EQ(Text(qobject_cast<QMenu*>(a->parent())->title()), e.menu);
    if (std::string(e.caption) == "-") {
      EXPECT_TRUE(a->isSeparator());
      continue;
    }
    const std::string state = e.state;
    EXPECT_EQ(Text(a->text()), e.caption);
    EXPECT_EQ(Text(a->objectName()), e.name);
    EXPECT_EQ(Text(a->shortcut().toString(QKeySequence::PortableText)), e.shortcut);
    EXPECT_EQ(a->isChecked(), state.find('c') != std::string::npos);
    EXPECT_EQ(a->actionGroup() != nullptr, state.find('r') != std::string::npos);
    EXPECT_EQ(a->isVisible(), state.find('h') == std::string::npos);
    if (state.find('d') != std::string::npos) {
      EXPECT_FALSE(a->isEnabled());
    }
  }
}

TEST_F(MenuTableTest, ZoomPartsCommandsAlsoTakeTheKeypadEnter) {
  EXPECT_EQ(MainForm->Z1->shortcuts().size(), 2);
  EXPECT_EQ(Text(MainForm->Z1->shortcuts().at(1).toString(QKeySequence::PortableText)),
            "Ctrl+Num+Enter");
  EXPECT_EQ(Text(MainForm->N10->shortcuts().at(1).toString(QKeySequence::PortableText)),
            "Ctrl+Alt+Num+Enter");
}

// X11 hands keypad keys with Ctrl to the view instead of the shortcut; the view runs the
// command itself. The event goes straight to the view's handler, past the shortcut map, as
// X11 delivers it.
TEST_F(MenuTableTest, KeypadZoomKeysReachingTheViewStillZoom) {
  NewMap(20, 20, 16);
  const auto press = [](Qt::Key key, Qt::KeyboardModifiers keys) {
    QKeyEvent event(QEvent::KeyPress, key, keys);
    static_cast<QObject*>(MainForm->View)->event(&event);
  };
  const Qt::KeyboardModifiers ctrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;
  press(Qt::Key_Plus, ctrlKeypad);
  EXPECT_EQ(MainForm->CellWidth, 19);
  press(Qt::Key_Minus, ctrlKeypad);
  press(Qt::Key_Minus, ctrlKeypad);
  EXPECT_EQ(MainForm->CellWidth, 13);
  press(Qt::Key_Enter, ctrlKeypad);
  EXPECT_EQ(MainForm->CellWidth, 16);
  press(Qt::Key_Plus, Qt::KeypadModifier);  // without Ctrl it is no zoom key
  EXPECT_EQ(MainForm->CellWidth, 16);
  const int partsZoom = ChipForm->GetZoomRatio();
  press(Qt::Key_Plus, ctrlKeypad | Qt::AltModifier);
  EXPECT_GT(ChipForm->GetZoomRatio(), partsZoom);
}

// A standard X11 keymap turns Ctrl+Alt+keypad plus and minus into XF86Next_VMode and
// XF86Prev_VMode (keycodes 86 and 82); Qt passes them on with no key code and no keypad flag.
TEST_F(MenuTableTest, VideoModeKeysymsZoomThePartsWindow) {
  NewMap(20, 20, 16);
  const auto press = [](quint32 keysym, quint32 keycode) {
    QKeyEvent event(QEvent::KeyPress, 0, Qt::ControlModifier | Qt::AltModifier, keycode, keysym,
                    0x0C);
    static_cast<QObject*>(MainForm->View)->event(&event);
  };
  const int start = ChipForm->GetZoomRatio();
  press(0x1008FE22, 86);
  const int larger = ChipForm->GetZoomRatio();
  EXPECT_GT(larger, start);
  press(0x1008FE22, 86);
  EXPECT_GT(ChipForm->GetZoomRatio(), larger);
  press(0x1008FE23, 82);
  EXPECT_EQ(ChipForm->GetZoomRatio(), larger);
  EXPECT_EQ(MainForm->CellWidth, 16);  // the main view's zoom stays
}

TEST_F(MenuTableTest, ToolItemsFormOneExclusiveGroup) {
  QActionGroup* group = MainForm->P1->actionGroup();
  ASSERT_NE(group, nullptr);
  EXPECT_TRUE(group->isExclusive());
  EXPECT_EQ(group->actions().size(), 5);
  MainForm->A2Click();
  EXPECT_FALSE(MainForm->P1->isChecked());
  EXPECT_TRUE(MainForm->A2->isChecked());
  EXPECT_EQ(MainForm->Tool, TToolKind::RectSelect);
}

TEST_F(MenuTableTest, ToolbarButtonsHintsSeparatorsAndSizes) {
  const QList<QAction*> actions = MainForm->ToolBar->actions();
  size_t button = 0;
  bool separator = false;
  for (QAction* action : actions) {
    if (action->isSeparator()) {
      separator = true;
      continue;
    }
    auto* b = qobject_cast<QToolButton*>(MainForm->ToolBar->widgetForAction(action));
    ASSERT_NE(b, nullptr);
    ASSERT_LT(button, std::size(kExpectedButtons));
    const ExpectedButton& e = kExpectedButtons[button++];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(Text(b->objectName()), e.name);
    EXPECT_EQ(Text(b->toolTip()), e.hint);
    EXPECT_EQ(separator, e.separatorBefore);
    EXPECT_EQ(b->isCheckable(), e.check);
    EXPECT_EQ(b->size(), QSize(25, 24));
    EXPECT_EQ(b->iconSize(), QSize(18, 18));
    EXPECT_FALSE(b->icon().isNull());
    separator = false;
  }
  EXPECT_EQ(button, std::size(kExpectedButtons));
}

TEST_F(MenuTableTest, ButtonsRunTheirCommands) {
  MainForm->SelectToolButton->click();
  EXPECT_EQ(MainForm->Tool, TToolKind::RectSelect);
  EXPECT_TRUE(MainForm->SelectToolButton->isChecked());
  MainForm->FillToolButton->click();
  EXPECT_EQ(MainForm->Tool, TToolKind::Fill);
  EXPECT_TRUE(MainForm->F1->isChecked());
  MainForm->NumToolButton->click();
  EXPECT_TRUE(MainForm->Records.env.partNumbers);
  EXPECT_TRUE(MainForm->P2->isChecked());
  EXPECT_TRUE(MainForm->NumToolButton->isChecked());
}

TEST_F(MenuTableTest, ClickingACheckItemTogglesItOnce) {
  MainForm->G1->trigger();
  EXPECT_FALSE(MainForm->G1->isChecked());
  EXPECT_FALSE(MainForm->Records.env.grid);
  MainForm->P3->trigger();
  EXPECT_FALSE(MainForm->P3->isChecked());
  EXPECT_FALSE(ChipForm->isVisible());
}

TEST(MainFormStartTest, StatusPanelsStartWithTheirTextsAndWidths) {
  ScopedPrompter prompter;
  CreateApplicationObjects();
  const auto& bar = *MainForm->StatusBar;
  ASSERT_EQ(bar.PanelCount(), 3);
  EXPECT_EQ(Text(bar.PanelText(0)), "カーソル座標(0, 0)");
  EXPECT_EQ(Text(bar.PanelText(1)), "選択範囲(0, 0)-(0, 0)");
  EXPECT_EQ(Text(bar.PanelText(2)), "表示範囲(0, 0)-(0, 0)");
  EXPECT_EQ(bar.PanelWidth(0), 140);
  EXPECT_EQ(bar.PanelWidth(1), 190);
  EXPECT_EQ(bar.PanelWidth(2), 120);
  EXPECT_TRUE(MainForm->DrawingEnabled);
  EXPECT_TRUE(prompter.calls.empty());  // the brush loaded
  ASSERT_NE(MainForm->BackgroundBrush.Bitmap(), nullptr);
  EXPECT_EQ(Pixel(*MainForm->BackgroundBrush.Bitmap(), 0, 0), 0xD0D0D0u);
  EXPECT_EQ(Pixel(*MainForm->BackgroundBrush.Bitmap(), 4, 0), 0xFFFFFFu);
  EXPECT_EQ(Pixel(*MainForm->BackgroundBrush.Bitmap(), 7, 7), 0xD0D0D0u);
  DestroyApplicationObjects();
}
