// Whatever the bytes, a text that reads as a parameter file writes back as a
// file that reads to the same six values, bit for bit.

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/form_fields.h"
#include "app/parameter_file_format.h"

namespace {

using curvesmith::ParameterFileContent;

bool SameBits(const curvesmith::ParameterSet& a, const curvesmith::ParameterSet& b) {
  for (const curvesmith::FormField& field : curvesmith::FieldsInDocumentOrder()) {
    if (std::bit_cast<std::uint32_t>(a.*field.member) !=
        std::bit_cast<std::uint32_t>(b.*field.member)) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ParameterFileContent content = curvesmith::ParseParameterFile(text);
  if (content.kind != ParameterFileContent::Kind::kValues) return 0;
  const std::string written = curvesmith::FormatParameterFile(content.values);
  const ParameterFileContent again = curvesmith::ParseParameterFile(written);
  if (again.kind != ParameterFileContent::Kind::kValues ||
      !SameBits(content.values, again.values)) {
    std::fprintf(stderr, "read back differently:\n%s", written.c_str());
    std::abort();
  }
  return 0;
}
