#ifndef CURVESMITH_RES_LANGUAGE_H_
#define CURVESMITH_RES_LANGUAGE_H_

#include <optional>
#include <span>
#include <string_view>

// The languages the desktop program speaks, and the one it speaks now.
namespace curvesmith::res {

// The order of the string table's columns; Japanese, the first, is the
// default.
enum class Language {
  kJapanese,
  kEnglish,
};
inline constexpr int kLanguageCount = 2;

// Every language, in column order.
std::span<const Language> Languages();

// The language's ISO 639-1 code ("ja", "en"): how the settings, the command
// line and Qt's translation catalogues name it.
std::string_view LanguageCode(Language language);

// The language with `code`; nullopt for any other text.
std::optional<Language> LanguageOfCode(std::string_view code);

// The language the interface shows, chosen once as the program starts;
// Japanese until then.
Language InterfaceLanguage();
void SetInterfaceLanguage(Language language);

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_LANGUAGE_H_
