// A measurement of a game kind's odds by the solver, and the line that
// records it in the kind's game source, from which the catalogue's figures follow.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quilloro::cli {

struct Interval {
  double low = 0.0;
  double high = 1.0;
};

// The 95 % Wilson score interval of a share of successes in trials
// (0 to 1 when there were none).
Interval wilsonInterval(int successes, int trials);

struct OddsMeasurement {
  int firstDeal = 1;
  int deals = 0;
  // The budget of every deal: the positions decide, the time only cuts short.
  long long nodes = 0;
  int milliseconds = 0;
  int won = 0;
  int lost = 0;

  int decided() const { return won + lost; }
  int undecided() const { return deals - won - lost; }
  // The share won of the decided deals, and its interval.
  Interval interval() const { return wilsonInterval(won, decided()); }

  friend bool operator==(const OddsMeasurement&, const OddsMeasurement&) = default;
};

// The chance-of-winning index for a share of decided deals won: 0 very high
// to 4 very low.
int chanceOfWinningIndex(int won, int decided);

// "# measured: deals 1001-1200 nodes 100000 ms 10000 won 150 lost 10 undecided 40 interval 88.9-96.9"
std::string formatOddsRecord(const OddsMeasurement& measurement);
// The measurement a record line holds; nothing for any other line or a
// record whose figures do not add up.
std::optional<OddsMeasurement> parseOddsRecord(std::string_view line);

// The report of the odds command: the counts, and the share won of the
// decided deals with its interval.
std::string describeOdds(const OddsMeasurement& measurement);

}  // namespace quilloro::cli
