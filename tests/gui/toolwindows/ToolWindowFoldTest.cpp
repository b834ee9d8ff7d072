// Folding each tool window up to its toolbar, whatever room the window system's frame leaves.
#include <QToolBar>
#include <QToolButton>

#include "ToolWindowFixture.h"
#include "windows/ChipFormUnit.h"
#include "windows/LayerFormUnit.h"
#include "windows/PreviewFormUnit.h"

using ToolWindowFoldTest = ToolWindowTest;

// A toolbar taller than the folded frame stands for a title bar that takes more of the 52
// pixels than ours: the folded window grows to show all of it, and unfolds as it was.
TEST_F(ToolWindowFoldTest, AFoldedWindowShowsItsWholeToolbar) {
  struct Case {
    TToolWindow* window;
    QToolBar* bar;
    QToolButton* fold;
  };
  const Case cases[] = {{ChipForm, ChipForm->ToolBar, ChipForm->ToolButton13},
                        {LayerForm, LayerForm->ToolBar1, LayerForm->ToolButton4},
                        {PreviewForm, PreviewForm->ToolBar, PreviewForm->ToolButton5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window->windowTitle().toStdString());
    const int height = c.window->height();
    c.bar->setFixedHeight(60);
    c.fold->click();
    ASSERT_TRUE(c.window->Minimized);
    EXPECT_GE(c.window->height(), 60);
    EXPECT_TRUE(c.window->rect().contains(c.bar->geometry())) << c.window->height();
    for (QToolButton* button : c.bar->findChildren<QToolButton*>())
      if (button->isVisibleTo(c.bar))
        EXPECT_TRUE(
            c.window->rect().contains(button->mapTo(c.window, button->rect().bottomRight())));
    c.fold->click();
    EXPECT_FALSE(c.window->Minimized);
    EXPECT_EQ(c.window->height(), height);
  }
}
