// The run options of curvesmith-cli, given words separated by NUL bytes:
// every number option takes exactly the texts the form reads, as the same
// float, and every refusal is one line of bounded length with nothing a
// terminal would act on.

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "engine/number_text.h"

namespace {

using curvesmith::ParameterSet;
using curvesmith::cli::Arguments;
using curvesmith::cli::RunOptions;
using curvesmith::cli::UsageError;

// Long enough for the longest option name, what it accepts and the echo of a
// value cut to its shown length, all escaped.
constexpr std::size_t kLongestMessage = 400;

[[noreturn]] void Fail(const char* what, std::string_view word) {
  std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(word.size()), word.data());
  std::abort();
}

void CheckMessage(std::string_view message) {
  if (message.size() > kLongestMessage) Fail("refusal too long", message);
  for (const char c : message) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) Fail("control character in refusal", message);
  }
}

bool Same(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// Takes `option` with `value` alone, as the command does, and checks what it
// made of a number.
void TakeOne(std::string_view option, std::string_view value, RunOptions& options) {
  Arguments arguments({value});
  bool refused = false;
  try {
    curvesmith::cli::TakeRunOption(option, arguments, options);
  } catch (const UsageError& error) {
    CheckMessage(error.what());
    refused = true;
  }
  for (const curvesmith::RunField field : curvesmith::cli::kRunOptionOrder) {
    const curvesmith::RunSetting& number = curvesmith::RunSettingOf(field);
    if (option != number.option || number.member == nullptr) continue;
    const auto read = curvesmith::ParseNumber(value);
    if (read.has_value() == refused) Fail("read unlike the form", value);
    if (read && !Same(options.parameters.*number.member, *read)) Fail("another float", value);
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
  RunOptions options;
  for (std::size_t i = 0; i + 1 < words.size(); i += 2) TakeOne(words[i], words[i + 1], options);
  try {
    curvesmith::cli::CheckRunOptions(options);
  } catch (const UsageError& error) {
    CheckMessage(error.what());
  }
  return 0;
}
