#include "cli/study_report.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "cli/tool_failure.h"
#include "engine/number_text.h"

namespace curvesmith::cli {
namespace {

// The study's results, after the columns of its axes.
constexpr std::string_view kResultColumns[] = {
    "runs",
    "mean_best",
    "median_best",
    "min_best",
    "max_best",
    "success_rate",
    "mean_generation_to_optimum",
    "mean_distinct_final",
};
constexpr int kColumnCount = kStudyAxisCount + std::size(kResultColumns);
constexpr auto kColumns = [] {
  std::array<std::string_view, kColumnCount> columns{};
  for (int axis = 0; axis < kStudyAxisCount; ++axis) columns[axis] = kStudyAxes[axis].column;
  std::copy(std::begin(kResultColumns), std::end(kResultColumns),
            columns.begin() + kStudyAxisCount);
  return columns;
}();

// Between the cells of a row in the table's temporary file; no cell holds it.
constexpr char kCellEnd = ',';

[[noreturn]] void FailTable() {
  throw ToolFailure(std::string("cannot keep the table's rows in a temporary file: ") +
                    std::strerror(errno));
}

void WriteJsonArguments(std::ostream& out, const StudyDefinition& study) {
  out << "{\"arguments\":{";
  for (int axis = 0; axis < kStudyAxisCount; ++axis) {
    out << '"' << kStudyAxes[axis].column << "\":[";
    const char* separator = "";
    for (const float value : study.grid.Values(axis)) {
      out << separator << ShortestText(value);
      separator = ",";
    }
    out << "],";
  }
  out << "\"runs\":" << study.runs << ",\"seed\":" << study.seed << "},\"rows\":[";
}

}  // namespace

StudyReportWriter::StudyReportWriter(std::ostream& out, StudyOutput format,
                                     const StudyDefinition& study)
    : out_(out), format_(format), study_(study), statistics_(study.runs) {
  switch (format_) {
    case StudyOutput::kTable:
      table_rows_ = std::tmpfile();
      if (table_rows_ == nullptr) FailTable();
      for (const std::string_view column : kColumns) widths_.push_back(column.size());
      break;
    case StudyOutput::kCsv:
      for (int c = 0; c < kColumnCount; ++c) out_ << (c ? "," : "") << kColumns[c];
      out_ << '\n';
      break;
    case StudyOutput::kJson:
      WriteJsonArguments(out_, study_);
      break;
  }
}

StudyReportWriter::~StudyReportWriter() {
  if (table_rows_ != nullptr) std::fclose(table_rows_);
}

void StudyReportWriter::Add(const RunOutcome& outcome) {
  statistics_.Add(outcome);
  if (statistics_.Runs() < study_.runs) return;

  const ParameterSet parameters = study_.grid.Setting(setting_);
  Row row;
  for (const StudyAxis& axis : kStudyAxes) row.push_back(ShortestText(parameters.*axis.member));
  row.push_back(std::to_string(study_.runs));
  row.push_back(ShortestText(statistics_.MeanBest()));
  row.push_back(ShortestText(statistics_.MedianBest()));
  row.push_back(ShortestText(statistics_.MinBest()));
  row.push_back(ShortestText(statistics_.MaxBest()));
  row.push_back(ShortestText(statistics_.SuccessRate()));
  row.push_back(statistics_.Successes() > 0 ? ShortestText(statistics_.MeanGenerationToOptimum())
                                            : "");
  row.push_back(ShortestText(statistics_.MeanDistinctFinal()));
  WriteRow(row);
  statistics_.Clear();
  ++setting_;
}

void StudyReportWriter::WriteRow(const Row& row) {
  switch (format_) {
    case StudyOutput::kTable:
      for (int c = 0; c < kColumnCount; ++c) {
        widths_[c] = std::max(widths_[c], row[c].size());
        if (std::fputs(row[c].c_str(), table_rows_) < 0 ||
            std::fputc(c + 1 < kColumnCount ? kCellEnd : '\n', table_rows_) == EOF) {
          FailTable();
        }
      }
      break;
    case StudyOutput::kCsv:
      for (int c = 0; c < kColumnCount; ++c) out_ << (c ? "," : "") << row[c];
      out_ << '\n';
      break;
    case StudyOutput::kJson:
      out_ << (setting_ ? "," : "") << '{';
      for (int c = 0; c < kColumnCount; ++c) {
        const std::string& cell = row[c];
        out_ << (c ? "," : "") << '"' << kColumns[c] << "\":" << (cell.empty() ? "null" : cell);
      }
      out_ << '}';
      break;
  }
}

void StudyReportWriter::Finish() {
  switch (format_) {
    case StudyOutput::kTable: {
      const auto write_cell = [&](int c, std::string_view text) {
        out_ << (c ? "  " : "") << std::string(widths_[c] - text.size(), ' ') << text;
      };
      for (int c = 0; c < kColumnCount; ++c) write_cell(c, kColumns[c]);
      out_ << '\n';
      if (std::fflush(table_rows_) != 0 || std::fseek(table_rows_, 0, SEEK_SET) != 0) FailTable();
      std::string cell;
      int c = 0;
      for (int byte; (byte = std::fgetc(table_rows_)) != EOF;) {
        if (byte != kCellEnd && byte != '\n') {
          cell += static_cast<char>(byte);
          continue;
        }
        write_cell(c, cell);
        cell.clear();
        c = byte == '\n' ? 0 : c + 1;
        if (c == 0) out_ << '\n';
      }
      if (std::ferror(table_rows_)) FailTable();
      break;
    }
    case StudyOutput::kCsv:
      break;
    case StudyOutput::kJson:
      out_ << "]}\n";
      break;
  }
}

}  // namespace curvesmith::cli
