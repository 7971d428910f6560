// Colours as the system numbers them: blue-green-red order (&HBBGGRR).
// The ui converts them to screen colours; the core only stores numbers.
#pragma once

#include <cstdint>

namespace parvix {

using Color = std::uint32_t;

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kRed = 0x0000FF;              // 255: replace marks, "Overwrite"
constexpr Color kGreen = 0x00FF00;            // 65280: picked cells, enabled interrupts
constexpr Color kBlue = 0xFF0000;             // find marks
constexpr Color kDarkGreen = 0x008000;        // &H8000: "Insert"
constexpr Color kOriginGrey = 0xE0E0E0;       // origin rows
constexpr Color kCommentRowGreen = 0xC0FFC0;  // the row whose comment is edited
constexpr Color kButtonFace = 0x8000000F;     // system button face: unusable inputs

// The grid's normal cell colours.
constexpr Color kGridBackColor = kWhite;
constexpr Color kGridForeColor = kBlack;
// The grid's fixed-cell colours, used for the cursor mark on the Mnemonic cell.
// They differ from the normal cells and from every tool mark.
constexpr Color kGridFixedBackColor = 0x6B3A1F;  // deep blue
constexpr Color kGridFixedForeColor = kWhite;

}  // namespace parvix
