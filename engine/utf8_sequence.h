#ifndef CURVESMITH_ENGINE_UTF8_SEQUENCE_H_
#define CURVESMITH_ENGINE_UTF8_SEQUENCE_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace curvesmith {

// The length (1 to 4) of the well-formed UTF-8 sequence at the start of
// `text`, and the code point it holds in `code_point`. 0 when the text is
// empty or its first byte starts no well-formed sequence: a stray
// continuation byte, an overlong form, a surrogate, a code point above
// U+10FFFF or a sequence cut short. Messages and file names alike are read
// with it, so that both take the same bytes for characters.
std::size_t Utf8Sequence(std::string_view text, std::uint32_t& code_point);

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_UTF8_SEQUENCE_H_
