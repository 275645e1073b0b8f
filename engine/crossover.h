#ifndef CURVESMITH_ENGINE_CROSSOVER_H_
#define CURVESMITH_ENGINE_CROSSOVER_H_

#include <algorithm>
#include <cstdint>

#include "engine/algorithm.h"
#include "engine/crt_random.h"
#include "engine/individual.h"

namespace curvesmith {

// The two children of parents A and B, as genome values.
struct ChildPair {
  std::uint16_t first;
  std::uint16_t second;
};

// Child 1 takes the genes set in `from_b` from B and the others from A;
// child 2 is its complement.
inline ChildPair Exchange(int a, int b, int from_b) {
  return {static_cast<std::uint16_t>((a & ~from_b) | (b & from_b)),
          static_cast<std::uint16_t>((b & ~from_b) | (a & from_b))};
}

// One point: c = rand() % 10; child 1 has A's genes 0 to c - 1 and B's genes
// c to 9 (c = 0 gives child 1 all of B).
inline ChildPair CrossOnePoint(int a, int b, CrtRandom& random) {
  const int below_cut = (1 << (random.Rand() % kGeneCount)) - 1;
  return Exchange(a, b, (kGenomeValues - 1) & ~below_cut);
}

// Two points: c1 = rand() % 10, then c2 = rand() % 10; with lo and hi the
// smaller and the larger, child 1 has B's genes lo to hi - 1 and A's others
// (equal cuts exchange nothing: the children are copies of A and B).
inline ChildPair CrossTwoPoint(int a, int b, CrtRandom& random) {
  const int c1 = random.Rand() % kGeneCount;
  const int c2 = random.Rand() % kGeneCount;
  const int lo = std::min(c1, c2);
  const int hi = std::max(c1, c2);
  return Exchange(a, b, ((1 << hi) - 1) & ~((1 << lo) - 1));
}

// Uniform: for genes j = 0 to 9 in turn, rand() % 2; a 1 gives child 1 gene j
// of B (and child 2 that of A), a 0 the other way round.
inline ChildPair CrossUniform(int a, int b, CrtRandom& random) {
  int from_b = 0;
  for (int j = 0; j < kGeneCount; ++j) from_b |= (random.Rand() % 2) << j;
  return Exchange(a, b, from_b);
}

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_CROSSOVER_H_
