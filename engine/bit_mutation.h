#ifndef CURVESMITH_ENGINE_BIT_MUTATION_H_
#define CURVESMITH_ENGINE_BIT_MUTATION_H_

#include "engine/crt_random.h"
#include "engine/population_columns.h"

namespace curvesmith {

// The chance that one gene flips under bit mutation, in units of 2^-30:
// floor(rate / 10 * 2^30), so that the expected number of flips in a
// generation, N x 10 x rate / 10, is the count of single-gene mutation.
int BitFlipChance(double mutation_rate);

// Bit mutation of places 0 to size - 1: every gene of every individual flips
// on its own with probability BitFlipChance / 2^30; individuals stay where
// they are and fitness fields are not changed.
// Draws, for places 0 to size - 1 and within a place genes 0 to 9: a = rand()
// stands for the upper 15 bits of a 30-bit number; a gene flips when a is
// below the chance's upper 15 bits, stays when it is above them, and when it
// equals them a second draw b = rand() settles it: the gene flips when b is
// below the chance's lower 15 bits. Nothing is drawn when the chance is 0.
void MutateBits(int size, double mutation_rate, PopulationColumns& columns, CrtRandom& random);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_BIT_MUTATION_H_
