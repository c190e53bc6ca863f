// Whole-file writes that never leave a half-written file behind.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quilloro {

// Empty on success; otherwise what went wrong, in plain words for the user.
using FileError = std::optional<std::string>;

// Replaces the file at path with content. The content goes to a temporary file
// in the same directory, is flushed to disk and then renamed over the target,
// so a crash leaves either the old file or the new one. Missing directories on
// the way are created. An existing file keeps its permission bits; a symbolic
// link is followed and its target replaced.
FileError writeFileAtomically(const std::filesystem::path& path, std::string_view content);

// Where such a write failed, for callers with messages of their own.
struct AtomicWriteFailure {
    enum class Stage { Prepare, CreateTemporary, Write, Rename };
    Stage stage;
    std::string message;
    // The temporary file's name (already removed again), once it existed.
    std::filesystem::path temporary;
};
// The same write; the temporary file's name starts with temporaryPrefix
// when one is given.
std::optional<AtomicWriteFailure> writeFileAtomically(const std::filesystem::path& path, std::string_view content,
                                                      std::string_view temporaryPrefix);

// Removes the temporary files that writes of this program left behind in
// directory when they were cut short (a crash, a kill): regular files named
// "rpl" + hex digits + ".tmp" or "." + a file name + "." + hex digits + ".tmp",
// last changed at least minimumAge ago, so that a write in progress in
// another instance keeps its file. Nothing else is touched; failures are
// ignored. Answers how many were removed.
int removeStaleTemporaryFiles(const std::filesystem::path& directory, std::chrono::seconds minimumAge = std::chrono::seconds(60));

// True when the file exists and nobody may write it (no write permission
// bit), whoever runs the program: such a file is not replaced behind the
// player's back.
bool isReadOnlyFile(const std::filesystem::path& path);

// The whole content of a file, or nothing when it does not exist. A file that
// exists but cannot be read, is larger than maxBytes or is not a regular
// file (a pipe would block) is an error: callers that rewrite it must not
// mistake it for an empty one.
struct ReadResult {
    bool exists = false;
    std::string content;
    FileError error;
};
ReadResult readWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes = 64u << 20);

}  // namespace quilloro
