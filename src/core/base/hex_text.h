// Hex text: every number that passes between the parts of the system is
// upper-case hex text, zero-padded to the width the value needs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace parvix {

// Two upper-case hex digits of the low byte of `value` ("0A").
std::string Hex2(int value);
// Four upper-case hex digits of the low 16 bits of `value` ("8000").
std::string Hex4(int value);
// Upper-case hex digits, padded to at least four: an address text that keeps
// every digit of a value of 10000 hex or more.
std::string HexAtLeast4(int value);
// Upper-case hex digits without padding ("A", "1F").
std::string HexBare(int value);

// Parses hex digits (either case); nothing for an empty or non-hex text or
// a value above 0xFFFFFFF.
std::optional<int> ParseHex(std::string_view text);

// True for 0-9, A-F, a-f.
bool IsHexDigit(char c);
// True when `text` is exactly `count` hex digits (either case).
bool IsHexDigits(std::string_view text, size_t count);
// The value of a hex digit character, or -1.
int HexDigitValue(char c);
// The value of a text of exactly two hex digits (either case), or -1.
int HexByteValue(std::string_view text);

}  // namespace parvix
