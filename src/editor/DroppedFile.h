#pragma once
// Files dropped from the desktop: which they are, and what a main-window drop makes of them
// by their extension (case ignored).
#include <QString>
#include <QStringList>

class QMimeData;

enum class TDroppedFile { Project, MapData, Other };

TDroppedFile ClassifyDroppedFile(const QString& path);
// The local files of a drop, in the order given.
QStringList DroppedLocalFiles(const QMimeData& data);
