// The menu bar and the toolbar, built from two tables: every item with its caption, shortcut,
// state and handler, and every button with its hint, image and handler.
#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "editor/LanguageMenu.h"
#include "editor/MainFormUnit.h"
#include "editor/ToolBarButtons.h"

namespace {

using Handler = void (TMainForm::*)();
using ItemField = QAction* TMainForm::*;
using ButtonField = QToolButton* TMainForm::*;

enum ItemFlag : unsigned {
  kCheck = 1,    // carries a check mark
  kChecked = 3,  // carries one and starts checked
  kRadio = 4,    // one of the exclusive Tool items
  kHidden = 8,
  kDisabled = 16,
};

enum MenuIndex { kFile, kEdit, kShow, kTool, kLayer, kView, kHelp };

struct MenuDef {
  QMenu* TMainForm::*field;
  const char* name;
  const char* caption;
};

const MenuDef kMenus[] = {
    {&TMainForm::FileMenu, "File1", QT_TRANSLATE_NOOP("TMainForm", "ファイル(&F)")},
    {&TMainForm::EditMenu, "Edit1", QT_TRANSLATE_NOOP("TMainForm", "編集(&E)")},
    {&TMainForm::ShowMenu, "Show1", QT_TRANSLATE_NOOP("TMainForm", "表示(&S)")},
    {&TMainForm::ToolMenu, "Tool1", QT_TRANSLATE_NOOP("TMainForm", "ツール(&M)")},
    {&TMainForm::LayerMenu, "Layer1", QT_TRANSLATE_NOOP("TMainForm", "レイヤー(&L)")},
    {&TMainForm::ViewMenu, "View1", QT_TRANSLATE_NOOP("TMainForm", "ビュー(&V)")},
    {&TMainForm::HelpMenu, "Help1", QT_TRANSLATE_NOOP("TMainForm", "ヘルプ(&H)")},
};

// A row without a field is a separator line.
struct ItemDef {
  MenuIndex menu;
  ItemField field;
  const char* name;
  const char* caption;
  const char* shortcut;
  Handler handler;
  unsigned flags;
};

#define ITEM(menu, name, caption, shortcut, handler, flags) \
  { menu, &TMainForm::name, #name, caption, shortcut, &TMainForm::handler, flags }
#define SEPARATOR(menu) \
  { menu, nullptr, nullptr, nullptr, nullptr, nullptr, 0 }

const ItemDef kItems[] = {
    ITEM(kFile, NewMenuItem, QT_TRANSLATE_NOOP("TMainForm", "新規プロジェクト(&N)..."), "Ctrl+N",
         NewMenuItemClick, 0),
    ITEM(kFile, OpenMenuItem, QT_TRANSLATE_NOOP("TMainForm", "プロジェクトを開く(&O)..."), "Ctrl+O",
         OpenMenuItemClick, 0),
    SEPARATOR(kFile),
    ITEM(kFile, SaveMenuItem, QT_TRANSLATE_NOOP("TMainForm", "上書き保存(&S)"), "Ctrl+S",
         SaveMenuItemClick, 0),
    ITEM(kFile, SaveAs1, QT_TRANSLATE_NOOP("TMainForm", "名前を付けて保存(&A)..."), "",
         SaveAs1Click, 0),
    SEPARATOR(kFile),
    ITEM(kFile, N32, QT_TRANSLATE_NOOP("TMainForm", "マップデータの読み込み(&L)..."), "Ctrl+Alt+O",
         N32Click, 0),
    ITEM(kFile, N31, QT_TRANSLATE_NOOP("TMainForm", "マップデータの書き出し(&E)..."), "Ctrl+Alt+S",
         N31Click, 0),
    ITEM(kFile, N34, QT_TRANSLATE_NOOP("TMainForm", "ビットマップとして書き出し(&B)..."), "",
         N34Click, kHidden),
    SEPARATOR(kFile),
    ITEM(kFile, QuitMenuItem, QT_TRANSLATE_NOOP("TMainForm", "終了(&Q)"), "Ctrl+Q",
         QuitMenuItemClick, 0),

    ITEM(kEdit, Cancel1, QT_TRANSLATE_NOOP("TMainForm", "取り消し(&Z)"), "Ctrl+Z", Cancel1Click, 0),
    ITEM(kEdit, Repeat1, QT_TRANSLATE_NOOP("TMainForm", "やり直し(&Y)"), "Ctrl+Y", Repeat1Click, 0),
    SEPARATOR(kEdit),
    ITEM(kEdit, Cut1, QT_TRANSLATE_NOOP("TMainForm", "切り取り(&X)"), "Ctrl+X", Cut1Click, 0),
    ITEM(kEdit, Copy1, QT_TRANSLATE_NOOP("TMainForm", "コピー(&C)"), "Ctrl+C", Copy1Click, 0),
    ITEM(kEdit, V1, QT_TRANSLATE_NOOP("TMainForm", "貼り付け(&V)"), "Ctrl+V", V1Click, 0),
    SEPARATOR(kEdit),
    ITEM(kEdit, A1, QT_TRANSLATE_NOOP("TMainForm", "全てを選択(&A)"), "Ctrl+A", A1Click, 0),
    ITEM(kEdit, D2, QT_TRANSLATE_NOOP("TMainForm", "選択の解除(&D)"), "Ctrl+D", D2Click, 0),
    SEPARATOR(kEdit),
    ITEM(kEdit, N29, QT_TRANSLATE_NOOP("TMainForm", "置き換え(&H)..."), "Ctrl+H", N29Click, 0),
    ITEM(kEdit, N5, QT_TRANSLATE_NOOP("TMainForm", "塗り潰し(&F)..."), "Ctrl+F", N5Click, 0),
    SEPARATOR(kEdit),
    ITEM(kEdit, N25, QT_TRANSLATE_NOOP("TMainForm", "取り消しバッファをフラッシュ(&F)"), "",
         N25Click, 0),
    SEPARATOR(kEdit),
    ITEM(kEdit, N28, QT_TRANSLATE_NOOP("TMainForm", "プロジェクト設定(&P)..."), "", N28Click, 0),

    ITEM(kShow, P3, QT_TRANSLATE_NOOP("TMainForm", "パーツウィンドウ(&P)"), "", P3Click, kChecked),
    ITEM(kShow, L2, QT_TRANSLATE_NOOP("TMainForm", "レイヤーウィンドウ(&L)"), "", L2Click,
         kChecked),
    ITEM(kShow, N2, QT_TRANSLATE_NOOP("TMainForm", "プレビューウィンドウ"), "", N2Click, kChecked),

    ITEM(kTool, P1, QT_TRANSLATE_NOOP("TMainForm", "ペンツール(&P)"), "F1", P1Click,
         kRadio | kChecked),
    ITEM(kTool, M1, QT_TRANSLATE_NOOP("TMainForm", "タイリングペンツール(&T)"), "F2", M1Click,
         kRadio),
    ITEM(kTool, F1, QT_TRANSLATE_NOOP("TMainForm", "塗りつぶしツール(&F)"), "F3", F1Click, kRadio),
    SEPARATOR(kTool),
    ITEM(kTool, A2, QT_TRANSLATE_NOOP("TMainForm", "矩形選択ツール(&S)"), "F5", A2Click, kRadio),
    ITEM(kTool, N24, QT_TRANSLATE_NOOP("TMainForm", "パターン選択ツール(&D)"), "F6", N24Click,
         kRadio),
    SEPARATOR(kTool),
    ITEM(kTool, N23, QT_TRANSLATE_NOOP("TMainForm", "マップのリサイズ(&R)..."), "F9", N23Click, 0),
    ITEM(kTool, N35, QT_TRANSLATE_NOOP("TMainForm", "スクロール(&C)"), "F10", N35Click,
         kHidden | kDisabled),

    ITEM(kLayer, A3, QT_TRANSLATE_NOOP("TMainForm", "新規レイヤーの作成(&A)..."), "", A3Click, 0),
    ITEM(kLayer, C1, QT_TRANSLATE_NOOP("TMainForm", "レイヤーの複製(&C)..."), "", C1Click, 0),
    ITEM(kLayer, D1, QT_TRANSLATE_NOOP("TMainForm", "レイヤーの削除(&D)"), "", D1Click, 0),
    SEPARATOR(kLayer),
    ITEM(kLayer, S1, QT_TRANSLATE_NOOP("TMainForm", "レイヤー設定(&S)..."), "", S1Click, 0),

    // The six zoom shortcuts are given by AssignZoomShortcuts when the window is created.
    ITEM(kView, I1, QT_TRANSLATE_NOOP("TMainForm", "エディター面の拡大(&I)"), "", I1Click, 0),
    ITEM(kView, O1, QT_TRANSLATE_NOOP("TMainForm", "エディター面の縮小(&O)"), "", O1Click, 0),
    ITEM(kView, Z1, QT_TRANSLATE_NOOP("TMainForm", "エディター面を元のサイズに戻す(&Z)"), "",
         Z1Click, 0),
    SEPARATOR(kView),
    ITEM(kView, N8, QT_TRANSLATE_NOOP("TMainForm", "パーツ面の拡大(&P)"), "", N8Click, 0),
    ITEM(kView, N9, QT_TRANSLATE_NOOP("TMainForm", "パーツ面の縮小(&;)"), "", N9Click, 0),
    ITEM(kView, N10, QT_TRANSLATE_NOOP("TMainForm", "パーツ面を元のサイズに戻す(&/)"), "", N10Click,
         0),
    SEPARATOR(kView),
    ITEM(kView, G1, QT_TRANSLATE_NOOP("TMainForm", "グリッドの表示(&G)"), "Ctrl+G", G1Click,
         kChecked),
    ITEM(kView, N20, QT_TRANSLATE_NOOP("TMainForm", "カーソルグリッドの表示(&C)"), "Ctrl+B",
         N20Click, kCheck),
    ITEM(kView, N15, QT_TRANSLATE_NOOP("TMainForm", "カレントレイヤーマーカの表示(&M)"), "Ctrl+M",
         N15Click, kCheck),
    ITEM(kView, P2, QT_TRANSLATE_NOOP("TMainForm", "パーツ番号の表示(&P)"), "", P2Click, kCheck),
    SEPARATOR(kView),
    ITEM(kView, N17, QT_TRANSLATE_NOOP("TMainForm", "透過処理を行う(&B)"), "Ctrl+T", N17Click,
         kCheck),
    ITEM(kView, N18, QT_TRANSLATE_NOOP("TMainForm", "透過色の指定(&N)..."), "", N18Click, 0),

    ITEM(kHelp, N6, QT_TRANSLATE_NOOP("TMainForm", "バージョン情報(&A)..."), "", N6Click, 0),
    ITEM(kHelp, N19, QT_TRANSLATE_NOOP("TMainForm", "デバッグ情報の出力"), "", N19Click, kHidden),
    ITEM(kHelp, N33, QT_TRANSLATE_NOOP("TMainForm", "描画計測"), "", N33Click, kHidden),
};

#undef ITEM
#undef SEPARATOR

enum ButtonFlag : unsigned { kSeparatorBefore = 1, kCheckButton = 2 };

struct ButtonDef {
  ButtonField field;
  const char* name;
  const char* hint;
  const char* image;
  Handler handler;
  unsigned flags;
};

#define BUTTON(name, hint, image, handler, flags) \
  { &TMainForm::name, #name, hint, image, &TMainForm::handler, flags }

const ButtonDef kButtons[] = {
    BUTTON(NewToolButton, QT_TRANSLATE_NOOP("TMainForm", "新規プロジェクト"), "new",
           NewMenuItemClick, kSeparatorBefore),
    BUTTON(OpenToolButton, QT_TRANSLATE_NOOP("TMainForm", "プロジェクトを開く"), "open",
           OpenToolButtonClick, 0),
    BUTTON(SaveToolButton, QT_TRANSLATE_NOOP("TMainForm", "プロジェクトの保存"), "save",
           SaveToolButtonClick, 0),
    BUTTON(CutToolButton, QT_TRANSLATE_NOOP("TMainForm", "切り取り"), "cut", Cut1Click,
           kSeparatorBefore),
    BUTTON(CopyToolButton, QT_TRANSLATE_NOOP("TMainForm", "コピー"), "copy", Copy1Click, 0),
    BUTTON(PasteToolButton, QT_TRANSLATE_NOOP("TMainForm", "貼り付け"), "paste", V1Click, 0),
    BUTTON(UndoToolButton, QT_TRANSLATE_NOOP("TMainForm", "取り消し"), "undo", Cancel1Click,
           kSeparatorBefore),
    BUTTON(RedoToolButton, QT_TRANSLATE_NOOP("TMainForm", "やり直し"), "redo", Repeat1Click, 0),
    BUTTON(PenToolButton, QT_TRANSLATE_NOOP("TMainForm", "ペンツール"), "pen", PenToolButtonClick,
           kSeparatorBefore | kCheckButton),
    BUTTON(MPenToolButton, QT_TRANSLATE_NOOP("TMainForm", "タイリングペンツール"), "tilepen",
           MPenToolButtonClick, kCheckButton),
    BUTTON(FillToolButton, QT_TRANSLATE_NOOP("TMainForm", "塗り潰しツール"), "fill",
           FillToolButtonClick, kCheckButton),
    BUTTON(SelectToolButton, QT_TRANSLATE_NOOP("TMainForm", "矩形選択ツール"), "select", A2Click,
           kCheckButton),
    BUTTON(PtnToolButton, QT_TRANSLATE_NOOP("TMainForm", "パターン選択ツール"), "pattern", N24Click,
           kCheckButton),
    BUTTON(NumToolButton, QT_TRANSLATE_NOOP("TMainForm", "カレントレイヤのパーツ番号を表示"),
           "numbers", P2Click, kSeparatorBefore | kCheckButton),
    BUTTON(BigToolButton, QT_TRANSLATE_NOOP("TMainForm", "表示拡大"), "zoomin", I1Click, 0),
    BUTTON(SmallToolButton, QT_TRANSLATE_NOOP("TMainForm", "表示縮小"), "zoomout", O1Click, 0),
    BUTTON(PartsWinToolButton, QT_TRANSLATE_NOOP("TMainForm", "パーツウィンドウ"), "partswin",
           P3Click, kSeparatorBefore),
    BUTTON(LayerWinToolButton, QT_TRANSLATE_NOOP("TMainForm", "レイヤウィンドウ"), "layerwin",
           L2Click, 0),
    BUTTON(PreWinToolButton, QT_TRANSLATE_NOOP("TMainForm", "プレビューウィンドウ"), "previewwin",
           N2Click, 0),
};

#undef BUTTON

QString Translated(const char* text) {
  return QCoreApplication::translate("TMainForm", text);
}

// Handlers set the check marks themselves (as the commands describe), so a click must not
// toggle a check mark first; radio items keep Qt's behaviour, which is what their handler does.
void BindItem(TMainForm* form, QAction* action, Handler handler) {
  QObject::connect(action, &QAction::triggered, form, [form, action, handler](bool checked) {
    if (action->isCheckable() && !action->actionGroup()) action->setChecked(!checked);
    (form->*handler)();
  });
}

}  // namespace

void TMainForm::CreateMenus() {
  QMenu* menus[std::size(kMenus)];
  for (size_t i = 0; i < std::size(kMenus); ++i) {
    QMenu* menu = menuBar()->addMenu(Translated(kMenus[i].caption));
    menu->setObjectName(QLatin1String(kMenus[i].name));
    this->*kMenus[i].field = menus[i] = menu;
  }
  auto* tools = new QActionGroup(this);
  for (const ItemDef& def : kItems) {
    QMenu* menu = menus[def.menu];
    if (!def.field) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(Translated(def.caption));
    action->setObjectName(QLatin1String(def.name));
    // Menus of the menu bar show their shortcuts even where the platform hides them in
    // context menus.
    action->setShortcutVisibleInContextMenu(true);
    if (*def.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(def.shortcut)));
    action->setCheckable(def.flags & (kCheck | kRadio));
    action->setChecked((def.flags & kChecked) == kChecked);
    if (def.flags & kRadio) tools->addAction(action);
    action->setVisible(!(def.flags & kHidden));
    action->setEnabled(!(def.flags & kDisabled));
    BindItem(this, action, def.handler);
    this->*def.field = action;
  }
  AddLanguageMenu(HelpMenu);
}

void TMainForm::RetranslateUi() {
  // Still being built, or already speaking the language (Qt's own translations changed).
  if (!ToolBar || FileMenu->title() == Translated(kMenus[0].caption)) return;
  for (const MenuDef& def : kMenus) (this->*def.field)->setTitle(Translated(def.caption));
  for (const ItemDef& def : kItems)
    if (def.field) (this->*def.field)->setText(Translated(def.caption));
  for (const ButtonDef& def : kButtons) (this->*def.field)->setToolTip(Translated(def.hint));
  FormatTittle();
  UpdateStatusPanels();
}

void TMainForm::CreateToolBar() {
  ToolBar = addToolBar(QStringLiteral("ToolBar"));
  ToolBar->setObjectName(QStringLiteral("ToolBar"));
  PrepareToolBar(ToolBar);
  ToolBar->toggleViewAction()->setVisible(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  for (const ButtonDef& def : kButtons) {
    if (def.flags & kSeparatorBefore) ToolBar->addSeparator();
    QToolButton* button = AddToolBarButton(ToolBar, def.image, Translated(def.hint));
    button->setObjectName(QLatin1String(def.name));
    button->setCheckable(def.flags & kCheckButton);
    const Handler handler = def.handler;
    connect(button, &QToolButton::clicked, this, [this, button, handler] {
      // The handlers and ToolButtonMediator decide the pressed state.
      if (button->isCheckable()) button->setChecked(!button->isChecked());
      (this->*handler)();
    });
    this->*def.field = button;
  }
}

namespace {

QKeySequence Keys(Qt::KeyboardModifiers modifiers, Qt::Key key) {
  return QKeySequence(QKeyCombination(modifiers, key));
}

}  // namespace

// Ctrl with the keypad's plus and minus, and Ctrl+Enter (either Enter key); with Alt for the
// parts window.
void TMainForm::AssignZoomShortcuts() {
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, keypad = Qt::KeypadModifier;
  const Qt::KeyboardModifiers ctrlAlt = ctrl | Qt::AltModifier;
  I1->setShortcuts({Keys(ctrl | keypad, Qt::Key_Plus)});
  O1->setShortcuts({Keys(ctrl | keypad, Qt::Key_Minus)});
  Z1->setShortcuts({Keys(ctrl, Qt::Key_Return), Keys(ctrl | keypad, Qt::Key_Enter)});
  N8->setShortcuts({Keys(ctrlAlt | keypad, Qt::Key_Plus)});
  N9->setShortcuts({Keys(ctrlAlt | keypad, Qt::Key_Minus)});
  N10->setShortcuts({Keys(ctrlAlt, Qt::Key_Return), Keys(ctrlAlt | keypad, Qt::Key_Enter)});
}

bool TMainForm::RunKeypadShortcut(int key, Qt::KeyboardModifiers shift) {
  if (!(shift & Qt::KeypadModifier)) return false;
  const QKeySequence pressed(QKeyCombination(shift, static_cast<Qt::Key>(key)));
  for (QAction* item : {I1, O1, Z1, N8, N9, N10}) {
    if (!item->isEnabled() || !item->shortcuts().contains(pressed)) continue;
    item->trigger();
    return true;
  }
  return false;
}
