// The game's own one-byte character codes and the two conversions through
// them. Codes and characters the game cannot show still survive a load and
// save that nobody edited: an unknown code decodes to a stand-in character
// that encodes back to the same code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Stand-in for an unknown code c: the Braille pattern U+2800 + c, whose dots
// spell the bits of the byte.
inline constexpr char32_t kUnknownCodeBase = 0x2800;

std::u32string DecodeGameText(const std::vector<std::uint8_t>& codes);
// n codes for character positions 1..n; positions past the text's end are
// spaces. A lower-case letter stores its upper-case code; a character the game
// cannot show stores a space.
std::vector<std::uint8_t> EncodeGameText(const std::u32string& text, std::size_t count);

// The 47 characters game text can hold, in code order: the hint of the text
// fields.
std::u32string GameCharacterList();
