#ifndef CURVESMITH_ENGINE_TOURNAMENT_H_
#define CURVESMITH_ENGINE_TOURNAMENT_H_

#include "engine/crt_random.h"

namespace curvesmith {

// One tournament among places 0 to size - 1: `contestants` draws of
// rand() % size, taken with replacement; the winner is the contestant with
// the highest fitness, the lowest place among equals.
// REQUIRES: 1 <= size <= CrtRandom::kRandMax + 1, contestants >= 1.
inline int SpinTournament(const double* fitness, int size, int contestants, CrtRandom& random) {
  int winner = random.Rand() % size;
  for (int k = 1; k < contestants; ++k) {
    const int rival = random.Rand() % size;
    if (fitness[rival] > fitness[winner] || (fitness[rival] == fitness[winner] && rival < winner)) {
      winner = rival;
    }
  }
  return winner;
}

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_TOURNAMENT_H_
