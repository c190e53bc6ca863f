// Replacing a text at a fixed column in every line of a file.
#include "stats/replace_in_column.hpp"

#include "stats/file_rewrite.hpp"

namespace quilloro::stats {

FileError replaceInColumn(const std::filesystem::path& file, int column, std::string_view oldText,
                          std::string_view newText) {
    if (column < 1) {
        return "Column " + std::to_string(column) + " does not exist.";
    }
    if (oldText.empty() || oldText == newText) {
        return std::nullopt;
    }
    // Line by line: the result log may be of any size.
    const auto offset = static_cast<std::size_t>(column - 1);
    return rewriteFileByLines(file, [&](std::string& text) {
        if (text.size() >= offset + oldText.size() && std::string_view(text).substr(offset, oldText.size()) == oldText) {
            text.replace(offset, oldText.size(), newText);
        }
        return true;
    });
}

}  // namespace quilloro::stats
