#include <gtest/gtest.h>

#include <QProgressBar>
#include <QTest>

#include "support/ScriptedPrompter.h"
#include "windows/ProgressFormUnit.h"

TEST(ProgressForm, StartShowsAnEmptyBarFillingTheWindow) {
  TProgressForm form;
  EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
  form.Process();  // before Start: nothing
  EXPECT_FALSE(form.isVisible());
  form.Start(0, 3);
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.Started());
  EXPECT_EQ(form.size(), QSize(200, 17));
  EXPECT_EQ(form.ProgressBar->geometry(), QRect(0, 0, 200, 17));
  EXPECT_EQ(form.ProgressBar->value(), 0);
}

TEST(ProgressForm, ProcessStepsUpToTheMaximum) {
  TProgressForm form;
  form.Start(0, 3);
  form.Process();
  EXPECT_EQ(form.ProgressBar->value(), 1);
  for (int i = 0; i < 5; ++i) form.Process();
  EXPECT_EQ(form.ProgressBar->value(), 3);
  form.Start(5, 7);  // a range above zero starts at its minimum
  form.Process();
  EXPECT_EQ(form.ProgressBar->value(), 6);
}

TEST(ProgressForm, RefusesEveryAttemptToCloseWithABeep) {
  ScopedPrompter prompter;
  TProgressForm form;
  form.Start(0, 10);
  EXPECT_FALSE(form.close());
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(prompter.BeepCount(), 2);
  EXPECT_TRUE(prompter.Boxes().empty());
}
