#pragma once
// The editor's toolbars, in the main window and in the tool windows alike: fixed in place, with
// flat 25 x 24 buttons that show 18 x 18 images and never take the keyboard focus.
class QString;
class QToolBar;
class QToolButton;

// Makes `bar` one of the editor's toolbars.
void PrepareToolBar(QToolBar* bar);
// Appends a flat button with the toolbar image `image` (resources/toolbar/<image>.png) and
// the hint `hint`.
QToolButton* AddToolBarButton(QToolBar* bar, const char* image, const QString& hint);
