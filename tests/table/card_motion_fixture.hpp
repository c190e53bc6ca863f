// A small table of miniature cards with a window, a dragger and a flight
// player, and recorders for their pauses and sounds, for the motion tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "table/card_dragger.hpp"
#include "table/card_flight_player.hpp"
#include "table/empty_stock_button.hpp"
#include "tests/table/render_test_pictures.hpp"
#include "tests/table/four_pile_table.hpp"

namespace quilloro::testing {

class CountingPacer : public Pacer {
 public:
  void pause(int milliseconds) override {
    pauses.push_back(milliseconds);
    if (onPause) onPause();
  }
  int total() const {
    int sum = 0;
    for (const int p : pauses) sum += p;
    return sum;
  }
  std::vector<int> pauses;
  std::function<void()> onPause;
};

class RecordingSounds : public SoundRequests {
 public:
  void playSound(std::string_view name, bool on) override { played.push_back({std::string(name), on}); }
  void playLoopingSound(std::string_view name, bool on) override { looped.push_back({std::string(name), on}); }
  std::vector<std::pair<std::string, bool>> played;
  std::vector<std::pair<std::string, bool>> looped;
};

// Empty when both pictures agree; otherwise the first pixel that differs and
// how many do, so that a failure says where to look.
inline std::string differences(const PixelSurface& a, const PixelSurface& b) {
  if (a.width() != b.width() || a.height() != b.height()) return "sizes differ";
  int count = 0;
  std::string first;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y) && count++ == 0)
        first = std::to_string(x) + "," + std::to_string(y);
  return count == 0 ? std::string() : std::to_string(count) + " pixels from " + first;
}

inline constexpr PileRef kFila1{PileList::Tableau, 0};
inline constexpr PileRef kFila2{PileList::Tableau, 1};
inline constexpr PileRef kFila3{PileList::Tableau, 2};
inline constexpr PileRef kDest1{PileList::Foundations, 0};

// Stock and waste at the left, four foundations at the right, four downward
// tableau piles below, as the renderer's own tests lay them out.
class MotionTable : public ::testing::Test {
 protected:
  MotionTable() {
    folder.writeCardSet(kCardSizeMiniature);
    settings.set(field::CardSize, "P");
    settings.set(field::CardsShadowed, "N");
    settings.set(field::CardsAnimate, "Y");
    settings.set(field::PilesIrregular, "N");
    settings.set(field::SpeedMoveCard, "10");
    settings.set(field::SoundsCardUp, "Y");
    settings.set(field::SoundsCardDown, "Y");
    settings.set(field::SoundsShuffle, "Y");
    settings.set(field::Card, "001");
    settings.set(field::BackCard, "011");
    settings.set(field::BackgroundDefault, "Y");
    testing::useFourPileTable(state);
    WindowMetrics metrics;
    metrics.screenWidth = metrics.windowWidth = 400;
    metrics.screenHeight = metrics.windowHeight = 300;
    metrics.statusBarTop = 235;
    layout.attach(state);
    layout.setWindow(metrics);
    layout.prepareTable();
    renderer.resizeBuffers(400, 300);
  }

  TableScene scene() const { return TableScene(state, layout); }
  Point cardAt(PileRef pile, int slot) const { return layout.cardPosition(pile, slot); }
  CardRect rectAt(PileRef pile, int slot) const {
    const Point p = cardAt(pile, slot);
    return {p.x, p.y, p.x + 25, p.y + 32};
  }
  void draw() { renderer.redrawTable(scene(), &window); }
  // The table buffer as a fresh drawing of the current state gives it; the
  // buffer itself is left as it was.
  PixelSurface freshTable() {
    const PixelSurface kept = renderer.tableBuffer();
    renderer.redrawTable(scene(), nullptr);
    PixelSurface fresh = renderer.tableBuffer();
    renderer.tableBuffer() = kept;
    return fresh;
  }
  // Moves the top card of one pile onto another, as the engine would.
  void moveTop(PileRef from, PileRef to) {
    Pile& source = state.piles.pile(from);
    const CardNumber card = source.topCard();
    source.dropTop(1);
    state.putCard(to.list, to.index, card, "1");
  }

  PictureFolder folder;
  SettingsRecord settings;
  GameState state;
  TableLayout layout{settings, nullptr, [](int) { return 0; }};
  TableRenderer renderer{settings, folder.home()};
  PixelSurface window{400, 300};
  CountingPacer pacer;
  RecordingSounds sounds;
  CardDragger dragger{renderer, settings, window, &sounds};
  CardFlightPlayer flights{dragger, renderer, settings, window, pacer, &sounds};
};

}  // namespace quilloro::testing
