#pragma once
// The editor's compiled-in pictures: the five cursors, the toolbar images and the background
// brush bitmap.
#include <QByteArray>
#include <QCursor>
#include <QIcon>

// Indices of the program's own cursors.
enum TCursorIndex { crPen = 1, crTilePen = 2, crHand = 3, crDropper = 4, crPaintCan = 5 };

// Loads the five cursors into the cursor table; safe to call more than once.
void RegisterCursors();
// A registered cursor by index; the arrow for an unknown index.
QCursor EditorCursor(int index);

// A toolbar image by name (resources/toolbar/<name>.png).
QIcon ToolbarImage(const char* name);

// The bytes of the background brush bitmap file; empty when the resource is missing.
QByteArray BackgroundBrushResource();
