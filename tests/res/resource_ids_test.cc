#include "res/resource_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "engine/utf8_sequence.h"
#include "res/parameter_form_template.h"
#include "res/status_indicators.h"
#include "res/string_table.h"
#include "res/version_info.h"

namespace curvesmith::res {
namespace {

TEST(StringTableTest, EveryIdHasOneEntry) {
  std::set<int> seen;
  for (const StringEntry& entry : StringTable()) {
    ASSERT_LE(entry.first_id, entry.last_id);
    for (int id = entry.first_id; id <= entry.last_id; ++id) {
      EXPECT_TRUE(seen.insert(id).second) << "string " << id << " listed twice";
    }
  }
}

// The code points of UTF-8 `text`, read as the program reads its texts.
std::vector<char32_t> CodePoints(std::string_view text) {
  std::vector<char32_t> points;
  while (!text.empty()) {
    std::uint32_t point = 0;
    const std::size_t length = Utf8Sequence(text, point);
    EXPECT_NE(length, 0u) << "not UTF-8: " << text;
    if (length == 0) break;
    points.push_back(point);
    text.remove_prefix(length);
  }
  return points;
}

// Kana, kanji, Japanese punctuation and the half- and full-width forms.
bool IsJapaneseOnly(char32_t point) {
  return (point >= 0x3000 && point <= 0x30FF) || (point >= 0x3400 && point <= 0x4DBF) ||
         (point >= 0x4E00 && point <= 0x9FFF) || (point >= 0xFF00 && point <= 0xFFEF);
}

// The placeholders %1 to %9 of `text`, and its number of line feeds (which
// part a command's prompt from its tool-tip and lines of a message).
std::pair<std::multiset<char>, long> Shape(std::string_view text) {
  std::multiset<char> placeholders;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
      placeholders.insert(text[i + 1]);
  }
  return {placeholders, std::count(text.begin(), text.end(), '\n')};
}

TEST(StringTableTest, EveryIdHasATextInEveryLanguage) {
  for (const StringEntry& entry : StringTable()) {
    for (const Language language : Languages()) {
      const char* text = entry.texts[static_cast<int>(language)];
      EXPECT_TRUE(text != nullptr && *text != '\0')
          << "string " << entry.first_id << " has no text in " << LanguageCode(language);
    }
  }
}

TEST(StringTableTest, EnglishTextsHaveNoJapaneseCharacters) {
  // The language menu names Japanese in its own script, so that a user who
  // cannot read English still finds it.
  constexpr int kNamedInItsOwnScript[] = {kIdsMenuLanguageJapanese};
  for (const StringEntry& entry : StringTable()) {
    if (std::ranges::find(kNamedInItsOwnScript, entry.first_id) != std::end(kNamedInItsOwnScript))
      continue;
    const std::string_view english = entry.texts[static_cast<int>(Language::kEnglish)];
    for (const char32_t point : CodePoints(english)) {
      EXPECT_FALSE(IsJapaneseOnly(point)) << entry.first_id << ": " << english;
    }
  }
  EXPECT_TRUE(IsJapaneseOnly(CodePoints("ﾚ")[0]));
  EXPECT_TRUE(IsJapaneseOnly(CodePoints("「")[0]));
  EXPECT_FALSE(IsJapaneseOnly(CodePoints("×")[0]));
}

// The language menu names each language in its own script in every
// interface: a user who cannot read the current language still finds theirs.
TEST(StringTableTest, LanguagesAreNamedTheSameInEveryLanguage) {
  for (const int id : {kIdsMenuLanguageJapanese, kIdsMenuLanguageEnglish}) {
    for (const Language language : Languages()) {
      EXPECT_EQ(LoadString(id, language), LoadString(id, Language::kJapanese))
          << id << " in " << LanguageCode(language);
    }
  }
}

// A placeholder missing from a translation drops a value from its message; a
// missing line feed runs a command's tool-tip into its prompt.
TEST(StringTableTest, EveryLanguageHasTheJapanesePlaceholdersAndLines) {
  for (const StringEntry& entry : StringTable()) {
    const auto japanese = Shape(entry.texts[static_cast<int>(Language::kJapanese)]);
    for (const Language language : Languages()) {
      EXPECT_EQ(Shape(entry.texts[static_cast<int>(language)]), japanese)
          << entry.first_id << " in " << LanguageCode(language);
    }
  }
}

TEST(StringTableTest, UnknownIdsAreEmpty) {
  EXPECT_TRUE(LoadString(0).empty());
  EXPECT_TRUE(LoadString(kIdFilePrintDirect).empty());
  EXPECT_TRUE(LoadString(kIdFileMruFirst - 1).empty());
}

TEST(StringTableTest, ExactTextsAsWritten) {
  // Half-width katakana must stay half-width: these are the texts users see
  // most and the ones an editor "fixes" most easily.
  EXPECT_EQ(LoadString(kIdsIdleMessage), "ﾚﾃﾞｨ");
  EXPECT_EQ(LoadString(kIdsAppTitle), "Curvesmith");
  EXPECT_EQ(LoadString(kIdIndicatorKana), "ｶﾅ");
  EXPECT_EQ(LoadString(kIdIndicatorScroll), "SCRL");
  EXPECT_EQ(LoadString(kIdFileSaveAs), "作業中のﾌｧｲﾙを新しい名前で保存\n名前をつけて保存");
  EXPECT_EQ(LoadString(kIdsWindowClose), "作業中のｳｨﾝﾄﾞｳを閉じ、変更したﾌｧｲﾙの保存を指示");
}

// Full-width katakana (U+30A0 to U+30FF) in UTF-8.
bool HasFullWidthKatakana(std::string_view text) {
  for (std::size_t i = 0; i + 2 < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xE3 && (second == 0x82 || second == 0x83) &&
        (second == 0x83 || static_cast<unsigned char>(text[i + 2]) >= 0xA0)) {
      return true;
    }
  }
  return false;
}

