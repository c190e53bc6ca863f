// A game dealt for the solver's commands exactly as quilloro-cli play deals
// it, so that the moves the solver finds replay there unchanged.
#pragma once

#include <string>

#include "app/core/settings_record.hpp"
#include "engine/game_session.hpp"
#include "engine/games_dat.hpp"
#include "engine/table_geometry.hpp"
#include "tools/cli_arguments.hpp"

namespace quilloro::cli {

class SolverSession {
 public:
  // Loads the game file of the arguments and the settings of the --home
  // folder; deals nothing yet. Throws UsageError for a game index the file lacks.
  SolverSession(const Arguments& args, int gameIndex);

  // Deals the game number (normalised to 13 digits) as play does: without
  // autoplay, which only the "sweep" command runs there.
  void deal(const std::string& number);

  Game& game() { return session_.game(); }
  GameSession& session() { return session_; }
  const GamesDat& games() const { return dat_; }

 private:
  GamesDat dat_;
  SettingsRecord settings_;
  SilentObserver observer_;
  LibraryAnchorGeometry geometry_;
  SystemTimeSource time_;
  GameSession session_;
};

}  // namespace quilloro::cli
