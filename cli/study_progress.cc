#include "cli/study_progress.h"

#include <cstdio>

namespace curvesmith::cli {
namespace {

constexpr std::chrono::seconds kQuietStart{1};
// Back to the start of the line and erase it.
constexpr char kClearLine[] = "\r\033[K";

}  // namespace

ProgressLine::ProgressLine(std::ostream& err, std::uint64_t total, bool shown)
    : err_(err), total_(total), shown_(shown) {}

ProgressLine::~ProgressLine() {
  if (drawn_) err_ << kClearLine << std::flush;
}

void ProgressLine::Update(std::uint64_t done) {
  const auto elapsed = Clock::now() - start_;
  if (!shown_ || elapsed < kQuietStart || done >= total_) return;
  const double seconds = std::chrono::duration<double>(elapsed).count();
  const double rate = done / seconds;
  char line[128];
  if (done == 0) {
    std::snprintf(line, sizeof line, "%llu/%llu runs", static_cast<unsigned long long>(done),
                  static_cast<unsigned long long>(total_));
  } else {
    std::snprintf(line, sizeof line, "%llu/%llu runs, %.0f runs/s, %.0f s left",
                  static_cast<unsigned long long>(done), static_cast<unsigned long long>(total_),
                  rate, (total_ - done) / rate);
  }
  err_ << kClearLine << line << std::flush;
  drawn_ = true;
}

}  // namespace curvesmith::cli
