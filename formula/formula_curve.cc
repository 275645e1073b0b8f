#include "formula/formula_curve.h"

#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace curvesmith {

// muParser keeps a pointer to its variable, so the two live together, on the
// heap, and move as one.
class FormulaCurve::Parser {
 public:
  Parser() {
    parser_.DefineVar("x", &x_);
    parser_.DefineConst("pi", std::numbers::pi);
    parser_.DefineConst("e", std::numbers::e);
  }
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;

  void SetText(const std::string& text) { parser_.SetExpr(text); }
  int NumberOfValues() const { return parser_.GetNumResults(); }
  double ValueAt(double x) {
    x_ = x;
    return parser_.Eval();
  }

 private:
  double x_ = 0.0;
  mu::Parser parser_;
};

namespace {

bool StartsName(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool InName(char c) {
  return StartsName(c) || (c >= '0' && c <= '9');
}

FormulaProblem SyntaxProblem(std::string_view text, std::size_t offset) {
  FormulaProblem problem;
  problem.offset = std::min(offset, text.size());
  // Characters are counted by their first bytes (UTF-8 continuation bytes
  // are 10xxxxxx).
  problem.column = 1 + static_cast<int>(std::count_if(
                           text.begin(), text.begin() + static_cast<long>(problem.offset),
                           [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
  return problem;
}

FormulaProblem FromParserError(std::string_view text, const mu::Parser::exception_type& error) {
  const int position = error.GetPos();
  FormulaProblem problem =
      SyntaxProblem(text, position < 0 ? text.size() : static_cast<std::size_t>(position));
  problem.detail = error.GetMsg();
  const std::string& token = error.GetToken();
  if (error.GetCode() == mu::ecUNASSIGNABLE_TOKEN && !token.empty() && StartsName(token[0])) {
    problem.kind = FormulaProblem::Kind::kUnknownName;
    problem.name =
        token.substr(0, std::find_if_not(token.begin(), token.end(), InName) - token.begin());
  }
  return problem;
}

// muParser reads "1, 2" as two results; a curve has one. The offset is that
// of the first comma outside parentheses.
FormulaProblem SeveralValuesProblem(std::string_view text) {
  int depth = 0;
  std::size_t offset = 0;
  for (; offset < text.size(); ++offset) {
    const char c = text[offset];
    depth += c == '(' ? 1 : c == ')' ? -1 : 0;
    if (c == ',' && depth == 0) break;
  }
  FormulaProblem problem = SyntaxProblem(text, offset);
  problem.detail = "more than one value";
  return problem;
}

}  // namespace

std::variant<FormulaCurve, FormulaProblem> FormulaCurve::Read(std::string_view text,
                                                              SelectionKind selection) {
  auto parser = std::make_unique<Parser>();
  CurveTable table;
  try {
    parser->SetText(std::string(text));
    table[0] = parser->ValueAt(0.0);
  } catch (const mu::Parser::exception_type& error) {
    return FromParserError(text, error);
  }
  if (parser->NumberOfValues() != 1) return SeveralValuesProblem(text);

  const bool needs_shares = UsesFitnessShares(selection);
  for (int n = 0; n < kGenomeValues; ++n) {
    const double x = n * GeneScale;
    const double value = n == 0 ? table[0] : parser->ValueAt(x);
    table[n] = value;
    const bool not_finite = !std::isfinite(value);
    if (not_finite || (needs_shares && value < 0.0)) {
      FormulaProblem problem;
      problem.kind =
          not_finite ? FormulaProblem::Kind::kNotFinite : FormulaProblem::Kind::kNegative;
      problem.x = x;
      problem.value = value;
      return problem;
    }
  }
  FormulaCurve curve(std::string(text), std::move(parser));
  curve.table_ = table;
  return curve;
}

FormulaCurve::FormulaCurve(std::string text, std::unique_ptr<Parser> parser)
    : text_(std::move(text)), parser_(std::move(parser)) {}

FormulaCurve::FormulaCurve(FormulaCurve&&) noexcept = default;
FormulaCurve& FormulaCurve::operator=(FormulaCurve&&) noexcept = default;
FormulaCurve::~FormulaCurve() = default;

double FormulaCurve::ValueAt(double x) {
  return parser_->ValueAt(x);
}

}  // namespace curvesmith
