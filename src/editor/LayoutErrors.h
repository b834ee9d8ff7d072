#pragma once
// The resize handlers of the main view and the parts window report a failed layout by its
// kind, in the main window's words, and go on with whatever layout they reached.
#include <QCoreApplication>
#include <exception>
#include <stdexcept>

#include "platform/Prompter.h"

struct DivisionByZero : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline int Divide(int a, int b) {
  if (b == 0) throw DivisionByZero("division by zero");
  return a / b;
}

template <typename Layout>
void ReportLayoutErrors(Layout layout) {
  try {
    layout();
  } catch (const DivisionByZero&) {
    Prompter().ShowMessage("TMainForm.FormResize.EDivByZero");
  } catch (const std::logic_error&) {
    Prompter().ShowMessage("TMainForm.FormResize.EInvalidOperation");
  } catch (const std::exception&) {
    Prompter().ShowMessage(
        QCoreApplication::translate("TMainForm", "TMainForm.FormResize:例外発生").toStdString());
  }
}
