// Ranking the players of one game kind.
#include "stats/player_ranking.hpp"

#include <algorithm>

namespace quilloro::stats {

int wonPercentage(long long won, long long lost) {
  const long long played = won + lost;
  if (played <= 0 || won < 0) return 0;
  return static_cast<int>((won * 200 + played) / (2 * played));
}

std::vector<RankedPlayer> rankPlayers(const StatisticsFile& statistics, int gameIndex,
                                      const std::vector<std::string>& players, RankingValue value) {
  std::vector<RankedPlayer> ranked;
  ranked.reserve(players.size());
  // Taken from the end, so that a stable sort puts the later of two equals first.
  for (auto name = players.rbegin(); name != players.rend(); ++name) {
    const StatisticsRecord record = statistics.read(gameIndex, *name);
    long long shown = 0;
    if (value == RankingValue::WonPercent) {
      shown = wonPercentage(record.won, record.lost);
    } else {
      const long long played = record.won + record.lost;
      shown = played > 0 ? record.scoreSum / played : 0;
    }
    ranked.push_back({*name, shown});
  }
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const RankedPlayer& a, const RankedPlayer& b) { return a.value > b.value; });
  return ranked;
}

}  // namespace quilloro::stats
