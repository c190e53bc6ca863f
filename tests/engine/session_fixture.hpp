// A game session on the built collection with its own home folder and a
// clock the tests move by hand.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "engine/game_number.hpp"
#include "engine/game_session.hpp"
#include "engine/games_dat.hpp"
#include "engine/recording_observer.hpp"
#include "game_fixture.hpp"
#include "tests/support/temp_dir.hpp"

namespace quilloro::testing {

class FakeTime : public TimeSource {
 public:
  LocalDateTime now() const override { return localTimeAt(epoch); }
  std::int64_t epoch = 1796119200;  // a December morning
};

inline const GamesDat& collection() {
  static const GamesDat dat = GamesDat::load(builtGamesDat());
  return dat;
}

// Klondike from the built collection, under a player of our own, with the
// result files in a folder of the test's own.
struct Session {
  explicit Session(const GamesDat* games = &collection())
      : session(games, settings, observer, geometry, time, home.path()) {
    settings.set(field::ScoringKind, "01");
    settings.set(field::UndoEnabled, "0");
    settings.set(field::UserDefault, "Tester");
    settings.set(field::ConfirmEnterHiScores, "N");
    settings.setInteger(field::Game, 0);
    session.game().setAutoplay(false);
  }

  void deal(const std::string& number) {
    settings.set(field::GameNumber, normaliseGameNumber(number));
    ASSERT_FALSE(session.newGame({.deal = true, .newNumber = false}));
  }
  // Stock clicks: each one a step of the undo history.
  void clickStock(int times) {
    for (int i = 0; i < times; ++i) {
      const StockPress press = game().pressStock();
      if (press == StockPress::Pressed) game().releaseStock();
    }
  }
  std::vector<std::string> table() const {
    std::vector<std::string> piles;
    for (const PileList list : {PileList::Stock, PileList::Foundations, PileList::Tableau, PileList::Reserves})
      for (int i = 0; i < pileListSize(list); ++i)
        piles.push_back(session.game().state.stateTokens(session.game().state.piles.pile(list, i)));
    return piles;
  }
  std::vector<std::string> logLines() const {
    std::vector<std::string> lines;
    std::istringstream in(testing::readFile(home / "DATA/STAT_LOG.DAT"));
    for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('\r')));
    return lines;
  }
  Game& game() { return session.game(); }

  testing::TempDir home;
  SettingsRecord settings;
  RecordingObserver observer;
  LibraryAnchorGeometry geometry;
  FakeTime time;
  GameSession session;
};

}  // namespace quilloro::testing
