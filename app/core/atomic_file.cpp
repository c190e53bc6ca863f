// Whole-file writes through a temporary file and a rename, and whole-file reads.
#include "app/core/atomic_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <random>
#include <system_error>

namespace quilloro {

namespace {

namespace fs = std::filesystem;

std::string describe(int errorNumber) {
    return std::generic_category().message(errorNumber);
}

// Closes the descriptor and removes the temporary file unless the write
// went through to the end.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        closeDescriptor();
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }

    // Creates a fresh file next to target; false with errno set on failure.
    bool create(const fs::path& target, std::string_view prefix) {
        static std::mt19937 generator(std::random_device{}());
        std::uniform_int_distribution<unsigned> distribution(0, 0xFFFFFF);
        const std::string base = prefix.empty() ? "." + target.filename().string() + "." : std::string(prefix);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::array<char, 8> hex{};
            const auto end = std::to_chars(hex.data(), hex.data() + hex.size(), distribution(generator), 16).ptr;
            fs::path candidate = target.parent_path() / (base + std::string(hex.data(), end) + ".tmp");
            fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd_ >= 0) {
                path_ = std::move(candidate);
                return true;
            }
            if (errno != EEXIST) {
                return false;
            }
        }
        errno = EEXIST;
        return false;
    }

    int descriptor() const { return fd_; }
    const fs::path& path() const { return path_; }

    bool closeDescriptor() {
        if (fd_ < 0) {
            return true;
        }
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

    // After a successful rename there is nothing left to remove.
    void release() { path_.clear(); }

private:
    int fd_ = -1;
    fs::path path_;
};

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

// Makes the rename itself durable; a failure here does not undo the write.
void syncDirectory(const fs::path& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::optional<AtomicWriteFailure> writeFileAtomically(const fs::path& path, std::string_view content,
                                                      std::string_view temporaryPrefix) {
    auto failure = [](AtomicWriteFailure::Stage stage, std::string message, fs::path temporary = {}) {
        return AtomicWriteFailure{stage, std::move(message), std::move(temporary)};
    };
    using enum AtomicWriteFailure::Stage;
    if (path.empty() || !path.has_filename()) {
        return failure(Prepare, "No file name was given for writing.");
    }
    std::error_code error;
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        target = fs::weakly_canonical(path, error);
        if (error) {
            return failure(Prepare, "Cannot follow the link " + path.string() + ": " + error.message());
        }
    }
    if (target.parent_path().empty()) {
        target = fs::path(".") / target;
    }
    const fs::path directory = target.parent_path();
    fs::create_directories(directory, error);
    if (error) {
        return failure(Prepare, "Cannot create the folder " + directory.string() + ": " + error.message());
    }
    if (fs::is_directory(target, error)) {
        return failure(Prepare, "Cannot write " + target.string() + ": it is a folder.");
    }

    TemporaryFile temporary;
    if (!temporary.create(target, temporaryPrefix)) {
        return failure(CreateTemporary, "Cannot create a temporary file in " + directory.string() + ": " + describe(errno));
    }
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        ::fchmod(temporary.descriptor(), existing.st_mode & 07777);
    }
    if (!writeAll(temporary.descriptor(), content)) {
        return failure(Write, "Cannot write " + temporary.path().string() + ": " + describe(errno), temporary.path());
    }
    if (::fsync(temporary.descriptor()) != 0) {
        return failure(Write, "Cannot flush " + temporary.path().string() + " to disk: " + describe(errno),
                       temporary.path());
    }
    if (!temporary.closeDescriptor()) {
        return failure(Write, "Cannot finish writing " + temporary.path().string() + ": " + describe(errno),
                       temporary.path());
    }
    if (::rename(temporary.path().c_str(), target.c_str()) != 0) {
        return failure(Rename,
                       "Cannot rename " + temporary.path().string() + " to " + target.string() + ": " + describe(errno),
                       temporary.path());
    }
    temporary.release();
    syncDirectory(directory);
    return std::nullopt;
}

namespace {

bool isHexName(std::string_view text) {
    return !text.empty() && text.size() <= 8 &&
           text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// The names TemporaryFile::create gives.
bool isOurTemporaryName(std::string_view name) {
    constexpr std::string_view kSuffix = ".tmp";
    if (!name.ends_with(kSuffix)) {
        return false;
    }
    name.remove_suffix(kSuffix.size());
    if (name.starts_with("rpl")) {
        return isHexName(name.substr(3));
    }
    if (!name.starts_with('.')) {
        return false;
    }
    const std::size_t dot = name.rfind('.');
    return dot > 1 && isHexName(name.substr(dot + 1));
}

}  // namespace

int removeStaleTemporaryFiles(const fs::path& directory, std::chrono::seconds minimumAge) {
    std::error_code error;
    fs::directory_iterator entries(directory, error);
    if (error) {
        return 0;
    }
    const auto now = fs::file_time_type::clock::now();
    int removed = 0;
    for (const fs::directory_entry& entry : entries) {
        if (!isOurTemporaryName(entry.path().filename().string()) || !entry.is_regular_file(error)) {
            continue;
        }
        const auto changed = entry.last_write_time(error);
        if (error || now - changed < minimumAge) {
            continue;
        }
        if (fs::remove(entry.path(), error)) {
            ++removed;
        }
    }
    return removed;
}

bool isReadOnlyFile(const fs::path& path) {
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0) {
        return false;
    }
    return (file.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

FileError writeFileAtomically(const fs::path& path, std::string_view content) {
    if (const auto failure = writeFileAtomically(path, content, {})) {
        return failure->message;
    }
    return std::nullopt;
}

ReadResult readWholeFile(const fs::path& path, std::uintmax_t maxBytes) {
    ReadResult result;
    std::error_code error;
    const auto status = fs::status(path, error);
    if (!fs::exists(status)) {
        if (error && error != std::errc::no_such_file_or_directory) {
            result.exists = true;
            result.error = "Cannot examine " + path.string() + ": " + error.message();
        }
        return result;
    }
    result.exists = true;
    if (fs::is_directory(status)) {
        result.error = "Cannot read " + path.string() + ": it is a folder.";
        return result;
    }
    // A pipe or a device in a data file's place would block or never end: only
    // regular files are read. The open does not wait, and the check is made
    // again on what was opened.
    const std::string notRegular = "Cannot read " + path.string() + ": it is not a regular file.";
    if (!fs::is_regular_file(status)) {
        result.error = notRegular;
        return result;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.error = "Cannot open " + path.string() + ": " + describe(errno);
        return result;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        result.error = notRegular;
        return result;
    }
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            result.content.clear();
            result.error = "Cannot read " + path.string() + ": " + describe(errno);
            break;
        }
        if (got == 0) {
            break;
        }
        if (result.content.size() + static_cast<std::size_t>(got) > maxBytes) {
            result.content.clear();
            result.error = "Cannot read " + path.string() + ": the file is too large.";
            break;
        }
        result.content.append(buffer.data(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    return result;
}

}  // namespace quilloro
