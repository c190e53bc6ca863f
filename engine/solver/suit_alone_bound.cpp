// One suit's game searched through, depth first, each position once. Every
// step brings a card home, turns one over or spends a redeal, so no position
// comes back and an answer, once found, holds for good.
#include "engine/solver/suit_alone_bound.hpp"

#include <algorithm>
#include <utility>

namespace quilloro::solver {

namespace {

constexpr int kMaxFoundationsEachWay = 2;
constexpr int kMaxCards = 26;
constexpr int kEmptyDown = 14;
// The positions one question may look at before it gives up.
constexpr int kPositionsAQuestion = 4000;
// Beyond this many answers kept, they are forgotten and found again.
constexpr std::size_t kAnswersKept = std::size_t{1} << 20;

}  // namespace

std::uint64_t SuitAloneBound::keyOf(const SuitAlone& game) {
  std::uint64_t key = game.home;
  key = key << 5 | static_cast<std::uint64_t>(game.turned);
  key = key << 3 | static_cast<std::uint64_t>(std::clamp(game.redealsLeft + 1, 0, 7));
  for (const std::vector<int>* tops : {&game.up, &game.down}) {
    // Alike foundations count in either order.
    int low = tops->empty() ? 0 : tops->front();
    int high = tops->size() < 2 ? 0 : (*tops)[1];
    if (low > high) std::swap(low, high);
    key = (key << 4 | static_cast<std::uint64_t>(low)) << 4 | static_cast<std::uint64_t>(high);
  }
  return key;
}

bool SuitAloneBound::cannotComeHome(int suit, const SuitAlone& game) {
  // Without a limit on the redeals the suit's positions come back: no proof.
  if (game.redealsLeft < 0 || game.ranks == nullptr || game.ranks->size() > kMaxCards) return false;
  if (game.up.size() > kMaxFoundationsEachWay || game.down.size() > kMaxFoundationsEachWay) return false;
  if (known_.size() > kAnswersKept) known_.clear();
  suit_ = suit;
  spent_ = 0;
  return solve(game, keyOf(game)) == Answer::Lost;
}

SuitAloneBound::Answer SuitAloneBound::solve(const SuitAlone& game, std::uint64_t key) {
  const std::vector<int>& ranks = *game.ranks;
  const auto size = static_cast<int>(ranks.size());
  const std::uint32_t everyCard = size == 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << size) - 1;
  if ((game.home & everyCard) == everyCard) return Answer::Won;
  const std::uint64_t stored = key << 2 | static_cast<std::uint64_t>(suit_);
  if (const auto found = known_.find(stored); found != known_.end()) return found->second ? Answer::Won : Answer::Lost;
  if (++spent_ > kPositionsAQuestion) return Answer::Unknown;
  bool unsure = false;
  auto tryNext = [&](const SuitAlone& next) {
    const Answer answer = solve(next, keyOf(next));
    if (answer == Answer::Unknown) unsure = true;
    return answer == Answer::Won;
  };
  int top = game.turned - 1;
  while (top >= 0 && ((game.home >> top) & 1U) != 0) --top;
  if (top >= 0) {
    const int rank = ranks[static_cast<std::size_t>(top)];
    for (const bool upward : {true, false}) {
      const std::vector<int>& tops = upward ? game.up : game.down;
      for (std::size_t f = 0; f < tops.size(); ++f) {
        if (tops[f] != (upward ? rank - 1 : rank + 1)) continue;
        // Foundations alike take alike: the first of them stands for all.
        if (std::find(tops.begin(), tops.begin() + static_cast<std::ptrdiff_t>(f), tops[f]) != tops.begin() + static_cast<std::ptrdiff_t>(f))
          continue;
        SuitAlone next = game;
        next.home |= std::uint32_t{1} << top;
        (upward ? next.up : next.down)[f] = rank;
        if (tryNext(next)) {
          known_[stored] = true;
          return Answer::Won;
        }
      }
    }
  }
  int turn = game.turned;
  while (turn < size && ((game.home >> turn) & 1U) != 0) ++turn;
  SuitAlone next = game;
  bool canClick = true;
  if (turn < size) {
    next.turned = turn + 1;
  } else if (game.redealsLeft > 0) {
    next.turned = 0;
    --next.redealsLeft;
  } else {
    canClick = false;
  }
  if (canClick && tryNext(next)) {
    known_[stored] = true;
    return Answer::Won;
  }
  if (unsure) return Answer::Unknown;
  known_[stored] = false;
  return Answer::Lost;
}

}  // namespace quilloro::solver
