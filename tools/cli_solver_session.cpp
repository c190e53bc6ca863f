// Dealing games for the solver's commands.
#include "tools/cli_solver_session.hpp"

#include <stdexcept>

#include "app/core/settings_store.hpp"
#include "engine/game_number.hpp"
#include "tools/cli_catalogue_commands.hpp"

namespace quilloro::cli {

SolverSession::SolverSession(const Arguments& args, int gameIndex)
    : dat_(GamesDat::load(gamesDatPath(args))),
      settings_(startupSettings(programDirectory(args))),
      session_(&dat_, settings_, observer_, geometry_, time_, programDirectory(args)) {
  requireGame(dat_, gameIndex);
  settings_.setInteger(field::Game, gameIndex);
  settings_.set(field::ScoringKind, "01");
  settings_.set(field::UndoEnabled, "0");
  settings_.set(field::ConfirmEnterHiScores, "N");
}

void SolverSession::deal(const std::string& number) {
  settings_.set(field::GameNumber, normaliseGameNumber(number));
  game().setAutoplay(false);
  if (const auto error = session_.newGame({.deal = true, .newNumber = false})) throw std::runtime_error(*error);
  game().setAutoplay(true);
}

}  // namespace quilloro::cli
