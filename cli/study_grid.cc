#include "cli/study_grid.h"

#include <cmath>
#include <string>

#include "cli/arguments.h"
#include "engine/number_text.h"

namespace curvesmith::cli {

namespace {

// More values than a study may run in all is certainly a mistake; counting
// them before building any keeps a range such as 0:1:1e-12 from filling
// memory before it is refused.
constexpr std::uint64_t kMostRangeValues = 10'000'000;

// A range's end may sit a rounding error beyond the last value it names:
// 0 + 3 * 0.1 is 0.30000000000000004, just above 0.3.
constexpr double kRangeTolerance = 1e-9;

// START + i * STEP for the range's double values; its ends as their own texts
// read them, so that each value is rounded once to single precision, as a
// list item is.
class RangeValues {
 public:
  RangeValues(double start, double step, float start_value, double stop, float stop_value)
      : start_(start),
        step_(step),
        start_value_(start_value),
        stop_(stop),
        stop_value_(stop_value) {}

  double Wide(std::uint64_t i) const { return start_ + static_cast<double>(i) * step_; }
  float At(std::uint64_t i) const {
    if (i == 0) return start_value_;
    const double wide = Wide(i);
    return wide == stop_ ? stop_value_ : static_cast<float>(wide);
  }

 private:
  double start_, step_;
  float start_value_;
  double stop_;
  float stop_value_;
};

StudyValues ReadRange(std::string_view option, std::string_view text) {
  const std::size_t first = text.find(':');
  const std::size_t second = text.find(':', first + 1);
  if (second == std::string_view::npos || text.find(':', second + 1) != std::string_view::npos) {
    Refuse(option, "a range START:STOP:STEP of three numbers", text);
  }
  const std::string_view start_text = text.substr(0, first);
  const std::string_view stop_text = text.substr(first + 1, second - first - 1);
  const std::string_view step_text = text.substr(second + 1);
  const auto start = ParseWideNumber(start_text);
  const auto stop = ParseWideNumber(stop_text);
  const auto step = ParseWideNumber(step_text);
  if (!start || !stop || !step || !std::isfinite(*start) || !std::isfinite(*stop) ||
      !std::isfinite(*step)) {
    Refuse(option, "a range START:STOP:STEP of three finite numbers", text);
  }
  if (!(*step > 0.0)) Refuse(option, "a range whose STEP is above 0", text);
  if (*start > *stop) Refuse(option, "a range whose START is not above its STOP", text);

  const double limit = *stop + kRangeTolerance * *step;
  const std::string too_many = "a range of at most " + std::to_string(kMostRangeValues) + " values";
  if ((limit - *start) / *step >= static_cast<double>(kMostRangeValues)) {
    Refuse(option, too_many, text);
  }
  const RangeValues range(*start, *step, ReadRunValue(option, start_text), *stop,
                          ReadRunValue(option, stop_text));
  // A step too small to change a value, at the precision a run holds it,
  // would make settings that are all the same.
  const std::string unchanged = "a range whose STEP changes every value it adds to";
  if (range.At(1) == range.At(0)) Refuse(option, unchanged, text);
  // The quotient is only near the count: the values themselves decide.
  std::uint64_t count = static_cast<std::uint64_t>((limit - *start) / *step);
  while (count > 0 && range.Wide(count) > limit) --count;
  while (count < kMostRangeValues && range.Wide(count + 1) <= limit) ++count;
  ++count;
  if (count > kMostRangeValues) Refuse(option, too_many, text);

  StudyValues values;
  for (std::uint64_t i = 0; i < count; ++i) {
    const float value = range.At(i);
    if (i > 0 && value == values.back()) Refuse(option, unchanged, text);
    values.push_back(value);
  }
  return values;
}

StudyValues ReadList(std::string_view option, std::string_view text) {
  StudyValues values;
  for (std::size_t begin = 0;;) {
    const std::size_t end = std::min(text.find(',', begin), text.size());
    const std::string_view item = text.substr(begin, end - begin);
    if (item.empty()) Refuse(option, "a list without empty items", text);
    if (!ParseNumber(item)) {
      if (FindBeyondDouble(item) != BeyondDouble::kNo) ReadRunValue(option, item);
      Refuse(option, "a number, a comma list of numbers or a range START:STOP:STEP", text);
    }
    values.push_back(ReadRunValue(option, item));
    CheckRunValue(option, values.back(), item);
    if (end == text.size()) return values;
    begin = end + 1;
  }
}

}  // namespace

StudyValues ReadStudyValues(std::string_view option, std::string_view text) {
  if (text.find(':') == std::string_view::npos) return ReadList(option, text);
  StudyValues values = ReadRange(option, text);
  // Each value on its own, beside the defaults, is refused just as `run`
  // would refuse it, quoting what the user wrote.
  for (const float value : values) CheckRunValue(option, value, text);
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
