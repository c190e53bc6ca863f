// DATA/STAT_LOG.DAT: one fixed-column line per booked game.
#include "stats/result_log.hpp"

#include "app/core/shared_routines.hpp"
#include "stats/text_lines.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace quilloro::stats {

std::string formatResultLogLine(const ResultLogEntry& entry) {
    std::string line;
    line.reserve(kResultLogLineLength);
    line += fitField(formatDateCompact(entry.end), 8) + ' ';
    line += fitField(formatTimeOfDay(entry.end), 8) + ' ';
    line += fnZeroPad(std::clamp(entry.elapsedSeconds, 0, 999999), 6) + ' ';
    line += fnZeroPad(std::clamp(entry.gameIndex, 0, 9999), 4) + ' ';
    line += fitField(entry.gameName, 50) + ' ';
    line += fitField(entry.player, logcolumn::PlayerWidth) + ' ';
    line += entry.won ? "Won  " : "Lost ";
    line += fitField(entry.scoringKind, 2) + ' ';
    line += fitField(entry.score, 6) + ' ';
    line += fitField(entry.gameNumber, 15) + ' ';
    line += "0310";
    return line;
}

FileError appendResultLogLine(const std::filesystem::path& log, const ResultLogEntry& entry) {
    std::error_code error;
    if (log.has_parent_path()) {
        std::filesystem::create_directories(log.parent_path(), error);
        if (error) {
            return "Cannot create the folder " + log.parent_path().string() + ": " + error.message();
        }
    }
    if (std::filesystem::exists(log, error) && !std::filesystem::is_regular_file(log, error)) {
        return "Error writing file: " + log.string() + "\nIt is not a regular file.";
    }
    // Never wait on a pipe put in the log's place meanwhile; the check below refuses it.
    const int fd = ::open(log.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
        return "Error writing file: " + log.string() + "\n" + std::strerror(errno);
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat file {};
    if (::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode)) {
        return "Error writing file: " + log.string() + "\nIt is not a regular file.";
    }
    if ((file.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return "Error writing file: " + log.string() + "\nThe file is read-only.";
    }
    std::string text;
    // A last line cut short (by a crash during its write) gets its line end,
    // so the new line starts at column 1 where the readers look for it.
    if (file.st_size > 0) {
        char last = '\n';
        if (::pread(fd, &last, 1, file.st_size - 1) == 1 && last != '\n') {
            text += kLineEnd;
        }
    }
    text += formatResultLogLine(entry);
    text += kLineEnd;
    // One write: the line lands whole at the end, or (cut by a crash) as a
    // torn last line that the readers skip.
    std::string_view left = text;
    while (!left.empty()) {
        const ssize_t written = ::write(fd, left.data(), left.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            // A full disk: what part of the line got in goes again.
            // Should even that fail, the torn line stays last and the readers skip it.
            const std::string reason = written < 0 ? std::strerror(errno) : "Nothing could be written.";
            const bool takenBack = ::ftruncate(fd, file.st_size) == 0;
            return "Error writing file: " + log.string() + "\n" + reason + (takenBack ? "" : " (the line stays torn)");
        }
        left.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::fsync(fd) != 0) {
        return "Error writing file: " + log.string() + "\n" + std::strerror(errno);
    }
    return std::nullopt;
}

FileError forEachResultLogLine(const std::filesystem::path& log, const std::function<void(std::string_view)>& visit) {
    std::error_code error;
    const auto status = std::filesystem::status(log, error);
    if (!std::filesystem::exists(status)) {
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(status)) {
        return "Cannot read " + log.string() + ": it is not a regular file.";
    }
    std::ifstream in(log, std::ios::binary);
    if (!in) {
        return "Cannot open " + log.string() + ": " + std::strerror(errno);
    }
    std::string line;
    while (std::getline(in, line)) {
        if (in.eof()) {
            break;  // no line end: a line torn by a crash
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        visit(line);
    }
    if (in.bad()) {
        return "Cannot read " + log.string() + ".";
    }
    return std::nullopt;
}

}  // namespace quilloro::stats
