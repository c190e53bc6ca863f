#include "table/table_renderer.hpp"

#include <algorithm>

#include "cardlib/quilloro.h"
#include "table/card_corners.hpp"
#include "table/empty_pile_marks.hpp"
#include "table/fan_steps.hpp"

namespace quilloro {
namespace {

constexpr Pixel kStripBlue = rgbPixel(0, 0, 255);
constexpr int kDefaultBack = 11;
constexpr int kPokerFamily = 9;
constexpr int kPokerPanelPile = 10;  // tableau pile 11
constexpr int kRankHintFamily = 10;
// The panel's lines: 7 pixels from its left, the hand 5, the points 21 and the total 41 below its top.
constexpr int kPanelTextLeft = 7;
constexpr int kPanelHandTop = 5;
constexpr int kPanelPointsTop = 21;
constexpr int kPanelTotalTop = 41;
constexpr int kPanelClearance = 2;
// A rank-hint box: 21 x 14, its top 18 pixels above the foundation's.
constexpr int kHintWidth = 21;
constexpr int kHintHeight = 14;
constexpr int kHintRise = 18;

int settingNumber(const SettingsRecord& settings, const SettingsField& f, int fallback) {
  const long long value = settings.getInteger(f).value_or(fallback);
  return value >= 1 && value <= 999 ? static_cast<int>(value) : fallback;
}

// Inverts the rectangle but its corner pixels (each corner and its two
// neighbours along the edges), which the selection marks leave alone.
void invertOutsideCorners(PixelSurface& surface, const PixelRect& r) {
  if (r.width < 4 || r.height < 4) return;
  if (surface.scale() < 1.0) {
    // On a shrunk table neighbouring rows share stored pixels and would be
    // inverted twice; the cut corners are a stored pixel or less there.
    surface.invertRect(r);
    return;
  }
  surface.invertRect({r.left + 2, r.top, r.width - 4, 1});
  surface.invertRect({r.left + 1, r.top + 1, r.width - 2, 1});
  surface.invertRect({r.left, r.top + 2, r.width, r.height - 4});
  surface.invertRect({r.left + 1, r.bottom() - 2, r.width - 2, 1});
  surface.invertRect({r.left + 2, r.bottom() - 1, r.width - 4, 1});
}

}  // namespace

int pileDepth(int cards) {
  if (cards <= 1) return 0;
  if (cards == 2) return 1;
  return cards / 7 + 1;
}

TableRenderer::TableRenderer(SettingsRecord& settings, const std::filesystem::path& programDirectory,
                             TableRendererListener* listener, long long displayColours)
    : settings_(settings),
      listener_(listener),
      displayColours_(displayColours),
      images_(ImageFolders(programDirectory), listener),
      painter_(ImageFolders(programDirectory), listener),
      folders_(programDirectory) {}

void TableRenderer::setZoom(double zoom) {
  const double wanted = PixelSurface(1, 1, zoom, kOpaqueAlpha).scale();
  if (wanted == zoom_) return;
  zoom_ = wanted;
  // The buffers are sized again for the window at the new zoom.
  table_ = PixelSurface(0, 0, zoom_, kOpaqueAlpha);
  background_ = PixelSurface(0, 0, zoom_, kOpaqueAlpha);
  backgroundPainted_ = false;
  selectionRects_.clear();
  images_.setZoom(zoom_);
}

void TableRenderer::resizeBuffers(int screenWidth, int screenHeight) {
  const int width = std::max(screenWidth, 0) + kBufferMargin;
  const int height = std::max(screenHeight, 0) + kBufferMargin;
  table_.resize(width, height);
  background_.resize(width, height);
  backgroundPainted_ = false;
  selectionRects_.clear();
}

bool TableRenderer::loadCardImages(const CardSize& size) {
  const int cardSet = settingNumber(settings_, field::Card, 1);
  const int back = settingNumber(settings_, field::BackCard, kDefaultBack);
  if (images_.loaded() && images_.size().letter == size.letter && images_.cardSet() == cardSet &&
      images_.zoom() == zoom_) {
    return images_.backNumber() == back || images_.loadBack(back);
  }
  return images_.load(size, cardSet, back);
}

void TableRenderer::paintBackground(int windowWidth, int windowHeight, bool demo) {
  paintedChoice_ = backgroundChoiceFrom(settings_, demo, displayColours_);
  paintedWidth_ = windowWidth;
  paintedHeight_ = windowHeight;
  if (zoom_ == 1.0) {
    painter_.paint(paintedChoice_, background_, windowWidth, windowHeight);
  } else {
    // Patterns and fades are painted on the stored pixels themselves, at their full detail.
    PixelSurface stored(background_.storedWidth(), background_.storedHeight());
    const PixelRect window = background_.storedRect({0, 0, windowWidth, windowHeight});
    painter_.paint(paintedChoice_, stored, window.width, window.height);
    background_.adoptStored(std::move(stored), zoom_);
  }
  backgroundPainted_ = true;
}

void TableRenderer::ensureImages(const TableScene& scene) { loadCardImages(scene.layout.cardSize()); }

void TableRenderer::ensureBackground(const TableScene& scene) {
  const WindowMetrics& window = scene.layout.window();
  // A window larger than the screen it claims still gets its whole table.
  const int needWidth = std::max(window.screenWidth, window.windowWidth) + kBufferMargin;
  const int needHeight = std::max(window.screenHeight, window.windowHeight) + kBufferMargin;
  if (background_.width() < needWidth || background_.height() < needHeight)
    resizeBuffers(needWidth - kBufferMargin, needHeight - kBufferMargin);
  const BackgroundChoice wanted = backgroundChoiceFrom(settings_, scene.demo, displayColours_);
  if (!backgroundPainted_ || wanted != paintedChoice_ || window.windowWidth != paintedWidth_ ||
      window.windowHeight != paintedHeight_)
    paintBackground(window.windowWidth, window.windowHeight, scene.demo);
}

PixelRect TableRenderer::cardRect(int left, int top) const {
  return {left, top, images_.size().width, images_.size().height};
}

void TableRenderer::drawCardImage(const PixelSurface& image, int left, int top, int height, bool onPile,
                                  PixelSurface& target) {
  const int w = images_.size().width;
  height = std::clamp(height, 0, image.height());
  if (height <= 0 || image.width() < w) return;
  if (scratch_.width() != w || scratch_.height() != height || scratch_.scale() != zoom_)
    scratch_ = PixelSurface(w, height, zoom_, kOpaqueAlpha);
  scratch_.copyFrom(image, {0, 0, w, height}, 0, 0);

  const PixelRect on{left, top, w, height};
  const PixelRect card{0, 0, w, height};
  copyCardCorners(target, on, scratch_, card, CardCorners::Upper);
  copyCardCorners(background_, on, scratch_, card, onPile ? CardCorners::LowerOnPile : CardCorners::Lower);
  target.draw(scratch_, left, top);
}

void TableRenderer::drawFaceUp(CardNumber card, int left, int top, bool onPile, PixelSurface& target) {
  if (!isCardNumber(card)) return;
  drawCardImage(images_.face(card), left, top, images_.size().height, onPile, target);
}

void TableRenderer::drawBack(int left, int top, int height, bool onPile, PixelSurface& target) {
  drawCardImage(images_.back(), left, top, height, onPile, target);
}

void TableRenderer::restoreFromBackground(const PixelRect& rect, PixelSurface& target) {
  target.copyFrom(background_, rect, rect.left, rect.top);
}

void TableRenderer::restoreCorners(const PixelRect& card, PixelSurface& target) {
  copyCardCorners(background_, card, target, card, CardCorners::All);
}

void TableRenderer::drawEmptyMark(const TableScene& scene, PileRef pile, int left, int top, PixelSurface& target) {
  if (left < 0 || top < 0) return;
  const std::optional<int> code =
      emptyPileMark(pile, scene.state.parameters, scene.redealCount, scene.state.piles.waste().cardCount());
  const PixelSurface* image = code ? images_.markImage(*code) : nullptr;
  // The mark is an outline laid over the bare table, which shows through it.
  restoreFromBackground(cardRect(left, top), target);
  if (image != nullptr) target.overlayLightFrom(*image, left, top);
}

bool TableRenderer::onSquaredPile(const TableScene& scene, PileRef pile, int slot) const {
  if (slot <= 0) return false;
  if (pile.list == PileList::Stock) return true;
  return spreadOf(pile.list, fanCodeOf(scene.state.parameters, pile.list)) == Spread::None;
}

void TableRenderer::drawPileCard(const TableScene& scene, PileRef pile, int slot, PixelSurface& target) {
  if (pile.index < 0 || pile.index >= pileListSize(pile.list) || !scene.layout.isPlaced(pile)) return;
  const Pile& cards = scene.state.piles.pile(pile);
  const Point at = scene.layout.cardPosition(pile, slot);
  if (cards.empty()) {
    drawEmptyMark(scene, pile, at.x, at.y, target);
    return;
  }
  if (slot < 0 || slot >= cards.cardCount()) return;
  const CardNumber card = cards.at(slot);
  if (!isCardNumber(card)) return;  // a hole keeps its place and shows nothing
  const bool onPile = onSquaredPile(scene, pile, slot);
  if (scene.state.isFaceDown(card)) drawBack(at.x, at.y, images_.size().height, onPile, target);
  else drawFaceUp(card, at.x, at.y, onPile, target);
  // The lowest card always shows the bare table at its corners.
  if (slot == 0) restoreCorners(cardRect(at.x, at.y), target);
}

void TableRenderer::drawStockListPile(const TableScene& scene, int index, bool deal, PixelSurface& target) {
  const PileRef pile{PileList::Stock, index};
  const Anchor anchor = scene.layout.anchors().stock[static_cast<std::size_t>(index)];
  if (!anchor.placed() || anchor.top < 0) {
    fSetMazzoLeft(index, anchor.left);
    fSetMazzoTop(index, anchor.top);
    return;
  }
  const Pile& cards = scene.state.piles.pile(pile);
  const int w = images_.size().width, h = images_.size().height;
  // The lift stops at the table's edge, so that the pile never reads as off the table.
  const int depth = std::min({pileDepth(cards.cardCount()), anchor.left, anchor.top});
  const int left = anchor.left - depth, top = anchor.top - depth;
  fSetMazzoLeft(index, left);
  fSetMazzoTop(index, top);

  // What a thicker pile drew above and left of the card goes first.
  restoreFromBackground({anchor.left - 15, anchor.top - 15, w + 16, 16 - depth}, target);
  restoreFromBackground({anchor.left - 15, anchor.top - 14, 16 - depth, h + 15}, target);
  if (cards.empty()) {
    drawEmptyMark(scene, pile, anchor.left, anchor.top, target);
    return;
  }
  const PixelSurface& bottomStrip = images_.borderStrip(2);
  const PixelSurface& rightStrip = images_.borderStrip(1);
  target.copyTransparentFrom(bottomStrip, {0, 15 - depth, w + 11, depth + 1}, anchor.left - 13,
                             anchor.top + h - depth - 1, kStripBlue);
  target.copyTransparentFrom(rightStrip, {15 - depth, 0, depth + 1, h + 13}, anchor.left + w - depth - 1,
                             anchor.top - 13, kStripBlue);

  const CardNumber topCard = cards.topCard();
  const bool asBack = index == kStockIndex && (scene.state.parameters[param::kStockFaceDown] != 0 || deal);
  if (asBack) drawBack(left, top, h, true, target);
  else drawFaceUp(topCard, left, top, true, target);
  if (cards.cardCount() == 1) restoreCorners(cardRect(left, top), target);
}

void TableRenderer::drawPile(const TableScene& scene, PileRef pile, PixelSurface& target) {
  if (pile.index < 0 || pile.index >= pileListSize(pile.list)) return;
  if (pile.list == PileList::Stock) {
    drawStockListPile(scene, pile.index, false, target);
    return;
  }
  const int count = scene.state.piles.pile(pile).cardCount();
  for (int slot = 0; slot < std::max(count, 1); ++slot) drawPileCard(scene, pile, slot, target);
}

void TableRenderer::drawDealSource(const TableScene& scene, PixelSurface& target) {
  const GameState& state = scene.state;
  Point at;
  if (scene.layout.isPlaced(kStockPile)) {
    at = scene.layout.cardPosition(kStockPile, 0);
  } else if (state.piles.pile(PileList::Reserves, 0).cardCount() <= 1 &&
             scene.layout.isPlaced({PileList::Reserves, 0})) {
    at = scene.layout.cardPosition({PileList::Reserves, 0}, 0);
  } else if (scene.layout.isPlaced(kDiscardPile)) {
    at = scene.layout.cardPosition(kDiscardPile, 0);
  } else if (scene.layout.isPlaced({PileList::Foundations, 0})) {
    at = scene.layout.cardPosition({PileList::Foundations, 0}, 0);
  } else {
    return;
  }
  drawBack(at.x, at.y, images_.size().height, true, target);
  if (listener_ != nullptr) listener_->dealSourceShown(cardRect(at.x, at.y));
}

void TableRenderer::drawTableau(const TableScene& scene, PixelSurface& target) {
  const int piles = scene.state.pilesInUse(PileList::Tableau);
  if (scene.state.parameters[param::kTableauWalkOrder] != 0) {
    for (int p = 0; p < piles; ++p) drawPile(scene, {PileList::Tableau, p}, target);
    return;
  }
  // Row by row: the first card of every pile, then the second ...
  const int rows = std::max(scene.state.longestTableauPile(), 1);
  for (int slot = 0; slot < rows; ++slot) {
    for (int p = 0; p < piles; ++p) {
      const PileRef pile{PileList::Tableau, p};
      const int count = scene.state.piles.pile(pile).cardCount();
      if (slot < count || (slot == 0 && count == 0)) drawPileCard(scene, pile, slot, target);
    }
  }
}

PixelRect pokerPanelRect(const TableScene& scene, int panelWidth, int panelHeight) {
  const PileRef row{PileList::Tableau, kPokerPanelPile};
  if (!scene.layout.isPlaced(kWastePile) || !scene.layout.isPlaced(row)) return {};
  const Anchor waste = scene.layout.anchors().stock[kWasteIndex];
  const Point pile = scene.layout.cardPosition(row, 0);
  const int w = scene.layout.cardSize().width, h = scene.layout.cardSize().height;
  PixelRect panel{waste.left + (w - panelWidth) / 2, pile.y + (h - panelHeight) / 2, panelWidth, panelHeight};
  // Small cards leave the panel taller than the rows: it stays clear of the waste.
  const int wasteBottom = waste.top + h;
  if (panel.top < wasteBottom && panel.bottom() > waste.top) panel.top = wasteBottom + kPanelClearance;
  return panel;
}

PixelRect rankHintRect(const TableScene& scene, int foundation) {
  const PileRef pile{PileList::Foundations, foundation};
  if (!scene.layout.isPlaced(pile)) return {};
  const Anchor at = scene.layout.anchors().at(pile);
  const CardSize& card = scene.layout.cardSize();
  PixelRect box{at.left + card.width / 2 - 10, at.top - kHintRise, kHintWidth, kHintHeight};
  // Above the table's top the box would be hidden under the toolbar, or off the window.
  if (box.top < scene.layout.window().barsBottom.value_or(0)) box.top = at.top + card.height + kHintRise - kHintHeight;
  return box;
}

const PanelFont& TableRenderer::panelFont() {
  if (!panelFontTried_) {
    panelFontTried_ = true;
    panelFont_.load(folders_.resources() / "PANEL_FONT.bmp");
  }
  return panelFont_;
}

void TableRenderer::drawPokerPanel(const TableScene& scene, PixelSurface& target) {
  const PixelSurface* panel = images_.pokerPanel();
  if (panel == nullptr) return;
  const PixelRect at = pokerPanelRect(scene, panel->width(), panel->height());
  if (at.empty()) return;
  target.draw(*panel, at.left, at.top);
  const PanelFont& font = panelFont();
  const Pixel black = rgbPixel(0, 0, 0);
  font.draw(target, scene.pokerPanel.hand, at.left + kPanelTextLeft, at.top + kPanelHandTop, black);
  font.draw(target, scene.pokerPanel.points, at.left + kPanelTextLeft, at.top + kPanelPointsTop, black);
  font.draw(target, scene.pokerPanel.total, at.left + kPanelTextLeft, at.top + kPanelTotalTop, black);
}

void TableRenderer::drawRankHints(const TableScene& scene, PixelSurface& target) {
  const PanelFont& font = panelFont();
  for (int f = 0; f < static_cast<int>(scene.rankHints.size()); ++f) {
    const std::string& hint = scene.rankHints[static_cast<std::size_t>(f)];
    const PixelRect box = rankHintRect(scene, f);
    if (box.empty()) continue;
    if (hint.empty()) {
      restoreFromBackground(box, target);
      continue;
    }
    target.fillRect(box, rgbPixel(0, 0, 0));
    target.fillRect({box.left + 1, box.top + 1, box.width - 2, box.height - 2}, rgbPixel(255, 255, 255));
    font.draw(target, hint, box.left + (box.width - font.width(hint) + 1) / 2, box.top + (box.height - font.height()) / 2,
              rgbPixel(0, 0, 0));
  }
}

void TableRenderer::redrawTable(const TableScene& scene, PixelSurface* window, bool deal) {
  ensureImages(scene);
  ensureBackground(scene);
  selectionRects_.clear();
  PixelSurface& target = table_;
  target.copyFrom(background_, {0, 0, background_.width(), background_.height()}, 0, 0);
  const GameState& state = scene.state;
  const GameParameters& p = state.parameters;

  if (deal && fanCodeOf(p, PileList::Tableau) != static_cast<int>(FanDirection::SideBySide)) {
    for (int t = 0; t < state.pilesInUse(PileList::Tableau); ++t) {
      const PileRef pile{PileList::Tableau, t};
      if (!scene.layout.isPlaced(pile)) continue;
      const Point at = scene.layout.cardPosition(pile, 0);
      drawEmptyMark(scene, pile, at.x, at.y, target);
    }
    for (int r = 0; r < state.pilesInUse(PileList::Reserves); ++r) {
      const PileRef pile{PileList::Reserves, r};
      if (!scene.layout.isPlaced(pile)) continue;
      const Point at = scene.layout.cardPosition(pile, 0);
      drawEmptyMark(scene, pile, at.x, at.y, target);
    }
  }

  for (int i = 0; i < kStockListSize; ++i) drawStockListPile(scene, i, deal, target);
  for (int f = 0; f < state.pilesInUse(PileList::Foundations); ++f) drawPile(scene, {PileList::Foundations, f}, target);

  if (deal) {
    drawDealSource(scene, target);
    if (window != nullptr) refreshWindow(*window);
  }

  for (int r = 0; r < state.pilesInUse(PileList::Reserves); ++r) {
    const PileRef pile{PileList::Reserves, r};
    if (scene.layout.cardPosition(pile, 0).x <= 0) continue;
    drawPile(scene, pile, target);
  }
  drawTableau(scene, target);
  if (p[param::kGameFamily] == kPokerFamily) drawPokerPanel(scene, target);
  if (p[param::kGameFamily] == kRankHintFamily) drawRankHints(scene, target);

  if (window != nullptr) refreshWindow(*window);
}

void TableRenderer::refreshWindow(PixelSurface& window, const PixelRect& rect) const {
  window.copyFrom(table_, rect, rect.left, rect.top);
}

void TableRenderer::showSelection(const TableScene& scene, PixelSurface* window, bool on) {
  if (!on) {
    for (const PixelRect& r : selectionRects_) {
      invertOutsideCorners(table_, r);
      if (window != nullptr) refreshWindow(*window, r);
    }
    selectionRects_.clear();
    return;
  }
  if (selectionShown()) return;
  const GameState& state = scene.state;
  for (const CardNumber card : scene.selection) {
    for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves}) {
      for (int index = 0; index < pileListSize(list); ++index) {
        const PileRef pile{list, index};
        const Pile& cards = state.piles.pile(pile);
        for (int slot = 0; slot < cards.cardCount(); ++slot) {
          if (cards.at(slot) != card || !scene.layout.isPlaced(pile)) continue;
          // Only the top card of the stock list shows.
          if (list == PileList::Stock && slot != cards.cardCount() - 1) continue;
          const Point at = scene.layout.cardPosition(pile, list == PileList::Stock ? 0 : slot);
          selectionRects_.push_back(cardRect(at.x, at.y));
        }
      }
    }
  }
  for (const PixelRect& r : selectionRects_) {
    invertOutsideCorners(table_, r);
    if (window != nullptr) refreshWindow(*window, r);
  }
}

RandomChoiceOutcome TableRenderer::randomChoices(const RandomSource& random, const TableScene& scene) {
  const RandomChoiceOutcome outcome =
      applyRandomChoices(settings_, ImageCatalogue::scan(folders_.images()), displayColours_, random);
  ensureImages(scene);
  backgroundPainted_ = false;
  ensureBackground(scene);
  return outcome;
}

}  // namespace quilloro
