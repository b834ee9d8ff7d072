#pragma once
// Window rectangles as the project stores them: the outer frame, title bar included, in screen
// pixels.
#include <QRect>

#include "formats/ProjectRecords.h"

class QWidget;

// Moves and sizes `window` so that its frame covers the record's rectangle. Until the window
// manager has framed the window its frame is unknown and the record's size goes to the inside;
// for a few seconds the placement is made again whenever the frame is not where it belongs.
void PlaceWindow(QWidget* window, const TWindowRecord& record);

// True when the window manager has told the size of the window's frame.
bool FrameKnown(const QWidget* window);

// The window's frame as the window manager last told it.
QRect WindowFrameRect(const QWidget* window);
