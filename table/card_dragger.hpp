// The cards that follow the pointer: a pre-composed image of the lifted card or
// run, moved over the window by restoring only the bands it uncovers from the
// table buffer, with its drop shadow, and set down into the table buffer.
#pragma once

#include <vector>

#include "app/core/settings_record.hpp"
#include "engine/game_state.hpp"
#include "table/hit_testing.hpp"
#include "table/motion_services.hpp"
#include "table/pixel_surface.hpp"
#include "table/table_renderer.hpp"

namespace quilloro {

// A card number that flies as a card back.
inline constexpr CardNumber kFlyingBack = -1;

struct DragState {
  CardNumber draggedCard = kNoCard;  // none while no drag is in progress
  int grabX = 0;                     // pointer minus the image's left and top
  int grabY = 0;
  int imageHeight = 0;
  PixelRect current;                 // the image as last drawn on the window
  Point lastDrawn;
  bool moved = false;                // the pointer moved since the press
  Point lastPress;
  // Where the lifted cards were taken from.
  PileRef source{PileList::Stock, kStockIndex};
  int sourceSlot = 0;
  int runLength = 0;
  std::vector<CardNumber> run;  // the lifted cards, bottom first
};

class CardDragger {
 public:
  static constexpr int kShadowSize = 9;

  CardDragger(TableRenderer& renderer, const SettingsRecord& settings, PixelSurface& window,
              SoundRequests* sounds = nullptr);

  DragState& state() { return state_; }
  const DragState& state() const { return state_; }
  bool dragging() const { return state_.draggedCard != kNoCard; }

  // Shadows follow Cards_Shadowed, except while a flight has them paused.
  bool shadowsOn() const;
  int shadowSize() const { return shadowsOn() ? kShadowSize : 0; }
  // Pauses the shadows (a flight) and answers whether they were paused before.
  bool pauseShadows(bool paused);

  // Lifts the card (and with run, every card above it) from the pile: the
  // image is composed, the table buffer is redrawn without the lifted cards
  // and, with shadows, the image is shown lifted with "card_up.wav".
  // showInPlace draws the image at once where the card lay (without shadows:
  // a reserve whose cards are all free, or untidy piles).
  void startDrag(const TableScene& scene, PileRef pile, CardNumber card, const CardRect& rect, bool run,
                 Point pointer, bool showInPlace);
  // The image of one card (a back for kFlyingBack), lying at the position;
  // nothing is drawn.
  void composeSingle(CardNumber card, Point at);

  // Moves the image to (x, y): the uncovered bands and the old shadow come
  // back from the table buffer, the image is drawn, its corners rounded
  // (corners), and either set down into the table buffer (commit) or given
  // its shadow. Answers false, drawing nothing, for a move under one pixel.
  bool moveImage(int x, int y, bool commit, bool corners);
  // The pointer moved during a drag: the image follows, keeping the grab offsets.
  bool followPointer(int x, int y);
  // Draws the image where it is, corners rounded, with its shadow.
  void showInPlace();
  // Sets the image down into the table buffer where it already is.
  void commitInPlace();
  // Restores the shadow bands of the image's current place from the table buffer.
  void eraseShadow();
  // The drag is over; the image stays where it was drawn.
  void endDrag() { state_.draggedCard = kNoCard; }

  // The image's rectangle as hit testing takes it (edges included).
  CardRect currentCardRect() const;
  int cardWidth() const { return renderer_.images().size().width; }
  int cardHeight() const { return renderer_.images().size().height; }
  const PixelSurface& image() const { return image_; }

 private:
  void prepareImage(int height);
  void drawImage(const PixelRect& at);
  void drawShadow(const PixelRect& at);
  void restoreShadowBands(const PixelRect& at);
  void restore(const PixelRect& rect);
  void roundCorners(const PixelRect& at);

  TableRenderer& renderer_;
  const SettingsRecord& settings_;
  PixelSurface& window_;
  SoundRequests* sounds_;
  DragState state_;
  PixelSurface image_;
  bool shadowsPaused_ = false;
};

}  // namespace quilloro
