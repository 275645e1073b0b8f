#ifndef CURVESMITH_ENGINE_TOURNAMENT_H_
#define CURVESMITH_ENGINE_TOURNAMENT_H_

#include <algorithm>

#include "engine/algorithm.h"
#include "engine/crt_random.h"
#include "engine/draw_remainder.h"
#include "engine/fitness_order.h"

namespace curvesmith {

static_assert(kMaxTournamentSize <= CrtRandom::kMaxFill);

// One tournament among places 0 to N - 1, with `places` the remainder by N:
// `contestants` draws of rand() % N, taken with replacement; the winner is
// the contestant with the highest fitness, the lowest place among equals.
// REQUIRES: 1 <= contestants <= kMaxTournamentSize.
inline int SpinTournament(const Standings& standings, const DrawRemainder& places, int contestants,
                          CrtRandom& random) {
  int draws[kMaxTournamentSize];
  random.Fill(draws, contestants);
  // Who wins is as good as random; a minimum has no branch to mispredict.
  int best = kPopulationCapacity;
  for (int k = 0; k < contestants; ++k) {
    best = std::min(best, standings.StandingOf(places.Of(draws[k])));
  }
  return standings.PlaceOf(best);
}

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_TOURNAMENT_H_
