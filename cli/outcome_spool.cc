#include "cli/outcome_spool.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "cli/tool_failure.h"

namespace curvesmith::cli {
namespace {

// Outcomes written or read at a time: 64 KB.
constexpr std::size_t kBatch = 4096;

[[noreturn]] void Fail() {
  throw ToolFailure(std::string("cannot keep the runs' outcomes in a temporary file: ") +
                    std::strerror(errno));
}

}  // namespace

OutcomeSpool::OutcomeSpool() : file_(std::tmpfile()) {
  if (file_ == nullptr) Fail();
  pending_.reserve(kBatch);
}

OutcomeSpool::~OutcomeSpool() {
  std::fclose(file_);
}

void OutcomeSpool::Seek(std::uint64_t run) {
  Flush();
  if (::fseeko(file_, static_cast<off_t>(run * sizeof(RunOutcome)), SEEK_SET) != 0) Fail();
}

void OutcomeSpool::Put(const RunOutcome& outcome) {
  pending_.push_back(outcome);
  if (pending_.size() == kBatch) Flush();
}

void OutcomeSpool::Flush() {
  if (!pending_.empty() &&
      std::fwrite(pending_.data(), sizeof(RunOutcome), pending_.size(), file_) != pending_.size()) {
    Fail();
  }
  pending_.clear();
}

void OutcomeSpool::ReadAll(std::uint64_t runs,
                           const std::function<void(const RunOutcome&)>& on_outcome) {
  Seek(0);
  std::vector<RunOutcome> batch(kBatch);
  while (runs > 0) {
    const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(runs, kBatch));
    if (std::fread(batch.data(), sizeof(RunOutcome), count, file_) != count) {
      if (!std::ferror(file_)) errno = EIO;
      Fail();
    }
    for (std::size_t i = 0; i < count; ++i) on_outcome(batch[i]);
    runs -= count;
  }
}

}  // namespace curvesmith::cli
