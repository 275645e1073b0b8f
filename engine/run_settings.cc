#include "engine/run_settings.h"

namespace curvesmith {

ParameterSet DefaultRunParameters() {
  ParameterSet parameters;
  for (const RunSetting& setting : kRunSettings) {
    if (setting.member != nullptr) parameters.*setting.member = setting.default_value;
  }
  return parameters;
}

std::string ChoicesText(const RunSetting& setting, std::string_view separator,
                        std::string_view last_separator) {
  const std::vector<std::string> names = setting.choices();
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? last_separator : separator;
    text += names[i];
  }
  return text;
}

}  // namespace curvesmith
