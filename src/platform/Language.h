#pragma once
// The interface language: Japanese unless the user asks for English, by `--lang en|ja`, by the
// environment variable BRIMWELL_LANG or by the editor's language menu (a stored setting), in
// that order. Japanese texts are the source strings; English comes from the compiled-in
// brimwell_en.qm.
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

enum class TLanguage { Japanese, English };

std::optional<TLanguage> LanguageFromCode(const std::string& code);
const char* LanguageCode(TLanguage language);

// Removes "--lang CODE" or "--lang=CODE" from `args` (the last one wins) and leaves its code in
// `code`. False with `error` set when the value is missing or no language we have.
bool TakeLanguageOption(std::vector<std::string>& args, std::string& code, std::string& error);

// The first known code of command line, environment and setting; Japanese otherwise.
TLanguage ChooseLanguage(const std::string& option, const char* environment,
                         const std::string& setting);

// The setting the language menu keeps (in the user's Brimwell settings).
std::string StoredLanguageCode();
void StoreLanguage(TLanguage language);

// Installs the translations of `language`, Qt's own included, so that every widget receives a
// LanguageChange event; needs a QCoreApplication.
void ApplyLanguage(TLanguage language);
TLanguage CurrentLanguage();

// lupdate collects the texts marked so; this lets the model, which includes no Qt, mark its own.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// `source`, a Japanese text marked with QT_TRANSLATE_NOOP(context, …), in the interface
// language. Without a translation (Japanese, or no application yet) it is `source` byte for
// byte.
std::string TranslatedText(const char* context, const char* source);

// `pattern` with %1, %2, … replaced by `args` in one pass, so that an argument holding "%1"
// stays as it is, and so do its bytes (file names need not be UTF-8).
std::string FillText(const std::string& pattern, std::initializer_list<std::string> args);
