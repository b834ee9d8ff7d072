#pragma once
// Whether a text still holds Japanese: kana, CJK ideographs or full-width forms.
#include <QString>
#include <string>

inline bool HasJapanese(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) ||
        (u >= 0xFF00 && u <= 0xFFEF))
      return true;
  }
  return false;
}

inline bool HasJapanese(const std::string& utf8) {
  return HasJapanese(QString::fromStdString(utf8));
}
