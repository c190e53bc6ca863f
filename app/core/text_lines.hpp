// A text file as lines that keep their own line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quilloro {

// One line of a text file: its characters and the line end that followed it
// ("\n", "\r\n", or empty for a last line without one).
struct TextLine {
    std::string text;
    std::string ending;
};

// Splits content into lines, accepting LF and CR LF line ends alike.
std::vector<TextLine> splitLines(std::string_view content);

}  // namespace quilloro
