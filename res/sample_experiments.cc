#include "res/sample_experiments.h"

#include "res/resource_ids.h"

namespace curvesmith::res {
namespace {

constexpr SampleExperiment kSamples[] = {
    {kIdFileSampleWellTuned0, "well-tuned-curve-0.txt"},
    {kIdFileSampleWellTuned1, "well-tuned-curve-1.txt"},
    {kIdFileSampleWellTuned2, "well-tuned-curve-2.txt"},
    {kIdFileSamplePremature, "premature-convergence.txt"},
    {kIdFileSampleRandom, "random-search.txt"},
    {kIdFileSampleTooSmall, "population-too-small.txt"},
};

}  // namespace

std::span<const SampleExperiment> SampleExperiments() {
  return kSamples;
}

}  // namespace curvesmith::res
