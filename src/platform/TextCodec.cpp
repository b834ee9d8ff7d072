#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

// "windows-31j" is the Microsoft variant of Shift-JIS (code page 932). ICU's table for it
// swaps the control codes 0x1A, 0x1C and 0x7F as IBM code pages do, and reads a byte that
// means nothing as U+001A, so single bytes are converted here and only the double-byte pairs
// go through ICU.
const char* const kCodePage932 = "windows-31j";

// What Linux input methods type, and the character that Windows has in its place and that
// code page 932 holds.
constexpr char16_t kWindowsForms[][2] = {
    {u'\u301C', u'\uFF5E'},  // wave dash: full-width tilde, 81 60
    {u'\u2212', u'\uFF0D'},  // minus sign: full-width hyphen-minus, 81 7C
    {u'\u2016', u'\u2225'},  // double vertical line: parallel to, 81 61
    {u'\u00A2', u'\uFFE0'},  // cent sign: full-width, 81 91
    {u'\u00A3', u'\uFFE1'},  // pound sign: full-width, 81 92
    {u'\u00AC', u'\uFFE2'},  // not sign: full-width, 81 CA
};

char16_t WindowsForm(char16_t c) {
  for (const auto& form : kWindowsForms)
    if (c == form[0]) return form[1];
  return c;
}

QString InWindowsForms(std::string_view utf8) {
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  for (QChar& c : text) c = QChar(WindowsForm(c.unicode()));
  return text;
}

// ICU's converter, replaced after each failure: Qt 6.4 can neither clear its error flag
// (resetState) nor move it (ICU's callback keeps pointing at the old object).
class Cp932Encoder {
 public:
  Cp932Encoder() { icu_.emplace(kCodePage932); }
  // Appends the bytes of `text`; false, with nothing appended, when ICU cannot store all of it.
  bool Encode(QStringView text, std::string& out) {
    const QByteArray bytes = icu_->encode(text);
    if (icu_->hasError()) {
      icu_.emplace(kCodePage932);
      return false;
    }
    out.append(bytes.constData(), static_cast<size_t>(bytes.size()));
    return true;
  }

 private:
  std::optional<QStringEncoder> icu_;
};

// Only after ICU refused a run: which of its characters it cannot store.
void EncodeEachCharacter(Cp932Encoder& icu, QStringView run, std::string& out,
                         std::vector<QString>* unstorable) {
  for (qsizetype i = 0; i < run.size();) {
    const qsizetype length =
        run[i].isHighSurrogate() && i + 1 < run.size() && run[i + 1].isLowSurrogate() ? 2 : 1;
    const QStringView character = run.mid(i, length);
    if (!icu.Encode(character, out)) {
      out += '?';
      const QString c = character.toString();
      if (unstorable && std::find(unstorable->begin(), unstorable->end(), c) == unstorable->end())
        unstorable->push_back(c);
    }
    i += length;
  }
}

std::string Encode(const QString& text, std::vector<QString>* unstorable) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  Cp932Encoder icu;
  for (qsizetype i = 0; i < text.size();) {
    if (text[i].unicode() < 0x80) {
      out += static_cast<char>(text[i].unicode());
      ++i;
      continue;
    }
    qsizetype end = i;
    while (end < text.size() && text[end].unicode() >= 0x80) ++end;
    const QStringView run = QStringView(text).mid(i, end - i);
    if (!icu.Encode(run, out)) EncodeEachCharacter(icu, run, out, unstorable);
    i = end;
  }
  return out;
}

bool IsLeadByte(uint8_t b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool IsTrailByte(uint8_t b) {
  return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

}  // namespace

std::string ToShiftJis(std::string_view utf8) {
  return Encode(InWindowsForms(utf8), nullptr);
}

std::string UnstorableInShiftJis(std::string_view utf8) {
  std::vector<QString> unstorable;
  Encode(InWindowsForms(utf8), &unstorable);
  QString characters;
  for (const QString& c : unstorable) characters += c;
  return characters.toStdString();
}

std::string FromShiftJis(std::string_view shiftJis) {
  const auto byte = [shiftJis](size_t i) { return static_cast<uint8_t>(shiftJis[i]); };
  const auto pairAt = [&](size_t i) {
    return i + 1 < shiftJis.size() && IsLeadByte(byte(i)) && IsTrailByte(byte(i + 1));
  };
  QString text;
  text.reserve(static_cast<qsizetype>(shiftJis.size()));
  QStringDecoder icu(kCodePage932);
  for (size_t i = 0; i < shiftJis.size();) {
    const uint8_t b = byte(i);
    if (b < 0x80) {
      text += QChar(static_cast<char16_t>(b));
      ++i;
    } else if (b >= 0xA1 && b <= 0xDF) {  // half-width katakana
      text += QChar(static_cast<char16_t>(0xFF61 + (b - 0xA1)));
      ++i;
    } else if (pairAt(i)) {
      // A run of whole pairs leaves ICU no state behind; pairs it has no character for come
      // back as U+FFFD.
      const size_t start = i;
      while (pairAt(i)) i += 2;
      text +=
          icu.decode(QByteArrayView(shiftJis.data() + start, static_cast<qsizetype>(i - start)));
    } else {
      // 0x80, 0xA0, 0xFD to 0xFF, or a lead byte without its trail byte; the byte after a lost
      // lead byte is read again on its own.
      text += QChar(u'\uFFFD');
      ++i;
    }
  }
  return text.toStdString();
}
