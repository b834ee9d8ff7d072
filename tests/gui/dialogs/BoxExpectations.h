#pragma once
// Checks shared by the dialog tests: what a refused value looks like to the user.
#include <gtest/gtest.h>

#include "support/ScriptedPrompter.h"

// Exactly one message box was shown, with these texts, icon and buttons, owned by `owner`.
inline void ExpectOneBox(const ScriptedPrompter& prompter, const std::string& text,
                         const std::string& caption, MsgIcon icon, MsgButtons buttons,
                         QWidget* owner) {
  ASSERT_EQ(prompter.Boxes().size(), 1u);
  const PromptCall call = prompter.Boxes()[0];
  EXPECT_EQ(call.text, text);
  EXPECT_EQ(call.caption, caption);
  EXPECT_EQ(call.icon, icon);
  EXPECT_EQ(call.buttons, buttons);
  EXPECT_EQ(call.owner, owner);
}

// How a refused value is reported: an "エラー" box with an OK button.
inline void ExpectOneErrorBox(const ScriptedPrompter& prompter, const std::string& text,
                              QWidget* owner) {
  ExpectOneBox(prompter, text, "エラー", MsgIcon::Error, MsgButtons::OK, owner);
}
