// Key-by-key access to an INI-format file such as the preferences file.
#pragma once

#include "app/core/atomic_file.hpp"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quilloro {

// One key and its value as they stand in the file.
struct IniEntry {
    std::string key;
    std::string value;
};

// Every operation reads the file, does its work and, for changes, writes the
// whole file back atomically; nothing stays open in between, so several
// objects for the same path never disagree.
//
// Section and key names are matched without regard to ASCII letter case.
// Values are read with surrounding blanks removed. Writing keeps every other
// line of the file byte for byte: comments (';' or '#'), blank lines,
// unrecognised lines and the file's line endings (CRLF or LF). A new key goes
// after the last entry of its section, a new section at the end of the file.
// A missing or unreadable file reads as empty; a file that exists but cannot
// be read is never overwritten.
class IniFile {
public:
    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }

    // The value of the key, or nothing when the section or key is absent.
    std::optional<std::string> lookup(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The default unless the value is a decimal integer (optional sign, digits).
    long long readInteger(std::string_view section, std::string_view key, long long defaultValue) const;
    // Every key of the section with its value, in file order; a key repeated
    // in the file is given once, with its first value.
    std::vector<IniEntry> readSection(std::string_view section) const;
    // The names of all sections, in file order, each once.
    std::vector<std::string> sectionNames() const;

    FileError writeString(std::string_view section, std::string_view key, std::string_view value);
    FileError writeInteger(std::string_view section, std::string_view key, long long value);
    // Several keys of one section in a single rewrite of the file.
    FileError writeStrings(std::string_view section, const std::vector<IniEntry>& entries);
    // Removes the section with all its lines; an absent section is no error.
    FileError eraseSection(std::string_view section);

private:
    std::filesystem::path path_;
};

// Whether text is a decimal integer that fits a long long; gives its value.
std::optional<long long> parseDecimalInteger(std::string_view text);

}  // namespace quilloro
