#include "formats/UnstorableTexts.h"

#include <vector>

#include "formats/FileTexts.h"
#include "formats/ImagePath.h"
#include "model/MapDataUnit.h"
#include "platform/Language.h"
#include "platform/Prompter.h"
#include "platform/TextCodec.h"

namespace {

// A box stays readable with a few hundred layers or an emoji-strewn comment.
constexpr size_t kMaxLines = 10;
constexpr size_t kMaxCharacters = 10;

// The first kMaxCharacters characters, one space between them.
std::string CharacterList(const std::string& utf8) {
  std::string list;
  size_t count = 0;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const bool starts = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
    if (starts && count++ > 0) {
      if (count > kMaxCharacters) return list + " …";
      list += ' ';
    }
    list += utf8[i];
  }
  return list;
}

std::string Tr(const char* text) {
  return TranslatedText("UnstorableTexts", text);
}

}  // namespace

std::string UnstorableTextsQuestion(const TMap& map, const TProjectRecords& records,
                                    const std::string& projectPath) {
  std::vector<std::string> lines;
  // `line` names the text as %1 and lists its characters as %2.
  const auto check = [&lines](const char* line, const std::string& name, const std::string& text) {
    const std::string unstorable = UnstorableInShiftJis(text);
    if (!unstorable.empty()) lines.push_back(FillText(Tr(line), {name, CharacterList(unstorable)}));
  };
  const std::string project = AbsolutePath(projectPath);
  const bool relative = records.header.relativePaths != 0;
  for (int i = 0; i < map.LayerCount(); ++i) {
    const TMapLayer& layer = map.LayerAt(i);
    check(QT_TRANSLATE_NOOP("UnstorableTexts", "レイヤー名「%1」：%2"), layer.Name, layer.Name);
    if (layer.Chip) {
      const std::string stored = StoredImagePath(layer.Chip->FileName, project, relative);
      check(QT_TRANSLATE_NOOP("UnstorableTexts", "パーツ画像「%1」：%2"), stored, stored);
    }
  }
  check(QT_TRANSLATE_NOOP("UnstorableTexts", "コメント：%2"), "", records.comment);
  if (lines.empty()) return std::string();

  std::string text = Tr(QT_TRANSLATE_NOOP(
      "UnstorableTexts",
      "Shift-JISで保存できない文字があります。保存するとこれらの文字は「?」になります。\n"));
  for (size_t i = 0; i < lines.size() && i < kMaxLines; ++i) text += lines[i] + "\n";
  if (lines.size() > kMaxLines)
    text += FillText(Tr(QT_TRANSLATE_NOOP("UnstorableTexts", "ほか%1件\n")),
                     {std::to_string(lines.size() - kMaxLines)});
  return text + Tr(QT_TRANSLATE_NOOP("UnstorableTexts", "このまま保存しますか？"));
}

bool ConfirmUnstorableTexts(QWidget* owner, const TMap& map, const TProjectRecords& records,
                            const std::string& projectPath) {
  const std::string question = UnstorableTextsQuestion(map, records, projectPath);
  return question.empty() ||
         Prompter().MessageBox(owner, question, filetext::kQuestionCaption, MsgIcon::Warning,
                               MsgButtons::OKCancel) == MsgResult::OK;
}
