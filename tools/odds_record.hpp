// A measurement of a game kind's odds by the solver, and the line that
// records it in the kind's game source, from which the catalogue's figures follow.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quilloro::cli {

struct Interval {
  double low = 0.0;
  double high = 1.0;
};

// The 95 % Wilson score interval of a share of successes in trials
// (0 to 1 when there were none).
Interval wilsonInterval(int successes, int trials);

// How long the deals of a measurement took, in processor seconds of the
// search: the median deal and the slowest.
struct DealTimes {
  double medianSeconds = 0.0;
  double slowestSeconds = 0.0;

  friend bool operator==(const DealTimes&, const DealTimes&) = default;
};

// The median and the slowest of the deals' times (nothing for no deal).
std::optional<DealTimes> dealTimesOf(std::vector<double> seconds);

struct OddsMeasurement {
  int firstDeal = 1;
  int deals = 0;
  // The budget of every deal: the positions decide, the time only cuts short.
  long long nodes = 0;
  int milliseconds = 0;
  int won = 0;
  int lost = 0;
  // Absent in records made before deals were timed.
  std::optional<DealTimes> times;

  int decided() const { return won + lost; }
  int undecided() const { return deals - won - lost; }
  // The share won of the decided deals, and its interval.
  Interval interval() const { return wilsonInterval(won, decided()); }

  friend bool operator==(const OddsMeasurement&, const OddsMeasurement&) = default;
};

// Whether a measurement tells the chance of winning: at least half its deals
// decided. Where the solver decides fewer, the deals it decides are mostly the
// easy wins, and their share says little of the others: the catalogue then
// keeps its estimate.
bool measurementTellsTheChance(const OddsMeasurement& measurement);

// The chance-of-winning index for a share of decided deals won: 0 very high
// to 4 very low.
int chanceOfWinningIndex(int won, int decided);

// "# measured: deals 1001-1200 nodes 100000 ms 10000 won 150 lost 10 undecided 40 interval 88.9-96.9
// median_s 0.125 max_s 10.002" (the times only where they were taken)
std::string formatOddsRecord(const OddsMeasurement& measurement);
// The measurement a record line holds; nothing for any other line or a
// record whose figures do not add up.
std::optional<OddsMeasurement> parseOddsRecord(std::string_view line);

// The report of the odds command: the counts, and the share won of the
// decided deals with its interval.
std::string describeOdds(const OddsMeasurement& measurement);

}  // namespace quilloro::cli
