// Replacing a result file's content through a temporary file beside it.
#include "stats/file_rewrite.hpp"

#include "app/core/atomic_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <random>

namespace quilloro::stats {

namespace {

namespace fs = std::filesystem;

RewriteFault forcedFault = RewriteFault::None;

std::string renameError(const fs::path& temporary, const fs::path& file) {
    return "Error renaming file: " + temporary.string() + "\n" + "with:" + " " + file.string();
}

// A new temporary file beside target, named "rpl" + hex digits + ".tmp" as
// the whole-file rewrite names its own; -1 on failure.
int createTemporary(const fs::path& target, mode_t mode, fs::path& name) {
    static std::mt19937 generator(std::random_device{}());
    std::uniform_int_distribution<unsigned> distribution(0, 0xFFFFFF);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::array<char, 8> hex{};
        const auto end = std::to_chars(hex.data(), hex.data() + hex.size(), distribution(generator), 16).ptr;
        name = target.parent_path() / ("rpl" + std::string(hex.data(), end) + ".tmp");
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

void forceRewriteFault(RewriteFault fault) {
    forcedFault = fault;
}

FileError rewriteFile(const fs::path& file, std::string_view content) {
    if (forcedFault == RewriteFault::TempCreation) {
        return "Error creating temp file.";
    }
    if (forcedFault == RewriteFault::Rename) {
        return renameError(file.parent_path() / "rpl.tmp", file);
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

FileError rewriteFileByLines(const fs::path& file, const std::function<bool(std::string& text)>& edit) {
    std::error_code error;
    const auto status = fs::status(file, error);
    if (!fs::exists(status)) {
        return std::nullopt;
    }
    if (!fs::is_regular_file(status)) {
        return "Cannot read " + file.string() + ": it is not a regular file.";
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return "Cannot open " + file.string() + ": " + std::strerror(errno);
    }
    // The lines stream into the temporary file; it replaces the file only
    // when a line changed, and goes again otherwise.
    struct stat existing {};
    const mode_t mode = ::stat(file.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
    removeStaleTemporaryFiles(file.has_parent_path() ? file.parent_path() : fs::path("."));
    if (forcedFault == RewriteFault::TempCreation) {
        return "Error creating temp file.";
    }
    fs::path temporary;
    int fd = createTemporary(file, mode, temporary);
    if (fd < 0) {
        return "Error creating temp file.";
    }
    ::fchmod(fd, mode);
    auto discard = [&fd, &temporary]() {
        if (fd >= 0) {
            ::close(fd);
        }
        fd = -1;
        ::unlink(temporary.c_str());
    };
    auto writeFailure = [&temporary]() {
        return "Error writing temp file: " + temporary.string() + ": " + std::strerror(errno);
    };
    std::string pending;
    bool changed = false;
    std::string line;
    while (std::getline(in, line)) {
        const bool ended = !in.eof();
        const bool carriageReturn = !line.empty() && line.back() == '\r';
        if (carriageReturn) {
            line.pop_back();
        }
        const std::string before = line;
        const bool kept = edit(line);
        changed = changed || !kept || line != before;
        if (kept) {
            pending += line;
            pending += carriageReturn ? "\r" : "";
            pending += ended ? "\n" : "";
        }
        if (pending.size() >= (1u << 16)) {
            if (!writeAll(fd, pending)) {
                const FileError failure = writeFailure();
                discard();
                return failure;
            }
            pending.clear();
        }
    }
    if (in.bad()) {
        discard();
        return "Cannot read " + file.string() + ".";
    }
    if (!changed) {
        discard();
        return std::nullopt;
    }
    if (isReadOnlyFile(file)) {
        discard();
        return "Error writing file: " + file.string() + "\nThe file is read-only.";
    }
    if (!writeAll(fd, pending) || ::fsync(fd) != 0) {
        const FileError failure = writeFailure();
        discard();
        return failure;
    }
    const int descriptor = fd;
    fd = -1;
    if (::close(descriptor) != 0) {
        const FileError failure = writeFailure();
        ::unlink(temporary.c_str());
        return failure;
    }
    if (forcedFault == RewriteFault::Rename || ::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return renameError(temporary, file);
    }
    const int directory = ::open(file.parent_path().empty() ? "." : file.parent_path().c_str(),
                                 O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
    return std::nullopt;
}

}  // namespace quilloro::stats
