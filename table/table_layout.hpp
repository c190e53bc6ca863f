// The table layout as the engine's table geometry: card size, fan steps, every pile anchor and
// the position of each card, stored into the card support library at every run.
#pragma once

#include <random>
#include <string>

#include "app/core/settings_record.hpp"
#include "engine/game_state.hpp"
#include "engine/table_geometry.hpp"
#include "table/card_size.hpp"
#include "table/fan_steps.hpp"
#include "table/pile_anchors.hpp"
#include "table/table_area.hpp"
#include "table/untidy_offsets.hpp"

namespace quilloro {

// What the shell does about a layout run: reload images, enable the
// Customize entry, show the small-screen notice.
class TableLayoutListener {
 public:
  virtual ~TableLayoutListener() = default;
  virtual void cardSizeChanged(const CardSize& /*size*/) {}
  virtual void customizeAvailable(bool /*available*/) {}
  virtual void notice(const std::string& /*text*/) {}
};

class TableLayout : public TableGeometry {
 public:
  // random feeds the untidy offsets; without one a clock-seeded generator does.
  explicit TableLayout(SettingsRecord& settings, TableLayoutListener* listener = nullptr, RandomSource random = {});
  // The default random source draws from this object's own generator.
  TableLayout(const TableLayout&) = delete;
  TableLayout& operator=(const TableLayout&) = delete;

  // The game whose piles and parameters are laid out. Until one is attached
  // prepare table does nothing and positions are the bare anchors.
  void attach(const GameState& state) { state_ = &state; }
  void setWindow(const WindowMetrics& window) { window_ = window; }
  const WindowMetrics& window() const { return window_; }
  // The next prepare table is for a game the player has just chosen, which may
  // show the small-screen notice (once per run).
  void markGameJustChosen(std::string gameName);

  // New or opened game: small-screen policy, card size, fan steps, untidy
  // offsets, then place piles.
  void prepareTable() override;
  // Resize and Customize: every anchor again, from the table area and the
  // parameters, stored into the library.
  void placePiles();
  void regenerateUntidyOffsets();

  bool isPlaced(PileRef pile) const override;
  Point cardPosition(PileRef pile, int slot) const override;
  // The left of the card in a slot (0 = bottom), untidy offset included.
  int xOfCard(PileRef pile, int slot) const;
  // The anchor top plus the downward steps of every card but the top one, plus H.
  int bottomOfPile(PileRef pile) const;

  const CardSize& cardSize() const { return cardSize_; }
  const FanSteps& fanSteps() const { return steps_; }
  const TableArea& area() const { return area_; }
  // The anchors of the last run; the stock list here is the layout's own copy,
  // which drawing lifts by the pile's thickness in the library only.
  const PileAnchors& anchors() const { return anchors_; }
  int tableauGap() const { return tableauGap_; }
  bool customizeEnabled() const { return customizeEnabled_; }
  const UntidyOffsets& untidyOffsets() const { return untidy_; }

 private:
  void applyCardSize(char letter);
  void storeAnchors() const;
  Anchor anchorOf(PileRef pile) const;
  Spread spreadOfPile(PileRef pile) const;
  // The horizontal and vertical distance from a card to the next one.
  Point stepAfter(Spread spread, CardNumber card, bool faceDown) const;
  bool untidyApplies(PileRef pile) const;

  SettingsRecord& settings_;
  TableLayoutListener* listener_;
  RandomSource random_;
  std::mt19937 generator_;
  const GameState* state_ = nullptr;
  WindowMetrics window_;

  CardSize cardSize_ = kCardSizeNormal;
  FanSteps steps_;
  TableArea area_;
  PileAnchors anchors_;
  int tableauGap_ = 0;
  UntidyOffsets untidy_;
  bool customizeEnabled_ = true;
  bool noticeShown_ = false;
  std::string justChosenGame_;
  bool gameJustChosen_ = false;
};

}  // namespace quilloro
