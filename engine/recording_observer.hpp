// An observer that keeps what the engine reported, in order, for tests and for
// the command-line player.
#pragma once

#include <string>
#include <vector>

#include "engine/engine_observer.hpp"

namespace quilloro {

class RecordingObserver : public EngineObserver {
 public:
  struct Sound {
    std::string fileName;
    bool switchOn;
    friend bool operator==(const Sound&, const Sound&) = default;
  };
  struct CounterMove {
    CardNumber card;
    PileKind from;
    PileKind to;
    friend bool operator==(const CounterMove&, const CounterMove&) = default;
  };

  void cardFlight(const CardFlight& flight) override { flights.push_back(flight); }
  void redraw(Redraw what, PileRef) override { redraws.push_back(what); }
  void playSound(std::string_view fileName, bool switchOn) override {
    sounds.push_back({std::string(fileName), switchOn});
  }
  void cardCounterMoved(CardNumber card, PileKind from, PileKind to) override {
    counterMoves.push_back({card, from, to});
  }
  void cardCounterRefresh() override { ++counterRefreshes; }
  void scoreChanged(int score) override { scores.push_back(score); }
  void beep() override { ++beeps; }
  void message(std::string_view text) override { messages.emplace_back(text); }
  void pause(int milliseconds) override { pauses.push_back(milliseconds); }

  void clear() { *this = RecordingObserver(); }

  std::vector<CardFlight> flights;
  std::vector<Redraw> redraws;
  std::vector<Sound> sounds;
  std::vector<CounterMove> counterMoves;
  int counterRefreshes = 0;
  std::vector<int> scores;
  int beeps = 0;
  std::vector<std::string> messages;
  std::vector<int> pauses;
};

}  // namespace quilloro
