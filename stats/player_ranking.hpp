// The players of one game kind ranked by their share of won games or their average score.
#pragma once

#include <string>
#include <vector>

#include "stats/statistics_file.hpp"

namespace quilloro::stats {

// Won games in per cent of the games played, rounded half up; 0 without games.
int wonPercentage(long long won, long long lost);

enum class RankingValue { WonPercent, AverageScore };

struct RankedPlayer {
  std::string name;
  long long value = 0;
};

// Every player with the chosen value (the average score is the sum of scores
// divided by the games played, cut toward zero; 0 without games), highest
// first; among equal values the player later in the list comes first.
std::vector<RankedPlayer> rankPlayers(const StatisticsFile& statistics, int gameIndex,
                                      const std::vector<std::string>& players, RankingValue value);

}  // namespace quilloro::stats
