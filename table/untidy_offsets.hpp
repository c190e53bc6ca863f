// Sideways shifts of a few pixels that make downward tableau fans look hand-laid.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace quilloro {

// A random integer in [0, bound).
using RandomSource = std::function<int(int bound)>;

class UntidyOffsets {
 public:
  static constexpr int kTables = 7;
  static constexpr int kEntries = 14;
  using Table = std::array<std::int16_t, kEntries>;

  // Every entry 0 until the first regeneration.
  UntidyOffsets() = default;

  // Refills every table: entry 0 stays 0 so the bottom card never moves; each
  // further entry is a step of -1 to 2 whose running sum stays within -2..2.
  void regenerate(const RandomSource& random);

  // The shift of card k (0 = bottom) of tableau pile p (0-based). Piles past
  // the seventh reuse the tables from the second on; cards past the thirteenth
  // repeat the entries.
  int offset(int pileIndex, int card) const;

  const Table& table(int t) const { return tables_.at(static_cast<std::size_t>(t)); }

 private:
  std::array<Table, kTables> tables_{};
};

}  // namespace quilloro
