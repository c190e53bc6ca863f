// Key-by-key access to an INI-format file, keeping every line it does not change.
#include "app/core/ini_file.hpp"
#include "app/core/text_lines.hpp"

#include <algorithm>
#include <charconv>

namespace quilloro {

namespace {

constexpr std::string_view kBlanks = " \t\r\f\v";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trim(std::string_view text) {
    const auto begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) {
        return {};
    }
    const auto end = text.find_last_not_of(kBlanks);
    return text.substr(begin, end - begin + 1);
}

char lowerIniLetter(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIniName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerIniLetter(x) == lowerIniLetter(y); });
}

enum class LineKind { Blank, Comment, Section, Entry, Other };

struct Line {
    std::string text;    // without its line ending
    std::string ending;  // "\n", "\r\n", or empty for a last line without one
    LineKind kind = LineKind::Other;
    std::string name;            // section name or key, trimmed
    std::size_t equalsAt = 0;    // where the '=' of an entry stands in text
};

void classify(Line& line, bool firstLine) {
    std::string_view text = line.text;
    if (firstLine && text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        line.kind = LineKind::Blank;
        return;
    }
    const std::string_view body = trim(text);
    if (body.front() == ';' || body.front() == '#') {
        line.kind = LineKind::Comment;
    } else if (body.front() == '[') {
        line.kind = LineKind::Section;
        const auto close = body.find(']');
        line.name = std::string(trim(body.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
    } else if (const auto equals = body.find('='); equals != std::string_view::npos &&
                                                    !trim(body.substr(0, equals)).empty()) {
        line.kind = LineKind::Entry;
        line.name = std::string(trim(body.substr(0, equals)));
        line.equalsAt = (line.text.size() - text.size()) + first + equals;
    } else {
        line.kind = LineKind::Other;
    }
}

struct Document {
    std::vector<Line> lines;
    std::string newline = "\n";

    static Document parse(std::string_view content) {
        Document doc;
        for (TextLine& text : splitLines(content)) {
            Line line;
            line.text = std::move(text.text);
            line.ending = std::move(text.ending);
            classify(line, doc.lines.empty());
            doc.lines.push_back(std::move(line));
        }
        // New lines follow the convention the file already uses.
        if (!doc.lines.empty() && doc.lines.front().ending == "\r\n") {
            doc.newline = "\r\n";
        }
        return doc;
    }

    std::string serialise() const {
        std::string out;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            out += lines[i].text;
            const bool last = i + 1 == lines.size();
            out += (lines[i].ending.empty() && !last) ? newline : lines[i].ending;
        }
        return out;
    }

    // Visits the lines of every section called name: callback(index) for each
    // line after a matching header up to the next header.
    template <typename Callback>
    void forEachLineIn(std::string_view section, Callback&& callback) const {
        bool inside = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].kind == LineKind::Section) {
                inside = sameIniName(lines[i].name, section);
            } else if (inside) {
                callback(i);
            }
        }
    }

    std::optional<std::size_t> findEntry(std::string_view section, std::string_view key) const {
        std::optional<std::size_t> found;
        forEachLineIn(section, [&](std::size_t i) {
            if (!found && lines[i].kind == LineKind::Entry && sameIniName(lines[i].name, key)) {
                found = i;
            }
        });
        return found;
    }

    std::string valueAt(std::size_t index) const {
        const Line& line = lines[index];
        return std::string(trim(std::string_view(line.text).substr(line.equalsAt + 1)));
    }

    void set(std::string_view section, std::string_view key, std::string_view value) {
        if (const auto index = findEntry(section, key)) {
            // The key keeps its spelling and the spacing around '='; only the
            // value changes.
            Line& line = lines[*index];
            const auto valueAt = line.text.find_first_not_of(" \t", line.equalsAt + 1);
            line.text = line.text.substr(0, valueAt) + std::string(value);
            return;
        }
        Line entry;
        entry.text = std::string(key) + "=" + std::string(value);
        entry.ending = newline;
        entry.kind = LineKind::Entry;
        entry.name = std::string(key);
        entry.equalsAt = key.size();

        std::optional<std::size_t> header;
        for (std::size_t i = 0; i < lines.size() && !header; ++i) {
            if (lines[i].kind == LineKind::Section && sameIniName(lines[i].name, section)) {
                header = i;
            }
        }
        if (header) {
            // After the section's last entry, so blank lines and comments that
            // lead into the next section stay where they are.
            std::size_t insertAt = *header + 1;
            for (std::size_t i = *header + 1; i < lines.size() && lines[i].kind != LineKind::Section; ++i) {
                if (lines[i].kind == LineKind::Entry || lines[i].kind == LineKind::Other) {
                    insertAt = i + 1;
                }
            }
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
            return;
        }
        if (!lines.empty() && lines.back().kind != LineKind::Blank) {
            lines.push_back(Line{"", newline, LineKind::Blank, "", 0});
        }
        lines.push_back(Line{"[" + std::string(section) + "]", newline, LineKind::Section, std::string(section), 0});
        lines.push_back(std::move(entry));
    }

    bool erase(std::string_view section) {
        const auto before = lines.size();
        bool inside = false;
        std::erase_if(lines, [&](const Line& line) {
            if (line.kind == LineKind::Section) {
                inside = sameIniName(line.name, section);
            }
            return inside;
        });
        return lines.size() != before;
    }
};

