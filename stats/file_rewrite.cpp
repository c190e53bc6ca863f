// Replacing a result file's content through a temporary file beside it.
#include "stats/file_rewrite.hpp"

#include "app/shared_routines.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace quilloro::stats {

namespace {

namespace fs = std::filesystem;

RewriteFault forcedFault = RewriteFault::None;

bool writeAll(int fd, std::string_view content) {
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Fills the temporary file; false when any step fails.
bool fill(const fs::path& temporary, const fs::path& target, std::string_view content) {
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    }
    const bool written = writeAll(fd, content) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

void syncDirectory(const fs::path& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

void forceRewriteFault(RewriteFault fault) {
    forcedFault = fault;
}

FileError rewriteFile(const fs::path& file, std::string_view content) {
    std::error_code error;
    fs::path target = file;
    if (fs::is_symlink(fs::symlink_status(file, error))) {
        target = fs::weakly_canonical(file, error);
        if (error) {
            return "Cannot follow the link " + file.string() + ": " + error.message();
        }
    }
    if (target.parent_path().empty()) {
        target = fs::path(".") / target;
    }
    const fs::path directory = target.parent_path();
    fs::create_directories(directory, error);
    if (error) {
        return "Cannot create the folder " + directory.string() + ": " + error.message();
    }
    if (fs::is_directory(target, error)) {
        return "Cannot write " + target.string() + ": it is a folder.";
    }

    const auto temporary =
        forcedFault == RewriteFault::TempCreation ? std::nullopt : fnTempFileName(directory, "rpl");
    if (!temporary) {
        return "Error creating temp file.";
    }
    if (!fill(*temporary, target, content)) {
        const int cause = errno;
        fnDeleteFile(*temporary);
        return "Error writing temp file: " + temporary->string() + " (" +
               std::generic_category().message(cause) + ")";
    }
    if (forcedFault == RewriteFault::Rename || ::rename(temporary->c_str(), target.c_str()) != 0) {
        fnDeleteFile(*temporary);
        return "Error renaming file: " + temporary->string() + "\n" + "with:" + " " + target.string();
    }
    syncDirectory(directory);
    return std::nullopt;
}

}  // namespace quilloro::stats
