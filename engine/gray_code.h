#ifndef CURVESMITH_ENGINE_GRAY_CODE_H_
#define CURVESMITH_ENGINE_GRAY_CODE_H_

namespace curvesmith {

// The reflected Gray code of n: neighbouring numbers differ in one bit.
constexpr int GrayEncode(int n) {
  return n ^ (n >> 1);
}

// The number whose reflected Gray code is `code`: bit j of the result is the
// exclusive or of bits j and above of `code`.
// REQUIRES: 0 <= code < 2^16.
constexpr int GrayDecode(int code) {
  int n = code;
  for (int shift = 1; shift < 16; shift <<= 1) n ^= n >> shift;
  return n;
}

}  // namespace curvesmith

#endif  // CURVESMITH_ENGINE_GRAY_CODE_H_
