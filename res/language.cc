#include "res/language.h"

namespace curvesmith::res {
namespace {

constexpr Language kLanguages[] = {Language::kJapanese, Language::kEnglish};
static_assert(std::size(kLanguages) == kLanguageCount);

constexpr std::string_view kCodes[] = {"ja", "en"};
static_assert(std::size(kCodes) == kLanguageCount);

Language interface_language = Language::kJapanese;

}  // namespace

std::span<const Language> Languages() {
  return kLanguages;
}

std::string_view LanguageCode(Language language) {
  return kCodes[static_cast<int>(language)];
}

std::optional<Language> LanguageOfCode(std::string_view code) {
  for (const Language language : kLanguages) {
    if (LanguageCode(language) == code) return language;
  }
  return std::nullopt;
}

Language InterfaceLanguage() {
  return interface_language;
}

void SetInterfaceLanguage(Language language) {
  interface_language = language;
}

}  // namespace curvesmith::res
