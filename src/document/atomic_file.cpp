#include "document/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace gelvant {
namespace {

long systemWrite(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int systemSync(int fd) {
    return ::fsync(fd);
}

int systemRename(const char* from, const char* to) {
    return ::rename(from, to);
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// A name in the same folder that no other save uses at the same time.
std::filesystem::path temporaryName(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    std::string name = ".";
    name += path.filename().string();
    name += '.';
    name += std::to_string(::getpid());
    name += '.';
    name += std::to_string(counter++);
    name += ".tmp";
    return path.parent_path() / name;
}

std::error_code writeAll(int fd, std::string_view bytes, const FileSystemCalls& calls) {
    while (!bytes.empty()) {
        const long written = calls.write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastError();
        }
        if (written == 0) {
            return std::make_error_code(std::errc::no_space_on_device);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// The folder's entry for the renamed file reaches the disk too.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

const FileSystemCalls& systemFileCalls() {
    static constexpr FileSystemCalls kCalls{systemWrite, systemSync, systemRename};
    return kCalls;
}

std::error_code writeFileAtomically(const std::filesystem::path& requested, std::string_view bytes,
                                    const FileSystemCalls& calls) {
    std::error_code ec;
    // Saving through a symbolic link replaces the file it points to.
    std::filesystem::path path = std::filesystem::weakly_canonical(requested, ec);
    if (ec) {
        path = requested;
    }
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    if (replacing && !S_ISREG(old.st_mode)) {
        // A device, pipe or socket is never replaced by a file of ours.
        return std::make_error_code(std::errc::operation_not_permitted);
    }
    const std::filesystem::path temporary = temporaryName(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return lastError();
    }
    ec = writeAll(fd, bytes, calls);
    if (!ec && replacing && ::fchmod(fd, old.st_mode & 07777) != 0) {
        ec = lastError();
    }
    if (!ec && calls.sync(fd) != 0) {
        ec = lastError();
    }
    if (::close(fd) != 0 && !ec) {
        ec = lastError();
    }
    if (!ec && calls.rename(temporary.c_str(), path.c_str()) != 0) {
        ec = lastError();
    }
    if (ec) {
        ::unlink(temporary.c_str());
        return ec;
    }
    syncFolder(path.parent_path());
    return {};
}

} // namespace gelvant
