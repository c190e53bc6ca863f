// The players, and the operations that change every result of a player or game.
#include "stats/player_results.hpp"

#include "app/core/settings_record.hpp"
#include "app/core/settings_store.hpp"
#include "app/core/shared_routines.hpp"
#include "stats/file_rewrite.hpp"
#include "stats/replace_in_column.hpp"
#include "stats/result_log.hpp"
#include "stats/statistics_file.hpp"
#include "stats/text_lines.hpp"

#include <algorithm>
#include <map>

namespace quilloro::stats {

namespace {

// STAT.DAT is changed here for many records in one rewrite. Its lines are
// understood as IniFile understands them: names without regard to ASCII letter
// case, blanks around them ignored, ';' and '#' lines comments.

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), asciiLower);
    return out;
}

bool sameName(std::string_view a, std::string_view b) {
    return lowered(a) == lowered(b);
}

enum class Kind { Blank, Comment, Section, Entry, Other };

struct IniLine {
    TextLine line;
    Kind kind = Kind::Other;
    std::string name;         // section name or key
    std::string section;      // the section an entry or other line lies in, lowered
    std::size_t equalsAt = 0;
};

std::vector<IniLine> parseIni(std::string_view content) {
    std::vector<IniLine> result;
    std::string section;
    bool inSection = false;
    for (TextLine& line : splitLines(content)) {
        IniLine ini;
        std::string_view text = line.text;
        if (result.empty() && text.starts_with("\xEF\xBB\xBF")) {
            text.remove_prefix(3);
        }
        const std::string_view body = trimBlanks(text);
        const auto blank = body.find_first_not_of("\r\f\v") == std::string_view::npos;
        if (blank) {
            ini.kind = Kind::Blank;
        } else if (body.front() == ';' || body.front() == '#') {
            ini.kind = Kind::Comment;
        } else if (body.front() == '[') {
            ini.kind = Kind::Section;
            const auto close = body.find(']');
            ini.name = std::string(trimBlanks(body.substr(1, close == std::string_view::npos ? close : close - 1)));
            section = lowered(ini.name);
            inSection = true;
        } else if (const auto equals = body.find('=');
                   equals != std::string_view::npos && !trimBlanks(body.substr(0, equals)).empty()) {
            ini.kind = Kind::Entry;
            ini.name = std::string(trimBlanks(body.substr(0, equals)));
            ini.equalsAt = (line.text.size() - text.size()) + static_cast<std::size_t>(body.data() - text.data()) + equals;
        }
        if (ini.kind != Kind::Section) {
            ini.section = inSection ? section : std::string();
        }
        ini.line = std::move(line);
        result.push_back(std::move(ini));
    }
    return result;
}

std::string serialise(const std::vector<IniLine>& lines) {
    std::vector<TextLine> text;
    text.reserve(lines.size());
    for (const IniLine& line : lines) {
        text.push_back(line.line);
    }
    return joinLines(text);
}

// The line end the file already uses, for the lines added to it.
std::string newlineOf(const std::vector<IniLine>& lines) {
    return !lines.empty() && lines.front().line.ending == "\r\n" ? "\r\n" : "\n";
}

void setValue(IniLine& entry, std::string_view value) {
    const auto valueAt = entry.line.text.find_first_not_of(" \t", entry.equalsAt + 1);
    entry.line.text = entry.line.text.substr(0, valueAt) + std::string(value);
}

// Whether name can be a key: what IniFile refuses to write cannot be a key of
// the file either.
bool storableKey(std::string_view name) {
    return !name.empty() && trimBlanks(name) == name && name.find_first_of(std::string_view("=\r\n\0", 4)) == std::string_view::npos &&
           name.front() != '[' && name.front() != ';' && name.front() != '#';
}

std::string trimmed(std::string_view text) {
    return std::string(trimBlanks(text));
}

// Collects several errors into one message.
void addError(FileError& all, FileError error) {
    if (!error) {
        return;
    }
    all = all ? *all + "\n" + *error : std::move(error);
}

FileError renameInStatistics(const std::filesystem::path& path, const std::string& oldName,
                             const std::string& newName) {
    auto current = readWholeFile(path);
    if (current.error || !current.exists) {
        return current.error;
    }
    auto lines = parseIni(current.content);
    std::vector<std::string> sectionsWithOld;
    for (const IniLine& line : lines) {
        if (line.kind == Kind::Entry && sameName(line.name, oldName)) {
            sectionsWithOld.push_back(line.section);
        }
    }
    if (sectionsWithOld.empty()) {
        return std::nullopt;
    }
    std::vector<IniLine> result;
    for (IniLine& line : lines) {
        const bool affected = line.kind == Kind::Entry &&
                              std::find(sectionsWithOld.begin(), sectionsWithOld.end(), line.section) !=
                                  sectionsWithOld.end();
        if (affected && sameName(line.name, oldName)) {
            line.line.text = newName + line.line.text.substr(line.equalsAt);
        } else if (affected && sameName(line.name, newName)) {
            continue;
        }
        result.push_back(std::move(line));
    }
    return rewriteFile(path, serialise(result));
}

