#include "engine/game_number.hpp"

#include <cmath>
#include <cstdint>

namespace quilloro {

std::string normaliseGameNumber(std::string_view gameNumber) {
  std::string padded(kGameNumberDigits, '0');
  padded.append(gameNumber);
  return padded.substr(padded.size() - kGameNumberDigits);
}

std::string chooseGameNumber(std::mt19937& random) {
  std::uniform_int_distribution<std::int64_t> first(0, 9'999'998);
  std::uniform_int_distribution<std::int64_t> second(0, 999'998);
  // The product stays below 10^13, so it is exact as a double and as an integer.
  const double product = static_cast<double>(first(random)) * static_cast<double>(second(random));
  return normaliseGameNumber(std::to_string(static_cast<std::int64_t>(std::llround(product))));
}

}  // namespace quilloro
