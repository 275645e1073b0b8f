#include "tests/engine/algorithm_reference.h"

#include <algorithm>
#include <vector>

#include "engine/objective.h"
#include "tests/engine/reference_engine.h"

namespace curvesmith::reference {
namespace {

// The genes read as a number, then, for Gray genes, that number's bits
// undone from the top: bit j of the position is bit j + 1 of the position
// exclusive-or gene j.
int PositionNumber(const Individual& individual, EncodingKind encoding) {
  int number = 0;
  if (encoding == EncodingKind::kBinary) {
    for (int j = 0; j < 10; ++j) number += individual.gene[j] << j;
    return number;
  }
  int above = 0;
  for (int j = 9; j >= 0; --j) {
    above ^= individual.gene[j];
    number += above << j;
  }
  return number;
}

struct Run {
  RunState& s;
  Generator g;
  Algorithm a;
  const CurveTable* curve;

  double X(const Individual& individual) const {
    return PositionNumber(individual, a.encoding) * 0.01953125;
  }

  void Evaluate() {
    for (int i = 0; i < s.PopulationSize; ++i) {
      Individual& one = s.Population[i];
      const int n = PositionNumber(one, a.encoding);
      const double x = n * 0.01953125;
      s.DecodedPositions[i] = x;
      if (curve != nullptr) {
        one.fitness = (*curve)[n];
      } else if (auto f = ObjectiveFunction(s.TargetCurve, x)) {
        one.fitness = *f;
      }
      s.PositionHistory[s.Generation][i] = x;
      s.FitnessHistory[s.Generation][i] = one.fitness;
    }
    s.GenerationBest = s.Population[0];
    for (int k = 1; k < s.PopulationSize; ++k) {
      if (s.Population[k].fitness > s.GenerationBest.fitness) s.GenerationBest = s.Population[k];
    }
    if (s.Generation == 0 || s.GenerationBest.fitness >= s.BestSoFar.fitness) {
      s.BestSoFar = s.GenerationBest;
    }
    s.BestFitnessByGeneration[s.Generation] = s.BestSoFar.fitness;
    s.BestPositionByGeneration[s.Generation] = X(s.BestSoFar);
  }

  // Weights of the roulette wheel: fitness, or the mean rank among equals
  // (those below, plus the middle of the run of equals).
  std::vector<double> Weights() const {
    const int n = s.PopulationSize;
    std::vector<double> w(n);
    for (int i = 0; i < n; ++i) {
      const double f = s.Population[i].fitness;
      if (a.selection != SelectionKind::kRank) {
        w[i] = f;
        continue;
      }
      int below = 0, equal = 0;
      for (int k = 0; k < n; ++k) {
        below += s.Population[k].fitness < f;
        equal += s.Population[k].fitness == f;
      }
      w[i] = below + (equal + 1) / 2.0;
    }
    return w;
  }

  static int Scan(const std::vector<double>& sums, double d) {
    int e = 0;
    while (e < static_cast<int>(sums.size()) - 1 && d > sums[e]) ++e;
    return e;
  }

  // The running sums of the weights' shares.
  std::vector<double> Sums() const {
    std::vector<double> sums = Weights();
    double total = 0.0;
    for (double w : sums) total += w;
    for (double& w : sums) w /= total;
    for (std::size_t i = 1; i < sums.size(); ++i) sums[i] = sums[i - 1] + sums[i];
    return sums;
  }

  // Universal sampling makes every choice of a generation at once.
  std::vector<int> Choices(const std::vector<double>& sums, int count) {
    std::vector<int> out;
    if (a.selection != SelectionKind::kUniversal) return out;
    const double d = (g.rand() % 10000 + 1) * 0.0001;
    for (int i = 0; i < count; ++i) out.push_back(Scan(sums, (d + i) / count));
    for (int i = count - 1; i > 0; --i) std::swap(out[i], out[g.rand() % (i + 1)]);
    return out;
  }

  int Choose(const std::vector<double>& sums, std::vector<int>& made, int& used) {
    switch (a.selection) {
      case SelectionKind::kRoulette:
      case SelectionKind::kRank:
        return Scan(sums, (g.rand() % 10000 + 1) * 0.0001);
      case SelectionKind::kTournament: {
        int best = -1;
        for (int k = 0; k < a.tournament_size; ++k) {
          const int c = g.rand() % s.PopulationSize;
          const double fc = s.Population[c].fitness;
          if (best < 0 || fc > s.Population[best].fitness ||
              (fc == s.Population[best].fitness && c < best)) {
            best = c;
          }
        }
        return best;
      }
      case SelectionKind::kUniversal:
        break;
    }
    return made[used++];
  }

