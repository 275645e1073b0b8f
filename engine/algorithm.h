#ifndef CURVESMITH_ENGINE_ALGORITHM_H_
#define CURVESMITH_ENGINE_ALGORITHM_H_

namespace curvesmith {

// How parents are chosen.
enum class SelectionKind {
  kRoulette,    // fitness-proportional wheel, one spin per choice
  kTournament,  // the fittest of tournament_size places drawn at random
  kRank,        // the roulette's wheel over linear ranks instead of fitness
  kUniversal,   // stochastic universal sampling over the roulette's shares
};

// How two parents make two children.
enum class CrossoverKind { kOnePoint, kTwoPoint, kUniform };

// How the bred generation is mutated.
enum class MutationKind {
  kGenes,  // N x rate single-gene flips in distinct individuals
  kBits,   // every gene flips on its own with probability rate / 10
};

// How the ten genes are read as a position.
enum class EncodingKind {
  kBinary,  // the genes as a binary number
  kGray,    // that number read as a reflected Gray code
};

inline constexpr int kMinTournamentSize = 2;
inline constexpr int kMaxTournamentSize = 10;

// The operators of a run. The default value is the classic algorithm, draw for
// draw: roulette selection, one-point crossover, single-gene mutation, no
// elitism, binary genes.
struct Algorithm {
  SelectionKind selection = SelectionKind::kRoulette;
  // Read by tournament selection only: kMinTournamentSize to kMaxTournamentSize.
  int tournament_size = kMinTournamentSize;
  CrossoverKind crossover = CrossoverKind::kOnePoint;
  MutationKind mutation = MutationKind::kGenes;
  // The number of the fittest kept unchanged from one generation to the next:
  // 0 to PopulationSize - 1.
  int elitism = 0;
  EncodingKind encoding = EncodingKind::kBinary;
};

// Whether the selection gives each place a share of the total fitness
// (roulette and universal sampling), so that it needs fitness of 0 or more.
inline bool UsesFitnessShares(SelectionKind selection) {
  return selection == SelectionKind::kRoulette || selection == SelectionKind::kUniversal;
}

// Whether `algorithm` is the classic one (a tournament size that no
// tournament reads makes no difference).
inline bool IsClassicAlgorithm(const Algorithm& algorithm) {
  return algorithm.selection == SelectionKind::kRoulette &&
         algorithm.crossover == CrossoverKind::kOnePoint &&
         algorithm.mutation == MutationKind::kGenes && algorithm.elitism == 0 &&
         algorithm.encoding == EncodingKind::kBinary;
}

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_ALGORITHM_H_
