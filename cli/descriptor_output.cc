#include "cli/descriptor_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "files/file_writing.h"

namespace curvesmith::cli {

DescriptorBuffer::DescriptorBuffer(int fd) : fd_(fd) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool DescriptorBuffer::Drain() {
  const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  if (error_ == 0) error_ = files::WriteAll(fd_, pending);
  return error_ == 0;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

std::streamsize DescriptorBuffer::xsputn(const char* text, std::streamsize count) {
  if (count <= epptr() - pptr()) return std::streambuf::xsputn(text, count);
  // Large blocks go out directly, after what is already waiting.
  if (!Drain()) return 0;
  error_ = files::WriteAll(fd_, std::string_view(text, static_cast<std::size_t>(count)));
  return error_ == 0 ? count : 0;
}

int DescriptorBuffer::sync() {
  return Drain() ? 0 : -1;
}

void HoldClosedOutputDescriptors() {
  for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    const int held = ::open("/dev/null", O_RDONLY);
    if (held >= 0 && held != fd) {
      ::dup2(held, fd);
      ::close(held);
    }
  }
}

}  // namespace curvesmith::cli
