#include "engine/utf8_sequence.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace curvesmith {
namespace {

// File names and messages are read with it: a byte it takes wrongly for a
// character would make a file name that cannot be opened again, or a message
// that hides what was typed.
TEST(Utf8SequenceTest, TakesWellFormedSequencesOnly) {
  const struct {
    std::string_view bytes;
    std::size_t length;
    std::uint32_t code_point;
  } cases[] = {
      {"A", 1, 0x41},
      {"\xc3\xa9!", 2, 0xE9},
      {"\xe2\x82\xac", 3, 0x20AC},
      {"\xf0\x9f\x98\x80", 4, 0x1F600},
      {"\xf4\x8f\xbf\xbf", 4, 0x10FFFF},
      {"", 0, 0},
      {"\x80", 0, 0},              // a continuation byte alone
      {"\xc0\xaf", 0, 0},          // overlong "/"
      {"\xe0\x80\xaf", 0, 0},      // overlong "/"
      {"\xf0\x82\x82\xac", 0, 0},  // overlong euro sign
      {"\xed\xa0\x80", 0, 0},      // a surrogate
      {"\xf4\x90\x80\x80", 0, 0},  // above U+10FFFF
      {"\xe2\x82", 0, 0},          // cut short
      {"\xe2\x41\xac", 0, 0},      // a byte that continues nothing
      {"\xc3\xc3\xa9", 0, 0},      // a lead byte where a continuation belongs
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.bytes)));
    std::uint32_t code_point = 0;
    const std::size_t length = Utf8Sequence(c.bytes, code_point);
    EXPECT_EQ(length, c.length);
    if (length > 0) {
      EXPECT_EQ(code_point, c.code_point);
    }
  }
}

}  // namespace
}  // namespace curvesmith
