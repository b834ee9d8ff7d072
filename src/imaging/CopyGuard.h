#pragma once
// Runs the loop of a rectangle copy; an error inside it is shown as the routine's message (an
// ImageTexts text) followed by the error's own text and ")", and the copy ends there. Internal
// to imaging/.
#include <exception>
#include <string>

#include "imaging/EDIBLoadError.h"
#include "platform/Prompter.h"

template <class Loop>
void GuardCopy(const char* routineMessage, Loop&& loop) {
  try {
    loop();
  } catch (const std::exception& e) {
    Prompter().ShowMessage(ImageText(routineMessage) + e.what() + ")");
  } catch (...) {
    Prompter().ShowMessage(ImageText(routineMessage) + ")");
  }
}
