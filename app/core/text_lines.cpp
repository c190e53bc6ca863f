// Splitting a text file into lines with their line ends.
#include "app/core/text_lines.hpp"

namespace quilloro {

std::vector<TextLine> splitLines(std::string_view content) {
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const auto end = content.find('\n', start);
        TextLine line;
        if (end == std::string_view::npos) {
            line.text = std::string(content.substr(start));
            start = content.size();
        } else {
            line.text = std::string(content.substr(start, end - start));
            const bool crlf = !line.text.empty() && line.text.back() == '\r';
            if (crlf) line.text.pop_back();
            line.ending = crlf ? std::string("\r\n") : std::string("\n");
            start = end + 1;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace quilloro
