#ifndef CURVESMITH_CLI_DESCRIPTOR_OUTPUT_H_
#define CURVESMITH_CLI_DESCRIPTOR_OUTPUT_H_

#include <array>
#include <streambuf>
#include <string_view>

namespace curvesmith::cli {

// A stream buffer on a file descriptor that keeps the error of the first write
// that failed, so the tool can say why its output was lost. Once a write has
// failed, everything later is dropped and the stream reports failure.
class DescriptorBuffer : public std::streambuf {
 public:
  explicit DescriptorBuffer(int fd);
  DescriptorBuffer(const DescriptorBuffer&) = delete;
  DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

  // 0 while every write has succeeded, else the errno of the first failure.
  // Text still in the buffer is written by pubsync() (an ostream's flush).
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  bool Drain();

  int fd_;
  int error_ = 0;
  std::array<char, 1 << 16> buffer_;
};

// A closed standard output or standard error is held open on /dev/null for
// reading only: no file the tool opens can take its number, and writes to it
// fail with EBADF as writes to the closed descriptor would.
void HoldClosedOutputDescriptors();

}  // namespace curvesmith::cli

#endif  // CURVESMITH_CLI_DESCRIPTOR_OUTPUT_H_
