#include "cli/algorithm_options.h"

#include <algorithm>
#include <cstdint>
#include <variant>

#include "cli/exact_numbers.h"
#include "cli/shown_text.h"
#include "engine/algorithm_names.h"
#include "engine/number_text.h"
#include "engine/run_parameters.h"

namespace curvesmith::cli {
namespace {

constexpr std::string_view kSelection = "--selection";
constexpr std::string_view kCrossoverType = "--crossover-type";
constexpr std::string_view kMutationType = "--mutation-type";
constexpr std::string_view kElitism = "--elitism";
constexpr std::string_view kEncoding = "--encoding";
constexpr std::string_view kFormula = "--formula";

constexpr std::string_view kFormulaAccepted = "a formula in x";

// The elitism's limit, in its refusals and its help.
constexpr std::string_view kElitismLimit = "below the population size";

std::string ElitismAccepted(std::int32_t population) {
  return "a whole number from 0 to " + std::to_string(std::max(population, 1) - 1) + " (" +
         std::string(kElitismLimit) + ")";
}

// What is wrong with the formula, after its text in the message.
std::string Fault(const FormulaProblem& problem, SelectionKind selection) {
  switch (problem.kind) {
    case FormulaProblem::Kind::kSyntax:
      return "syntax error at character " + std::to_string(problem.column);
    case FormulaProblem::Kind::kUnknownName:
      return "unknown name " + Shown(problem.name) + " at character " +
             std::to_string(problem.column);
    case FormulaProblem::Kind::kNotFinite:
      return "not a finite number at x = " + ShortestText(problem.x);
    case FormulaProblem::Kind::kNegative:
      break;
  }
  Algorithm named;
  named.selection = selection;
  return ShortestText(problem.value) + " at x = " + ShortestText(problem.x) + ", below 0, which " +
         SelectionName(named) + " selection cannot weigh (tournament and rank can)";
}

}  // namespace

bool TakeAlgorithmOption(std::string_view option, Arguments& arguments, AlgorithmOptions& options) {
  Algorithm& algorithm = options.algorithm;
  if (option == kSelection) {
    const std::string_view text = arguments.ValueOf(option);
    const auto chosen = ReadSelection(text, algorithm);
    if (!chosen) Refuse(option, SelectionNames(), text);
    algorithm = *chosen;
  } else if (option == kCrossoverType) {
    const std::string_view text = arguments.ValueOf(option);
    const auto chosen = ReadCrossover(text);
    if (!chosen) Refuse(option, CrossoverNames(), text);
    algorithm.crossover = *chosen;
  } else if (option == kMutationType) {
    const std::string_view text = arguments.ValueOf(option);
    const auto chosen = ReadMutation(text);
    if (!chosen) Refuse(option, MutationNames(), text);
    algorithm.mutation = *chosen;
  } else if (option == kEncoding) {
    const std::string_view text = arguments.ValueOf(option);
    const auto chosen = ReadEncoding(text);
    if (!chosen) Refuse(option, EncodingNames(), text);
    algorithm.encoding = *chosen;
  } else if (option == kElitism) {
    const std::string_view text = arguments.ValueOf(option);
    if (!ReadNumber(text, algorithm.elitism) || algorithm.elitism < 0) {
      Refuse(option, "a whole number from 0, " + std::string(kElitismLimit), text);
    }
  } else if (option == kFormula) {
    options.formula = std::string(arguments.ValueOf(option));
  } else {
    return false;
  }
  return true;
}

RunAlgorithm CheckAlgorithmOptions(const AlgorithmOptions& options,
                                   const ParameterSet& parameters) {
  RunAlgorithm run;
  run.algorithm = options.algorithm;
  const std::int32_t population = CountsOfRun(parameters).population;
  if (options.algorithm.elitism > 0 && options.algorithm.elitism >= population) {
    Refuse(kElitism, ElitismAccepted(population), std::to_string(options.algorithm.elitism));
  }
  if (options.formula) {
    auto read = FormulaCurve::Read(*options.formula, options.algorithm.selection);
    if (const auto* problem = std::get_if<FormulaProblem>(&read)) {
      throw UsageError(std::string(kFormula) + " takes " + std::string(kFormulaAccepted) +
                       ", not " + Shown(*options.formula) + ": " +
                       Fault(*problem, options.algorithm.selection));
    }
    run.formula = std::move(std::get<FormulaCurve>(read));
  }
  return run;
}

OptionHelps AlgorithmOptionHelps() {
  const Algorithm classic;
  const auto by_default = [](std::string_view name) {
    return " (default " + std::string(name) + ")";
  };
  return {
      {std::string(kSelection) + " S", SelectionNames() + by_default(SelectionName(classic))},
      {std::string(kCrossoverType) + " T",
       CrossoverNames() + by_default(CrossoverName(classic.crossover))},
      {std::string(kMutationType) + " T",
       MutationNames() + by_default(MutationName(classic.mutation))},
      {std::string(kElitism) + " E", "the E fittest kept unchanged, " + std::string(kElitismLimit) +
                                         by_default(std::to_string(classic.elitism))},
      {std::string(kEncoding) + " E", EncodingNames() + by_default(EncodingName(classic.encoding))},
      {std::string(kFormula) + " EXPR",
       "run, render: your own curve in place of --curve, a formula in x\n"
       "for 0 <= x < 20 (sin, cos, tan, exp, log, sqrt, abs, min, max,\n"
       "^, pi, e)"},
  };
}

}  // namespace curvesmith::cli
