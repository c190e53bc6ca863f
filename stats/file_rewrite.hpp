// Replacing a result file's content through a temporary file beside it.
#pragma once

#include "app/core/atomic_file.hpp"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace quilloro::stats {

// Gives file the new content. The content goes to a temporary file ("rpl"
// prefix) in the file's directory, is flushed to disk and is then renamed over
// the file, so at every moment the file holds either its old content or the
// new one; there is no moment without it. A symbolic link is followed, an
// existing file keeps its permission bits, a missing directory is created.
// A read-only file is refused and kept. Temporary files that earlier writes
// left behind in the directory (older than a minute) are removed first.
// On failure the temporary file is removed and the file is left as it was:
// "Error creating temp file.", or "Error renaming file: " + temporary name +
// a line break + "with: " + file name, or a message about the write.
FileError rewriteFile(const std::filesystem::path& file, std::string_view content);

// Gives file new content line by line, for files of any size (the result
// log): edit sees each line's text without its line end, may change it, and
// answers false to leave the line out. Line ends stay as they were. The new
// content goes through a temporary file as with rewriteFile, which replaces
// the file only when a line changed; the same failures are reported. A
// missing file is left missing and is no error.
FileError rewriteFileByLines(const std::filesystem::path& file, const std::function<bool(std::string& text)>& edit);

// Failures that tests force on the following rewrites, to show that the old
// file survives them.
enum class RewriteFault { None, TempCreation, Rename };
void forceRewriteFault(RewriteFault fault);

}  // namespace quilloro::stats
