#ifndef CURVESMITH_CLI_STUDY_GRID_H_
#define CURVESMITH_CLI_STUDY_GRID_H_

#include <array>
#include <cstdint>
#include <deque>
#include <string_view>

#include "cli/arguments.h"
#include "engine/parameter_set.h"

namespace curvesmith::cli {

// One of the run values a study varies: its option, its column in the
// study's CSV and JSON (the option's name) and where a run holds it.
struct StudyAxis {
  std::string_view option;
  std::string_view column;
  float ParameterSet::*member;
};

// Every run option a ParameterSet holds, in the order of kRunOptionOrder:
// the curve varies slowest, the mutation rate fastest.
inline constexpr int kStudyAxisCount = [] {
  int count = 0;
  for (const RunField field : kRunOptionOrder) count += RunSettingOf(field).member != nullptr;
  return count;
}();
inline constexpr auto kStudyAxes = [] {
  std::array<StudyAxis, kStudyAxisCount> axes{};
  int axis = 0;
  for (const RunField field : kRunOptionOrder) {
    const RunSetting& setting = RunSettingOf(field);
    if (setting.member == nullptr) continue;
    axes[axis++] = {setting.option, OptionColumn(setting.option), setting.member};
  }
  return axes;
}();

// The axis of the run option `option` ("--population"), or -1 when a study
// does not vary it.
constexpr int StudyAxisOf(std::string_view option) {
  for (int axis = 0; axis < kStudyAxisCount; ++axis) {
    if (kStudyAxes[axis].option == option) return axis;
  }
  return -1;
}

// The values of one option, in order. Held in blocks, so that millions of
// them are read in with no copy of all at once.
using StudyValues = std::deque<float>;

// The values an option's text stands for, each as the form holds it (single
// precision):
//  - one number, or a comma list "0.1,0.2,0.3" in the order given;
//  - an inclusive range "START:STOP:STEP": START + i * STEP for i = 0, 1, ...
//    while not above STOP + 1e-9 * STEP, computed in double precision and
//    rounded once to single precision (START and STOP read as list items).
// Every number is read as a list item is (ParseNumber, or ParseWideNumber for
// a range's three). Throws UsageError naming `option` and quoting `text` for a
// text that is neither, an empty item, a step of 0 or below, START above
// STOP, a range of more than 10,000,000 values or with a step too small to
// change every value, or a value a run refuses.
StudyValues ReadStudyValues(std::string_view option, std::string_view text);

// Every combination of the five options' values.
class StudyGrid {
 public:
  // Each axis starts with the value a run takes by default.
  StudyGrid();

  void SetValues(int axis, StudyValues values) { values_[axis] = std::move(values); }
  const StudyValues& Values(int axis) const { return values_[axis]; }

  std::uint64_t SettingCount() const;
  // Setting `index`, 0 <= index < SettingCount(), in the order of kStudyAxes.
  ParameterSet Setting(std::uint64_t index) const;

 private:
  std::array<StudyValues, kStudyAxisCount> values_;
};

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_STUDY_GRID_H_
