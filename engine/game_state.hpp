// The state of the game in progress: card table, pile lists and parameters, with the table's operations.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/card_table.hpp"
#include "engine/game_parameters.hpp"
#include "engine/pile.hpp"
#include "engine/pile_names.hpp"

namespace quilloro {

class PileLists {
 public:
  // Throws std::out_of_range for an index outside the list.
  Pile& pile(PileList list, int index);
  const Pile& pile(PileList list, int index) const;
  Pile& pile(PileRef ref) { return pile(ref.list, ref.index); }
  const Pile& pile(PileRef ref) const { return pile(ref.list, ref.index); }

  Pile& stock() { return stock_[kStockIndex]; }
  Pile& waste() { return stock_[kWasteIndex]; }
  Pile& discard() { return stock_[kDiscardIndex]; }
  const Pile& stock() const { return stock_[kStockIndex]; }
  const Pile& waste() const { return stock_[kWasteIndex]; }
  const Pile& discard() const { return stock_[kDiscardIndex]; }

  void clear();

  friend bool operator==(const PileLists&, const PileLists&) = default;

 private:
  std::array<Pile, kStockListSize> stock_;
  std::array<Pile, kMaxFoundations> foundations_;
  std::array<Pile, kMaxTableau> tableau_;
  std::array<Pile, kMaxReserves> reserves_;
};

class GameState {
 public:
  CardTable cards;
  PileLists piles;
  GameParameters parameters;

  // Appends the card to the pile; a non-empty state text also sets the card's
  // face state (never for card 0, a hole).
  void putCard(PileList list, int index, CardNumber card, std::string_view faceState);
  // The same by pile name (a tableau pile, foundation, reserve or "Mazzo_Vis");
  // any other name puts the card nowhere and answers false.
  bool putCardOnNamedPile(std::string_view name, CardNumber card, std::string_view faceState);

  // Replaces the pile by the cards of a string of four-character state tokens
  // ("0271" = ace of clubs face up, "0000" a hole). A malformed string leaves
  // the pile and the card table untouched and answers false.
  bool restorePile(PileList list, int index, std::string_view stateTokens);
  // The pile written as state tokens, for undo steps and saved games.
  std::string stateTokens(const Pile& pile) const;

  bool searchPile(PileList list, int index, CardNumber card, SearchMode mode);
  // Searches every pile and removes the card (or leaves a hole); answers where it was.
  PileKind takeCardOutOfPlay(CardNumber card) { return findCardPileKind(card, SearchMode::Remove); }
  PileKind takeCardOutLeavingHole(CardNumber card) { return findCardPileKind(card, SearchMode::LeaveHole); }
  // Searches waste, tableau piles in use, foundations, stock, discard pile and
  // reserves, in that order, and stops at the first hit.
  PileKind findCardPileKind(CardNumber card, SearchMode mode);

  bool isFaceDown(CardNumber card) const { return cards.isFaceDown(card); }

  // Sets the face state of the top count cards; with count -1 the whole pile
  // alternates from the bottom: up, down, up, down ...
  void setTopFaceStates(const Pile& pile, int count, std::string_view faceState);

  // The greatest card count over the tableau piles in use.
  int longestTableauPile() const;

  // Number of piles in use of a list, from the parameters, kept inside the list.
  int pilesInUse(PileList list) const;
};

}  // namespace quilloro
