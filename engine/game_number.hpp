// Game numbers: the up to 13 decimal digits that select a deal.
#pragma once

#include <random>
#include <string>
#include <string_view>

namespace quilloro {

inline constexpr int kGameNumberDigits = 13;

// "0000000000000" in front, the rightmost 13 characters kept: a longer number
// loses its leading digits, an empty one is 0. Characters that are not digits
// read as 0 wherever a digit is taken from the result.
std::string normaliseGameNumber(std::string_view gameNumber);

// A new random game number of 13 digits: the product of a uniform integer in
// 0 .. 9 999 998 and one in 0 .. 999 998, zero-padded.
std::string chooseGameNumber(std::mt19937& random);

}  // namespace quilloro
