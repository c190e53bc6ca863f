// Starting the chosen game kind, player or game number through the session.
#include "app/selection/game_selection_start.hpp"

#include "app/core/settings_store.hpp"
#include "app/core/shared_routines.hpp"
#include "engine/game_session.hpp"
#include "stats/booking.hpp"

namespace quilloro {

namespace {

// The recent numbers of the select-number dialog follow every deal.
void rememberNumber(const GameSelectionContext& context) {
  SettingsStore store(context.programDirectory);
  store.fnRememberGameNumber(context.settings->get(field::GameNumber));
}

StartOutcome deal(const GameSelectionContext& context, bool newNumber) {
  StartOutcome outcome;
  if (auto error = context.session->newGame({.deal = true, .newNumber = newNumber})) {
    outcome.error = *error;
    return outcome;
  }
  outcome.started = true;
  rememberNumber(context);
  return outcome;
}

}  // namespace

GameChoice makeGameChoice(const SettingsRecord& settings, int gameIndex, const std::string& chosenPlayer) {
  GameChoice choice;
  choice.gameIndex = gameIndex;
  const std::string current = settings.get(field::UserDefault);
  // An empty player list chooses nobody: the current player stays.
  choice.player = chosenPlayer.empty() ? current : fnTrimRight(fnTrimLeft(chosenPlayer));
  choice.gameChanged = settings.getInteger(field::Game).value_or(-1) != gameIndex;
  choice.playerChanged = choice.player != current;
  return choice;
}

StartOutcome startChosenGame(const GameSelectionContext& context, const GameChoice& choice,
                             bool firstChoiceOfRun) {
  StartOutcome outcome;
  if (context.session == nullptr || context.settings == nullptr) return outcome;
  GameSession& session = *context.session;
  SettingsRecord& settings = *context.settings;
  const bool changed = choice.gameChanged || choice.playerChanged;
  if (!changed && session.game().underWay()) return outcome;
  if (!session.confirmAbandon()) return outcome;

  session.endGame();
  if (changed) stats::resetRunCounters(settings);
  IniFile preferences = context.preferences();
  if (choice.playerChanged) {
    settings.set(field::UserDefault, choice.player);
    preferences.writeString(prefkey::Section, field::UserDefault.key, settings.get(field::UserDefault));
    context.caption();
  }
  outcome.justChosen = choice.gameChanged || firstChoiceOfRun;
  settings.setInteger(field::Game, choice.gameIndex);
  // Written only now: the preferences name the game kind that is played.
  preferences.writeInteger(prefkey::Section, field::Game.key, choice.gameIndex);

  StartOutcome dealt = deal(context, true);
  dealt.justChosen = outcome.justChosen;
  context.caption();
  return dealt;
}

StartOutcome dealGameNumber(const GameSelectionContext& context, const std::string& number) {
  StartOutcome outcome;
  if (context.session == nullptr || context.settings == nullptr) return outcome;
  if (!context.session->confirmAbandon()) return outcome;
  context.session->endGame();
  context.settings->set(field::GameNumber, number);
  context.caption();
  outcome = deal(context, false);
  context.caption();
  return outcome;
}

StartOutcome dealNewNumber(const GameSelectionContext& context) {
  if (context.session == nullptr || context.settings == nullptr) return {};
  if (!context.session->confirmAbandon()) return {};
  context.session->endGame();
  StartOutcome outcome = deal(context, true);
  context.caption();
  return outcome;
}

}  // namespace quilloro
