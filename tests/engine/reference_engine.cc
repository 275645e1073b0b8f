#include "tests/engine/reference_engine.h"

#include "engine/objective.h"

namespace curvesmith::reference {
namespace {

double Decode(const Individual& individual) {
  int v = 0;
  for (int j = 0; j < 10; ++j) v += individual.gene[j] * (1 << j);
  return v * 0.01953125;
}

void Evaluate(RunState& s) {
  for (int i = 0; i < s.PopulationSize; ++i) {
    const double x = Decode(s.Population[i]);
    s.DecodedPositions[i] = x;
    if (auto f = ObjectiveFunction(s.TargetCurve, x)) s.Population[i].fitness = *f;
    s.PositionHistory[s.Generation][i] = x;
    s.FitnessHistory[s.Generation][i] = s.Population[i].fitness;
  }
  s.GenerationBest = s.Population[0];
  for (int k = 1; k < s.PopulationSize; ++k) {
    if (s.Population[k].fitness > s.GenerationBest.fitness) s.GenerationBest = s.Population[k];
  }
  if (s.Generation == 0 || s.GenerationBest.fitness >= s.BestSoFar.fitness) {
    s.BestSoFar = s.GenerationBest;
  }
  s.BestFitnessByGeneration[s.Generation] = s.BestSoFar.fitness;
  s.BestPositionByGeneration[s.Generation] = Decode(s.BestSoFar);
}

int Spin(const double* shares, int n, Generator& g) {
  const double d = (g.rand() % 10000 + 1) * 0.0001;
  int e = 0;
  while (e < n - 1 && d > shares[e]) ++e;
  return e;
}

}  // namespace

void SelectAndCross(RunState& s, Generator& g) {
  const int n = s.PopulationSize;
  if (n <= 0) return;
  static double shares[1001];
  static Individual next[1001];
  double total = 0.0;
  for (int i = 0; i < n; ++i) total += s.Population[i].fitness;
  for (int i = 0; i < n; ++i) shares[i] = s.Population[i].fitness / total;
  for (int i = 1; i < n; ++i) shares[i] = shares[i - 1] + shares[i];
  const int count = static_cast<int>(n * s.CrossoverRate);
  if (count > 0) {
    for (int p = 0; p < (count + 1) / 2; ++p) {
      const Individual a = s.Population[Spin(shares, n, g)];
      const Individual b = s.Population[Spin(shares, n, g)];
      const int c = g.rand() % 10;
      Individual one{}, two{};
      for (int j = 0; j < 10; ++j) {
        one.gene[j] = j < c ? a.gene[j] : b.gene[j];
        two.gene[j] = j < c ? b.gene[j] : a.gene[j];
      }
      next[2 * p] = one;
      next[2 * p + 1] = two;
    }
  }
  for (int i = count; i < n; ++i) next[i] = s.Population[Spin(shares, n, g)];
  for (int i = 0; i < n; ++i) s.Population[i] = next[i];
}

void Mutate(RunState& s, Generator& g) {
  const int n = s.PopulationSize;
  const float count = static_cast<float>(n * s.MutationRate);
  if (!(count > 0)) return;
  int i = 0;
  do {
    const int m = n - i;
    const int k = g.rand() % m;
    const int gene = g.rand() % 10;
    Individual chosen = s.Population[k];
    chosen.gene[gene] = chosen.gene[gene] == 0 ? 1 : 0;
    for (int p = k; p < m - 1; ++p) s.Population[p] = s.Population[p + 1];
    s.Population[m - 1] = chosen;
    ++i;
  } while (i < count);
}

void RunEvolution(RunState& s, const ParameterSet& p, std::uint32_t seed) {
  s.PopulationSize = static_cast<int>(p.PopulationSize);
  s.MaxGenerations = static_cast<int>(p.Generations);
  s.CrossoverRate = p.CrossoverRate;
  s.MutationRate = p.MutationRate;
  s.TargetCurve = p.TargetCurve;
  Generator g{seed};
  s.Generation = 0;
  for (int i = 0; i < s.PopulationSize; ++i) {
    for (int j = 0; j < 10; ++j) s.Population[i].gene[j] = g.rand() % 2;
  }
  Evaluate(s);
  while (s.Generation < s.MaxGenerations) {
    ++s.Generation;
    SelectAndCross(s, g);
    Mutate(s, g);
    Evaluate(s);
  }
}

}  // namespace curvesmith::reference
