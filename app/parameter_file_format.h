#ifndef CURVESMITH_APP_PARAMETER_FILE_FORMAT_H_
#define CURVESMITH_APP_PARAMETER_FILE_FORMAT_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/parameter_set.h"

namespace curvesmith {

// A parameter file holds the six form values as UTF-8 text, one per line:
//
//   Curvesmith parameters 1
//   generations = 100
//   crossover_rate = 0.7
//   aux_parameter = 0
//   population_size = 50
//   mutation_rate = 0.1
//   target_curve = 1
//
// The first line names the format and its version. Each value line is a key,
// '=' and the number in the form's text (C locale, shortest form that reads
// back as the same float; "inf" and "nan" included). Every key appears exactly
// once, in any order; blanks around keys and values, blank lines, lines
// starting with '#', CR-LF line ends and a leading UTF-8 byte-order mark are
// allowed. A file of zero bytes is
// what earlier versions saved: it holds no values. Files above
// kMaxParameterFileBytes are not parameter files.
inline constexpr std::string_view kParameterFileHeader = "Curvesmith parameters 1";
inline constexpr std::size_t kMaxParameterFileBytes = 4096;

// The text a save writes for `values`, keys in the document's order.
std::string FormatParameterFile(const ParameterSet& values);

struct ParameterFileContent {
  enum class Kind {
    kEmpty,    // zero bytes, as earlier versions saved: no values
    kValues,   // `values` holds all six
    kNotOurs,  // too large, or the first line is not the header
    kDamaged,  // the header is there, but `problem` says what is wrong
  };
  Kind kind = Kind::kEmpty;
  ParameterSet values;
  int line = 0;  // kDamaged: the line at fault (from 1), 0 for the whole file
  // kDamaged: what is wrong, as the string id of a message, and what its "%1"
  // names (the field's name, or the key as written; empty when it names none).
  int problem_id = 0;
  std::string problem_subject;
};

ParameterFileContent ParseParameterFile(std::string_view text);

}  // namespace curvesmith

#endif  // CURVESMITH_APP_PARAMETER_FILE_FORMAT_H_
