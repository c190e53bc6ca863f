// Dragging: the drag image, its bands, corners and shadow, and setting it down.
#include "table/card_dragger.hpp"

#include <algorithm>
#include <cstdlib>

#include "table/card_corners.hpp"

namespace quilloro {

namespace {

constexpr Pixel kShadowBlack = kOpaqueAlpha;
constexpr Pixel kStripWhite = rgbPixel(255, 255, 255);

// The slot of the card in the pile, searched from the top; -1 when absent.
int slotOf(const Pile& pile, CardNumber card) {
  for (int slot = pile.cardCount() - 1; slot >= 0; --slot)
    if (pile.at(slot) == card) return slot;
  return -1;
}

}  // namespace

CardDragger::CardDragger(TableRenderer& renderer, const SettingsRecord& settings, PixelSurface& window,
                         SoundRequests* sounds)
    : renderer_(renderer), settings_(settings), window_(window), sounds_(sounds) {}

bool CardDragger::shadowsOn() const { return !shadowsPaused_ && settings_.get(field::CardsShadowed) != "N"; }

bool CardDragger::pauseShadows(bool paused) {
  const bool before = shadowsPaused_;
  shadowsPaused_ = paused;
  return before;
}

void CardDragger::prepareImage(int height) {
  const int w = cardWidth();
  // The image only grows, so a long run after a short one costs no new store.
  const double zoom = renderer_.zoom();
  if (image_.width() != w || image_.height() < height || image_.scale() != zoom)
    image_ = PixelSurface(w, std::max(height, image_.scale() == zoom ? image_.height() : 0), zoom, kOpaqueAlpha);
  state_.imageHeight = height;
}

void CardDragger::composeSingle(CardNumber card, Point at) {
  const int w = cardWidth(), h = cardHeight();
  prepareImage(h);
  const PixelSurface& picture = card == kFlyingBack ? renderer_.images().back() : renderer_.images().face(card);
  image_.copyFrom(picture, {0, 0, w, h}, 0, 0);
  state_.current = {at.x, at.y, w, h};
  state_.lastDrawn = at;
}

void CardDragger::startDrag(const TableScene& scene, PileRef pile, CardNumber card, const CardRect& rect, bool run,
                            Point pointer, bool showInPlace) {
  const Pile& cards = scene.state.piles.pile(pile);
  const int slot = slotOf(cards, card);
  if (slot < 0) return;  // not a card of this pile: nothing to lift
  const int count = run ? cards.cardCount() - slot : 1;
  const int w = cardWidth(), h = cardHeight();
  const FanSteps& steps = scene.layout.fanSteps();

  // Each card of a run lies one downward step below the previous one, whatever the pile's own fan.
  int height = h;
  for (int i = 1; i < count; ++i)
    height += scene.state.isFaceDown(cards.at(slot + i - 1)) ? steps.downFaceDown : steps.downFaceUp;
  prepareImage(std::min(height, std::max(window_.height(), h)));
  int y = 0;
  for (int i = 0; i < count; ++i) {
    const CardNumber c = cards.at(slot + i);
    if (i == 0) {
      const PixelSurface& picture = scene.state.isFaceDown(c) ? renderer_.images().back() : renderer_.images().face(c);
      image_.copyFrom(picture, {0, 0, w, h}, 0, 0);
    } else if (scene.state.isFaceDown(c)) {
      renderer_.drawBack(0, y, h, false, image_);
    } else {
      renderer_.drawFaceUp(c, 0, y, false, image_);
    }
    if (i + 1 < count) y += scene.state.isFaceDown(c) ? steps.downFaceDown : steps.downFaceUp;
  }

  state_.draggedCard = card;
  state_.grabX = pointer.x - rect.left;
  state_.grabY = pointer.y - rect.top;
  state_.current = {rect.left, rect.top, w, state_.imageHeight};
  state_.lastDrawn = {rect.left, rect.top};
  state_.moved = false;
  state_.source = pile;
  state_.sourceSlot = slot;
  state_.runLength = count;
  state_.run.assign(cards.slots().begin() + slot, cards.slots().begin() + slot + count);

  // The table buffer loses the lifted cards; the window keeps showing them
  // until the image moves away and the bands come back from the buffer.
  GameState remaining = scene.state;
  remaining.piles.pile(pile).dropTop(count);
  TableScene without(remaining, scene.layout, scene.redealCount);
  without.demo = scene.demo;
  without.selection = scene.selection;
  renderer_.redrawTable(without, nullptr);

  if (shadowsOn()) {
    const int lift = kShadowSize - 2;
    moveImage(rect.left - lift, rect.top - lift, false, true);
    state_.grabX += lift;
    state_.grabY += lift;
    if (sounds_ != nullptr) sounds_->playSound("card_up.wav", settings_.get(field::SoundsCardUp) == "Y");
  } else if (showInPlace) {
    this->showInPlace();
  }
}

void CardDragger::restore(const PixelRect& rect) {
  if (rect.empty()) return;
  window_.copyFrom(renderer_.tableBuffer(), rect, rect.left, rect.top);
}

void CardDragger::restoreShadowBands(const PixelRect& at) {
  const int s = kShadowSize;
  // Below the image, then at its right; both ends of each range included.
  restore({at.left + s - 1, at.bottom(), at.right() + s - (at.left + s - 1) + 1, s + 1});
  restore({at.right(), at.top + s - 2, s + 1, at.bottom() + s - (at.top + s - 2) + 1});
}

void CardDragger::eraseShadow() { restoreShadowBands(state_.current); }

void CardDragger::drawImage(const PixelRect& at) {
  window_.copyFrom(image_, {0, 0, at.width, at.height}, at.left, at.top);
}

void CardDragger::roundCorners(const PixelRect& at) {
  copyCardCorners(renderer_.tableBuffer(), at, window_, at, CardCorners::All);
}

void CardDragger::drawShadow(const PixelRect& at) {
  const int s = kShadowSize;
  if (at.height == cardHeight()) {
    const PixelSurface& right = renderer_.images().shadowStrip(1);
    const PixelSurface& below = renderer_.images().shadowStrip(2);
    window_.copyTransparentFrom(right, {0, 0, right.width(), right.height()}, at.right(), at.top + s - 2,
                                kStripWhite);
    window_.copyTransparentFrom(below, {0, 0, below.width(), below.height()}, at.left + s - 1, at.bottom(),
                                kStripWhite);
    window_.setPixel(at.right() - 1, at.bottom() - 2, kShadowBlack);
    window_.setPixel(at.right() - 2, at.bottom() - 1, kShadowBlack);
  } else {
    drawCardShadow(window_, at);
  }
}

bool CardDragger::moveImage(int x, int y, bool commit, bool corners) {
  if (std::abs(x - state_.lastDrawn.x) < 1 && std::abs(y - state_.lastDrawn.y) < 1) return false;
  const PixelRect old = state_.current;
  const PixelRect now{x, y, old.width, state_.imageHeight};

  // What the image no longer covers, each band one pixel wider and higher than exact.
  if (now.top > old.top) {
    const int end = std::min(now.top, old.bottom());
    restore({old.left, old.top, old.width + 1, end - old.top + 1});
  } else if (now.top < old.top) {
    const int start = std::max(now.bottom(), old.top);
    restore({old.left, start, old.width + 1, old.bottom() - start + 1});
  }
  if (now.left > old.left) {
    const int end = std::min(now.left, old.right());
    restore({old.left, old.top, end - old.left + 1, old.height + 1});
  } else if (now.left < old.left) {
    const int start = std::max(now.right(), old.left);
    restore({start, old.top, old.right() - start + 1, old.height + 1});
  }
  const bool shadows = shadowsOn();
  if (shadows) restoreShadowBands(old);

  drawImage(now);
  state_.current = now;
  if (corners) roundCorners(now);
  if (commit) {
    commitInPlace();
    const int margin = shadows ? kShadowSize + 1 : 1;
    renderer_.refreshWindow(window_, {old.left, old.top, old.width + margin, old.height + margin});
    renderer_.refreshWindow(window_, now);
  } else if (shadows) {
    drawShadow(now);
  }
  state_.lastDrawn = {x, y};
  return true;
}

bool CardDragger::followPointer(int x, int y) {
  state_.moved = true;
  return moveImage(x - state_.grabX, y - state_.grabY, false, true);
}

void CardDragger::showInPlace() {
  drawImage(state_.current);
  roundCorners(state_.current);
  if (shadowsOn()) drawShadow(state_.current);
}

void CardDragger::commitInPlace() {
  const PixelRect& at = state_.current;
  // The corners the table showed there before stay in both pictures.
  roundCorners(at);
  PixelSurface& table = renderer_.tableBuffer();
  table.copyFrom(image_, {0, 0, at.width, at.height}, at.left, at.top);
  copyCardCorners(window_, at, table, at, CardCorners::All);
}

CardRect CardDragger::currentCardRect() const {
  const PixelRect& at = state_.current;
  return {at.left, at.top, at.right(), at.bottom()};
}

}  // namespace quilloro
