// Showing, as far as any play could, every face-down card of the tableau.
#include "engine/solver/hidden_for_ever.hpp"

#include <array>

namespace quilloro::solver {

namespace {

constexpr int kMaxCards = 2 * kCardsPerPack + 1;

class ShownCards {
 public:
  explicit ShownCards(const FastPosition& position) : position_(position), rules_(position.rules()) {
    const int last = rules_.hasStock() ? position.wastePile() : position.stockPile() - 1;
    for (int pile = 0; pile <= last; ++pile) {
      const bool tableau = pile < rules_.tableauCount();
      // A card home stays there where none is taken back: it counts for
      // the cards of its suit above it, but never lies on the tableau again.
      const bool home = pile >= position.foundationPile(0) && pile < position.stockPile();
      for (int slot = tableau ? position.faceDown(pile) : 0; slot < position.size(pile); ++slot)
        show(position.card(pile, slot), tableau, !home || rules_.takesBack());
    }
    for (int t = 0; t < rules_.tableauCount(); ++t) {
      hidden_[static_cast<std::size_t>(t)] = position.faceDown(t);
      if (position.size(t) == 0) emptyPile_ = true;
    }
  }

  // Shows every card the counting can reach; true when some card stays hidden.
  bool someStayHidden() {
    for (bool grown = true; grown;) {
      grown = false;
      emptyPile_ = emptyPile_ || emptyPileMayCome();
      grown = placeCards() || grown;
      for (int t = 0; t < rules_.tableauCount(); ++t) grown = showUnder(t) || grown;
    }
    for (const int hidden : hidden_)
      if (hidden > 0) return true;
    return false;
  }

 private:
  void show(FastCard card, bool onTableau, bool mayComeToTableau = true) {
    ++shown_[static_cast<std::size_t>(rules_.suit(card))][static_cast<std::size_t>(rules_.rank(card))];
    if (onTableau) onTableau_[card] = true;
    seen_[card] = mayComeToTableau;
  }
  bool mayGoHome(FastCard card) const {
    for (int lower = kAce; lower < rules_.rank(card); ++lower)
      if (shown_[static_cast<std::size_t>(rules_.suit(card))][static_cast<std::size_t>(lower)] == 0) return false;
    return true;
  }
  // Some card that may lie on the tableau takes the card; pileCards (if
  // any) are left out but for those marked in spared.
  bool baseFor(FastCard card, int pile, const std::array<bool, kMaxCards>* spared) const {
    for (int base = 1; base < kMaxCards; ++base) {
      if (!onTableau_[base] || base == card || !rules_.builds(static_cast<FastCard>(base), card)) continue;
      if (pile >= 0 && inSegment(pile, static_cast<FastCard>(base)) && !(*spared)[base]) continue;
      return true;
    }
    return false;
  }
  bool inSegment(int pile, FastCard card) const {
    for (int slot = hidden_[static_cast<std::size_t>(pile)]; slot < position_.size(pile); ++slot)
      if (position_.card(pile, slot) == card) return true;
    return false;
  }
  // Cards off the tableau come onto it only onto a card lying there or onto
  // an empty pile.
  bool placeCards() {
    bool grown = false;
    for (int card = 1; card < kMaxCards; ++card) {
      if (!seen_[card] || onTableau_[card]) continue;
      const auto fast = static_cast<FastCard>(card);
      if ((emptyPile_ && rules_.fillsEmpty(fast)) || baseFor(fast, -1, nullptr)) {
        onTableau_[card] = true;
        grown = true;
      }
    }
    return grown;
  }
  // Some pile is empty, or could first come empty: every card of it shown,
  // its bottom card leaving onto a card on the tableau or home.
  bool emptyPileMayCome() const {
    for (int t = 0; t < rules_.tableauCount(); ++t) {
      if (hidden_[static_cast<std::size_t>(t)] != 0) continue;
      const FastCard bottom = position_.card(t, 0);
      if (mayGoHome(bottom) || baseFor(bottom, -1, nullptr)) return true;
    }
    return false;
  }
  // Shows the pile's top hidden card if the card on it may leave; true if so.
  // The cards above a hidden card all leave the pile before it shows: they
  // can take a card of the pile after that only where one of them, or one
  // under it, may be put elsewhere on the tableau.
  bool showUnder(int t) {
    int& hidden = hidden_[static_cast<std::size_t>(t)];
    if (hidden == 0) return false;
    const int height = position_.size(t);
    if (hidden < height) {
      std::array<bool, kMaxCards> spared{};
      bool moved = false;
      for (bool grown = true; grown;) {
        grown = false;
        moved = false;
        for (int slot = hidden; slot < height; ++slot) {
          const FastCard card = position_.card(t, slot);
          moved = moved || (emptyPile_ && rules_.fillsEmpty(card)) || baseFor(card, t, &spared);
          if (moved && !spared[card]) {
            spared[card] = true;
            grown = true;
          }
        }
      }
      const FastCard blocker = position_.card(t, hidden);
      if (!mayGoHome(blocker) && !(emptyPile_ && rules_.fillsEmpty(blocker)) && !baseFor(blocker, t, &spared))
        return false;
    }
    --hidden;
    show(position_.card(t, hidden), true);
    return true;
  }

  const FastPosition& position_;
  const FastRules& rules_;
  std::array<std::array<std::uint8_t, 14>, 4> shown_{};
  std::array<bool, kMaxCards> seen_{};
  // Cards that lie on the tableau or may be put there.
  std::array<bool, kMaxCards> onTableau_{};
  std::array<int, kMaxTableau> hidden_{};
  bool emptyPile_ = false;
};

}  // namespace

bool cardHiddenForEver(const FastPosition& position) {
  const FastRules& rules = position.rules();
  // Rows dealt onto the tableau bury its cards anew; rows dealt onto
  // reserves that only give never touch it.
  if ((rules.dealsRows() && !rules.dealsToReserves()) || (rules.reserveCount() > 0 && rules.reservesTakeCards()))
    return false;
  bool anyHidden = false;
  for (int t = 0; t < rules.tableauCount() && !anyHidden; ++t) anyHidden = position.faceDown(t) > 0;
  return anyHidden && ShownCards(position).someStayHidden();
}

}  // namespace quilloro::solver
