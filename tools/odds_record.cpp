// Measured odds: the interval, the record line and the report.
#include "tools/odds_record.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <vector>

namespace quilloro::cli {

namespace {

constexpr std::string_view kRecordStart = "# measured:";
// The normal quantile of a two-sided 95 % interval.
constexpr double kZ = 1.959963984540054;

std::string percent(double share) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", 100.0 * share);
  return text;
}

std::string seconds(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

}  // namespace

std::optional<DealTimes> dealTimesOf(std::vector<double> seconds) {
  if (seconds.empty()) return std::nullopt;
  std::sort(seconds.begin(), seconds.end());
  const std::size_t n = seconds.size();
  const double median = n % 2 == 1 ? seconds[n / 2] : (seconds[n / 2 - 1] + seconds[n / 2]) / 2;
  return DealTimes{.medianSeconds = median, .slowestSeconds = seconds.back()};
}

Interval wilsonInterval(int successes, int trials) {
  if (trials <= 0) return {};
  const double n = trials;
  const double p = static_cast<double>(successes) / n;
  const double z2 = kZ * kZ;
  const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
  const double half = kZ * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / (1 + z2 / n);
  return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

bool measurementTellsTheChance(const OddsMeasurement& m) { return m.decided() > 0 && 2 * m.decided() >= m.deals; }

int chanceOfWinningIndex(int won, int decided) {
  if (decided <= 0) return 4;
  const double share = static_cast<double>(won) / decided;
  if (share >= 0.9) return 0;
  if (share >= 0.7) return 1;
  if (share >= 0.4) return 2;
  if (share >= 0.15) return 3;
  return 4;
}

std::string formatOddsRecord(const OddsMeasurement& m) {
  const Interval interval = m.interval();
  std::ostringstream out;
  out << kRecordStart << " deals " << m.firstDeal << '-' << m.firstDeal + m.deals - 1 << " nodes " << m.nodes << " ms "
      << m.milliseconds << " won " << m.won << " lost " << m.lost << " undecided " << m.undecided() << " interval "
      << percent(interval.low) << '-' << percent(interval.high);
  if (m.times) out << " median_s " << seconds(m.times->medianSeconds) << " max_s " << seconds(m.times->slowestSeconds);
  return out.str();
}

std::optional<OddsMeasurement> parseOddsRecord(std::string_view line) {
  if (!line.starts_with(kRecordStart)) return std::nullopt;
  std::istringstream in{std::string(line.substr(kRecordStart.size()))};
  OddsMeasurement m;
  int lastDeal = 0;
  int undecided = 0;
  std::string word[6];
  char dash = 0;
  in >> word[0] >> m.firstDeal >> dash >> lastDeal >> word[1] >> m.nodes >> word[2] >> m.milliseconds >> word[3] >>
      m.won >> word[4] >> m.lost >> word[5] >> undecided;
  if (!in || dash != '-' || word[0] != "deals" || word[1] != "nodes" || word[2] != "ms" || word[3] != "won" ||
      word[4] != "lost" || word[5] != "undecided")
    return std::nullopt;
  // The interval, then the times if the deals were timed.
  std::string interval;
  in >> word[0] >> interval;
  if (!in || word[0] != "interval") return std::nullopt;
  if (in >> word[0]) {
    DealTimes times;
    in >> times.medianSeconds >> word[1] >> times.slowestSeconds;
    if (!in || word[0] != "median_s" || word[1] != "max_s") return std::nullopt;
    m.times = times;
  }
  m.deals = lastDeal - m.firstDeal + 1;
  if (m.deals < 1 || m.won < 0 || m.lost < 0 || undecided < 0 || m.undecided() != undecided) return std::nullopt;
  // The interval is written from the counts: a record is whole only when it
  // matches them (and the times only in the one form the writer gives them).
  if (formatOddsRecord(m) != line) return std::nullopt;
  return m;
}

std::string describeOdds(const OddsMeasurement& m) {
  std::ostringstream out;
  out << "won " << m.won << " lost " << m.lost << " undecided " << m.undecided() << " of " << m.deals << " (deals "
      << m.firstDeal << '-' << m.firstDeal + m.deals - 1 << ", " << m.nodes << " positions and " << m.milliseconds
      << " ms a deal)\n";
  if (m.decided() == 0) {
    out << "no deal decided: no share of wins\n";
  } else {
    if (!measurementTellsTheChance(m))
      out << "fewer than half the deals decided: the catalogue keeps its estimated chance of winning\n";
    const Interval interval = m.interval();
    out << "won " << percent(static_cast<double>(m.won) / m.decided()) << " % of the decided deals (95 % interval "
        << percent(interval.low) << " to " << percent(interval.high) << " %)\n";
  }
  if (m.times)
    out << "a deal took " << seconds(m.times->medianSeconds) << " s at the median and " << seconds(m.times->slowestSeconds)
        << " s at the most (processor time)\n";
  return out.str();
}

}  // namespace quilloro::cli
