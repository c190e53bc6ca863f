// DATA/STAT_SCR.DAT: reading and rewriting the sections of the hi-score tables.
#include "stats/hi_score_table.hpp"

#include "app/core/shared_routines.hpp"
#include "stats/file_rewrite.hpp"
#include "stats/statistics_file.hpp"
#include "stats/text_lines.hpp"

#include <algorithm>
#include <optional>
#include <vector>

namespace quilloro::stats {

namespace {

constexpr std::string_view kVersion = "0300";

std::string versionLines() {
    return "[Version]" + std::string(kLineEnd) + "Version=" + std::string(kVersion) + std::string(kLineEnd);
}

struct Loaded {
    bool exists = false;
    std::vector<TextLine> lines;
    FileError error;
};

Loaded load(const std::filesystem::path& path) {
    auto read = readWholeFile(path);
    return Loaded{read.exists, splitLines(read.content), std::move(read.error)};
}

// The lines of a section as [first, end), or nothing without its header.
struct Span {
    std::size_t header;
    std::size_t first;
    std::size_t end;
};

std::optional<Span> findSection(const std::vector<TextLine>& lines, std::string_view name) {
    const std::string header = "[" + std::string(name) + "]";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].text.starts_with(header)) {
            std::size_t end = i + 1;
            while (end < lines.size() && !lines[end].text.starts_with("[")) {
                ++end;
            }
            return Span{i, i + 1, end};
        }
    }
    return std::nullopt;
}

// The values of the keys, each from the first line of the section that
// begins with it; nothing for a key not found.
std::vector<std::optional<std::string>> readKeys(const std::vector<TextLine>& lines, std::string_view section,
                                                 const std::vector<std::string>& keys) {
    std::vector<std::optional<std::string>> values(keys.size());
    const auto span = findSection(lines, section);
    if (!span) {
        return values;
    }
    std::size_t missing = keys.size();
    for (std::size_t i = span->first; i < span->end && missing > 0; ++i) {
        const std::string& text = lines[i].text;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (!values[k] && text.starts_with(keys[k])) {
                const auto equals = text.find('=');
                values[k] = equals == std::string::npos ? std::string() : text.substr(equals + 1);
                --missing;
                break;
            }
        }
    }
    return values;
}

std::string readValue(const std::vector<TextLine>& lines, std::string_view section, std::string_view key,
                      std::string_view defaultValue) {
    auto values = readKeys(lines, section, {std::string(key)});
    return values.front() ? *values.front() : std::string(defaultValue);
}

std::string placeKey(std::string_view kind, int place) {
    return std::string(kind) + "-" + fnZeroPad(place, 2);
}

std::vector<std::string> tableKeys(std::string_view kind) {
    std::vector<std::string> keys;
    for (int place = 1; place <= kHiScorePlaces; ++place) {
        keys.push_back(placeKey(kind, place));
    }
    return keys;
}

// The file content with the section's key lines replaced by the new ones:
// at the place of the first old key line, or after the section's last
// non-blank line; the section, after an empty line, at the end when it is
// missing; the version lines first in a new file. Other lines stay as they are.
std::string withSection(const Loaded& loaded, std::string_view section, const std::vector<std::string>& keys,
                        const std::vector<std::string>& values) {
    std::vector<TextLine> lines = loaded.lines;
    if (!loaded.exists) {
        lines = splitLines(versionLines());
    }
    std::vector<TextLine> fresh;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        fresh.push_back(TextLine{keys[k] + "=" + values[k], std::string(kLineEnd)});
    }
    std::size_t insertAt = 0;
    if (const auto span = findSection(lines, section)) {
        std::optional<std::size_t> firstOld;
        std::size_t lastFilled = span->header;
        std::vector<TextLine> kept(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(span->first));
        for (std::size_t i = span->first; i < span->end; ++i) {
            const bool old = std::any_of(keys.begin(), keys.end(),
                                         [&](const std::string& key) { return lines[i].text.starts_with(key); });
            if (old) {
                firstOld = firstOld.value_or(kept.size());
                continue;
            }
            kept.push_back(lines[i]);
            if (!trimBlanks(lines[i].text).empty()) {
                lastFilled = kept.size() - 1;
            }
        }
        insertAt = firstOld.value_or(lastFilled + 1);
        kept.insert(kept.end(), lines.begin() + static_cast<std::ptrdiff_t>(span->end), lines.end());
        lines = std::move(kept);
    } else {
        lines.push_back(TextLine{"", std::string(kLineEnd)});
        lines.push_back(TextLine{"[" + std::string(section) + "]", std::string(kLineEnd)});
        insertAt = lines.size();
    }
    // A line that ends the file without a line end gets one before new lines follow it.
    if (insertAt > 0 && lines[insertAt - 1].ending.empty()) {
        lines[insertAt - 1].ending = kLineEnd;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), fresh.begin(), fresh.end());
    return joinLines(lines);
}

// Scoring kinds are two characters of a key; one that would read back as
// another key cannot be stored.
std::optional<std::string> scoringKindKey(std::string_view scoringKind) {
    std::string kind = fitField(scoringKind, 2);
    if (kind.find_first_of("=[]") != std::string::npos) {
        return std::nullopt;
    }
    return kind;
}

