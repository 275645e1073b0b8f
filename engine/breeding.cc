#include "engine/breeding.h"

#include "engine/bit_mutation.h"
#include "engine/crossover.h"
#include "engine/elitism.h"
#include "engine/mutation.h"
#include "engine/rank_shares.h"
#include "engine/roulette.h"
#include "engine/selection.h"
#include "engine/tournament.h"
#include "engine/universal_sampling.h"

namespace curvesmith {
namespace {

// The generation built from `choose` (a place per call) and `cross` (a child
// pair per pair of parents' genomes), in the order of draws of SelectAndCross.
template <typename Choose, typename Cross>
void Breed(int size, int children, PopulationColumns& columns, Choose&& choose, Cross&& cross) {
  PopulationColumns next;
  for (int pair = 0; 2 * pair < children; ++pair) {
    const int a = columns.genome[choose()];
    const int b = columns.genome[choose()];
    const ChildPair pair_of_children = cross(a, b);
    next.genome[2 * pair] = pair_of_children.first;
    next.genome[2 * pair + 1] = pair_of_children.second;
    next.fitness[2 * pair] = 0.0;
    next.fitness[2 * pair + 1] = 0.0;
  }
  for (int i = children; i < size; ++i) {
    const int chosen = choose();
    next.genome[i] = columns.genome[chosen];
    next.fitness[i] = columns.fitness[chosen];
  }
  CopyPlaces(next, size, columns);
}

template <typename Choose>
void BreedCrossing(CrossoverKind crossover, int size, int children, PopulationColumns& columns,
                   CrtRandom& random, Choose&& choose) {
  switch (crossover) {
    case CrossoverKind::kOnePoint:
      return Breed(size, children, columns, choose,
                   [&](int a, int b) { return CrossOnePoint(a, b, random); });
    case CrossoverKind::kTwoPoint:
      return Breed(size, children, columns, choose,
                   [&](int a, int b) { return CrossTwoPoint(a, b, random); });
    case CrossoverKind::kUniform:
      return Breed(size, children, columns, choose,
                   [&](int a, int b) { return CrossUniform(a, b, random); });
  }
}

}  // namespace

void SelectAndCross(const RunState& state, PopulationColumns& columns, CrtRandom& random,
                    const Algorithm& algorithm, const GenomeRanking* ranking) {
  if (algorithm.selection == SelectionKind::kRoulette &&
      algorithm.crossover == CrossoverKind::kOnePoint) {
    return SelectAndCross(state, columns, random);
  }
  const int size = state.PopulationSize;
  if (size <= 0) return;
  const int children = CrossoverCount(size, state.CrossoverRate);
  const double* fitness = columns.fitness;
  double cumulative_shares[kPopulationCapacity];

  switch (algorithm.selection) {
    case SelectionKind::kRoulette:
    case SelectionKind::kRank: {
      if (algorithm.selection == SelectionKind::kRoulette) {
        CumulativeFitnessShares(fitness, size, cumulative_shares);
      } else {
        CumulativeRankShares(FitnessOrder(columns.genome, fitness, size, ranking),
                             cumulative_shares);
      }
      const RouletteWheel wheel(cumulative_shares, size);
      return BreedCrossing(algorithm.crossover, size, children, columns, random,
                           [&] { return SpinRoulette(wheel, random); });
    }
    case SelectionKind::kTournament: {
      const int contestants = algorithm.tournament_size;
      const DrawRemainder places(size);
      const Standings standings(FitnessOrder(columns.genome, fitness, size, ranking));
      return BreedCrossing(algorithm.crossover, size, children, columns, random,
                           [&] { return SpinTournament(standings, places, contestants, random); });
    }
    case SelectionKind::kUniversal: {
      // Both parents of every pair, then one per remaining place.
      const int choices = 2 * ((children + 1) / 2) + (size - children);
      std::uint16_t chosen[kPopulationCapacity + 1];
      CumulativeFitnessShares(fitness, size, cumulative_shares);
      SampleUniversally(cumulative_shares, size, choices, random, chosen);
      int next_choice = 0;
      return BreedCrossing(algorithm.crossover, size, children, columns, random,
                           [&] { return chosen[next_choice++]; });
    }
  }
}

void BreedGeneration(const RunState& state, PopulationColumns& columns, CrtRandom& random,
                     const Algorithm& algorithm, const GenomeRanking* ranking) {
  const int size = state.PopulationSize;
  if (size <= 0) return;
  const int elitism = algorithm.elitism;
  Elite elite;
  elite.Take(columns, size, elitism, ranking);
  SelectAndCross(state, columns, random, algorithm, ranking);
  elite.Put(columns, size);
  if (algorithm.mutation == MutationKind::kGenes) {
    MutateGenes(size - elitism, state.MutationRate, columns, random);
  } else {
    MutateBits(size - elitism, state.MutationRate, columns, random);
  }
}

}  // namespace curvesmith
