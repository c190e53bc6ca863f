// DATA/STAT.DAT: one section per game kind, one key per player.
#pragma once

#include "app/core/atomic_file.hpp"
#include "stats/statistics_record.hpp"

#include <filesystem>
#include <string>
#include <string_view>

namespace quilloro::stats {

// The section of a game kind: its index in 4 digits ("0007").
std::string statisticsSection(int gameIndex);
// Whether a game index can name a section (0 to 9999).
bool validGameIndex(int gameIndex);

// Records are read and written key by key in INI layout; section and player
// names are matched without regard to letter case, as every INI reader does.
class StatisticsFile {
public:
    explicit StatisticsFile(std::filesystem::path path);

    // The record, or the zero record when the file, section or key is missing.
    StatisticsRecord read(int gameIndex, std::string_view player) const;
    // Writes the record, creating the file and the section when needed. A
    // game index or player name that cannot be stored is refused.
    FileError write(int gameIndex, std::string_view player, const StatisticsRecord& record);

private:
    std::filesystem::path path_;
};

}  // namespace quilloro::stats
