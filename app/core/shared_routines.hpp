// Small text, number and file routines used throughout the program.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quilloro {

// Text cut to n characters, or padded with spaces on the right to n characters.
std::string fnPadRight(std::string_view text, int n);
std::string fnSpaces(int n);
// The character c n times; empty for n <= 0.
std::string fnRepeatChar(char c, int n);
// The last n characters; the whole text when n >= its length.
std::string fnRight(std::string_view text, int n);
std::string fnTrimRight(std::string_view text);
std::string fnTrimLeft(std::string_view text);
// Every occurrence of the one-character text c replaced by replacement.
std::string fnReplaceChar(std::string_view text, std::string_view c, std::string_view replacement);
// Characters position .. position+length-1 (1-based) replaced by value.
std::string fnOverwrite(std::string_view text, int position, int length, std::string_view value);
// Fixed-point text of value, right-aligned in width characters, leading spaces
// replaced by "0", a minus sign moved to the front, the decimal point replaced by
// decimalSeparator; width asterisks when it does not fit.
std::string fnFormatNumber(double value, int width, int decimals, char decimalSeparator = '.');
// fnFormatNumber(n, width, 0): fnZeroPad(-5, 4) == "-005".
std::string fnZeroPad(long long n, int width);
// All lines that follow each line beginning with header, up to the next line
// whose first character is "[".
std::vector<std::string> fnSection(const std::vector<std::string>& lines, std::string_view header);
// The same, as 0-based positions in lines, for callers that report line numbers.
std::vector<std::size_t> fnSectionLineIndices(const std::vector<std::string>& lines, std::string_view header);
int fnMax(int a, int b);
// 2^bitsPerPixel raised to the power of planes; 999999999 above 24 bits per pixel.
long long fnColourCount(int bitsPerPixel, int planes);
bool fnDirectoryExists(const std::filesystem::path& path);
// Creates a new, empty, uniquely named file in directory whose name starts
// with the first three characters of prefix; returns its path, or nothing.
std::optional<std::filesystem::path> fnTempFileName(const std::filesystem::path& directory,
                                                    std::string_view prefix);
// Deletes the file; failures are ignored.
void fnDeleteFile(const std::filesystem::path& path);
// Waits ms milliseconds without processing anything.
void fnPause(int ms);
// The address fnOpenLink hands to the shell: kind "EMAIL" (any case) gives
// "mailto:" + target, "HTTP" the target with "http://" in front unless it
// already starts with "http://" or "https://"; any other kind gives nothing.
std::optional<std::string> fnLinkAddress(std::string_view kind, std::string_view target);

}  // namespace quilloro
