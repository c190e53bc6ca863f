// Replacing a text at a fixed column in every line of a file.
#pragma once

#include "app/core/atomic_file.hpp"

#include <filesystem>
#include <string_view>

namespace quilloro::stats {

// In every line whose text at column (counted from 1) equals oldText, that
// text becomes newText; the rest of the line and every other line stay as
// they are, line ends included. The file is rewritten through a temporary
// file (see rewriteFile), and only when a line changed. A missing file is
// left missing and is no error.
FileError replaceInColumn(const std::filesystem::path& file, int column, std::string_view oldText,
                          std::string_view newText);

}  // namespace quilloro::stats
