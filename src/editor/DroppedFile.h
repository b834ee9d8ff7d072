#pragma once
// Files dropped from the desktop: which they are, and what a main-window drop makes of them
// by their extension (case ignored).
#include <QString>
#include <QStringList>

class QDragEnterEvent;
class QDropEvent;

enum class TDroppedFile { Project, MapData, TiledMap, Other };

TDroppedFile ClassifyDroppedFile(const QString& path);
// Accepts a drag that carries files or links; the windows that take drops call it.
void AcceptFileDrag(QDragEnterEvent* event);
// Accepts the drop and returns its local files, in the order given.
QStringList AcceptFileDrop(QDropEvent* event);
