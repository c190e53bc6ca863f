// Lines of a text file with their own line ends, and fixed-width text fields.
#include "stats/text_lines.hpp"

namespace quilloro::stats {

std::string joinLines(const std::vector<TextLine>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += lines[i].text;
        const bool last = i + 1 == lines.size();
        out += (lines[i].ending.empty() && !last) ? std::string(kLineEnd) : lines[i].ending;
    }
    return out;
}

std::string fitField(std::string_view text, int width) {
    if (width <= 0) {
        return {};
    }
    const auto size = static_cast<std::size_t>(width);
    std::string out;
    out.reserve(size);
    for (char c : text.substr(0, size)) {
        const auto byte = static_cast<unsigned char>(c);
        out += (byte < 0x20 || byte == 0x7F) ? ' ' : c;
    }
    if (text.size() > size) {
        // Back off to the start of a UTF-8 sequence the cut went through.
        std::size_t keep = size;
        std::size_t lead = keep;
        while (lead > 0 && (static_cast<unsigned char>(out[lead - 1]) & 0xC0) == 0x80) {
            --lead;
        }
        if (lead > 0) {
            const auto first = static_cast<unsigned char>(out[lead - 1]);
            const std::size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
            if (lead - 1 + length > keep) {
                keep = lead - 1;
            }
        }
        out.resize(keep);
    }
    out.resize(size, ' ');
    return out;
}

std::string_view trimBlanks(std::string_view text) {
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    const auto end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

}  // namespace quilloro::stats
