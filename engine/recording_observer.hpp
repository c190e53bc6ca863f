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
  void toggleSelectionMark(CardNumber card) override { markToggles.push_back(card); }
  void pokerHand(const PokerAnnouncement& hand, bool shown) override {
    if (shown) pokerHands.push_back(hand);
  }
  void pokerTotal(int total) override { pokerTotals.push_back(total); }
  bool confirmAbandon(std::string_view message) override {
    questions.emplace_back(message.empty() ? "Quit this game?" : message);
    return answer;
  }
  bool confirm(std::string_view question) override {
    questions.emplace_back(question);
    return answer;
  }
  void winAnimation(int kind) override { winAnimations.push_back(kind); }
  void newHiScore(const NewHiScore& entry) override { hiScores.push_back(entry); }
  void gameWon(const GameWonSummary& summary) override { wonDialogs.push_back(summary); }
  void fileError(std::string_view text) override { fileErrors.emplace_back(text); }

  // Clears what was recorded; the answer to questions stays.
  void clear() {
    const bool keep = answer;
    *this = RecordingObserver();
    answer = keep;
  }

  // What every question is answered.
  bool answer = true;

  std::vector<CardFlight> flights;
  std::vector<Redraw> redraws;
  std::vector<Sound> sounds;
  std::vector<CounterMove> counterMoves;
  int counterRefreshes = 0;
  std::vector<int> scores;
  int beeps = 0;
  std::vector<std::string> messages;
  std::vector<int> pauses;
  std::vector<CardNumber> markToggles;
  std::vector<PokerAnnouncement> pokerHands;
  std::vector<int> pokerTotals;
  std::vector<std::string> questions;
  std::vector<int> winAnimations;
  std::vector<NewHiScore> hiScores;
  std::vector<GameWonSummary> wonDialogs;
  std::vector<std::string> fileErrors;
};

}  // namespace quilloro
