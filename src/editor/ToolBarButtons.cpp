#include "editor/ToolBarButtons.h"

#include <QToolBar>
#include <QToolButton>

#include "editor/Resources.h"

void PrepareToolBar(QToolBar* bar) {
  bar->setIconSize(QSize(18, 18));
  bar->setMovable(false);
  bar->setFloatable(false);
}

QToolButton* AddToolBarButton(QToolBar* bar, const char* image, const QString& hint) {
  auto* button = new QToolButton(bar);
  button->setIcon(ToolbarImage(image));
  button->setIconSize(QSize(18, 18));
  button->setFixedSize(25, 24);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setToolTip(hint);
  bar->addWidget(button);
  return button;
}
