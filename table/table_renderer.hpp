// Draws the table: background, empty-pile marks, the cards of every pile with rounded corners, the
// stock's thickness and the inverted look of selected cards, all through the two off-screen buffers.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "app/core/settings_record.hpp"
#include "engine/game_state.hpp"
#include "table/background_painter.hpp"
#include "table/card_images.hpp"
#include "table/panel_font.hpp"
#include "table/pixel_surface.hpp"
#include "table/random_table_choices.hpp"
#include "table/table_layout.hpp"

namespace quilloro {

// The score panel of poker games: the hand just completed with its points, and the total.
struct PokerPanelLines {
  std::string hand;
  std::string points;
  std::string total;
};

// What a drawing of the table is made from: the game on the table and where its piles lie.
struct TableScene {
  TableScene(const GameState& s, const TableLayout& l, int redeals = 1) : state(s), layout(l), redealCount(redeals) {}

  const GameState& state;
  const TableLayout& layout;
  int redealCount = 1;
  bool demo = false;
  // The selected cards, for the selection marks.
  std::vector<CardNumber> selection;
  // The poker panel's lines (family 9).
  PokerPanelLines pokerPanel;
  // The rank each of foundations 1 to 4 takes next (family 10); empty: no box.
  std::array<std::string, 4> rankHints;
};

// Where the poker panel and the rank-hint boxes go.
PixelRect pokerPanelRect(const TableScene& scene, int panelWidth, int panelHeight);
// The box of foundation index (0 to 3): above the foundation, or below it
// where the table's top leaves no room above.
PixelRect rankHintRect(const TableScene& scene, int foundation);

class TableRendererListener : public ImageProblemListener {
 public:
  void imageProblem(const std::string& /*title*/, const std::string& /*text*/) override {}
  // During a deal the source pile shows one card back: the shell refreshes
  // the window, waits a second and starts the shuffle sound.
  virtual void dealSourceShown(const PixelRect& /*card*/) {}
};

// How many pixels the stock, waste and discard pile rise with n cards.
int pileDepth(int cards);

// The buffers are the screen plus this many pixels in each direction.
inline constexpr int kBufferMargin = 100;

class TableRenderer {
 public:
  TableRenderer(SettingsRecord& settings, const std::filesystem::path& programDirectory,
                TableRendererListener* listener = nullptr, long long displayColours = kTrueColourDisplay);

  // The zoom of the table: the buffers hold zoom x zoom stored pixels for
  // each table pixel and the cards are drawn at that size. Everything else
  // the renderer is told stays in table pixels.
  void setZoom(double zoom);
  double zoom() const { return zoom_; }

  // Both buffers for a screen of the size; the background is repainted at
  // the next redraw.
  void resizeBuffers(int screenWidth, int screenHeight);

  // The pictures of the size and of the card set and back in the settings,
  // read again only when one of them changed.
  bool loadCardImages(const CardSize& size);
  // The background the settings ask for, into the background buffer, for a
  // window of the size.
  void paintBackground(int windowWidth, int windowHeight, bool demo);

  // One card with rounded corners: the upper corners show what the target
  // holds there, the lower ones the background; on a squared pile the
  // lower-right corner is the silver edge of the card beneath.
  void drawFaceUp(CardNumber card, int left, int top, bool onPile, PixelSurface& target);
  // The top height rows of the back, cornered the same way.
  void drawBack(int left, int top, int height, bool onPile, PixelSurface& target);
  // The mark of the empty pile at (left, top), or the bare table when it has none.
  void drawEmptyMark(const TableScene& scene, PileRef pile, int left, int top, PixelSurface& target);
  // The card of the pile's slot at its fan position, or the empty mark when the pile is empty.
  void drawPileCard(const TableScene& scene, PileRef pile, int slot, PixelSurface& target);
  // A whole pile; the stock, waste and discard pile with their thickness.
  void drawPile(const TableScene& scene, PileRef pile, PixelSurface& target);

  // The whole table into the table buffer, then onto the window when one is
  // given. With deal set, the tableau and reserve marks come first and the
  // deal source shows a card back before the piles are drawn.
  void redrawTable(const TableScene& scene, PixelSurface* window, bool deal = false);
  // Copies the table buffer's rectangle to the window.
  void refreshWindow(PixelSurface& window, const PixelRect& rect) const;
  void refreshWindow(PixelSurface& window) const { refreshWindow(window, {0, 0, window.width(), window.height()}); }

  // Inverts the rectangles of the selected cards (on), or restores the ones
  // inverted before (off). The corner pixels are left alone, so each
  // rectangle comes back exactly as it was.
  void showSelection(const TableScene& scene, PixelSurface* window, bool on);
  bool selectionShown() const { return !selectionRects_.empty(); }

  // The random background, card set and back of a new game, the pictures
  // they need and a fresh background buffer.
  RandomChoiceOutcome randomChoices(const RandomSource& random, const TableScene& scene);

  PixelSurface& tableBuffer() { return table_; }
  const PixelSurface& tableBuffer() const { return table_; }
  const PixelSurface& backgroundBuffer() const { return background_; }
  CardImages& images() { return images_; }

 private:
  void drawCardImage(const PixelSurface& image, int left, int top, int height, bool onPile, PixelSurface& target);
  void drawStockListPile(const TableScene& scene, int index, bool deal, PixelSurface& target);
  void restoreCorners(const PixelRect& card, PixelSurface& target);
  void restoreFromBackground(const PixelRect& rect, PixelSurface& target);
  void drawDealSource(const TableScene& scene, PixelSurface& target);
  void drawTableau(const TableScene& scene, PixelSurface& target);
  void drawPokerPanel(const TableScene& scene, PixelSurface& target);
  void drawRankHints(const TableScene& scene, PixelSurface& target);
  const PanelFont& panelFont();
  void ensureImages(const TableScene& scene);
  void ensureBackground(const TableScene& scene);
  bool onSquaredPile(const TableScene& scene, PileRef pile, int slot) const;
  PixelRect cardRect(int left, int top) const;

  SettingsRecord& settings_;
  TableRendererListener* listener_;
  double zoom_ = 1.0;
  long long displayColours_;
  CardImages images_;
  BackgroundPainter painter_;
  ImageFolders folders_;

  PixelSurface table_;
  PixelSurface background_;
  // The card being drawn, cornered before it is copied.
  PixelSurface scratch_;

  bool backgroundPainted_ = false;
  BackgroundChoice paintedChoice_;
  int paintedWidth_ = 0;
  int paintedHeight_ = 0;

  std::vector<PixelRect> selectionRects_;
  PanelFont panelFont_;
  bool panelFontTried_ = false;
};

}  // namespace quilloro
