#include "editor/InterfaceFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

void UseInterfaceFont(TLanguage language) {
  static const QFont systemFont = QApplication::font();
  QString japanese;
  for (const QString& family : {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")}) {
    if (QFontDatabase::families().contains(family)) {
      japanese = family;
      break;
    }
  }
  QFont font = systemFont;
  // The resolved family: a generic name such as "Sans Serif" would let the Japanese font win.
  if (language == TLanguage::English)
    font.setFamilies(QStringList{QFontInfo(systemFont).family()} << japanese);
  else if (!japanese.isEmpty())
    font.setFamily(japanese);
  QApplication::setFont(font);
}
