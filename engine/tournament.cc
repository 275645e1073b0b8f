#include "engine/tournament.h"

namespace curvesmith {

// Runs of equal fitness stand from the fittest down; within a run, the
// order's lower places come first, as they should.
TournamentStandings::TournamentStandings(const FitnessOrder& order) {
  const int size = order.size();
  for (int first = 0; first < size;) {
    const int end = order.RunEndAt(first);
    for (int k = first; k < end; ++k) {
      const int standing = size - end + (k - first);
      standing_of_[order.PlaceAt(k)] = static_cast<std::uint16_t>(standing);
      place_of_[standing] = static_cast<std::uint16_t>(order.PlaceAt(k));
    }
    first = end;
  }
}

}  // namespace curvesmith
