// Cards flying across the table: a straight flight of the drag image in
// small steps, a dragged card landing on its pile or going back, the deal,
// and the flights the engine announces.
#pragma once

#include <vector>

#include "app/core/settings_record.hpp"
#include "engine/engine_observer.hpp"
#include "table/card_dragger.hpp"
#include "table/motion_services.hpp"
#include "table/table_renderer.hpp"

namespace quilloro {

struct FlightOptions {
  bool compose = true;  // build the image of this card alone; otherwise the current image flies
  bool lifted = false;  // travel lifted by the shadow size, set down at the end
  bool fast = false;    // short steps, no pause between them
  bool commit = true;   // set the image down into the table buffer at the end
};

class CardFlightPlayer {
 public:
  CardFlightPlayer(CardDragger& dragger, TableRenderer& renderer, const SettingsRecord& settings,
                   PixelSurface& window, Pacer& pacer, SoundRequests* sounds = nullptr);

  // Flies the card (kFlyingBack for a back) from start to target.
  void fly(CardNumber card, Point start, Point target, const FlightOptions& options);

  // Where a card of the slot lies as drawn: the stock, waste and discard pile
  // show their top card lifted by the pile's thickness.
  static Point landingPosition(const TableScene& scene, PileRef pile, int slot);

  // The dragged cards go back to the pile they were taken from.
  void returnDragged(const TableScene& scene);
  // The dragged cards land on the slot of the pile, where they already are in the game.
  void landDraggedOn(const TableScene& scene, PileRef pile, int slot);
  // A flight of the engine. A landing of the cards being dragged settles the
  // drag image; any other flight composes the card at its start.
  void play(const TableScene& scene, const CardFlight& flight);
  // The deal: every card of the reserves and the tableau flies from the deal
  // source to its place, in drawing order, with the shuffle sound looping.
  void playDeal(const TableScene& scene);

 private:
  // The dragged image flies to the slot of the pile and the pile's cards from
  // that slot on are drawn in their own places.
  void landDragged(const TableScene& scene, PileRef pile, int slot);
  void drawLanded(const TableScene& scene, PileRef pile, int fromSlot, const PixelRect& image);
  void drawStockList(const TableScene& scene);
  void refreshAround(const PixelRect& rect, int margin);
  int stepDelay() const;

  CardDragger& dragger_;
  TableRenderer& renderer_;
  const SettingsRecord& settings_;
  PixelSurface& window_;
  Pacer& pacer_;
  SoundRequests* sounds_;
  // The run cards still to arrive after the dragged card landed on this pile.
  PileRef runTarget_{PileList::Stock, kStockIndex};
  std::vector<CardNumber> runStillArriving_;
  PixelRect landedArea_;
};

}  // namespace quilloro
