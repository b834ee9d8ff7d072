#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

// "windows-31j" is the Microsoft variant of Shift-JIS (code page 932), which is what other
// Windows programs expect in the files we write.
static const char* const kCodePage932 = "windows-31j";

std::string ToShiftJis(std::string_view utf8) {
  QStringEncoder encoder(kCodePage932);
  const QByteArray bytes =
      encoder.encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::string FromShiftJis(std::string_view shiftJis) {
  QStringDecoder decoder(kCodePage932);
  const QString text =
      decoder.decode(QByteArrayView(shiftJis.data(), static_cast<qsizetype>(shiftJis.size())));
  return text.toStdString();
}
