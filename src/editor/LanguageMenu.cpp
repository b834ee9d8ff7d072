#include "editor/LanguageMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>

#include "editor/InterfaceFont.h"
#include "platform/Language.h"

namespace {

class TLanguageMenu : public QMenu {
 public:
  explicit TLanguageMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(this);
    japanese_ = AddLanguage(group, QStringLiteral("日本語"), "JapaneseItem", TLanguage::Japanese);
    english_ = AddLanguage(group, QStringLiteral("English"), "EnglishItem", TLanguage::English);
    ShowCurrent();
  }

 protected:
  void changeEvent(QEvent* event) override {
    QMenu::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) ShowCurrent();
  }

 private:
  QAction* AddLanguage(QActionGroup* group, const QString& text, const char* name,
                       TLanguage language) {
    QAction* item = addAction(text);
    item->setObjectName(QLatin1String(name));
    item->setCheckable(true);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [language] {
      StoreLanguage(language);
      if (language == CurrentLanguage()) return;
      ApplyLanguage(language);
      UseInterfaceFont(language);
    });
    return item;
  }

  void ShowCurrent() {
    (CurrentLanguage() == TLanguage::English ? english_ : japanese_)->setChecked(true);
  }

  QAction* japanese_ = nullptr;
  QAction* english_ = nullptr;
};

}  // namespace

// The item belongs to the Help menu, as its other items do.
void AddLanguageMenu(QMenu* helpMenu) {
  auto* item = new QAction(QStringLiteral("言語 (Language)"), helpMenu);
  item->setMenu(new TLanguageMenu(helpMenu));
  helpMenu->insertAction(helpMenu->actions().value(0), item);
  helpMenu->insertSeparator(helpMenu->actions().value(1));
}