bool IsFormLabelText(std::string_view text) {
  for (const DialogControl& control : ParameterFormTemplate().controls) {
    if (LoadString(control.text).find(text) != std::string_view::npos) return true;
  }
  return false;
}

// The shell's own messages read like the rest of the table: katakana
// half-width (ﾌｧｲﾙ, ﾊﾟﾗﾒｰﾀ). A field's name keeps the spelling of the form's
// label it quotes.
TEST(StringTableTest, ShellMessagesAreWrittenInTheTablesStyle) {
  int messages = 0;
  for (const StringEntry& entry : StringTable()) {
    if (entry.first_id < kIdsShellMessageFirst || entry.last_id > kIdsShellMessageLast) continue;
    ++messages;
    const char* japanese = entry.texts[static_cast<int>(Language::kJapanese)];
    if (IsFormLabelText(japanese)) continue;
    EXPECT_FALSE(HasFullWidthKatakana(japanese)) << entry.first_id << ": " << japanese;
  }
  EXPECT_GT(messages, 20);
  EXPECT_TRUE(HasFullWidthKatakana("ファイル"));
  EXPECT_FALSE(HasFullWidthKatakana(LoadString(kIdsOpenFailed)));
}

TEST(StringTableTest, AllSixteenRecentFileEntriesShareTheirPrompt) {
  for (int id = kIdFileMruFirst; id <= kIdFileMruLast; ++id) {
    EXPECT_EQ(LoadString(id), "指定のﾌｧｲﾙを開く") << id;
  }
  EXPECT_EQ(kIdFileMruLast - kIdFileMruFirst + 1, 16);
}

TEST(StringTableTest, DocumentTemplateStringKeepsItsEmptyFields) {
  // Seven line-feed separated fields; the empty ones must stay in place.
  EXPECT_EQ(LoadString(kIdrMainFrame),
            "Curvesmith\n\nCurvsm\n\n\nCurvesmith.Document\nCurvsm Document");
}

TEST(StatusIndicatorsTest, MessagePaneThenLocksEachWithItsText) {
  const std::span<const int> panes = StatusIndicators();
  ASSERT_EQ(panes.size(), 5u);
  EXPECT_EQ(panes[0], kIdSeparator);
  const char* const texts[] = {"ｶﾅ", "CAP", "NUM", "SCRL"};
  for (std::size_t i = 1; i < panes.size(); ++i) {
    EXPECT_EQ(LoadString(panes[i]), texts[i - 1]) << "pane " << i;
  }
}

TEST(VersionInfoTest, NumbersAndStringsAgree) {
  const VersionInfo& version = Version();
  EXPECT_EQ(version.file_version, (std::array<int, 4>{1, 0, 0, 1}));
  EXPECT_EQ(version.product_version, version.file_version);
  EXPECT_EQ(version.language, 0x0411);
  EXPECT_EQ(version.code_page, 0x04B0);
  EXPECT_EQ(VersionText(), "1.0.0.1");
  EXPECT_EQ(VersionValue("FileVersion"), "1, 0, 0, 1");
  EXPECT_EQ(VersionValue("ProductVersion"), "1, 0, 0, 1");
  EXPECT_EQ(VersionValue("FileDescription"), "Curvesmith MFC ｱﾌﾟﾘｹｰｼｮﾝ");
  EXPECT_EQ(VersionValue("ProductName"), "Curvesmith ｱﾌﾟﾘｹｰｼｮﾝ");
  EXPECT_EQ(VersionValue("OriginalFilename"), "Curvesmith.EXE");
  EXPECT_FALSE(VersionValue("LegalCopyright").empty());
  EXPECT_TRUE(VersionValue("CompanyName").empty());
}

}  // namespace
}  // namespace curvesmith::res
