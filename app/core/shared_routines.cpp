// Small text, number and file routines used throughout the program.
#include "app/core/shared_routines.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <random>
#include <system_error>
#include <thread>

namespace quilloro {

namespace {

// Brings a formatted number into the fixed-width shape every file uses:
// right-aligned, zero-filled, the sign first; asterisks when it cannot fit.
std::string fitNumberText(std::string digits, int width) {
    if (width <= 0) {
        return {};
    }
    if (static_cast<int>(digits.size()) > width) {
        return std::string(static_cast<std::size_t>(width), '*');
    }
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) {
        digits.erase(0, 1);
    }
    // A negative value that rounds to zero must not come out as "-000".
    const bool allZero = std::all_of(digits.begin(), digits.end(), [](char c) { return c < '1' || c > '9'; });
    std::string result;
    if (negative && !allZero) {
        result.push_back('-');
    }
    result.append(static_cast<std::size_t>(width) - result.size() - digits.size(), '0');
    result += digits;
    return result;
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (asciiLower(text[i]) != asciiLower(prefix[i])) {
            return false;
        }
    }
    return true;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && startsWithNoCase(a, b);
}

}  // namespace

std::string fnPadRight(std::string_view text, int n) {
    if (n <= 0) {
        return {};
    }
    std::string result(text.substr(0, static_cast<std::size_t>(n)));
    result.resize(static_cast<std::size_t>(n), ' ');
    return result;
}

std::string fnSpaces(int n) {
    return fnRepeatChar(' ', n);
}

std::string fnRepeatChar(char c, int n) {
    return n <= 0 ? std::string() : std::string(static_cast<std::size_t>(n), c);
}

std::string fnRight(std::string_view text, int n) {
    if (n <= 0) {
        return {};
    }
    const auto count = std::min(text.size(), static_cast<std::size_t>(n));
    return std::string(text.substr(text.size() - count));
}

std::string fnTrimRight(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

std::string fnTrimLeft(std::string_view text) {
    const auto begin = text.find_first_not_of(' ');
    return begin == std::string_view::npos ? std::string() : std::string(text.substr(begin));
}

std::string fnReplaceChar(std::string_view text, std::string_view c, std::string_view replacement) {
    // Without a character to look for there is nothing to replace.
    if (c.empty()) {
        return std::string(text);
    }
    const char wanted = c.front();
    std::string result;
    result.reserve(text.size());
    for (char ch : text) {
        if (ch == wanted) {
            result += replacement;
        } else {
            result.push_back(ch);
        }
    }
    return result;
}

std::string fnOverwrite(std::string_view text, int position, int length, std::string_view value) {
    // Positions before the start or beyond the end are pulled back to the text,
    // so a careless caller gets a sensible result instead of a crash.
    const std::size_t start = position <= 1 ? 0 : std::min(text.size(), static_cast<std::size_t>(position - 1));
    const std::size_t count = length <= 0 ? 0 : std::min(text.size() - start, static_cast<std::size_t>(length));
    std::string result(text.substr(0, start));
    result += value;
    result += text.substr(start + count);
    return result;
}

std::string fnFormatNumber(double value, int width, int decimals, char decimalSeparator) {
    if (width <= 0) {
        return {};
    }
    if (!std::isfinite(value)) {
        return std::string(static_cast<std::size_t>(width), '*');
    }
    decimals = std::clamp(decimals, 0, 60);
    std::array<char, 512> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (error != std::errc()) {
        return std::string(static_cast<std::size_t>(width), '*');
    }
    std::string text(buffer.data(), end);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return fitNumberText(std::move(text), width);
}

std::string fnZeroPad(long long n, int width) {
    // Formatted as an integer so that 13-digit game numbers keep every digit.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), n);
    return fitNumberText(std::string(buffer.data(), result.ptr), width);
}

std::vector<std::size_t> fnSectionLineIndices(const std::vector<std::string>& lines, std::string_view header) {
    std::vector<std::size_t> result;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.starts_with(header)) {
            inside = true;
        } else if (!line.empty() && line.front() == '[') {
            inside = false;
        } else if (inside) {
            result.push_back(i);
        }
    }
    return result;
}

std::vector<std::string> fnSection(const std::vector<std::string>& lines, std::string_view header) {
    std::vector<std::string> result;
    for (std::size_t i : fnSectionLineIndices(lines, header)) result.push_back(lines[i]);
    return result;
}

int fnMax(int a, int b) {
    return std::max(a, b);
}

long long fnColourCount(int bitsPerPixel, int planes) {
    constexpr long long kMany = 999999999;
    if (bitsPerPixel > 24) {
        return kMany;
    }
    const long long exponent = static_cast<long long>(std::max(bitsPerPixel, 0)) * std::max(planes, 0);
    // Beyond what the count can hold the display has "very many" colours.
    if (exponent > 62) {
        return kMany;
    }
    return 1LL << exponent;
}

bool fnDirectoryExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::optional<std::filesystem::path> fnTempFileName(const std::filesystem::path& directory,
                                                    std::string_view prefix) {
    // The prefix lands in a file name: anything that could lead out of the
    // directory is neutralised.
    std::string stem(prefix.substr(0, 3));
    for (char& c : stem) {
        if (c == '/' || c == '\0' || c == '.') {
            c = '_';
        }
    }
    static std::mt19937 generator(std::random_device{}());
    std::uniform_int_distribution<unsigned> distribution(0, 0xFFFFFF);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::array<char, 8> hex{};
        const auto end = std::to_chars(hex.data(), hex.data() + hex.size(), distribution(generator), 16).ptr;
        const auto candidate = directory / (stem + std::string(hex.data(), end) + ".tmp");
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return candidate;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

void fnDeleteFile(const std::filesystem::path& path) {
    std::error_code error;
    // Only files: a directory passed here by mistake is left alone.
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(path, error))) {
        std::filesystem::remove(path, error);
    }
}

void fnPause(int ms) {
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

std::optional<std::string> fnLinkAddress(std::string_view kind, std::string_view target) {
    // The address goes to an external opener; control characters have no
    // place in a link and could smuggle extra arguments or lines.
    if (std::any_of(target.begin(), target.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })) {
        return std::nullopt;
    }
    if (equalsNoCase(kind, "EMAIL")) {
        return "mailto:" + std::string(target);
    }
    if (equalsNoCase(kind, "HTTP")) {
        if (startsWithNoCase(target, "http://") || startsWithNoCase(target, "https://")) {
            return std::string(target);
        }
        return "http://" + std::string(target);
    }
    return std::nullopt;
}

}  // namespace quilloro
