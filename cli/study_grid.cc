#include "cli/study_grid.h"

#include <cmath>
#include <string>

#include "cli/arguments.h"
#include "cli/exact_numbers.h"
#include "engine/number_text.h"

namespace curvesmith::cli {

const StudyAxis kStudyAxes[kStudyAxisCount] = {
    {"--curve", &ParameterSet::TargetCurve},       {"--population", &ParameterSet::PopulationSize},
    {"--generations", &ParameterSet::Generations}, {"--crossover", &ParameterSet::CrossoverRate},
    {"--mutation", &ParameterSet::MutationRate},
};

namespace {

// More values than a study may run in all is certainly a mistake, and this
// keeps a range such as 0:1:1e-12 from filling memory before it is refused.
constexpr double kMostRangeValues = 10'000'000;

// A range's end may sit a rounding error beyond the last value it names
// (0.05 + 5 * 0.05 is just above 0.3).
constexpr double kRangeTolerance = 1e-9;

[[noreturn]] void RefuseValues(std::string_view option, std::string_view text,
                               std::string_view accepted) {
  Refuse(option, accepted, text);
}

std::vector<float> ReadRange(std::string_view option, std::string_view text) {
  const std::size_t first = text.find(':');
  const std::size_t second = text.find(':', first + 1);
  double start = 0.0;
  double stop = 0.0;
  double step = 0.0;
  if (second == std::string_view::npos || text.find(':', second + 1) != std::string_view::npos ||
      !ReadNumber(text.substr(0, first), start) ||
      !ReadNumber(text.substr(first + 1, second - first - 1), stop) ||
      !ReadNumber(text.substr(second + 1), step) || !std::isfinite(start) || !std::isfinite(stop) ||
      !std::isfinite(step)) {
    RefuseValues(option, text, "a range START:STOP:STEP of three numbers");
  }
  if (!(step > 0.0)) RefuseValues(option, text, "a range whose STEP is above 0");
  if (start > stop) RefuseValues(option, text, "a range whose START is not above its STOP");
  const double limit = stop + kRangeTolerance * step;
  if ((limit - start) / step >= kMostRangeValues) {
    RefuseValues(option, text,
                 "a range of at most " +
                     std::to_string(static_cast<std::uint64_t>(kMostRangeValues)) + " values");
  }
  std::vector<float> values;
  for (int i = 0;; ++i) {
    const double value = start + i * step;
    if (value > limit) break;
    values.push_back(static_cast<float>(value));
  }
  return values;
}

std::vector<float> ReadList(std::string_view option, std::string_view text) {
  std::vector<float> values;
  for (std::size_t begin = 0;;) {
    const std::size_t end = std::min(text.find(',', begin), text.size());
    const std::string_view item = text.substr(begin, end - begin);
    if (item.empty()) RefuseValues(option, text, "a list without empty items");
    const auto value = ParseNumber(item);
    if (!value) {
      RefuseValues(option, text, "a number, a comma list of numbers or a range START:STOP:STEP");
    }
    values.push_back(*value);
    if (end == text.size()) return values;
    begin = end + 1;
  }
}

}  // namespace

std::vector<float> ReadStudyValues(std::string_view option, std::string_view text) {
  std::vector<float> values =
      text.find(':') != std::string_view::npos ? ReadRange(option, text) : ReadList(option, text);
  // Each value on its own, beside the defaults, is refused just as `run`
  // would refuse it.
  for (const StudyAxis& axis : kStudyAxes) {
    if (axis.option != option) continue;
    for (const float value : values) {
      RunOptions single;
      single.parameters.*axis.member = value;
      CheckRunOptions(single);
    }
  }
  return values;
}

StudyGrid::StudyGrid() {
  const RunOptions defaults;
  for (int axis = 0; axis < kStudyAxisCount; ++axis) {
    values_[axis] = {defaults.parameters.*kStudyAxes[axis].member};
  }
}

std::uint64_t StudyGrid::SettingCount() const {
  std::uint64_t count = 1;
  for (const auto& values : values_) count *= values.size();
  return count;
}

ParameterSet StudyGrid::Setting(std::uint64_t index) const {
  ParameterSet parameters;
  for (int axis = kStudyAxisCount - 1; axis >= 0; --axis) {
    const std::uint64_t size = values_[axis].size();
    parameters.*kStudyAxes[axis].member = values_[axis][index % size];
    index /= size;
  }
  return parameters;
}

}  // namespace curvesmith::cli
