#include "editor/Resources.h"

#include <QFile>
#include <QPixmap>
#include <map>

static void InitResources() {
  Q_INIT_RESOURCE(brimwell);
}

namespace {

struct CursorResource {
  int index;
  const char* file;
  int hotX, hotY;
};

// "CR_PEN", "CR_TILEPEN", "CR_HAND", "CR_DROPPER", "CR_PAINTCAN".
const CursorResource kCursors[] = {
    {crPen, "pen", 1, 30},         {crTilePen, "tilepen", 1, 30},   {crHand, "hand", 12, 4},
    {crDropper, "dropper", 1, 30}, {crPaintCan, "paintcan", 2, 30},
};

std::map<int, QCursor>& CursorTable() {
  static std::map<int, QCursor> table;
  return table;
}

}  // namespace

void RegisterCursors() {
  InitResources();
  for (const CursorResource& c : kCursors) {
    const QPixmap pixmap(QStringLiteral(":/cursors/%1.png").arg(QLatin1String(c.file)));
    CursorTable()[c.index] = pixmap.isNull() ? QCursor() : QCursor(pixmap, c.hotX, c.hotY);
  }
}

QCursor EditorCursor(int index) {
  const auto found = CursorTable().find(index);
  return found == CursorTable().end() ? QCursor(Qt::ArrowCursor) : found->second;
}

QIcon ToolbarImage(const char* name) {
  InitResources();
  return QIcon(QStringLiteral(":/toolbar/%1.png").arg(QLatin1String(name)));
}

QByteArray BackgroundBrushResource() {
  InitResources();
  QFile file(QStringLiteral(":/brush.bmp"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}
