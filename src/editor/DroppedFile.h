#pragma once
// What a file dropped onto the main window is, by its extension (case ignored).
#include <QString>

enum class TDroppedFile { Project, MapData, Other };

TDroppedFile ClassifyDroppedFile(const QString& path);
