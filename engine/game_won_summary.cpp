// The "Game won" figures: percentages and the pie picture for the larger share.
#include "engine/game_won_summary.hpp"

#include <cstdio>

namespace quilloro {

GameWonSummary summariseTotals(std::string gameName, long long won, long long lost) {
  GameWonSummary summary;
  summary.gameName = std::move(gameName);
  summary.won = won;
  summary.lost = lost;
  const long long played = won + lost;
  summary.played = played > 0;
  if (!summary.played) {
    summary.picture = "imgGraphNoValues";
    summary.exchangeColours = true;
    return summary;
  }
  summary.wonPercent = static_cast<int>((won * 200 + played) / (played * 2));
  summary.lostPercent = 100 - summary.wonPercent;
  const int larger = summary.lostPercent >= 50 ? summary.lostPercent : summary.wonPercent;
  // Pictures in steps of 2.5 %: 50, 52.5 ... 100, each from its rounded-up share.
  const int step = (2 * larger - 100) / 5;
  char name[32];
  std::snprintf(name, sizeof name, "imgGraph%04d", 500 + 25 * step);
  summary.picture = name;
  summary.exchangeColours = summary.lostPercent < 50;
  return summary;
}

}  // namespace quilloro
