#include "platform/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

namespace {

const char kSettingKey[] = "language";

TLanguage current = TLanguage::Japanese;

// The organisation and application names are fixed so that the editor and the command-line
// tool read one file, whatever QCoreApplication was told.
QSettings UserSettings() {
  return QSettings(QSettings::UserScope, QStringLiteral("Brimwell"), QStringLiteral("Brimwell"));
}

// Owned by the application, so that they go with it rather than after it.
QTranslator& Translator(QPointer<QTranslator>& translator) {
  if (!translator) translator = new QTranslator(QCoreApplication::instance());
  return *translator;
}

QTranslator& OwnTranslator() {
  static QPointer<QTranslator> translator;
  return Translator(translator);
}

QTranslator& QtTranslator() {
  static QPointer<QTranslator> translator;
  return Translator(translator);
}

}  // namespace

std::optional<TLanguage> LanguageFromCode(const std::string& code) {
  if (code == "ja") return TLanguage::Japanese;
  if (code == "en") return TLanguage::English;
  return std::nullopt;
}

const char* LanguageCode(TLanguage language) {
  return language == TLanguage::English ? "en" : "ja";
}

bool TakeLanguageOption(std::vector<std::string>& args, std::string& code, std::string& error) {
  for (size_t i = 0; i < args.size();) {
    const std::string& arg = args[i];
    if (arg == "--") break;
    const bool joined = arg.rfind("--lang=", 0) == 0;
    if (!joined && arg != "--lang") {
      ++i;
      continue;
    }
    if (!joined && i + 1 >= args.size()) {
      error = "--lang needs a value (en or ja)";
      return false;
    }
    code = joined ? arg.substr(7) : args[i + 1];
    args.erase(args.begin() + i, args.begin() + i + (joined ? 1 : 2));
    if (!LanguageFromCode(code)) {
      error = "unknown language " + code + " (en or ja)";
      return false;
    }
  }
  return true;
}

TLanguage ChooseLanguage(const std::string& option, const char* environment,
                         const std::string& setting) {
  for (const std::string& code : {option, std::string(environment ? environment : ""), setting})
    if (const auto language = LanguageFromCode(code)) return *language;
  return TLanguage::Japanese;
}

std::string StoredLanguageCode() {
  return UserSettings().value(QLatin1String(kSettingKey)).toString().toStdString();
}

void StoreLanguage(TLanguage language) {
  UserSettings().setValue(QLatin1String(kSettingKey), QLatin1String(LanguageCode(language)));
}

// English is Qt's own language, so Qt's dialogs need a translation only for Japanese.
void ApplyLanguage(TLanguage language) {
  QCoreApplication::removeTranslator(&OwnTranslator());
  QCoreApplication::removeTranslator(&QtTranslator());
  current = language;
  if (language == TLanguage::English) {
    if (OwnTranslator().load(QStringLiteral(":/i18n/brimwell_en.qm")))
      QCoreApplication::installTranslator(&OwnTranslator());
  } else if (QtTranslator().load(QStringLiteral("qtbase_ja"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&QtTranslator());
  }
}

TLanguage CurrentLanguage() {
  return current;
}

std::string TranslatedText(const char* context, const char* source) {
  const QString translated = QCoreApplication::translate(context, source);
  // The source as given, not its round trip through UTF-16.
  if (translated == QString::fromUtf8(source)) return source;
  return translated.toStdString();
}

std::string FillText(const std::string& pattern, std::initializer_list<std::string> args) {
  std::string text;
  for (size_t i = 0; i < pattern.size(); ++i) {
    // %1 to %9; anything else after a '%' is text.
    const size_t n = i + 1 < pattern.size() ? size_t(pattern[i + 1] - '1') : args.size();
    if (pattern[i] == '%' && n < args.size() && n < 9) {
      text += args.begin()[n];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}
