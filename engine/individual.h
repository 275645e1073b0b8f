#ifndef CURVESMITH_ENGINE_INDIVIDUAL_H_
#define CURVESMITH_ENGINE_INDIVIDUAL_H_

#include <bit>
#include <cstdint>
#include <cstring>

namespace curvesmith {

inline constexpr int kGeneCount = 10;

// Number of distinct genomes: ten binary genes.
inline constexpr int kGenomeValues = 1 << kGeneCount;

// Width of one genome step on the x axis: exactly 20 / 1024.
inline constexpr double GeneScale = 0.01953125;

// One member of the population. Each gene holds 0 or 1; gene 0 is the least
// significant bit of the genome. The layout (ten 32-bit genes, then the
// fitness) is part of the run state's contract.
struct Individual {
  std::int32_t gene[kGeneCount];
  double fitness;
};

// The genes read as a binary number v (gene j weighs 2^j).
// REQUIRES: every gene is 0 or 1, so 0 <= v <= 1023.
inline int GenomeValue(const Individual& individual) {
  if constexpr (std::endian::native == std::endian::little) {
    // Scoring reads every genome of every generation, so this packs genes in
    // pairs: a pair loaded as 64 bits has its even gene at bit 0 and its odd
    // gene at bit 32; shifted by 2k the five pairs cannot collide.
    std::uint64_t pairs[kGeneCount / 2];
    std::memcpy(pairs, individual.gene, sizeof pairs);
    const std::uint64_t q =
        pairs[0] | pairs[1] << 2 | pairs[2] << 4 | pairs[3] << 6 | pairs[4] << 8;
    return static_cast<int>((q | q >> 31) & (kGenomeValues - 1));
  } else {
    int value = 0;
    for (int j = 0; j < kGeneCount; ++j) value += individual.gene[j] << j;
    return value;
  }
}

// Position x of a genome: v * GeneScale, exact in double precision,
// 0 <= x <= 19.98046875.
inline double DecodeGenome(const Individual& individual) {
  return static_cast<double>(GenomeValue(individual)) * GeneScale;
}

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_INDIVIDUAL_H_
