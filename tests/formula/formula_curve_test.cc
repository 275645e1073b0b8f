#include "formula/formula_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>

#include "engine/evolution.h"
#include "engine/run_statistics.h"

namespace curvesmith {
namespace {

using Kind = FormulaProblem::Kind;

FormulaCurve Curve(std::string_view text, SelectionKind selection = SelectionKind::kRoulette) {
  auto read = FormulaCurve::Read(text, selection);
  if (auto* problem = std::get_if<FormulaProblem>(&read)) {
    ADD_FAILURE() << text << ": " << problem->detail;
    return std::get<FormulaCurve>(FormulaCurve::Read("0", selection));
  }
  return std::move(std::get<FormulaCurve>(read));
}

TEST(FormulaCurveTest, RefusesWithTheFirstProblemAndWhereItLies) {
  struct Case {
    std::string_view text;
    SelectionKind selection;
    Kind kind;
    std::size_t offset = 0;  // kSyntax, kUnknownName
    int column = 1;
    std::string_view name = "";
    double x = 0.0;  // kNotFinite, kNegative
  };
  constexpr auto kRoulette = SelectionKind::kRoulette;
  const Case cases[] = {
      {"", kRoulette, Kind::kSyntax},
      {"x +", kRoulette, Kind::kSyntax, 3, 4},
      {"sin(x", kRoulette, Kind::kSyntax, 5, 6},
      {"3 x", kRoulette, Kind::kSyntax, 2, 3},
      {"1, 2", kRoulette, Kind::kSyntax, 1, 2},
      {"min(x, 1), 2", kRoulette, Kind::kSyntax, 9, 10},
      {"foo(x)", kRoulette, Kind::kUnknownName, 0, 1, "foo"},
      {"x * y2 + 1", kRoulette, Kind::kUnknownName, 4, 5, "y2"},
      {"rand()", kRoulette, Kind::kUnknownName, 0, 1, "rand"},
      {"x+\xC3\xA9", kRoulette, Kind::kSyntax, 2, 3},  // é: not a name muParser knows
      {"1 / (x - 10)", SelectionKind::kTournament, Kind::kNotFinite, 0, 1, "", 10.0},
      {"log(x)", kRoulette, Kind::kNotFinite, 0, 1, "", 0.0},
      {"sqrt(x - 5)", SelectionKind::kRank, Kind::kNotFinite, 0, 1, "", 0.0},
      {"exp(x * 40)", kRoulette, Kind::kNotFinite, 0, 1, "", 17.75390625},
      {"x - 10", kRoulette, Kind::kNegative, 0, 1, "", 0.0},
      {"10 - x", SelectionKind::kUniversal, Kind::kNegative, 0, 1, "", 10.01953125},
  };
  for (const Case& c : cases) {
    const auto read = FormulaCurve::Read(c.text, c.selection);
    const auto* problem = std::get_if<FormulaProblem>(&read);
    ASSERT_NE(problem, nullptr) << c.text;
    EXPECT_EQ(problem->kind, c.kind) << c.text;
    if (c.kind == Kind::kSyntax || c.kind == Kind::kUnknownName) {
      EXPECT_EQ(problem->offset, c.offset) << c.text;
      EXPECT_EQ(problem->column, c.column) << c.text;
      EXPECT_EQ(problem->name, c.name) << c.text;
    } else {
      EXPECT_EQ(problem->x, c.x) << c.text;
    }
  }
}

TEST(FormulaCurveTest, SelectionsOverRanksAndTournamentsTakeNegativeValues) {
  for (SelectionKind selection : {SelectionKind::kTournament, SelectionKind::kRank}) {
    EXPECT_EQ(Curve("x - 10", selection).table()[0], -10.0);
  }
}

TEST(FormulaCurveTest, ValuesAtTheGenomePositionsAndAnywhereElse) {
  FormulaCurve wave = Curve("x * sin(x) + 20");
  for (int n = 0; n < kGenomeValues; ++n) {
    const double x = n * GeneScale;
    ASSERT_DOUBLE_EQ(wave.table()[n], x * std::sin(x) + 20) << n;
  }
  EXPECT_DOUBLE_EQ(wave.ValueAt(20.0), 20 * std::sin(20.0) + 20);
  EXPECT_EQ(wave.text(), "x * sin(x) + 20");

  struct Case {
    std::string_view text;
    double at_two;
  };
  const Case cases[] = {{"2 * pi * e", 2 * std::numbers::pi * std::numbers::e},
                        {"log(e) + x^2", 5.0},
                        {"max(x, 3) + min(x, 1) + abs(-x)", 6.0},
                        {"exp(0) + sqrt(x * 8) + cos(0) - tan(0)", 6.0}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(Curve(c.text).ValueAt(2.0), c.at_two) << c.text;
}

// A run on the formula x scores every individual at its own position,
// whatever the operators.
TEST(FormulaCurveTest, RunOnXHasFitnessEqualToPosition) {
  const FormulaCurve curve = Curve("x");
  const Algorithm algorithms[] = {
      Algorithm{},
      {.selection = SelectionKind::kTournament, .elitism = 2, .encoding = EncodingKind::kGray}};
  for (const Algorithm& algorithm : algorithms) {
    const auto state = std::make_unique<RunState>();
    RunEvolution(
        *state,
        {.Generations = 20, .CrossoverRate = 0.7f, .PopulationSize = 50, .MutationRate = 0.1f}, 3,
        algorithm, &curve.table());
    for (int g = 0; g <= 20; ++g) {
      for (int i = 0; i < 50; ++i) {
        ASSERT_EQ(state->FitnessHistory[g][i], state->PositionHistory[g][i]) << g << " " << i;
      }
    }
    // The statistics' true maximum is the formula's, at the last position.
    const auto maximum = ComputeRunStatistics(*state, &curve.table()).maximum;
    ASSERT_TRUE(maximum.has_value());
    EXPECT_EQ(maximum->x, 19.98046875);
    EXPECT_EQ(maximum->fitness, 19.98046875);
  }
}

}  // namespace
}  // namespace curvesmith
