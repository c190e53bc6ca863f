// Where the statistics, the result log and the hi-score tables are kept.
#pragma once

#include <filesystem>

namespace quilloro::stats {

// The three result files under <program directory>/DATA/.
struct ResultFiles {
    std::filesystem::path statistics;  // DATA/STAT.DAT
    std::filesystem::path log;         // DATA/STAT_LOG.DAT
    std::filesystem::path hiScores;    // DATA/STAT_SCR.DAT

    static ResultFiles under(const std::filesystem::path& programDirectory);
};

}  // namespace quilloro::stats
