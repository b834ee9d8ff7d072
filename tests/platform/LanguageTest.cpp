// Which language the programs start in: --lang, then BRIMWELL_LANG, then the stored setting,
// Japanese otherwise; and how --lang leaves the other arguments.
#include <gtest/gtest.h>

#include "platform/Language.h"

namespace {

struct StartCase {
  std::vector<std::string> args;
  const char* environment;
  std::string setting;
  bool ok;
  TLanguage language;  // when ok
  std::vector<std::string> rest;
};

}  // namespace

TEST(Language, CommandLineThenEnvironmentThenSetting) {
  using L = TLanguage;
  const StartCase cases[] = {
      {{}, nullptr, "", true, L::Japanese, {}},
      {{"map.bwp"}, nullptr, "en", true, L::English, {"map.bwp"}},
      {{}, "en", "ja", true, L::English, {}},
      {{"--lang", "ja", "map.bwp"}, "en", "en", true, L::Japanese, {"map.bwp"}},
      {{"map.bwp", "--lang=en"}, "ja", "ja", true, L::English, {"map.bwp"}},
      {{"--lang=ja", "--lang", "en"}, nullptr, "", true, L::English, {}},
      {{}, "fr", "en", true, L::English, {}},      // an unknown variable is passed over
      {{}, "EN", "bogus", true, L::Japanese, {}},  // codes are lower case
      {{"--", "--lang", "en"}, nullptr, "", true, L::Japanese, {"--", "--lang", "en"}},
      {{"--lang"}, nullptr, "", false, L::Japanese, {}},
      {{"--lang", "de"}, nullptr, "", false, L::Japanese, {}},
      {{"--lang="}, nullptr, "", false, L::Japanese, {}},
  };
  for (const StartCase& c : cases) {
    std::vector<std::string> args = c.args;
    std::string option, error;
    SCOPED_TRACE(testing::PrintToString(c.args));
    ASSERT_EQ(TakeLanguageOption(args, option, error), c.ok) << error;
    if (!c.ok) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_EQ(args, c.rest);
    EXPECT_EQ(ChooseLanguage(option, c.environment, c.setting), c.language);
  }
  for (const TLanguage language : {TLanguage::Japanese, TLanguage::English})
    EXPECT_EQ(LanguageFromCode(LanguageCode(language)), language);
}
