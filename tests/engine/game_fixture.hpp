// A game on a table set up by hand: parameters and piles as a test needs them.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

#include "app/core/settings_record.hpp"
#include "engine/game.hpp"
#include "engine/recording_observer.hpp"

namespace quilloro::testing {

inline std::filesystem::path builtGamesDat() {
  const char* home = std::getenv("QUILLORO_HOME");
  return std::filesystem::path(home != nullptr ? home : "build/quilloro") / "GAMES.DAT";
}

class TestTable {
 public:
  explicit TestTable(const GamesDat* games = nullptr) : game(games, settings, observer, geometry) {
    settings.set(field::ScoringKind, "01");
    settings.set(field::UndoEnabled, "0");
    settings.set(field::CardsAnimate, "Y");
    for (const SettingsField& f : {field::SoundsAutoplay, field::SoundsFoundation, field::SoundsStock,
                                   field::SoundsTableau, field::SoundsUndo, field::SoundsRedo, field::SoundsRedeal,
                                   field::SoundsShuffle, field::SoundsFaceUp, field::SoundsPairing})
      settings.set(f, "Y");
    game.setAutoplay(false);
    game.setUnderWay(true);
    // Sensible defaults: one pack, four foundations up in suit from the ace,
    // seven tableau piles down in alternate colours, a waste.
    set({{param::kCardsInPlay, 52}, {param::kFoundationCount, 4}, {param::kTableauCount, 7},
         {param::kReserveCount, 0}, {param::kShowWaste, 1}, {param::kCardsPerClick, 1},
         {param::kStockPasses, -1}, {param::kRedealReshuffles, 0}, {param::kStockFaceDown, 1},
         {param::kAutoplayAvailable, 1}, {param::kMaxCardsMoved, -1}, {param::kMultiCardMoveRule, 1},
         {param::kWasteNeverTarget, 4}, {param::kGameFamily, 0}, {param::kSelectByClick, 0},
         {param::kAutoFillTableau, 0}, {param::kReorderFoundations, 0}, {param::kTableauWalkOrder, 0},
         {param::kFoundationTakeBack, 1}, {param::kDiscardArrangement, 0}});
    for (int i = 0; i < kMaxFoundations; ++i) {
      game.state.parameters[param::kFoundationBaseRankFirst + i] = 1;
      game.state.parameters[param::kFoundationDirectionFirst + i] = 1;
      game.state.parameters[param::kFoundationBuildTypeFirst + i] = 0;
      game.state.parameters[param::kFoundationDealCardFirst + i] = 0;
    }
    for (int i = 0; i < kMaxTableau; ++i) {
      game.state.parameters[param::kTableauBaseRankFirst + i] = 13;
      game.state.parameters[param::kTableauDirectionFirst + i] = 0;
      game.state.parameters[param::kTableauBuildTypeFirst + i] = 3;
      game.state.parameters[param::kTableauPassBaseFirst + i] = 0;
      game.state.parameters[param::kTableauRowDealFirst + i] = 0;
      game.state.parameters[param::kDealTableauFirst + i] = 0;
      game.state.parameters[param::kDealTableauFaceUpFirst + i] = 0;
    }
    for (int i = 0; i < kMaxReserves; ++i) {
      game.state.parameters[param::kReserveTypeFirst + i] = 0;
      game.state.parameters[param::kReserveRowDealFirst + i] = 0;
      game.state.parameters[param::kDealReserveFirst + i] = 0;
    }
    for (const int index : {param::kDealStock, param::kDealWaste, param::kDealDiscard, param::kDiscardDealCard,
                            param::kBaseFromFoundationCard, param::kDealCardToFoundation1, param::kHasDiscardPile})
      game.state.parameters[index] = 0;
  }

  void set(std::initializer_list<std::pair<int, int>> values) {
    for (const auto& [index, value] : values) game.state.parameters[index] = static_cast<ParameterValue>(value);
  }

  // Lays a pile from state tokens ("0011" ace of hearts face up, "0130" king
  // of hearts face down), by pile name or "Waste" for the discard pile.
  void lay(const std::string& name, const std::string& tokens) {
    PileRef pile{PileList::Stock, kDiscardIndex};
    if (name != "Waste") pile = *pileFromName(name);
    if (!game.state.restorePile(pile.list, pile.index, tokens)) throw std::invalid_argument(tokens);
  }

  std::string tokens(const std::string& name) const {
    PileRef pile{PileList::Stock, kDiscardIndex};
    if (name != "Waste") pile = *pileFromName(name);
    return game.state.stateTokens(game.state.piles.pile(pile));
  }

  SettingsRecord settings;
  RecordingObserver observer;
  LibraryAnchorGeometry geometry;
  Game game;
};

}  // namespace quilloro::testing
