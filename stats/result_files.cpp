// Where the statistics, the result log and the hi-score tables are kept.
#include "stats/result_files.hpp"

namespace quilloro::stats {

ResultFiles ResultFiles::under(const std::filesystem::path& programDirectory) {
    const auto data = programDirectory / "DATA";
    return ResultFiles{data / "STAT.DAT", data / "STAT_LOG.DAT", data / "STAT_SCR.DAT"};
}

}  // namespace quilloro::stats