FileError clearInStatistics(const std::filesystem::path& path, const std::optional<int>& gameIndex,
                            const std::optional<std::string>& player) {
    auto current = readWholeFile(path);
    if (current.error || !current.exists) {
        return current.error;
    }
    if (player && !storableKey(*player)) {
        return std::nullopt;  // no record can carry this name
    }
    if (gameIndex && !validGameIndex(*gameIndex)) {
        return std::nullopt;
    }
    const std::string zero = StatisticsRecord{}.format();
    auto lines = parseIni(current.content);
    const std::string newline = newlineOf(lines);
    const std::string section = gameIndex ? lowered(statisticsSection(*gameIndex)) : std::string();

    if (!gameIndex && !player) {
        // Every section goes; whatever precedes the first one stays.
        const auto first = std::find_if(lines.begin(), lines.end(),
                                        [](const IniLine& line) { return line.kind == Kind::Section; });
        lines.erase(first, lines.end());
        return rewriteFile(path, serialise(lines));
    }

    // Per section: whether it holds the player, and where a new key would go
    // (after the last entry of its first occurrence, as IniFile puts it).
    struct Place {
        std::string name;
        bool hasPlayer = false;
        std::size_t insertAt = 0;
    };
    std::map<std::string, Place> places;
    std::vector<std::string> order;
    std::string open;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        IniLine& line = lines[i];
        if (line.kind == Kind::Section) {
            open = lowered(line.name);
            if (places.find(open) == places.end()) {
                places[open] = Place{line.name, false, i + 1};
                order.push_back(open);
            } else {
                open.clear();  // a repeated header: new keys go to the first occurrence
            }
            continue;
        }
        const bool inWantedSection = !gameIndex || line.section == section;
        if (line.kind == Kind::Entry && inWantedSection && (!player || sameName(line.name, *player))) {
            setValue(line, zero);
            if (player) {
                places[line.section].hasPlayer = true;
            }
        }
        if (!open.empty() && line.section == open && (line.kind == Kind::Entry || line.kind == Kind::Other)) {
            places[open].insertAt = i + 1;
        }
    }
    if (player) {
        // The player gets a zero record in every wanted section it lacks one in.
        std::vector<std::pair<std::size_t, IniLine>> inserts;
        for (const std::string& name : order) {
            const Place& place = places[name];
            if (place.hasPlayer || (gameIndex && name != section)) {
                continue;
            }
            IniLine entry;
            entry.line = TextLine{*player + "=" + zero, newline};
            entry.kind = Kind::Entry;
            inserts.emplace_back(place.insertAt, std::move(entry));
        }
        std::stable_sort(inserts.begin(), inserts.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (auto& [at, entry] : inserts) {
            if (at > 0 && at == lines.size() && lines[at - 1].line.ending.empty()) {
                lines[at - 1].line.ending = newline;
            }
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
        }
    }
    return rewriteFile(path, serialise(lines));
}

bool logLineMatches(std::string_view line, const std::optional<int>& gameIndex,
                    const std::optional<std::string>& player) {
    if (gameIndex) {
        const auto offset = static_cast<std::size_t>(logcolumn::GameIndex - 1);
        if (line.size() < offset + 4) {
            return false;
        }
        const auto number = parseDecimalInteger(line.substr(offset, 4));
        if (!number || *number != *gameIndex) {
            return false;
        }
    }
    if (player) {
        const auto offset = static_cast<std::size_t>(logcolumn::Player - 1);
        const std::string_view field =
            offset < line.size() ? line.substr(offset, logcolumn::PlayerWidth) : std::string_view();
        if (trimBlanks(field) != trimBlanks(fitField(*player, logcolumn::PlayerWidth))) {
            return false;
        }
    }
    return true;
}

FileError clearInLog(const std::filesystem::path& path, const std::optional<int>& gameIndex,
                     const std::optional<std::string>& player) {
    // Line by line: the result log may be of any size.
    return rewriteFileByLines(path, [&](std::string& text) { return !logLineMatches(text, gameIndex, player); });
}

}  // namespace

FileError renamePlayerInResultFiles(const ResultFiles& files, std::string_view oldName, std::string_view newName) {
    const std::string from = trimmed(oldName);
    const std::string to = trimmed(newName);
    if (!storableKey(from) || !storableKey(to)) {
        return "The player name \"" + (storableKey(from) ? to : from) + "\" cannot be stored in the result files.";
    }
    if (from == to) {
        return std::nullopt;
    }
    FileError errors;
    addError(errors, renameInStatistics(files.statistics, from, to));
    const std::string paddedFrom = fitField(from, logcolumn::PlayerWidth);
    const std::string paddedTo = fitField(to, logcolumn::PlayerWidth);
    addError(errors, replaceInColumn(files.log, logcolumn::Player, paddedFrom, paddedTo));
    // In a hi-score line the key "kk-nn=" comes first, so the name of the
    // entry's column 33 stands at column 39.
    addError(errors, replaceInColumn(files.hiScores, 39, paddedFrom, paddedTo));
    return errors;
}

FileError clearStatistics(const ResultFiles& files, std::optional<int> gameIndex, std::optional<std::string> player) {
    if (player) {
        *player = trimmed(*player);
    }
    FileError errors;
    addError(errors, clearInStatistics(files.statistics, gameIndex, player));
    addError(errors, clearInLog(files.log, gameIndex, player));
    return errors;
}

std::vector<std::string> playersList(const IniFile& preferences) {
    std::vector<std::string> names;
    const auto entries = preferences.readSection(prefsection::Users);
    for (int i = 1; i <= kMaxPlayers; ++i) {
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [&](const IniEntry& e) { return sameName(e.key, userKey(i)); });
        if (entry != entries.end() && !entry->value.empty()) {
            names.push_back(entry->value);
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const auto la = lowered(a);
        const auto lb = lowered(b);
        return la != lb ? la < lb : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

FileError writePlayersList(IniFile& preferences, const std::vector<std::string>& names) {
    std::vector<IniEntry> entries;
    for (int i = 1; i <= kMaxPlayers; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        entries.push_back({userKey(i), at < names.size() ? trimmed(names[at]) : std::string()});
    }
    return preferences.writeStrings(prefsection::Users, entries);
}

}  // namespace quilloro::stats
