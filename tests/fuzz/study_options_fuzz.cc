// The options of curvesmith-cli study, given words separated by NUL bytes:
// whatever they say, reading them ends soon in bounded memory, and what is
// taken is a study that can run — every value within the data model, no
// more runs than the limit, a range's values all different and its first
// the one its START gives as a list item — while every refusal is one line
// of bounded length with nothing a terminal would act on.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "cli/study_options.h"
#include "engine/run_parameters.h"
#include "engine/run_settings.h"

namespace {

using curvesmith::cli::Arguments;
using curvesmith::cli::StudyOptions;
using curvesmith::cli::UsageError;

constexpr std::size_t kLongestMessage = 400;

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

void CheckMessage(std::string_view message) {
  if (message.size() > kLongestMessage) Fail("refusal too long", message);
  for (const char c : message) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) Fail("control character in refusal", message);
  }
}

// A range's values, once taken: all different, the first as a list reads it.
void CheckAxis(std::string_view option, std::string_view text,
               const curvesmith::cli::StudyValues& values) {
  for (std::size_t i = 1; i < values.size(); ++i) {
    if (values[i] == values[i - 1] && text.find(':') != std::string_view::npos) {
      Fail("a range repeats a value", text);
    }
  }
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || values.empty()) return;
  const auto first = curvesmith::cli::ReadStudyValues(option, text.substr(0, colon));
  if (std::bit_cast<std::uint32_t>(first.front()) != std::bit_cast<std::uint32_t>(values.front())) {
    Fail("a range starts elsewhere than its START as a list item", text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string_view> words;
  const char* text = reinterpret_cast<const char*>(data);
  for (std::size_t begin = 0; begin <= size;) {
    const void* nul = std::memchr(text + begin, '\0', size - begin);
    const std::size_t end = nul ? static_cast<const char*>(nul) - text : size;
    words.emplace_back(text + begin, end - begin);
    begin = end + 1;
  }
  StudyOptions options;
  try {
    for (std::size_t i = 0; i + 1 < words.size(); i += 2) {
      Arguments arguments({words[i + 1]});
      if (!curvesmith::cli::TakeStudyOption(words[i], arguments, options)) continue;
      for (int axis = 0; axis < curvesmith::cli::kStudyAxisCount; ++axis) {
        if (words[i] == curvesmith::cli::kStudyAxes[axis].option) {
          CheckAxis(words[i], words[i + 1], options.study.grid.Values(axis));
        }
      }
    }
    curvesmith::cli::CheckStudyOptions(options);
  } catch (const UsageError& error) {
    CheckMessage(error.what());
    return 0;
  }
  const auto& study = options.study;
  if (study.TotalRuns() > curvesmith::cli::kMostStudyRuns) Fail("too many runs", "");
  for (int axis = 0; axis < curvesmith::cli::kStudyAxisCount; ++axis) {
    for (const float value : study.grid.Values(axis)) {
      curvesmith::ParameterSet single = curvesmith::DefaultRunParameters();
      single.*curvesmith::cli::kStudyAxes[axis].member = value;
      if (curvesmith::FindValueOutsideModel(single)) Fail("a value outside the model", "");
    }
  }
  return 0;
}
