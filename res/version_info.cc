#include "res/version_info.h"

namespace curvesmith::res {
namespace {

constexpr int kLanguageJapanese = 0x0411;
constexpr int kCodePageUnicode = 0x04B0;

constexpr VersionString kStrings[] = {
    {"Comments", ""},
    {"CompanyName", ""},
    {"FileDescription", "Curvesmith MFC ｱﾌﾟﾘｹｰｼｮﾝ"},
    {"FileVersion", "1, 0, 0, 1"},
    {"InternalName", "Curvesmith"},
    {"LegalCopyright", "Copyright (C) 2026 Curvesmith の作者"},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "Curvesmith.EXE"},
    {"PrivateBuild", ""},
    {"ProductName", "Curvesmith ｱﾌﾟﾘｹｰｼｮﾝ"},
    {"ProductVersion", "1, 0, 0, 1"},
    {"SpecialBuild", ""},
};

constexpr VersionInfo kVersion = {
    {1, 0, 0, 1}, {1, 0, 0, 1}, kLanguageJapanese, kCodePageUnicode, kStrings,
};

}  // namespace

const VersionInfo& Version() {
  return kVersion;
}

std::string_view VersionValue(std::string_view key) {
  for (const VersionString& entry : kStrings) {
    if (key == entry.key) return entry.value;
  }
  return {};
}

std::string VersionText() {
  std::string text;
  for (int part : kVersion.product_version) {
    if (!text.empty()) text += '.';
    text += std::to_string(part);
  }
  return text;
}

}  // namespace curvesmith::res
