// Whole-file writes through a temporary file and a rename, and whole-file reads.
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
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = "Cannot open " + path.string() + ": " + describe(errno);
        return result;
    }
    std::array<char, 65536> buffer{};
    while (in) {
        in.read(buffer.data(), buffer.size());
        const auto got = static_cast<std::size_t>(in.gcount());
        if (result.content.size() + got > maxBytes) {
            result.content.clear();
            result.error = "Cannot read " + path.string() + ": the file is too large.";
            return result;
        }
        result.content.append(buffer.data(), got);
    }
    if (in.bad()) {
        result.content.clear();
        result.error = "Cannot read " + path.string() + ".";
    }
    return result;
}

}  // namespace quilloro
