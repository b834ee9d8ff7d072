#pragma once
// The file named on the command line. A project is opened; FMF map data, which the desktop
// hands over too, is imported as it is when dropped on the main window.
#include <QString>

class TMainForm;

void OpenStartupFile(TMainForm& form, const QString& path);
