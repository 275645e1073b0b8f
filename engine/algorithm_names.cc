#include "engine/algorithm_names.h"

#include <charconv>
#include <span>

namespace curvesmith {
namespace {

template <typename Kind>
struct Named {
  Kind kind;
  std::string_view name;
};

constexpr Named<SelectionKind> kSelections[] = {
    {SelectionKind::kRoulette, "roulette"},
    {SelectionKind::kRank, "rank"},
    {SelectionKind::kUniversal, "sus"},
    {SelectionKind::kTournament, "tournament"},
};
// A tournament's name is followed by this and its size.
constexpr std::string_view kSizeMark = ":";

constexpr Named<CrossoverKind> kCrossovers[] = {
    {CrossoverKind::kOnePoint, "one-point"},
    {CrossoverKind::kTwoPoint, "two-point"},
    {CrossoverKind::kUniform, "uniform"},
};
constexpr Named<MutationKind> kMutations[] = {
    {MutationKind::kGenes, "genes"},
    {MutationKind::kBits, "bits"},
};
constexpr Named<EncodingKind> kEncodings[] = {
    {EncodingKind::kBinary, "binary"},
    {EncodingKind::kGray, "gray"},
};

template <typename Kind>
std::string_view NameOf(std::span<const Named<Kind>> table, Kind kind) {
  for (const Named<Kind>& entry : table) {
    if (entry.kind == kind) return entry.name;
  }
  return {};
}

template <typename Kind>
std::optional<Kind> KindOf(std::span<const Named<Kind>> table, std::string_view name) {
  for (const Named<Kind>& entry : table) {
    if (entry.name == name) return entry.kind;
  }
  return std::nullopt;
}

// "a, b or c".
template <typename Kind>
std::string NamesOf(std::span<const Named<Kind>> table, std::string_view last_suffix = "") {
  std::string names;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (i > 0) names += i + 1 == table.size() ? " or " : ", ";
    names += table[i].name;
  }
  return names + std::string(last_suffix);
}

}  // namespace

std::string SelectionName(const Algorithm& algorithm) {
  std::string name(NameOf<SelectionKind>(kSelections, algorithm.selection));
  if (algorithm.selection == SelectionKind::kTournament) {
    name += std::string(kSizeMark) + std::to_string(algorithm.tournament_size);
  }
  return name;
}

std::string_view CrossoverName(CrossoverKind crossover) {
  return NameOf<CrossoverKind>(kCrossovers, crossover);
}

std::string_view MutationName(MutationKind mutation) {
  return NameOf<MutationKind>(kMutations, mutation);
}

std::string_view EncodingName(EncodingKind encoding) {
  return NameOf<EncodingKind>(kEncodings, encoding);
}

std::optional<Algorithm> ReadSelection(std::string_view name, Algorithm algorithm) {
  const std::string_view tournament =
      NameOf<SelectionKind>(kSelections, SelectionKind::kTournament);
  const std::size_t mark = name.find(kSizeMark);
  const std::string_view kind_name = name.substr(0, mark);
  const auto kind = KindOf<SelectionKind>(kSelections, kind_name);
  if (!kind) return std::nullopt;
  algorithm.selection = *kind;
  if (kind_name != tournament) {
    if (mark != std::string_view::npos) return std::nullopt;
    return algorithm;
  }
  if (mark == std::string_view::npos) return std::nullopt;
  const std::string_view digits = name.substr(mark + kSizeMark.size());
  int size = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), size);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.empty() ||
      digits.front() < '0' || digits.front() > '9' || size < kMinTournamentSize ||
      size > kMaxTournamentSize) {
    return std::nullopt;
  }
  algorithm.tournament_size = size;
  return algorithm;
}

std::optional<CrossoverKind> ReadCrossover(std::string_view name) {
  return KindOf<CrossoverKind>(kCrossovers, name);
}

std::optional<MutationKind> ReadMutation(std::string_view name) {
  return KindOf<MutationKind>(kMutations, name);
}

std::optional<EncodingKind> ReadEncoding(std::string_view name) {
  return KindOf<EncodingKind>(kEncodings, name);
}

std::string SelectionNames() {
  return NamesOf<SelectionKind>(kSelections) + std::string(kSizeMark) + "K (K from " +
         std::to_string(kMinTournamentSize) + " to " + std::to_string(kMaxTournamentSize) + ")";
}

std::string CrossoverNames() {
  return NamesOf<CrossoverKind>(kCrossovers);
}

std::string MutationNames() {
  return NamesOf<MutationKind>(kMutations);
}

std::string EncodingNames() {
  return NamesOf<EncodingKind>(kEncodings);
}

}  // namespace curvesmith
