// A table layout over a hand-made game definition and window, for the layout tests.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "app/core/settings_record.hpp"
#include "engine/game_state.hpp"
#include "table/table_layout.hpp"

namespace quilloro::testing {

// A maximised window: menu and toolbar down to y 50, the status bar where a
// resize puts it (window height - bar height - 45).
inline WindowMetrics maximised(int width, int height) {
  WindowMetrics m;
  m.screenWidth = m.windowWidth = width;
  m.screenHeight = m.windowHeight = height;
  m.barsBottom = 50;
  m.statusBarHeight = 20;
  m.statusBarTop = height - 20 - 45;
  return m;
}

class RecordingLayoutListener : public TableLayoutListener {
 public:
  void cardSizeChanged(const CardSize& size) override { sizes.push_back(size.letter); }
  void customizeAvailable(bool available) override { customize.push_back(available); }
  void notice(const std::string& text) override { notices.push_back(text); }
  std::vector<char> sizes;
  std::vector<bool> customize;
  std::vector<std::string> notices;
};

class LayoutBench {
 public:
  LayoutBench() {
    state.parameters.values().fill(0);
    settings.set(field::CardSize, "B");
    settings.set(field::CardsShadowed, "N");
    settings.set(field::PilesIrregular, "N");
    layout.attach(state);
    layout.setWindow(maximised(1024, 768));
  }

  void set(std::initializer_list<std::pair<int, int>> values) {
    for (const auto& [index, value] : values) state.parameters[index] = static_cast<ParameterValue>(value);
  }
  const PileAnchors& run() {
    layout.prepareTable();
    return layout.anchors();
  }
  const PileAnchors& runAt(int width, int height) {
    layout.setWindow(maximised(width, height));
    return run();
  }

  SettingsRecord settings;
  GameState state;
  RecordingLayoutListener listener;
  TableLayout layout{settings, &listener, [](int) { return 0; }};
};

inline Anchor tableau(const PileAnchors& a, int n) { return a.tableau[static_cast<std::size_t>(n - 1)]; }
inline Anchor foundation(const PileAnchors& a, int n) { return a.foundations[static_cast<std::size_t>(n - 1)]; }
inline Anchor reserve(const PileAnchors& a, int n) { return a.reserves[static_cast<std::size_t>(n - 1)]; }
inline Anchor stock(const PileAnchors& a) { return a.stock[kStockIndex]; }
inline Anchor waste(const PileAnchors& a) { return a.stock[kWasteIndex]; }
inline Anchor discard(const PileAnchors& a) { return a.stock[kDiscardIndex]; }

// Every placed pile, named, for the whole-table checks.
struct PlacedPile {
  std::string name;
  Anchor anchor;
};
inline std::vector<PlacedPile> placedPiles(const PileAnchors& a) {
  std::vector<PlacedPile> piles;
  for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
    for (int i = 0; i < pileListSize(list); ++i)
      if (const Anchor anchor = a.at({list, i}); anchor.placed())
        piles.push_back({list == PileList::Stock && i == kDiscardIndex ? "discard" : pileName({list, i}), anchor});
  return piles;
}

// Two cards at these anchors share pixels.
inline bool cardsOverlap(Anchor a, Anchor b, const CardSize& size) {
  return a.left < b.left + size.width && b.left < a.left + size.width && a.top < b.top + size.height &&
         b.top < a.top + size.height;
}

}  // namespace quilloro::testing