  void Cross(const Individual& pa, const Individual& pb, Individual& one, Individual& two) {
    bool from_b[10];
    if (a.crossover == CrossoverKind::kOnePoint) {
      const int c = g.rand() % 10;
      for (int j = 0; j < 10; ++j) from_b[j] = j >= c;
    } else if (a.crossover == CrossoverKind::kTwoPoint) {
      const int c1 = g.rand() % 10;
      const int c2 = g.rand() % 10;
      for (int j = 0; j < 10; ++j) from_b[j] = j >= std::min(c1, c2) && j < std::max(c1, c2);
    } else {
      for (int j = 0; j < 10; ++j) from_b[j] = g.rand() % 2 == 1;
    }
    one = Individual{};
    two = Individual{};
    for (int j = 0; j < 10; ++j) {
      one.gene[j] = from_b[j] ? pb.gene[j] : pa.gene[j];
      two.gene[j] = from_b[j] ? pa.gene[j] : pb.gene[j];
    }
  }

  void Breed() {
    const int n = s.PopulationSize;
    if (n <= 0) return;
    static Individual next[1002];
    // A place is of the elite when fewer than E places beat it: fitter, or
    // as fit and lower.
    std::vector<Individual> elite;
    for (int i = 0; i < n && a.elitism > 0; ++i) {
      const double f = s.Population[i].fitness;
      int beaten_by = 0;
      for (int k = 0; k < n; ++k) {
        const double fk = s.Population[k].fitness;
        beaten_by += fk > f || (fk == f && k < i);
      }
      if (beaten_by < a.elitism) elite.push_back(s.Population[i]);
    }

    const std::vector<double> sums = Sums();
    const int count = static_cast<int>(n * s.CrossoverRate);
    const int pairs = (count + 1) / 2;
    std::vector<int> made = Choices(sums, 2 * pairs + n - count);
    int used = 0;
    for (int p = 0; p < pairs; ++p) {
      const Individual pa = s.Population[Choose(sums, made, used)];
      const Individual pb = s.Population[Choose(sums, made, used)];
      Cross(pa, pb, next[2 * p], next[2 * p + 1]);
    }
    for (int i = count; i < n; ++i) next[i] = s.Population[Choose(sums, made, used)];
    for (int i = 0; i < n; ++i) s.Population[i] = next[i];
    for (int k = 0; k < a.elitism; ++k) s.Population[n - a.elitism + k] = elite[k];

    const int bred = n - a.elitism;
    if (a.mutation == MutationKind::kGenes) {
      const float mutations = static_cast<float>(bred * s.MutationRate);
      if (!(mutations > 0) || bred <= 0) return;
      int i = 0;
      do {
        const int m = bred - i;
        const int k = g.rand() % m;
        const int gene = g.rand() % 10;
        Individual chosen = s.Population[k];
        chosen.gene[gene] = 1 - chosen.gene[gene];
        for (int p = k; p < m - 1; ++p) s.Population[p] = s.Population[p + 1];
        s.Population[m - 1] = chosen;
        ++i;
      } while (i < mutations && i < bred);
    } else {
      // A 30-bit number: the first draw is its top, the second (taken only
      // when the top alone cannot tell) its bottom.
      const long long chance = static_cast<long long>(s.MutationRate / 10 * 1073741824.0);
      if (chance == 0) return;
      for (int i = 0; i < bred; ++i) {
        for (int j = 0; j < 10; ++j) {
          const long long top = g.rand();
          long long number = top << 15;
          if (top == chance >> 15) number += g.rand();
          if (number < chance) s.Population[i].gene[j] = 1 - s.Population[i].gene[j];
        }
      }
    }
  }
};

}  // namespace

void RunEvolution(RunState& s, const ParameterSet& p, std::uint32_t seed,
                  const Algorithm& algorithm, const CurveTable* curve) {
  s.PopulationSize = static_cast<int>(p.PopulationSize);
  s.MaxGenerations = static_cast<int>(p.Generations);
  s.CrossoverRate = p.CrossoverRate;
  s.MutationRate = p.MutationRate;
  s.TargetCurve = p.TargetCurve;
  Run run{s, Generator{seed}, algorithm, curve};
  s.Generation = 0;
  for (int i = 0; i < s.PopulationSize; ++i) {
    for (int j = 0; j < 10; ++j) s.Population[i].gene[j] = run.g.rand() % 2;
  }
  run.Evaluate();
  while (s.Generation < s.MaxGenerations) {
    ++s.Generation;
    run.Breed();
    run.Evaluate();
  }
}

}  // namespace curvesmith::reference
