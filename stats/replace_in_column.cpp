// Replacing a text at a fixed column in every line of a file.
#include "stats/replace_in_column.hpp"

#include "stats/file_rewrite.hpp"
#include "stats/text_lines.hpp"

namespace quilloro::stats {

FileError replaceInColumn(const std::filesystem::path& file, int column, std::string_view oldText,
                          std::string_view newText) {
    if (column < 1) {
        return "Column " + std::to_string(column) + " does not exist.";
    }
    if (oldText.empty() || oldText == newText) {
        return std::nullopt;
    }
    auto current = readWholeFile(file);
    if (current.error) {
        return current.error;
    }
    if (!current.exists) {
        return std::nullopt;
    }
    auto lines = splitLines(current.content);
    const auto offset = static_cast<std::size_t>(column - 1);
    bool changed = false;
    for (TextLine& line : lines) {
        if (line.text.size() >= offset + oldText.size() &&
            std::string_view(line.text).substr(offset, oldText.size()) == oldText) {
            line.text.replace(offset, oldText.size(), newText);
            changed = true;
        }
    }
    if (!changed) {
        return std::nullopt;
    }
    return rewriteFile(file, joinLines(lines));
}

}  // namespace quilloro::stats
