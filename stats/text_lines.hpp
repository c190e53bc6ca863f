// Lines of a text file with their own line ends, and fixed-width text fields.
#pragma once

#include "app/core/text_lines.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace quilloro::stats {

// The line end of every line this library writes.
inline constexpr std::string_view kLineEnd = "\r\n";

using quilloro::splitLines;
using quilloro::TextLine;

// The lines back as file content, every line with its own line end. A line
// without one that is followed by another line gets CR LF, so that no two
// lines run together.
std::string joinLines(const std::vector<TextLine>& lines);

// text in exactly width bytes: cut or filled with spaces on the right.
// Control characters become spaces, so that a value can never break the line
// it is written into, and a cut never splits a UTF-8 sequence (the field is
// then filled with spaces instead), so the columns after it stay in place.
std::string fitField(std::string_view text, int width);

// Leading and trailing blanks (spaces and tabs) removed.
std::string_view trimBlanks(std::string_view text);

}  // namespace quilloro::stats
