#include "cli/study_shard_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <vector>

#include "cli/exact_numbers.h"
#include "cli/shown_text.h"
#include "cli/split_text.h"
#include "engine/curve_maximum.h"
#include "engine/number_text.h"
#include "engine/run_parameters.h"

namespace curvesmith::cli {
namespace {

constexpr std::string_view kHeaderStart = "# curvesmith-cli study ";
// After the study's axes and the run's seed, the run's outcome.
constexpr std::string_view kOutcomeColumns = "best,generation_to_optimum,distinct_final";
constexpr int kBestField = kStudyAxisCount + 1;
constexpr int kGenerationToOptimumField = kBestField + 1;
constexpr int kDistinctFinalField = kBestField + 2;
constexpr int kFieldCount = kDistinctFinalField + 1;
// Five setting values of at most 14 characters ("-1.1754944e-38"), a seed of
// 10 digits, a best of at most 24 ("-2.2250738585072014e-308"), a generation
// of 3 and a count of 4 digits, and 8 commas make 119: with room to spare.
constexpr std::size_t kLongestRunLine = 256;
// A word of the header: an option, or one value of an option's list.
constexpr std::size_t kLongestHeaderWord = 32;

// The line that names the fields of a per-run line.
std::string Columns() {
  std::string columns;
  for (const StudyAxis& axis : kStudyAxes) columns += std::string(axis.column) + ",";
  return columns + std::string(OptionColumn(RunSettingOf(RunField::kSeed).option)) + "," +
         std::string(kOutcomeColumns);
}

// The fields of a per-run line that name its run: the setting and the seed.
std::string RunKey(const StudyDefinition& study, std::uint64_t run) {
  const ParameterSet setting = study.grid.Setting(run / study.runs);
  std::string key;
  for (const StudyAxis& axis : kStudyAxes) key += ShortestText(setting.*axis.member) + ",";
  return key + std::to_string(study.SeedOfRun(run));
}

bool SameBits(float a, float b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

ShardFileWriter::ShardFileWriter(std::ostream& out, const StudyDefinition& study,
                                 const Shard& shard)
    : out_(out), study_(study), run_(shard.FirstRun(study.TotalRuns())) {
  out_ << kHeaderStart << "--shard " << shard.Text() << ' ' << study.Arguments() << '\n'
       << Columns() << '\n';
}

void ShardFileWriter::Add(const RunOutcome& outcome) {
  out_ << RunKey(study_, run_++) << ',' << ShortestText(outcome.best) << ','
       << (outcome.generation_to_optimum >= 0 ? std::to_string(outcome.generation_to_optimum) : "")
       << ',' << outcome.distinct_final << '\n';
}

// The study header, read word by word as StudyDefinition::Arguments() spells
// it, so that a header of millions of values never sits in memory whole.
class ShardFileReader::HeaderReader {
 public:
  HeaderReader(ShardFileReader& file, const StudyDefinition* reference)
      : file_(file), reference_(reference) {}

  void Read(StudyOptions& options) {
    for (const char expected : kHeaderStart) {
      if (file_.in_.rdbuf()->sbumpc() != expected) {
        file_.Fail("not the per-run CSV of a study shard (written by study --shard)");
      }
    }
    TakeScalar("--shard", ' ', options);
    std::uint64_t settings = 1;
    for (int axis = 0; axis < kStudyAxisCount; ++axis) {
      ExpectOption(kStudyAxes[axis].option);
      ReadValues(axis, settings, options.study.grid);
    }
    TakeScalar("--runs", ' ', options);
    TakeScalar("--seed", '\n', options);
    try {
      CheckStudyOptions(options);
    } catch (const UsageError& error) {
      Damaged(error.what());
    }
    if (reference_ != nullptr &&
        (options.study.runs != reference_->runs || options.study.seed != reference_->seed)) {
      file_.same_ = false;
    }
  }

 private:
  [[noreturn]] void Damaged(const std::string& what) {
    file_.Fail("damaged study header: " + what);
  }

  // The next word and the byte that ends it: a blank, a comma or the line end.
  char NextWord(std::string& word) {
    word.clear();
    for (;;) {
      const int byte = file_.in_.rdbuf()->sbumpc();
      if (byte == std::char_traits<char>::eof()) {
        file_.Fail("the file ends in the middle of a line (truncated?)");
      }
      if (byte == ' ' || byte == ',' || byte == '\n') return static_cast<char>(byte);
      if (word.size() == kLongestHeaderWord) {
        Damaged("a word longer than " + std::to_string(kLongestHeaderWord) + " bytes");
      }
      word += static_cast<char>(byte);
    }
  }

  void ExpectOption(std::string_view option) {
    std::string word;
    if (NextWord(word) != ' ' || word != option) Damaged("expected " + std::string(option));
  }

  // An option with one value, ended by `end`, as the command line takes it.
  void TakeScalar(std::string_view option, char end, StudyOptions& options) {
    ExpectOption(option);
    std::string value;
    if (NextWord(value) != end) Damaged("expected one value after " + std::string(option));
    try {
      Arguments arguments({value});
      TakeStudyOption(option, arguments, options);
    } catch (const UsageError& error) {
      Damaged(error.what());
    }
  }

  // The comma list of an axis, each value in its shortest form, kept in
  // `grid` or compared with the reference's.
  void ReadValues(int axis, std::uint64_t& settings, StudyGrid& grid) {
    const std::string_view option = kStudyAxes[axis].option;
    const std::uint64_t most = kMostStudyRuns / settings;
    StudyValues values;
    const StudyValues* reference = reference_ != nullptr ? &reference_->grid.Values(axis) : nullptr;
    std::uint64_t count = 0;
    std::string word;
    for (char end = ','; end == ',';) {
      end = NextWord(word);
      if (end == '\n') Damaged("expected more options after " + std::string(option));
      const auto value = ParseNumber(word);
      if (!value || ShortestText(*value) != word) {
        Damaged(std::string(option) +
                " takes a comma list of numbers in their shortest form, not " + Shown(word));
      }
      try {
        CheckRunValue(option, *value, word);
      } catch (const UsageError& error) {
        Damaged(error.what());
      }
      if (++count > most) {
        Damaged("more than " + std::to_string(kMostStudyRuns) + " runs in all");
      }
      if (reference == nullptr) {
        values.push_back(*value);
      } else if (count > reference->size() || !SameBits((*reference)[count - 1], *value)) {
        file_.same_ = false;
      }
    }
    if (reference != nullptr && count != reference->size()) file_.same_ = false;
    settings *= count;
    if (reference == nullptr) grid.SetValues(axis, std::move(values));
  }

  ShardFileReader& file_;
  const StudyDefinition* reference_;
};

ShardFileReader::ShardFileReader(std::istream& in, std::string name)
    : in_(in), name_(std::move(name)) {}

ShardFileReader::~ShardFileReader() = default;

void ShardFileReader::Fail(const std::string& what) const {
  throw UsageError(ShownPath(name_) + (line_ > 0 ? ":" + std::to_string(line_) : "") + ": " + what);
}

bool ShardFileReader::NextLine(std::string& line) {
  char buffer[kLongestRunLine + 2];
  in_.getline(buffer, sizeof buffer);
  const std::streamsize taken = in_.gcount();
  if (in_.bad()) Fail("cannot be read");
  if (taken == 0 && in_.eof()) return false;
  ++line_;
  // Only the last line can lack its line end: the file was cut off there.
  if (in_.eof()) Fail("the file ends in the middle of a line (truncated?)");
  if (in_.fail()) {
    Fail("a line longer than " + std::to_string(kLongestRunLine) + " bytes, which no run has");
  }
  line.assign(buffer, static_cast<std::size_t>(taken - 1));
  return true;
}

void ShardFileReader::ReadHeader(const StudyDefinition* reference) {
  StudyOptions options;
  line_ = 1;
  HeaderReader(*this, reference).Read(options);
  if (!options.shard) Fail("damaged study header: no --shard");
  shard_ = *options.shard;
  if (reference == nullptr) {
    own_study_ = std::make_unique<StudyDefinition>(std::move(options.study));
    study_ = own_study_.get();
  } else {
    study_ = reference;
  }
  std::string line;
  if (!NextLine(line) || line != Columns()) {
    Fail("expected the line \"" + Columns() + "\"");
  }
  run_ = shard_.FirstRun(study_->TotalRuns());
  end_ = shard_.EndRun(study_->TotalRuns());
}

bool ShardFileReader::Next(RunOutcome& outcome) {
  std::string line;
  if (run_ == end_) {
    if (NextLine(line)) Fail("more lines than the shard has runs");
    return false;
  }
  if (!NextLine(line)) {
    const std::uint64_t first = shard_.FirstRun(study_->TotalRuns());
    Fail("the file ends after " + std::to_string(run_ - first) + " of the shard's " +
         std::to_string(end_ - first) + " runs (truncated?)");
  }
  const std::vector<std::string_view> fields = SplitText(line, ',');
  if (fields.size() != kFieldCount) {
    Fail("expected " + std::to_string(kFieldCount) + " comma-separated fields");
  }
  const std::string key = RunKey(*study_, run_);
  if (!line.starts_with(key) || line[key.size()] != ',') {
    Fail("expected the run with setting and seed " + key);
  }
  const ParameterSet setting = study_->grid.Setting(run_ / study_->runs);
  ++run_;

  const auto maximum = CurveMaximum(setting.TargetCurve);
  if (!maximum) Fail("curve " + ShortestText(setting.TargetCurve) + " selects no curve");
  if (!ReadNumber(fields[kBestField], outcome.best) || !std::isfinite(outcome.best) ||
      outcome.best < 0.0 || outcome.best > *maximum) {
    Fail("best is not a fitness from 0 to the curve's maximum " + ShortestText(*maximum));
  }
  // Counts below zero run no generation after the first and no individual.
  const RunCounts counts = CountsOfRun(setting);
  const int generations = std::max(counts.generations, 0);
  outcome.generation_to_optimum = -1;
  if (!fields[kGenerationToOptimumField].empty() &&
      (!ReadNumber(fields[kGenerationToOptimumField], outcome.generation_to_optimum) ||
       outcome.generation_to_optimum < 0 || outcome.generation_to_optimum > generations)) {
    Fail("generation_to_optimum is not a generation of the run, 0 to " +
         std::to_string(generations));
  }
  if ((outcome.generation_to_optimum >= 0) != (outcome.best == *maximum)) {
    Fail(outcome.best == *maximum
             ? "the run's best is the maximum but it has no generation_to_optimum"
             : "generation_to_optimum is given but the best is not the maximum");
  }
  const int population = std::max(counts.population, 0);
  const int fewest = population > 0 ? 1 : 0;
  if (!ReadNumber(fields[kDistinctFinalField], outcome.distinct_final) ||
      outcome.distinct_final < fewest || outcome.distinct_final > population) {
    Fail("distinct_final is not a count of genomes from " + std::to_string(fewest) + " to " +
         std::to_string(population));
  }
  return true;
}

std::unique_ptr<std::istream> OpenShardFile(const std::string& path) {
  const auto fail = [&](const std::string& what) -> std::unique_ptr<std::istream> {
    throw UsageError(ShownPath(path) + ": " + what);
  };
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    return fail("cannot be read: " + std::string(std::strerror(errno)));
  }
  if (!S_ISREG(status.st_mode) && !S_ISFIFO(status.st_mode)) {
    return fail("cannot be read: not a regular file or a pipe");
  }
  auto in = std::make_unique<std::ifstream>(path, std::ios::binary);
  if (!*in) return fail("cannot be read: " + std::string(std::strerror(errno)));
  return in;
}

}  // namespace curvesmith::cli
