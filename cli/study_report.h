#ifndef CURVESMITH_CLI_STUDY_REPORT_H_
#define CURVESMITH_CLI_STUDY_REPORT_H_

#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/study_options.h"
#include "cli/study_runner.h"
#include "cli/study_statistics.h"

namespace curvesmith::cli {

// Writes one row per setting of `study` as the outcomes of its runs arrive,
// in run order:
// curve,population,generations,crossover,mutation,runs,mean_best,median_best,
// min_best,max_best,success_rate,mean_generation_to_optimum,mean_distinct_final
// A run succeeds when its best equals the setting's SuccessFitness exactly;
// mean_generation_to_optimum averages over the successful runs and is empty
// (null in JSON) when there are none. Setting values are written as the form
// holds them, statistics as the shortest text of the double. The table aligns
// the CSV's columns; the JSON holds the study's arguments and the same rows.
//
// CSV and JSON rows are written as each setting completes. The table's
// column widths depend on every row, so its rows wait in a temporary file;
// memory stays the same whatever the number of settings.
class StudyReportWriter {
 public:
  StudyReportWriter(std::ostream& out, StudyOutput format, const StudyDefinition& study);
  ~StudyReportWriter();

  StudyReportWriter(const StudyReportWriter&) = delete;
  StudyReportWriter& operator=(const StudyReportWriter&) = delete;

  // The outcome of the next run of the study.
  void Add(const RunOutcome& outcome);
  // After the last run. Throws ToolFailure when the table's temporary file
  // fails.
  void Finish();

 private:
  using Row = std::vector<std::string>;

  void WriteRow(const Row& row);

  std::ostream& out_;
  StudyOutput format_;
  const StudyDefinition& study_;
  SettingStatistics statistics_;
  std::uint64_t setting_ = 0;
  // The table's rows until the widths are known.
  std::FILE* table_rows_ = nullptr;
  std::vector<std::size_t> widths_;
};

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_STUDY_REPORT_H_
