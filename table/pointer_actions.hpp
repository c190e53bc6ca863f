// What the pointer does on the table: a press takes a card or a run, turns a
// card or clicks the stock; a move drags; a release drops or sends the cards
// back; a double-click sends a card home. Selection games get their clicks.
#pragma once

#include <vector>

#include "app/core/settings_record.hpp"
#include "engine/game_session.hpp"
#include "table/card_dragger.hpp"
#include "table/card_flight_player.hpp"
#include "table/empty_stock_button.hpp"
#include "table/hit_testing.hpp"
#include "table/pointer_button.hpp"
#include "table/table_layout.hpp"
#include "table/table_renderer.hpp"

namespace quilloro {

// What the window shows for the pointer's actions.
class PointerListener {
 public:
  virtual ~PointerListener() = default;
  // The table's cursor number: the preference, or the preference + 10 while dragging.
  virtual void cursorChanged(int cursor) = 0;
  // The default system beep: a refused click.
  virtual void beep() = 0;
};

// The objects the pointer acts through, all owned by the window.
struct PointerContext {
  GameSession& session;
  const TableLayout& layout;
  TableRenderer& renderer;
  PixelSurface& window;
  CardDragger& dragger;
  CardFlightPlayer& flights;
  EmptyStockButton& stockButton;
  const SettingsRecord& settings;
  PointerListener& listener;
};

class PointerActions {
 public:
  explicit PointerActions(PointerContext context) : c_(context) {}

  void press(PointerButton button, int x, int y);
  void move(int x, int y);
  void release();
  void doubleClick();

  // The engine's flights go through here while the window plays them, so
  // that a landing of the dragged cards settles the drag image.
  void playFlight(const CardFlight& flight) { c_.flights.play(scene(), flight); }

  bool skipNextPress() const { return skipNextPress_; }
  // Whether the point lies on the stock pile of the game under way.
  bool onStock(int x, int y) const;
  // A card shown whole by a right-button press, until the release.
  bool peeking() const { return peek_.width > 0; }
  TableScene scene() const;

 private:
  Game& game() { return c_.session.game(); }
  int preferredCursor() const;
  void setCursor(int cursor);
  void pressLeft(const PileHit& hit);
  void pressTableau(const PileHit& hit);
  void pressStock();
  void peek(const PileHit& hit);
  void take(const PileHit& hit, bool run);
  void playToDiscard(CardNumber card);
  // The drop candidates in their order; answers whether one took the cards.
  bool drop();
  // The drop check of the pile's kind, and the move when it passes.
  bool dropOn(PileRef pile, CardNumber card, const std::vector<CardNumber>& run);
  // The dragged cards land where the move put them, should the engine's
  // flight not have brought them there.
  void settleDragged();
  void redrawCard(PileRef pile, int slot);

  PointerContext c_;
  bool skipNextPress_ = false;
  PixelRect peek_;
  int cursorShown_ = -1;
};

}  // namespace quilloro
