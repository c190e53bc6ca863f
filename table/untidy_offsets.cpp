#include "table/untidy_offsets.hpp"

namespace quilloro {
namespace {

// A random source that answers outside its bound is folded back into it.
int draw(const RandomSource& random, int bound) {
  const int value = random(bound) % bound;
  return value < 0 ? value + bound : value;
}

}  // namespace

void UntidyOffsets::regenerate(const RandomSource& random) {
  for (Table& table : tables_) {
    table.fill(0);
    int previous = draw(random, 4);
    int sum = 0;
    for (int entry = 1; entry <= 12; ++entry) {
      int b = draw(random, 4);
      // No two wide shifts in a row, and small ones only after a wide one.
      if ((previous > 2 && b > 2) || ((b == 1 || b == 2) && previous <= 2)) b = 0;
      int step = b < 3 ? b : -1;
      sum += step;
      if (sum >= 3) {
        step -= 2;
        sum -= 2;
      } else if (sum < -2) {
        step += 2;
        sum += 2;
      }
      table[static_cast<std::size_t>(entry)] = static_cast<std::int16_t>(step);
      previous = b;
    }
  }
}

int UntidyOffsets::offset(int pileIndex, int card) const {
  if (pileIndex < 0 || card < 0) return 0;
  const int t = pileIndex < kTables ? pileIndex : pileIndex % 6;
  const int entry = card > 12 ? card % 12 : card;
  return tables_[static_cast<std::size_t>(t)][static_cast<std::size_t>(entry)];
}

}  // namespace quilloro
