#include "cli/study_shard_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "cli/exact_numbers.h"
#include "cli/shown_text.h"
#include "engine/number_text.h"
#include "engine/run_state.h"

namespace curvesmith::cli {
namespace {

constexpr std::string_view kHeaderStart = "# curvesmith-cli study ";
constexpr std::string_view kColumns =
    "curve,population,generations,crossover,mutation,seed,best,generation_to_optimum,"
    "distinct_final";
constexpr int kFieldCount = 9;

// The fields of a per-run line that name its run: the setting and the seed.
std::string RunKey(const StudyDefinition& study, std::uint64_t run) {
  const ParameterSet setting = study.grid.Setting(run / study.runs);
  std::string key;
  for (const StudyAxis& axis : kStudyAxes) key += ShortestText(setting.*axis.member) + ",";
  return key + std::to_string(study.SeedOfRun(run));
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t begin = 0;;) {
    const std::size_t end = std::min(line.find(',', begin), line.size());
    fields.push_back(line.substr(begin, end - begin));
    if (end == line.size()) return fields;
    begin = end + 1;
  }
}

// Reads a file line by line and reports a fault with the file and the line.
class LineReader {
 public:
  explicit LineReader(const std::string& path) : path_(path), in_(path, std::ios::binary) {
    if (!in_) Fail("cannot be read: " + std::string(std::strerror(errno)));
  }

  // The next line, without its line end; false at the end of the file.
  bool Next(std::string& line) {
    if (!std::getline(in_, line)) {
      if (in_.bad()) Fail("cannot be read");
      return false;
    }
    ++number_;
    // Only the last line can lack its line end: the file was cut off there.
    if (in_.eof()) Fail("the file ends in the middle of a line (truncated?)");
    return true;
  }

  [[noreturn]] void Fail(const std::string& what) const {
    throw UsageError(ShownPath(path_) + (number_ > 0 ? ":" + std::to_string(number_) : "") + ": " +
                     what);
  }

 private:
  std::string path_;
  std::ifstream in_;
  int number_ = 0;
};

ShardFile ReadHeader(LineReader& reader) {
  std::string line;
  if (!reader.Next(line) || !line.starts_with(kHeaderStart)) {
    reader.Fail("not the per-run CSV of a study shard (written by study --shard)");
  }
  std::vector<std::string_view> words;
  const std::string_view rest = std::string_view(line).substr(kHeaderStart.size());
  for (std::size_t begin = 0; begin < rest.size();) {
    const std::size_t end = std::min(rest.find(' ', begin), rest.size());
    words.push_back(rest.substr(begin, end - begin));
    begin = end + 1;
  }
  StudyOptions options;
  try {
    Arguments arguments(words);
    while (!arguments.Done()) {
      const std::string_view option = arguments.NextOption();
      if (!TakeStudyOption(option, arguments, options)) {
        throw UsageError("unknown option " + Shown(option));
      }
    }
    CheckStudyOptions(options);
  } catch (const UsageError& error) {
    reader.Fail(std::string("damaged study header: ") + error.what());
  }
  if (!options.shard) reader.Fail("damaged study header: no --shard");
  if (!reader.Next(line) || line != kColumns)
    reader.Fail("expected the line \"" + std::string(kColumns) + "\"");
  return {.study = options.study, .shard = *options.shard, .outcomes = {}};
}

RunOutcome ReadRunLine(LineReader& reader, const std::string& line, const std::string& key,
                       const StudyDefinition& study, std::uint64_t run) {
  const std::vector<std::string_view> fields = SplitFields(line);
  if (fields.size() != kFieldCount) {
    reader.Fail("expected " + std::to_string(kFieldCount) + " comma-separated fields");
  }
  if (!line.starts_with(key) || line[key.size()] != ',') {
    reader.Fail("expected the run with setting and seed " + key);
  }
  const int generations =
      std::max(static_cast<int>(study.grid.Setting(run / study.runs).Generations), 0);
  RunOutcome outcome;
  if (!ReadNumber(fields[6], outcome.best)) reader.Fail("best is not a number");
  if (!fields[7].empty() &&
      (!ReadNumber(fields[7], outcome.generation_to_optimum) || outcome.generation_to_optimum < 0 ||
       outcome.generation_to_optimum > generations)) {
    reader.Fail("generation_to_optimum is not a generation of the run");
  }
  if (!ReadNumber(fields[8], outcome.distinct_final) || outcome.distinct_final < 0 ||
      outcome.distinct_final > kMaxPopulation) {
    reader.Fail("distinct_final is not a count of genomes");
  }
  return outcome;
}

}  // namespace

void WriteShardFile(std::ostream& out, const StudyDefinition& study, const Shard& shard,
                    const std::vector<RunOutcome>& outcomes) {
  out << kHeaderStart << "--shard " << shard.Text() << ' ' << study.Arguments() << '\n'
      << kColumns << '\n';
  const std::uint64_t first = shard.FirstRun(study.TotalRuns());
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    const RunOutcome& outcome = outcomes[i];
    out << RunKey(study, first + i) << ',' << ShortestText(outcome.best) << ','
        << (outcome.generation_to_optimum >= 0 ? std::to_string(outcome.generation_to_optimum) : "")
        << ',' << outcome.distinct_final << '\n';
  }
}

ShardFile ReadShardFile(const std::string& path) {
  LineReader reader(path);
  ShardFile file = ReadHeader(reader);
  const std::uint64_t total = file.study.TotalRuns();
  const std::uint64_t first = file.shard.FirstRun(total);
  const std::uint64_t end = file.shard.EndRun(total);
  file.outcomes.reserve(end - first);
  std::string line;
  for (std::uint64_t run = first; run < end; ++run) {
    if (!reader.Next(line)) {
      reader.Fail("the file ends after " + std::to_string(run - first) + " of the shard's " +
                  std::to_string(end - first) + " runs (truncated?)");
    }
    file.outcomes.push_back(ReadRunLine(reader, line, RunKey(file.study, run), file.study, run));
  }
  if (reader.Next(line)) reader.Fail("more lines than the shard has runs");
  return file;
}

}  // namespace curvesmith::cli