struct Table {
    HiScoreTable entries;
    bool madeDefault = false;
};

Table tableIn(const Loaded& loaded, std::string_view section, std::string_view kind, const LocalDateTime& now) {
    Table table;
    const auto values = readKeys(loaded.lines, section, tableKeys(kind));
    for (std::size_t i = 0; i < values.size(); ++i) {
        table.entries[i] = values[i] ? HiScoreEntry::parse(*values[i]) : HiScoreEntry{};
    }
    const std::string firstScore = values.front() ? values.front()->substr(0, 6) : std::string();
    const bool cleared = trimBlanks(readValue(loaded.lines, "Clear scores", "Cleared", "N")) == "Y";
    if (trimBlanks(firstScore).empty() && !cleared) {
        table.entries = defaultHiScoreTable(now);
        table.madeDefault = true;
    }
    return table;
}

FileError store(const std::filesystem::path& path, const Loaded& loaded, std::string_view section,
                std::string_view kind, const HiScoreTable& entries) {
    std::vector<std::string> values;
    for (const HiScoreEntry& entry : entries) {
        values.push_back(entry.format());
    }
    return rewriteFile(path, withSection(loaded, section, tableKeys(kind), values));
}

}  // namespace

HiScoreFile::HiScoreFile(std::filesystem::path path) : path_(std::move(path)) {}

HiScoreFile::OfferResult HiScoreFile::offer(const HiScoreOffer& offer, const LocalDateTime& now) {
    OfferResult result;
    const auto kind = scoringKindKey(offer.scoringKind);
    if (!validGameIndex(offer.gameIndex) || !kind) {
        result.error = "The result cannot be entered in the hi-scores: game index " +
                       std::to_string(offer.gameIndex) + ", scoring kind \"" + offer.scoringKind + "\".";
        return result;
    }
    const Loaded loaded = load(path_);
    if (loaded.error) {
        result.error = loaded.error;
        return result;
    }
    const std::string section = statisticsSection(offer.gameIndex);
    Table table = tableIn(loaded, section, *kind, now);

    HiScoreEntry entry;
    entry.empty = false;
    // Ranked as it will be stored.
    entry.score = std::clamp<long long>(offer.score, -99999, 999999);
    entry.elapsedSeconds = std::clamp(offer.elapsedSeconds, 0, 999999);
    entry.date = formatDateCompact(offer.end);
    entry.time = formatTimeOfDay(offer.end);
    entry.player = offer.player;
    entry.gameNumber = offer.gameNumber;
    entry.won = offer.won;

    const int place = hiScorePlaceFor(table.entries, entry.score, entry.elapsedSeconds);
    if (place >= 0) {
        std::move_backward(table.entries.begin() + place, table.entries.end() - 1, table.entries.end());
        table.entries[static_cast<std::size_t>(place)] = std::move(entry);
    }
    if (place >= 0 || table.madeDefault) {
        result.error = store(path_, loaded, section, *kind, table.entries);
    }
    if (!result.error) {
        result.position = place;
    }
    return result;
}

HiScoreTable HiScoreFile::readTable(int gameIndex, std::string_view scoringKind, const LocalDateTime& now) {
    const auto kind = scoringKindKey(scoringKind);
    const Loaded loaded = load(path_);
    if (!validGameIndex(gameIndex) || !kind || loaded.error) {
        return HiScoreTable{};
    }
    const std::string section = statisticsSection(gameIndex);
    const Table table = tableIn(loaded, section, *kind, now);
    if (table.madeDefault) {
        // The table is shown even when it cannot be stored; the next offer
        // tries again.
        store(path_, loaded, section, *kind, table.entries);
    }
    return table.entries;
}

FileError HiScoreFile::clearAll() {
    return rewriteFile(path_, versionLines() + std::string(kLineEnd) + "[Clear scores]" + std::string(kLineEnd) +
                                  "Cleared=Y" + std::string(kLineEnd));
}

FileError HiScoreFile::ensure() {
    const Loaded loaded = load(path_);
    if (loaded.exists) {
        return loaded.error;
    }
    return rewriteFile(path_, versionLines());
}

FileError HiScoreFile::upgrade() {
    const Loaded loaded = load(path_);
    if (!loaded.exists || loaded.error) {
        return loaded.error;
    }
    const std::string version(trimBlanks(readValue(loaded.lines, "Version", "Version", "0000")));
    if (version >= kVersion) {
        return std::nullopt;
    }
    std::string content = versionLines() + std::string(kLineEnd);
    for (const TextLine& line : loaded.lines) {
        if (line.text.starts_with("[Version]") || line.text.starts_with("Version=")) {
            continue;
        }
        // Entry lines: the key "kk-nn=" and the old 83-character entry.
        content += line.text.starts_with("0") ? fitField(line.text, 89) + " x" : line.text;
        content += kLineEnd;
    }
    return rewriteFile(path_, content);
}

}  // namespace quilloro::stats
