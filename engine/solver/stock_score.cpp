// The stock games' score: with two packs and a stock, most positions differ
// in where the low cards lie buried, under tableau cards or under the waste
// that a single pass leaves behind.
#include "engine/solver/stock_score.hpp"

#include <array>

#include "engine/solver/open_score.hpp"

namespace quilloro::solver {

namespace {

constexpr int kPerCardHome = 100;
constexpr int kPerFaceDown = 30;
constexpr int kPerBreak = 5;
constexpr int kPerCardAboveNeeded = 10;
constexpr int kPerWasteCardAboveNeeded = 12;
// Every card on the waste is one more to play off its top, in turn, before
// the stock runs out: measured on Forty Thieves, Busy Aces and Diplomat,
// counting them against the position wins half as many deals again.
constexpr int kPerWasteCard = 15;
constexpr int kPerEmptyPile = 40;
constexpr int kPerFreeCell = 20;

}  // namespace

int stockScore(const FastPosition& position) {
  const FastRules& rules = position.rules();
  // The lowest rank of each suit not yet home in every pack: it and the
  // rank above it are what the foundations wait for.
  const std::array<int, 4> next = lowestRanksOut(position);
  auto needed = [&](FastCard card) { return rules.rank(card) <= next[static_cast<std::size_t>(rules.suit(card))] + 1; };
  int faceDown = 0;
  int breaks = 0;
  int emptyPiles = 0;
  int buried = 0;
  for (int t = 0; t < rules.tableauCount(); ++t) {
    const int pile = position.tableauPile(t);
    const int height = position.size(pile);
    if (height == 0) ++emptyPiles;
    const int down = position.faceDown(pile);
    faceDown += down;
    int firstNeeded = -1;
    for (int slot = 0; slot < height && firstNeeded < 0; ++slot)
      if (needed(position.card(pile, slot))) firstNeeded = slot;
    for (int slot = down + 1; slot < height; ++slot) {
      const FastCard below = position.card(pile, slot - 1);
      const FastCard card = position.card(pile, slot);
      if (!rules.joinsRun(below, card)) breaks += rules.builds(below, card) ? 1 : 2;
    }
    if (firstNeeded >= 0) buried += height - 1 - firstNeeded;
  }
  // The waste gives only its top card: every card above a needed one must
  // be played first.
  int buriedInWaste = 0;
  const int waste = position.wastePile();
  const int wasteHeight = rules.hasStock() && !rules.dealsRows() ? position.size(waste) : 0;
  for (int slot = 0; slot < wasteHeight; ++slot)
    if (needed(position.card(waste, slot))) {
      buriedInWaste = wasteHeight - 1 - slot;
      break;
    }
  int freeCells = 0;
  for (int r = 0; r < rules.reserveCount(); ++r) freeCells += position.size(position.reservePile(r)) == 0 ? 1 : 0;
  return kPerCardHome * position.cardsHome() - kPerFaceDown * faceDown - kPerBreak * breaks -
         kPerCardAboveNeeded * buried - kPerWasteCardAboveNeeded * buriedInWaste + kPerEmptyPile * emptyPiles +
         kPerFreeCell * freeCells - kPerWasteCard * wasteHeight;
}

}  // namespace quilloro::solver
