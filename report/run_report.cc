#include "report/run_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "engine/algorithm_names.h"
#include "engine/number_text.h"
#include "engine/run_extent.h"
#include "engine/run_settings.h"

namespace curvesmith::report {
namespace {

// Builds large reports in memory, a number at a time, without iostream
// formatting on the hot path.
class Text {
 public:
  Text& operator<<(std::string_view s) {
    text_.append(s);
    return *this;
  }
  Text& operator<<(char c) {
    text_.push_back(c);
    return *this;
  }
  Text& operator<<(long long n) { return Number(n); }
  Text& operator<<(int n) { return Number(n); }
  Text& operator<<(std::uint32_t n) { return Number(n); }
  // Shortest round-trip form; JSON has no NaN or infinity, so those are null.
  Text& operator<<(double d) {
    if (!std::isfinite(d)) return *this << "null";
    return Number(d);
  }

  void FlushTo(std::ostream& out) {
    out.write(text_.data(), static_cast<std::streamsize>(text_.size()));
    text_.clear();
  }
  bool Large() const { return text_.size() > (1 << 16); }

 private:
  template <typename T>
  Text& Number(T value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text_.append(buffer, result.ptr);
    return *this;
  }

  std::string text_;
};

bool IsClassic(const RunDescription& description) {
  return IsClassicAlgorithm(description.algorithm) && description.formula.empty();
}

// A JSON string: quotes, backslashes and control characters escaped.
void WriteJsonString(Text& text, std::string_view s) {
  text << '"';
  for (const char c : s) {
    if (c == '"' || c == '\\') {
      text << '\\' << c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
      text << std::string_view(escaped);
    } else {
      text << c;
    }
  }
  text << '"';
}

// `text` right-aligned in a column `width` characters wide, as printf's "%12s"
// aligns it; a longer text (a formula's huge fitness) takes the room it needs
// rather than being cut.
std::string Column(std::string_view text, std::size_t width) {
  std::string column(width > text.size() ? width - text.size() : 0, ' ');
  return column.append(text);
}

}  // namespace

void WriteSummary(std::ostream& out, const RunState& state, std::uint32_t seed,
                  const RunDescription& description) {
  out << "Curvesmith run\n"
      << "  target curve    " << state.TargetCurve << "\n"
      << "  population size " << state.PopulationSize << "\n"
      << "  generations     " << state.MaxGenerations << "\n"
      << "  crossover rate  " << FixedText(state.CrossoverRate) << "\n"
      << "  mutation rate   " << FixedText(state.MutationRate) << "\n";
  if (!IsClassic(description)) {
    const Algorithm& a = description.algorithm;
    out << "  selection       " << SelectionName(a) << "\n"
        << "  crossover       " << CrossoverName(a.crossover) << "\n"
        << "  mutation        " << MutationName(a.mutation) << "\n"
        << "  elitism         " << a.elitism << "\n"
        << "  encoding        " << EncodingName(a.encoding) << "\n";
    if (!description.formula.empty()) out << "  formula         " << description.formula << "\n";
  }
  out << "  seed            " << seed << "\n\n";
  out << Column("generation", 10) << "  " << Column("best x", 12) << "  "
      << Column("best fitness", 12) << "  " << Column("mean fitness", 12) << "  "
      << Column("max fitness", 12) << "\n";
  const auto [last, places] = RunExtentOf(state);
  for (int g = 0; g <= last; ++g) {
    const double* fitness = state.FitnessHistory[g];
    double sum = 0.0;
    for (int i = 0; i < places; ++i) sum += fitness[i];
    const bool empty = places == 0;
    out << Column(std::to_string(g), 10) << "  "
        << Column(FixedText(state.BestPositionByGeneration[g]), 12) << "  "
        << Column(FixedText(state.BestFitnessByGeneration[g]), 12) << "  "
        << Column(empty ? "-" : FixedText(sum / places), 12) << "  "
        << Column(empty ? "-" : FixedText(*std::max_element(fitness, fitness + places)), 12)
        << "\n";
  }
  out << "\nBest point: x = " << FixedText(state.BestPositionByGeneration[last])
      << ", fitness = " << FixedText(state.BestFitnessByGeneration[last]) << "\n";
}

void WriteBestCsv(std::ostream& out, const RunState& state) {
  Text text;
  text << "generation,best_position,best_fitness\n";
  for (int g = 0; g <= RunExtentOf(state).last_generation; ++g) {
    text << g << ',' << state.BestPositionByGeneration[g] << ',' << state.BestFitnessByGeneration[g]
         << '\n';
  }
  text.FlushTo(out);
}

void WriteHistoryCsv(std::ostream& out, const RunState& state) {
  Text text;
  text << "generation,place,position,fitness\n";
  const auto [last, places] = RunExtentOf(state);
  for (int g = 0; g <= last; ++g) {
    for (int i = 0; i < places; ++i) {
      text << g << ',' << i << ',' << state.PositionHistory[g][i] << ','
           << state.FitnessHistory[g][i] << '\n';
    }
    if (text.Large()) text.FlushTo(out);
  }
  text.FlushTo(out);
}

void WriteJson(std::ostream& out, const RunState& state, std::uint32_t seed,
               const RunDescription& description) {
  Text text;
  const auto key = [](RunField field) {
    return '"' + std::string(RunSettingOf(field).key) + "\":";
  };
  text << '{' << key(RunField::kSeed) << seed << ",\"parameters\":{"
       << key(RunField::kPopulationSize) << state.PopulationSize << ','
       << key(RunField::kGenerations) << state.MaxGenerations << ','
       << key(RunField::kCrossoverRate) << state.CrossoverRate << ','
       << key(RunField::kMutationRate) << state.MutationRate << ',' << key(RunField::kTargetCurve)
       << state.TargetCurve << '}';
  if (!IsClassic(description)) {
    const Algorithm& a = description.algorithm;
    text << ",\"algorithm\":{\"selection\":\"" << SelectionName(a) << "\",\"crossover\":\""
         << CrossoverName(a.crossover) << "\",\"mutation\":\"" << MutationName(a.mutation)
         << "\",\"elitism\":" << a.elitism << ",\"encoding\":\"" << EncodingName(a.encoding) << '"';
    if (!description.formula.empty()) {
      text << ",\"formula\":";
      WriteJsonString(text, description.formula);
    }
    text << '}';
  }
  const auto [last, places] = RunExtentOf(state);
  text << ",\"best\":[";
  for (int g = 0; g <= last; ++g) {
    text << (g ? "," : "") << "{\"generation\":" << g
         << ",\"position\":" << state.BestPositionByGeneration[g]
         << ",\"fitness\":" << state.BestFitnessByGeneration[g] << '}';
  }
  text << "],\"history\":[";
  for (int g = 0; g <= last; ++g) {
    text << (g ? "," : "") << "{\"generation\":" << g << ",\"positions\":[";
    for (int i = 0; i < places; ++i) text << (i ? "," : "") << state.PositionHistory[g][i];
    text << "],\"fitnesses\":[";
    for (int i = 0; i < places; ++i) text << (i ? "," : "") << state.FitnessHistory[g][i];
    text << "]}";
    if (text.Large()) text.FlushTo(out);
  }
  text << "]}\n";
  text.FlushTo(out);
}

}  // namespace curvesmith::report
