// Flights of the drag image, landings, the deal and the engine's flights.
#include "table/card_flight_player.hpp"

#include <algorithm>
#include <optional>

#include "table/fan_steps.hpp"
#include "table/flight_path.hpp"

namespace quilloro {

namespace {

constexpr int kDealSourceMilliseconds = 1000;
constexpr int kLongestStepDelay = 1000;
// The stock list's thickness and the shadow reach this far round a card.
constexpr int kPileMargin = 16;

std::optional<Point> dealSource(const TableScene& scene) {
  const TableLayout& layout = scene.layout;
  const PileRef reserve1{PileList::Reserves, 0};
  const PileRef foundation1{PileList::Foundations, 0};
  if (layout.isPlaced(kStockPile)) return layout.cardPosition(kStockPile, 0);
  if (scene.state.piles.pile(reserve1).cardCount() <= 1 && layout.isPlaced(reserve1))
    return layout.cardPosition(reserve1, 0);
  if (layout.isPlaced(kDiscardPile)) return layout.cardPosition(kDiscardPile, 0);
  if (layout.isPlaced(foundation1)) return layout.cardPosition(foundation1, 0);
  return std::nullopt;
}

PixelRect grown(const PixelRect& rect, int margin) {
  return {rect.left - margin, rect.top - margin, rect.width + 2 * margin, rect.height + 2 * margin};
}

PixelRect unite(const PixelRect& a, const PixelRect& b) {
  const int left = std::min(a.left, b.left), top = std::min(a.top, b.top);
  return {left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top};
}

}  // namespace

CardFlightPlayer::CardFlightPlayer(CardDragger& dragger, TableRenderer& renderer, const SettingsRecord& settings,
                                   PixelSurface& window, Pacer& pacer, SoundRequests* sounds)
    : dragger_(dragger), renderer_(renderer), settings_(settings), window_(window), pacer_(pacer), sounds_(sounds) {}

int CardFlightPlayer::stepDelay() const {
  return static_cast<int>(std::clamp<long long>(settings_.getInteger(field::SpeedMoveCard).value_or(10), 0,
                                                kLongestStepDelay));
}

void CardFlightPlayer::refreshAround(const PixelRect& rect, int margin) {
  renderer_.refreshWindow(window_, grown(rect, margin));
}

void CardFlightPlayer::fly(CardNumber card, Point start, Point target, const FlightOptions& options) {
  const CardSize& size = renderer_.images().size();
  const int lift = options.lifted ? dragger_.shadowSize() : 0;
  // Off the table first, then the lift: a card landing near the table's edge
  // must not be sent off the table by its lift.
  Point real = target;
  if (real.x < 0) real.x = -3 * size.width;
  if (real.y < 0) real.y = -3 * size.height;
  Point travel = real;
  if (lift > 0 && target.x >= 0 && target.y >= 0) travel = {std::max(real.x - lift, 0), std::max(real.y - lift, 0)};

  if (options.compose) dragger_.composeSingle(card, start);
  const bool hadShadows = dragger_.shadowsOn();
  const bool pausedBefore = dragger_.pauseShadows(true);
  // A dragged image leaves its shadow behind; a card just composed has none yet.
  if (hadShadows && !options.compose) dragger_.eraseShadow();

  const int delay = stepDelay();
  const FlightPath path = planFlight(dragger_.state().lastDrawn, travel, size, options.fast, 0);
  for (const Point& step : path.steps) {
    dragger_.moveImage(step.x, step.y, false, false);
    if (!options.fast && delay > 0) pacer_.pause(delay);
  }
  dragger_.pauseShadows(pausedBefore);

  if (!(travel == real)) {
    dragger_.showInPlace();
    if (delay > 0) pacer_.pause(2 * delay);
  }
  if (options.commit) {
    if (!dragger_.moveImage(real.x, real.y, true, true)) dragger_.commitInPlace();
  } else if (!(travel == real)) {
    dragger_.moveImage(real.x, real.y, false, true);
  }
}

Point CardFlightPlayer::landingPosition(const TableScene& scene, PileRef pile, int slot) {
  if (pile.list != PileList::Stock || pile.index < 0 || pile.index >= kStockListSize)
    return scene.layout.cardPosition(pile, slot);
  const Anchor anchor = scene.layout.anchors().stock[static_cast<std::size_t>(pile.index)];
  if (!anchor.placed() || anchor.top < 0) return {anchor.left, anchor.top};
  const int depth = std::min({pileDepth(scene.state.piles.pile(pile).cardCount()), anchor.left, anchor.top});
  return {anchor.left - depth, anchor.top - depth};
}

void CardFlightPlayer::drawStockList(const TableScene& scene) {
  // The empty stock's mark depends on the waste, so the three piles go together.
  for (int index = 0; index < kStockListSize; ++index) {
    const PileRef pile{PileList::Stock, index};
    renderer_.drawPile(scene, pile, renderer_.tableBuffer());
    if (scene.layout.isPlaced(pile)) {
      const Point at = scene.layout.cardPosition(pile, 0);
      refreshAround({at.x, at.y, dragger_.cardWidth(), dragger_.cardHeight()}, kPileMargin);
    }
  }
}

void CardFlightPlayer::drawLanded(const TableScene& scene, PileRef pile, int fromSlot, const PixelRect& image) {
  PixelSurface& table = renderer_.tableBuffer();
  const int margin = CardDragger::kShadowSize + 1;
  if (pile.list == PileList::Stock) {
    drawStockList(scene);
    refreshAround(image, kPileMargin);
    return;
  }
  if (image.height > dragger_.cardHeight()) {
    // The run image need not match the cards' own places (untidy piles): the
    // pile is drawn again over the bare table where the image lay.
    table.copyFrom(renderer_.backgroundBuffer(), image, image.left, image.top);
    renderer_.drawPile(scene, pile, table);
  } else {
    const int count = scene.state.piles.pile(pile).cardCount();
    for (int slot = fromSlot; slot < count; ++slot) renderer_.drawPileCard(scene, pile, slot, table);
  }
  if (runStillArriving_.empty()) refreshAround(image, margin);
}

void CardFlightPlayer::landDragged(const TableScene& scene, PileRef pile, int slot) {
  const bool shadows = dragger_.shadowsOn();
  const Point target = landingPosition(scene, pile, slot);
  if (settings_.get(field::CardsAnimate) != "N") {
    fly(kNoCard, target, target, {.compose = false, .lifted = true, .fast = false, .commit = true});
  } else if (!dragger_.moveImage(target.x, target.y, true, true)) {
    dragger_.commitInPlace();
  }
  landedArea_ = grown(dragger_.state().current, 0);
  drawLanded(scene, pile, slot, landedArea_);
  if (shadows && sounds_ != nullptr) sounds_->playSound("card_down.wav", settings_.get(field::SoundsCardDown) == "Y");
}

void CardFlightPlayer::returnDragged(const TableScene& scene) {
  if (!dragger_.dragging()) return;
  const DragState& drag = dragger_.state();
  runStillArriving_.clear();
  landDragged(scene, drag.source, drag.sourceSlot);
  dragger_.endDrag();
}

void CardFlightPlayer::landDraggedOn(const TableScene& scene, PileRef pile, int slot) {
  if (!dragger_.dragging()) return;
  runStillArriving_.clear();
  landDragged(scene, pile, slot);
  dragger_.endDrag();
}

void CardFlightPlayer::play(const TableScene& scene, const CardFlight& flight) {
  PixelSurface& table = renderer_.tableBuffer();
  if (flight.kind == CardFlight::Kind::Landing && !runStillArriving_.empty() && flight.to == runTarget_ &&
      flight.card == runStillArriving_.front()) {
    // The rest of a dragged run: the image has landed already.
    runStillArriving_.erase(runStillArriving_.begin());
    renderer_.drawPileCard(scene, flight.to, flight.toSlot, table);
    landedArea_ = unite(landedArea_, grown({flight.target.x, flight.target.y, dragger_.cardWidth(),
                                            dragger_.cardHeight()}, 0));
    if (runStillArriving_.empty()) refreshAround(landedArea_, CardDragger::kShadowSize + 1);
    return;
  }
  runStillArriving_.clear();
  if (flight.kind == CardFlight::Kind::Landing && dragger_.dragging() &&
      flight.card == dragger_.state().draggedCard) {
    const DragState& drag = dragger_.state();
    runStillArriving_.assign(drag.run.begin() + (drag.run.empty() ? 0 : 1), drag.run.end());
    runTarget_ = flight.to;
    landDragged(scene, flight.to, flight.toSlot);
    dragger_.endDrag();
    return;
  }

  // A card the engine moves: the table buffer shows the table without it,
  // neither at its start (already gone) nor at its target (not yet there).
  GameState before = scene.state;
  before.piles.pile(flight.to).search(flight.card, SearchMode::Remove);
  TableScene withoutCard(before, scene.layout, scene.redealCount);
  withoutCard.demo = scene.demo;
  withoutCard.selection = scene.selection;
  renderer_.redrawTable(withoutCard, nullptr);

  const Point target =
      flight.to.list == PileList::Stock ? landingPosition(scene, flight.to, flight.toSlot) : flight.target;
  fly(flight.faceDown ? kFlyingBack : flight.card, flight.start, target, {});
  const PixelRect landed = dragger_.state().current;
  if (flight.to.list == PileList::Stock)
    drawStockList(scene);
  else
    renderer_.drawPileCard(scene, flight.to, flight.toSlot, table);
  refreshAround({flight.start.x, flight.start.y, dragger_.cardWidth(), dragger_.cardHeight()}, kPileMargin);
  refreshAround(landed, kPileMargin);
}

void CardFlightPlayer::playDeal(const TableScene& scene) {
  const GameState& state = scene.state;
  GameState bare = state;
  for (int r = 0; r < state.pilesInUse(PileList::Reserves); ++r) bare.piles.pile(PileList::Reserves, r).clear();
  for (int t = 0; t < state.pilesInUse(PileList::Tableau); ++t) bare.piles.pile(PileList::Tableau, t).clear();
  TableScene bareScene(bare, scene.layout, scene.redealCount);
  bareScene.demo = scene.demo;
  const std::optional<Point> source = dealSource(scene);
  if (!source) {
    renderer_.redrawTable(scene, &window_);
    return;
  }
  renderer_.redrawTable(bareScene, &window_, true);
  pacer_.pause(kDealSourceMilliseconds);
  const bool shuffleSwitch = settings_.get(field::SoundsShuffle) == "Y";
  if (sounds_ != nullptr) sounds_->playLoopingSound("Shuffle", shuffleSwitch);

  const CardSize& size = renderer_.images().size();
  const Point offset{source->x + size.width / 7, source->y + size.height / 7};
  PixelSurface& table = renderer_.tableBuffer();
  const auto deal = [&](PileRef pile, int slot) {
    const CardNumber card = state.piles.pile(pile).at(slot);
    if (!isCardNumber(card)) return;  // a hole keeps its place
    const Point target = scene.layout.cardPosition(pile, slot);
    const FlightOptions fast{.compose = true, .lifted = false, .fast = true, .commit = false};
    if (state.isFaceDown(card)) {
      renderer_.drawBack(offset.x, offset.y, size.height, false, window_);
      fly(kFlyingBack, offset, target, fast);
    } else {
      pacer_.pause(2);
      renderer_.drawFaceUp(card, source->x, source->y, true, window_);
      pacer_.pause(2);
      renderer_.drawBack(source->x, source->y, size.height, true, window_);
      renderer_.drawFaceUp(card, offset.x, offset.y, false, window_);
      pacer_.pause(1);
      fly(card, offset, target, fast);
    }
    renderer_.drawPileCard(scene, pile, slot, table);
    refreshAround({target.x, target.y, size.width, size.height}, 1);
  };

  for (int r = 0; r < state.pilesInUse(PileList::Reserves); ++r) {
    const PileRef pile{PileList::Reserves, r};
    if (!scene.layout.isPlaced(pile) || scene.layout.cardPosition(pile, 0).x <= 0) continue;
    for (int slot = 0; slot < state.piles.pile(pile).cardCount(); ++slot) deal(pile, slot);
  }
  const int piles = state.pilesInUse(PileList::Tableau);
  if (state.parameters[param::kTableauWalkOrder] != 0) {
    for (int t = 0; t < piles; ++t) {
      const PileRef pile{PileList::Tableau, t};
      if (!scene.layout.isPlaced(pile)) continue;
      for (int slot = 0; slot < state.piles.pile(pile).cardCount(); ++slot) deal(pile, slot);
    }
  } else {
    for (int slot = 0; slot < state.longestTableauPile(); ++slot) {
      for (int t = 0; t < piles; ++t) {
        const PileRef pile{PileList::Tableau, t};
        if (scene.layout.isPlaced(pile) && slot < state.piles.pile(pile).cardCount()) deal(pile, slot);
      }
    }
  }
  if (sounds_ != nullptr) sounds_->playLoopingSound("", shuffleSwitch);
  // The deal source showed a back in place of the stock's own top card.
  renderer_.redrawTable(scene, &window_);
}

}  // namespace quilloro
