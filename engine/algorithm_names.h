#ifndef CURVESMITH_ENGINE_ALGORITHM_NAMES_H_
#define CURVESMITH_ENGINE_ALGORITHM_NAMES_H_

#include <optional>
#include <string>
#include <string_view>

#include "engine/algorithm.h"

namespace curvesmith {

// The names of the operator choices, as the command line takes them and the
// reports write them: roulette, tournament:K, rank, sus; one-point,
// two-point, uniform; genes, bits; binary, gray.

std::string SelectionName(const Algorithm& algorithm);
std::string_view CrossoverName(CrossoverKind crossover);
std::string_view MutationName(MutationKind mutation);
std::string_view EncodingName(EncodingKind encoding);

// The choice a name stands for; nothing for any other text. A tournament's
// size must be a whole number from kMinTournamentSize to kMaxTournamentSize,
// written in digits.
std::optional<Algorithm> ReadSelection(std::string_view name, Algorithm algorithm);
std::optional<CrossoverKind> ReadCrossover(std::string_view name);
std::optional<MutationKind> ReadMutation(std::string_view name);
std::optional<EncodingKind> ReadEncoding(std::string_view name);

// Every name each choice takes, for messages and help: "roulette, rank, sus or
// tournament:K (K from 2 to 10)", "one-point, two-point or uniform", ...
std::string SelectionNames();
std::string CrossoverNames();
std::string MutationNames();
std::string EncodingNames();

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_ALGORITHM_NAMES_H_
