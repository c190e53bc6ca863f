// Replacing a result file's content through a temporary file beside it.
#include "stats/file_rewrite.hpp"

#include "app/core/atomic_file.hpp"

namespace quilloro::stats {

namespace {

namespace fs = std::filesystem;

RewriteFault forcedFault = RewriteFault::None;

}  // namespace

void forceRewriteFault(RewriteFault fault) {
    forcedFault = fault;
}

FileError rewriteFile(const fs::path& file, std::string_view content) {
    if (forcedFault == RewriteFault::TempCreation) {
        return "Error creating temp file.";
    }
    if (forcedFault == RewriteFault::Rename) {
        return "Error renaming file: " + (file.parent_path() / "rpl.tmp").string() + "\n" + "with:" + " " + file.string();
    }
    // A file the player made read-only stays as it is.
    if (isReadOnlyFile(file)) {
        return "Error writing file: " + file.string() + "\nThe file is read-only.";
    }
    // Temporary files of writes that a crash cut short go first.
    removeStaleTemporaryFiles(file.has_parent_path() ? file.parent_path() : std::filesystem::path("."));
    const auto failure = writeFileAtomically(file, content, "rpl");
    if (!failure) {
        return std::nullopt;
    }
    switch (failure->stage) {
        case AtomicWriteFailure::Stage::CreateTemporary:
            return "Error creating temp file.";
        case AtomicWriteFailure::Stage::Rename:
            return "Error renaming file: " + failure->temporary.string() + "\n" + "with:" + " " + file.string();
        case AtomicWriteFailure::Stage::Write:
            return "Error writing temp file: " + failure->message;
        case AtomicWriteFailure::Stage::Prepare:
            break;
    }
    return failure->message;
}

}  // namespace quilloro::stats