bool hasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Names that would read back as something else are refused rather than
// written into a file they would corrupt.
FileError checkSectionName(std::string_view section) {
    if (section.empty() || trim(section) != section || hasLineBreakOrNul(section) ||
        section.find(']') != std::string_view::npos) {
        return "The section name \"" + std::string(section) + "\" cannot be stored in an INI file.";
    }
    return std::nullopt;
}

FileError checkKeyName(std::string_view key) {
    if (key.empty() || trim(key) != key || hasLineBreakOrNul(key) || key.find('=') != std::string_view::npos ||
        key.front() == '[' || key.front() == ';' || key.front() == '#') {
        return "The key name \"" + std::string(key) + "\" cannot be stored in an INI file.";
    }
    return std::nullopt;
}

FileError checkValue(std::string_view key, std::string_view value) {
    if (hasLineBreakOrNul(value)) {
        return "The value of " + std::string(key) + " contains a line break and cannot be stored.";
    }
    return std::nullopt;
}

struct Loaded {
    Document doc;
    std::string original;
    bool exists = false;
    FileError error;
};

Loaded load(const std::filesystem::path& path) {
    auto read = readWholeFile(path);
    Loaded loaded;
    loaded.exists = read.exists;
    loaded.error = std::move(read.error);
    if (!loaded.error) {
        loaded.original = std::move(read.content);
        loaded.doc = Document::parse(loaded.original);
    }
    return loaded;
}

FileError store(const std::filesystem::path& path, const Loaded& loaded) {
    std::string content = loaded.doc.serialise();
    if (loaded.exists && content == loaded.original) {
        return std::nullopt;
    }
    return writeFileAtomically(path, content);
}

}  // namespace

std::optional<long long> parseDecimalInteger(std::string_view text) {
    text = trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

std::optional<std::string> IniFile::lookup(std::string_view section, std::string_view key) const {
    const Loaded loaded = load(path_);
    if (const auto index = loaded.doc.findEntry(section, key)) {
        return loaded.doc.valueAt(*index);
    }
    return std::nullopt;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    auto value = lookup(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

long long IniFile::readInteger(std::string_view section, std::string_view key, long long defaultValue) const {
    const auto value = lookup(section, key);
    if (!value) {
        return defaultValue;
    }
    return parseDecimalInteger(*value).value_or(defaultValue);
}

std::vector<IniEntry> IniFile::readSection(std::string_view section) const {
    const Loaded loaded = load(path_);
    std::vector<IniEntry> entries;
    loaded.doc.forEachLineIn(section, [&](std::size_t i) {
        const Line& line = loaded.doc.lines[i];
        if (line.kind != LineKind::Entry) {
            return;
        }
        const bool seen = std::any_of(entries.begin(), entries.end(),
                                      [&](const IniEntry& entry) { return sameIniName(entry.key, line.name); });
        if (!seen) {
            entries.push_back({line.name, loaded.doc.valueAt(i)});
        }
    });
    return entries;
}

std::vector<std::string> IniFile::sectionNames() const {
    const Loaded loaded = load(path_);
    std::vector<std::string> names;
    for (const Line& line : loaded.doc.lines) {
        if (line.kind == LineKind::Section &&
            std::none_of(names.begin(), names.end(), [&](const std::string& n) { return sameIniName(n, line.name); })) {
            names.push_back(line.name);
        }
    }
    return names;
}

FileError IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    return writeStrings(section, {IniEntry{std::string(key), std::string(value)}});
}

FileError IniFile::writeInteger(std::string_view section, std::string_view key, long long value) {
    return writeString(section, key, std::to_string(value));
}

FileError IniFile::writeStrings(std::string_view section, const std::vector<IniEntry>& entries) {
    if (auto error = checkSectionName(section)) {
        return error;
    }
    if (entries.empty()) {
        return std::nullopt;
    }
    for (const auto& entry : entries) {
        if (auto error = checkKeyName(entry.key)) {
            return error;
        }
        if (auto error = checkValue(entry.key, entry.value)) {
            return error;
        }
    }
    Loaded loaded = load(path_);
    if (loaded.error) {
        return loaded.error;
    }
    for (const auto& entry : entries) {
        loaded.doc.set(section, entry.key, entry.value);
    }
    return store(path_, loaded);
}

FileError IniFile::eraseSection(std::string_view section) {
    Loaded loaded = load(path_);
    if (loaded.error) {
        return loaded.error;
    }
    if (!loaded.doc.erase(section)) {
        return std::nullopt;
    }
    return store(path_, loaded);
}

}  // namespace quilloro
