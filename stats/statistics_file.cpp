// DATA/STAT.DAT: one section per game kind, one key per player.
#include "stats/statistics_file.hpp"

#include "app/core/ini_file.hpp"
#include "app/core/shared_routines.hpp"

namespace quilloro::stats {

std::string statisticsSection(int gameIndex) {
    return fnZeroPad(gameIndex, 4);
}

bool validGameIndex(int gameIndex) {
    return gameIndex >= 0 && gameIndex <= 9999;
}

StatisticsFile::StatisticsFile(std::filesystem::path path) : path_(std::move(path)) {}

StatisticsRecord StatisticsFile::read(int gameIndex, std::string_view player) const {
    if (!validGameIndex(gameIndex) || player.empty()) {
        return {};
    }
    const auto value = IniFile(path_).lookup(statisticsSection(gameIndex), player);
    return value ? StatisticsRecord::parse(*value) : StatisticsRecord{};
}

FileError StatisticsFile::write(int gameIndex, std::string_view player, const StatisticsRecord& record) {
    if (!validGameIndex(gameIndex)) {
        return "The game index " + std::to_string(gameIndex) + " cannot be stored in the statistics.";
    }
    IniFile file(path_);
    return file.writeString(statisticsSection(gameIndex), player, record.format());
}

}  // namespace quilloro::stats
