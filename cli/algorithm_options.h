#ifndef CURVESMITH_CLI_ALGORITHM_OPTIONS_H_
#define CURVESMITH_CLI_ALGORITHM_OPTIONS_H_

#include <optional>
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "engine/algorithm.h"
#include "engine/curve_table.h"
#include "engine/parameter_set.h"
#include "formula/formula_curve.h"

namespace curvesmith::cli {

// The operator choices and the formula of a run, as the command line gives
// them; by default the classic algorithm on the curve of --curve.
struct AlgorithmOptions {
  Algorithm algorithm;
  std::optional<std::string> formula;
};

// Takes `option` (and its value) when it is one of --selection,
// --crossover-type, --mutation-type, --elitism, --encoding, --formula.
// Returns false for any other option. Throws UsageError for a value that
// names no choice.
bool TakeAlgorithmOption(std::string_view option, Arguments& arguments, AlgorithmOptions& options);

// What a run is given besides its parameters: the operators and, when a
// formula was given, its curve.
struct RunAlgorithm {
  Algorithm algorithm;
  std::optional<FormulaCurve> formula;
  // The curve for RunEvolution: the formula's, or nullptr for --curve.
  const CurveTable* curve() const { return formula ? &formula->table() : nullptr; }
};

// Checks the choices against the run's parameters (the elitism below the
// population size) and reads the formula for the selection. Throws
// UsageError naming the option: an elitism out of range, a formula with a
// syntax error or an unknown name (and where it lies), or with a value that
// is not finite, or negative under a selection by fitness shares, at a genome
// position (the first such x).
RunAlgorithm CheckAlgorithmOptions(const AlgorithmOptions& options, const ParameterSet& parameters);

// These options and their defaults, as --help describes them.
OptionHelps AlgorithmOptionHelps();

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_ALGORITHM_OPTIONS_H_
