// The cost of booking a game with a small and a large result log: the log is
// appended, so a booking must cost the same with 1 KB and with 100 MB of it.
// Run from the build folder with low priority, it writes 100 MB to a
// temporary folder:
//   nice -n 19 quilloro/quilloro_booking_bench
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/core/settings_record.hpp"
#include "stats/booking.hpp"
#include "stats/hi_score_table.hpp"
#include "stats/result_files.hpp"
#include "stats/result_log.hpp"

namespace {

using namespace quilloro;
namespace fs = std::filesystem;

stats::ResultLogEntry entry(int game) {
  stats::ResultLogEntry line;
  line.end.year = 2026;
  line.end.month = 12;
  line.end.day = 9;
  line.elapsedSeconds = game % 1000;
  line.gameIndex = game % 90;
  line.gameName = "Klondike";
  line.player = "Bench";
  line.won = game % 2 == 0;
  line.scoringKind = "01";
  line.score = std::to_string(game % 300);
  line.gameNumber = "0000000000001";
  return line;
}

// A DATA folder whose log already holds about logBytes of lines.
class Home {
 public:
  explicit Home(std::size_t logBytes) {
    std::random_device seed;
    folder_ = fs::temp_directory_path() / ("quilloro-booking-bench-" + std::to_string(::getpid()) + "-" +
                                           std::to_string(seed()));
    files = stats::ResultFiles::under(folder_);
    fs::create_directories(files.log.parent_path());
    std::ofstream log(files.log, std::ios::binary);
    const std::string line = stats::formatResultLogLine(entry(0)) + "\r\n";
    for (std::size_t written = 0; written < logBytes; written += line.size()) log << line;
  }
  ~Home() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  stats::ResultFiles files;

 private:
  fs::path folder_;
};

// One whole booking: the log line, the statistics and the hi-score table.
void BM_Booking(benchmark::State& state) {
  const Home home(static_cast<std::size_t>(state.range(0)));
  SettingsRecord settings;
  stats::resetRunCounters(settings);
  int game = 0;
  for (auto _ : state) {
    ++game;
    const stats::ResultLogEntry line = entry(game);
    benchmark::DoNotOptimize(stats::appendResultLogLine(home.files.log, line));
    benchmark::DoNotOptimize(stats::bookResult(home.files, settings, line.gameIndex, "Bench", line.won, game));
    stats::HiScoreOffer offer;
    offer.gameIndex = line.gameIndex;
    offer.player = "Bench";
    offer.scoringKind = "01";
    offer.end = line.end;
    offer.score = game % 300;
    offer.won = line.won;
    benchmark::DoNotOptimize(stats::HiScoreFile(home.files.hiScores).offer(offer, line.end));
  }
}
BENCHMARK(BM_Booking)->Arg(1 << 10)->Arg(100 << 20)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

BENCHMARK_MAIN();
