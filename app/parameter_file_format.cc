#include "app/parameter_file_format.h"

#include <vector>

#include "app/form_fields.h"
#include "engine/number_text.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

namespace curvesmith {
namespace {

using Kind = ParameterFileContent::Kind;

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Splits off the next line of `rest`, without its line end.
std::string_view TakeLine(std::string_view& rest) {
  const auto end = rest.find('\n');
  const std::string_view line = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  return line;
}

ParameterFileContent Damaged(int line, int problem_id, std::string_view subject = {}) {
  ParameterFileContent content;
  content.kind = Kind::kDamaged;
  content.line = line;
  content.problem_id = problem_id;
  content.problem_subject = subject;
  return content;
}

std::string_view NameOf(const FormField& field) {
  return res::LoadString(field.name_id);
}

}  // namespace

std::string FormatParameterFile(const ParameterSet& values) {
  std::string text(kParameterFileHeader);
  text += '\n';
  for (const FormField& field : FieldsInDocumentOrder()) {
    text += field.file_key;
    text += " = ";
    text += FormatNumber(values.*field.member);
    text += '\n';
  }
  return text;
}

ParameterFileContent ParseParameterFile(std::string_view text) {
  ParameterFileContent content;
  if (text.empty()) return content;
  if (text.size() > kMaxParameterFileBytes) {
    content.kind = Kind::kNotOurs;
    return content;
  }

  std::string_view rest = text;
  // Editors on some systems start UTF-8 files with a byte-order mark.
  if (rest.starts_with(kUtf8ByteOrderMark)) rest.remove_prefix(kUtf8ByteOrderMark.size());
  if (Trim(TakeLine(rest)) != kParameterFileHeader) {
    content.kind = Kind::kNotOurs;
    return content;
  }

  const auto fields = FieldsInDocumentOrder();
  std::vector<bool> seen(fields.size(), false);
  for (int line_number = 2; !rest.empty(); ++line_number) {
    const std::string_view line = Trim(TakeLine(rest));
    if (line.empty() || line.front() == '#') continue;

    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      return Damaged(line_number, res::kIdsLineNotNameValue);
    }
    const std::string_view key = Trim(line.substr(0, equals));
    std::size_t index = 0;
    while (index < fields.size() && key != fields[index].file_key) ++index;
    if (index == fields.size()) {
      return Damaged(line_number, res::kIdsUnknownKey, key);
    }
    const FormField& field = fields[index];
    if (seen[index]) return Damaged(line_number, res::kIdsValueTwice, NameOf(field));
    const auto value = ParseNumber(Trim(line.substr(equals + 1)));
    if (!value) return Damaged(line_number, res::kIdsValueNotNumber, NameOf(field));
    content.values.*field.member = *value;
    seen[index] = true;
  }

  for (std::size_t index = 0; index < fields.size(); ++index) {
    if (!seen[index]) return Damaged(0, res::kIdsValueMissing, NameOf(fields[index]));
  }
  content.kind = Kind::kValues;
  return content;
}

}  // namespace curvesmith
