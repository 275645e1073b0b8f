#ifndef CURVESMITH_RES_VERSION_INFO_H_
#define CURVESMITH_RES_VERSION_INFO_H_

#include <array>
#include <span>
#include <string>
#include <string_view>

// The version block: numeric versions and the descriptive strings, for one
// language (Japanese) and code page (Unicode).
namespace curvesmith::res {

struct VersionString {
  const char* key;
  const char* value;  // UTF-8; empty where the block leaves the entry blank
};

struct VersionInfo {
  std::array<int, 4> file_version;
  std::array<int, 4> product_version;
  int language;
  int code_page;
  std::span<const VersionString> strings;
};

const VersionInfo& Version();

// The value of version string `key`, or an empty view when there is none.
std::string_view VersionValue(std::string_view key);

// The product version in dotted form, "1.0.0.1", as the command line reports it.
std::string VersionText();

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_VERSION_INFO_H_
