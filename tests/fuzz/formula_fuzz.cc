// A formula typed by a person, read for each selection: it is a curve with a
// finite value at every genome position (0 or more where the selection takes
// shares), or a problem that points into the text or at a genome position.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "formula/formula_curve.h"

namespace {

using curvesmith::FormulaCurve;
using curvesmith::FormulaProblem;
using curvesmith::GeneScale;
using curvesmith::SelectionKind;

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

void Check(std::string_view text, SelectionKind selection) {
  auto read = FormulaCurve::Read(text, selection);
  if (auto* problem = std::get_if<FormulaProblem>(&read)) {
    switch (problem->kind) {
      case FormulaProblem::Kind::kSyntax:
      case FormulaProblem::Kind::kUnknownName:
        if (problem->offset > text.size()) Fail("offset beyond the text", text);
        if (problem->column < 1 || problem->column > static_cast<int>(problem->offset) + 1) {
          Fail("column outside the text", text);
        }
        break;
      case FormulaProblem::Kind::kNotFinite:
      case FormulaProblem::Kind::kNegative:
        if (!(problem->x >= 0.0 && problem->x < 20.0) || std::fmod(problem->x, GeneScale) != 0.0) {
          Fail("x not a genome position", text);
        }
        break;
    }
    return;
  }
  FormulaCurve& curve = std::get<FormulaCurve>(read);
  const bool shares = curvesmith::UsesFitnessShares(selection);
  for (const double value : curve.table()) {
    if (!std::isfinite(value)) Fail("a value that is not finite", text);
    if (shares && value < 0.0) Fail("a negative value under shares", text);
  }
  curve.ValueAt(20.0);
  curve.ValueAt(-1.0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Check(text, SelectionKind::kRoulette);
  Check(text, SelectionKind::kTournament);
  return 0;
}
