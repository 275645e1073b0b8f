#ifndef CURVESMITH_CLI_STUDY_REPORT_H_
#define CURVESMITH_CLI_STUDY_REPORT_H_

#include <ostream>
#include <vector>

#include "cli/study_options.h"
#include "cli/study_runner.h"

namespace curvesmith::cli {

// Writes one row per setting of `study`, from the outcomes of all its runs in
// run order:
// curve,population,generations,crossover,mutation,runs,mean_best,median_best,
// min_best,max_best,success_rate,mean_generation_to_optimum,mean_distinct_final
// A run succeeds when its best equals the setting's SuccessFitness exactly;
// mean_generation_to_optimum averages over the successful runs and is empty
// (null in JSON) when there are none. Setting values are written as the form
// holds them, statistics as the shortest text of the double. The table aligns
// the CSV's columns; the JSON holds the study's arguments and the same rows.
// REQUIRES: outcomes.size() == study.TotalRuns().
void WriteStudyReport(std::ostream& out, StudyOutput format, const StudyDefinition& study,
                      const std::vector<RunOutcome>& outcomes);

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_STUDY_REPORT_H_
