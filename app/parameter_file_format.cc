#include "app/parameter_file_format.h"

#include <vector>

#include "app/form_fields.h"
#include "engine/number_text.h"

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

ParameterFileContent Damaged(int line, std::string problem) {
  ParameterFileContent content;
  content.kind = Kind::kDamaged;
  content.line = line;
  content.problem = std::move(problem);
  return content;
}

std::string Quoted(const char* label) {
  return std::string("「") + label + "」";
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
      return Damaged(line_number, "「名前 = 値」の形の行ではありません。");
    }
    const std::string_view key = Trim(line.substr(0, equals));
    std::size_t index = 0;
    while (index < fields.size() && key != fields[index].file_key) ++index;
    if (index == fields.size()) {
      return Damaged(line_number, "「" + std::string(key) + "」という項目はありません。");
    }
    const FormField& field = fields[index];
    if (seen[index]) return Damaged(line_number, Quoted(field.label) + "が二度書かれています。");
    const auto value = ParseNumber(Trim(line.substr(equals + 1)));
    if (!value) return Damaged(line_number, Quoted(field.label) + "の値が数値ではありません。");
    content.values.*field.member = *value;
    seen[index] = true;
  }

  for (std::size_t index = 0; index < fields.size(); ++index) {
    if (!seen[index]) return Damaged(0, Quoted(fields[index].label) + "の値がありません。");
  }
  content.kind = Kind::kValues;
  return content;
}

}  // namespace curvesmith
