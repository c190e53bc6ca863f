// A proof that a deal can no longer be won, for the games whose cards come
// only from the stock, turned a card at a time, onto foundations that build
// in suit up from the aces and down from the kings, as many of each per suit
// as there are packs (Ebb and Flow). Each suit is played alone, the other
// suits' cards taken away: every line of the real game is a line of that one,
// so a suit that cannot come home alone cannot come home at all.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace quilloro::solver {

// One suit's game as it stands.
struct SuitAlone {
  // The suit's cards in the order of the stock (the waste's first), by rank.
  const std::vector<int>* ranks = nullptr;
  // Bit i: the card ranks[i] is home.
  std::uint32_t home = 0;
  // The cards before this index have been turned onto the waste.
  int turned = 0;
  // The redeals still allowed; negative when there is no limit.
  int redealsLeft = 0;
  // The top ranks of the suit's foundations building up (0 while empty,
  // packs of them) and building down (14 while empty, packs of them).
  std::vector<int> up;
  std::vector<int> down;
};

class SuitAloneBound {
 public:
  // Whether the suit can no longer come home. Each question looks at no more
  // than a few thousand positions of the suit's game, and answers false when
  // that is not enough to tell; answers are remembered per suit.
  bool cannotComeHome(int suit, const SuitAlone& game);

 private:
  enum class Answer : std::uint8_t { Won, Lost, Unknown };
  Answer solve(const SuitAlone& game, std::uint64_t key);
  static std::uint64_t keyOf(const SuitAlone& game);

  std::unordered_map<std::uint64_t, bool> known_;
  int suit_ = 0;
  int spent_ = 0;
};

}  // namespace quilloro::solver
