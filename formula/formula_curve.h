#ifndef CURVESMITH_FORMULA_FORMULA_CURVE_H_
#define CURVESMITH_FORMULA_FORMULA_CURVE_H_

#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "engine/algorithm.h"
#include "engine/curve_table.h"

namespace curvesmith {

// Why a formula cannot serve as a target curve.
struct FormulaProblem {
  enum class Kind {
    kSyntax,       // not a formula: `offset`, `detail`
    kUnknownName,  // a name that is neither x nor a known constant or function: `offset`, `name`
    kNotFinite,    // infinite or not a number at genome position `x`
    kNegative,     // below 0 at genome position `x`, with a selection by fitness shares
  };
  Kind kind = Kind::kSyntax;
  // kSyntax, kUnknownName: the byte offset in the text where the problem lies
  // (the text's length when it lies at the end), and its character number
  // counted from 1 (UTF-8 characters).
  std::size_t offset = 0;
  int column = 1;
  std::string name;
  std::string detail;  // the parser's own words, in English
  // kNotFinite, kNegative: the lowest genome position where the value is at
  // fault, and that value.
  double x = 0.0;
  double value = 0.0;
};

// A target curve typed as a formula in x (0 <= x < 20): numbers, x, the
// constants pi and e, + - * / ^, parentheses, and the functions sin, cos, tan,
// exp, log (natural), sqrt, abs, min and max, among the others muParser knows.
// The formula is evaluated once at each of the 1024 genome positions, and on
// request anywhere else (the chart's trace).
class FormulaCurve {
 public:
  // Reads `text` as a curve for a run that selects by `selection`: the text
  // must be one formula whose value is finite at every genome position, and,
  // when the selection takes fitness shares (UsesFitnessShares), 0 or more
  // there. Otherwise the problem: the syntax error or unknown name muParser
  // finds first, or the lowest genome position whose value is at fault.
  static std::variant<FormulaCurve, FormulaProblem> Read(std::string_view text,
                                                         SelectionKind selection);

  FormulaCurve(FormulaCurve&&) noexcept;
  FormulaCurve& operator=(FormulaCurve&&) noexcept;
  ~FormulaCurve();

  const std::string& text() const { return text_; }
  // Entry n: the value at x = n * GeneScale.
  const CurveTable& table() const { return table_; }
  // The value at any x (a trace point); it may be infinite or not a number
  // between genome positions.
  double ValueAt(double x);

 private:
  class Parser;
  FormulaCurve(std::string text, std::unique_ptr<Parser> parser);

  std::string text_;
  std::unique_ptr<Parser> parser_;
  CurveTable table_;
};

}  // namespace curvesmith

#endif  // CURVESMITH_FORMULA_FORMULA_CURVE_H_
