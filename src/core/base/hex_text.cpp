#include "base/hex_text.h"

#include <algorithm>

namespace parvix {

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";
}

std::string Hex2(int value) {
  std::string text(2, '0');
  text[0] = kDigits[(value >> 4) & 0xF];
  text[1] = kDigits[value & 0xF];
  return text;
}

std::string Hex4(int value) {
  std::string text(4, '0');
  for (int i = 0; i < 4; ++i) text[i] = kDigits[(value >> (12 - 4 * i)) & 0xF];
  return text;
}

std::string HexBare(int value) {
  if (value == 0) return "0";
  std::string text;
  auto v = static_cast<unsigned>(value);
  while (v != 0) {
    text.insert(text.begin(), kDigits[v & 0xF]);
    v >>= 4;
  }
  return text;
}

std::string HexAtLeast4(int value) {
  std::string text = HexBare(value);
  if (text.size() < 4) text.insert(0, 4 - text.size(), '0');
  return text;
}

bool IsHexDigit(char c) { return HexDigitValue(c) >= 0; }

bool IsHexDigits(std::string_view text, size_t count) {
  return text.size() == count && std::all_of(text.begin(), text.end(), IsHexDigit);
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

int HexByteValue(std::string_view text) {
  if (text.size() != 2) return -1;
  const int high = HexDigitValue(text[0]);
  const int low = HexDigitValue(text[1]);
  return high < 0 || low < 0 ? -1 : high * 16 + low;
}

std::optional<int> ParseHex(std::string_view text) {
  if (text.empty() || text.size() > 7) return std::nullopt;
  int value = 0;
  for (char c : text) {
    int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + digit;
  }
  return value;
}

}  // namespace parvix
