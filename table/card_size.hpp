// The three card sizes, chosen by the one-letter setting Card_Size.
#pragma once

namespace quilloro {

struct CardSize {
  char letter;  // 'B' normal, 'M' forced on narrow screens, 'P' miniature
  int width;
  int height;
};

inline constexpr CardSize kCardSizeNormal{'B', 71, 96};
inline constexpr CardSize kCardSizeMedium{'M', 59, 80};
inline constexpr CardSize kCardSizeMiniature{'P', 25, 32};

// The size a letter names; any letter but "M" and "P" reads as the normal size,
// which is also what the small-screen policy turns it into.
constexpr CardSize cardSizeFor(char letter) {
  if (letter == kCardSizeMedium.letter) return kCardSizeMedium;
  if (letter == kCardSizeMiniature.letter) return kCardSizeMiniature;
  return kCardSizeNormal;
}

}  // namespace quilloro
