#pragma once
// Runs a command or event handler so that no exception leaves it: the document's silent abort
// shows nothing, anything else is reported as a plain message naming the routine.
#include <QCoreApplication>
#include <exception>
#include <string>

#include "platform/Errors.h"
#include "platform/Prompter.h"

template <typename Body>
void Guarded(const char* routine, Body body) {
  try {
    body();
  } catch (const EAbort&) {
  } catch (const std::exception&) {
    Prompter().ShowMessage(QCoreApplication::translate("TMainForm", "%1で例外発生")
                               .arg(QString::fromUtf8(routine))
                               .toStdString());
  }
}
