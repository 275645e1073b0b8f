#include "cli/study_report.h"

#include <algorithm>
#include <string>

#include "engine/number_text.h"

namespace curvesmith::cli {
namespace {

constexpr const char* kColumns[] = {
    "curve",
    "population",
    "generations",
    "crossover",
    "mutation",
    "runs",
    "mean_best",
    "median_best",
    "min_best",
    "max_best",
    "success_rate",
    "mean_generation_to_optimum",
    "mean_distinct_final",
};
constexpr int kColumnCount = std::size(kColumns);

using Row = std::vector<std::string>;

// The statistics of one setting's runs, as the row's texts.
Row SettingRow(const StudyDefinition& study, std::uint64_t setting,
               const std::vector<RunOutcome>& outcomes) {
  const ParameterSet parameters = study.grid.Setting(setting);
  Row row;
  for (const StudyAxis& axis : kStudyAxes) row.push_back(ShortestText(parameters.*axis.member));

  const auto first = outcomes.begin() + static_cast<std::ptrdiff_t>(setting * study.runs);
  const auto end = first + study.runs;
  std::vector<double> bests;
  bests.reserve(study.runs);
  double best_sum = 0.0;
  double generation_sum = 0.0;
  double distinct_sum = 0.0;
  std::uint32_t successes = 0;
  for (auto run = first; run != end; ++run) {
    bests.push_back(run->best);
    best_sum += run->best;
    distinct_sum += run->distinct_final;
    if (run->generation_to_optimum >= 0) {
      ++successes;
      generation_sum += run->generation_to_optimum;
    }
  }
  std::sort(bests.begin(), bests.end());
  const std::size_t middle = bests.size() / 2;
  const double median =
      bests.size() % 2 == 1 ? bests[middle] : (bests[middle - 1] + bests[middle]) / 2.0;
  const double runs = study.runs;
  row.push_back(std::to_string(study.runs));
  row.push_back(ShortestText(best_sum / runs));
  row.push_back(ShortestText(median));
  row.push_back(ShortestText(bests.front()));
  row.push_back(ShortestText(bests.back()));
  row.push_back(ShortestText(successes / runs));
  row.push_back(successes > 0 ? ShortestText(generation_sum / successes) : "");
  row.push_back(ShortestText(distinct_sum / runs));
  return row;
}

void WriteCsv(std::ostream& out, const std::vector<Row>& rows) {
  for (int c = 0; c < kColumnCount; ++c) out << (c ? "," : "") << kColumns[c];
  out << '\n';
  for (const Row& row : rows) {
    for (int c = 0; c < kColumnCount; ++c) out << (c ? "," : "") << row[c];
    out << '\n';
  }
}

void WriteTable(std::ostream& out, const std::vector<Row>& rows) {
  std::size_t width[kColumnCount];
  for (int c = 0; c < kColumnCount; ++c) {
    width[c] = std::char_traits<char>::length(kColumns[c]);
    for (const Row& row : rows) width[c] = std::max(width[c], row[c].size());
  }
  const auto write_line = [&](auto&& cell) {
    for (int c = 0; c < kColumnCount; ++c) {
      const std::string text = cell(c);
      out << (c ? "  " : "") << std::string(width[c] - text.size(), ' ') << text;
    }
    out << '\n';
  };
  write_line([](int c) { return std::string(kColumns[c]); });
  for (const Row& row : rows) write_line([&](int c) { return row[c]; });
}

void WriteJson(std::ostream& out, const StudyDefinition& study, const std::vector<Row>& rows) {
  out << "{\"arguments\":{";
  for (int axis = 0; axis < kStudyAxisCount; ++axis) {
    out << '"' << kStudyAxes[axis].option.substr(2) << "\":[";
    const char* separator = "";
    for (const float value : study.grid.Values(axis)) {
      out << separator << ShortestText(value);
      separator = ",";
    }
    out << "],";
  }
  out << "\"runs\":" << study.runs << ",\"seed\":" << study.seed << "},\"rows\":[";
  for (std::size_t r = 0; r < rows.size(); ++r) {
    out << (r ? "," : "") << '{';
    for (int c = 0; c < kColumnCount; ++c) {
      const std::string& cell = rows[r][c];
      out << (c ? "," : "") << '"' << kColumns[c] << "\":" << (cell.empty() ? "null" : cell);
    }
    out << '}';
  }
  out << "]}\n";
}

}  // namespace

void WriteStudyReport(std::ostream& out, StudyOutput format, const StudyDefinition& study,
                      const std::vector<RunOutcome>& outcomes) {
  std::vector<Row> rows;
  for (std::uint64_t setting = 0; setting < study.grid.SettingCount(); ++setting) {
    rows.push_back(SettingRow(study, setting, outcomes));
  }
  switch (format) {
    case StudyOutput::kTable:
      WriteTable(out, rows);
      break;
    case StudyOutput::kCsv:
      WriteCsv(out, rows);
      break;
    case StudyOutput::kJson:
      WriteJson(out, study, rows);
      break;
  }
}

}  // namespace curvesmith::cli
