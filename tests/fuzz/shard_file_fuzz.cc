// A shard file as study merge reads it, whatever its bytes: reading ends soon
// in bounded memory, every refusal is one line, and every run it takes is one
// a run can give — a finite best from 0 to the curve's maximum, a success
// exactly when the best is that maximum, at a generation of the run, a
// distinct count within the population — so that the statistics written from
// them are numbers, the means between their minimum and maximum.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/study_report.h"
#include "cli/study_shard_file.h"
#include "engine/curve_maximum.h"

namespace {

using curvesmith::cli::RunOutcome;
using curvesmith::cli::ShardFileReader;
using curvesmith::cli::StudyDefinition;
using curvesmith::cli::UsageError;

constexpr std::size_t kLongestMessage = 600;

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

// Every run of a small setting, checked on its own terms.
void CheckOutcome(const RunOutcome& outcome, double maximum) {
  if (!std::isfinite(outcome.best) || outcome.best < 0.0 || outcome.best > maximum) {
    Fail("a best no run can reach", std::to_string(outcome.best));
  }
  if ((outcome.generation_to_optimum >= 0) != (outcome.best == maximum)) {
    Fail("success that disagrees with the best", std::to_string(outcome.best));
  }
  if (outcome.generation_to_optimum > 999 || outcome.distinct_final < 0 ||
      outcome.distinct_final > 1000) {
    Fail("a count outside the run's", std::to_string(outcome.distinct_final));
  }
}

// The CSV rows: no statistic that is not a number, each mean between its
// minimum and maximum.
void CheckRows(const std::string& csv) {
  std::istringstream lines(csv);
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line)) {
    if (line.find("nan") != std::string::npos || line.find("inf") != std::string::npos) {
      Fail("a statistic that is not a number", line);
    }
    double fields[13] = {};
    std::istringstream cells(line);
    std::string cell;
    for (int i = 0; i < 13 && std::getline(cells, cell, ','); ++i) {
      fields[i] = cell.empty() ? 0.0 : std::strtod(cell.c_str(), nullptr);
    }
    if (!(fields[8] <= fields[6] && fields[6] <= fields[9]))
      Fail("a mean outside its values", line);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  ShardFileReader file(in, "shard.csv");
  std::ostringstream out;
  try {
    file.ReadHeader(nullptr);
    const StudyDefinition& study = file.Study();
    // Only a study the size of a test is merged whole.
    const bool whole = study.TotalRuns() <= 1000 && file.GetShard().count == 1;
    curvesmith::cli::StudyReportWriter writer(out, curvesmith::cli::StudyOutput::kCsv, study);
    std::uint64_t run = 0;
    for (RunOutcome outcome; file.Next(outcome); ++run) {
      const auto setting = study.grid.Setting(run / study.runs);
      const auto maximum = curvesmith::CurveMaximum(setting.TargetCurve);
      if (!maximum) Fail("a run of a curve that selects no curve", "");
      CheckOutcome(outcome, *maximum);
      if (whole) writer.Add(outcome);
    }
    if (whole) {
      writer.Finish();
      CheckRows(out.str());
    }
  } catch (const UsageError& error) {
    const std::string_view message = error.what();
    if (message.size() > kLongestMessage || message.find('\n') != std::string_view::npos) {
      Fail("refusal not one short line", message);
    }
  }
  return 0;
}
