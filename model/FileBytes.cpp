#include "FileBytes.h"

#include "FileDescriptor.h"
#include "FileError.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void CheckPathName(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos)
        ThrowFileError(EINVAL);
}

int Open(const std::string& path, int flags, mode_t mode = 0) {
    int fd = 0;
    do
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        ThrowFileError(errno);
    return fd;
}

void Close(FileDescriptor& file) {
    if (const int error = file.close())
        ThrowFileError(error);
}

void WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            ThrowFileError(errno);
        // A write that makes no progress would loop for ever.
        if (written == 0)
            ThrowFileError(EIO);
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file that path designates, through any symbolic links; resolving costs a system
// call per path component, so only links pay for it.
std::string RealPath(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && !S_ISLNK(link.st_mode))
        return path;
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    if (!resolved)
        ThrowFileError(errno);
    return resolved.get();
}

// Creates a new file under a random name in directory, exclusively, so that nobody
// else can have it open; returns its descriptor and sets path.
int CreateUniqueFile(const std::string& directory, std::string& path) {
    static std::mt19937_64 random{std::random_device{}()};
    constexpr int Attempts = 100;
    for (int attempt = 1;; ++attempt) {
        char name[40];
        std::snprintf(name, sizeof name, "/.perfil-%016llx.tmp",
                      static_cast<unsigned long long>(random()));
        path = directory + name;
        // 0666 lets the umask decide a new file's permissions, as for any other file.
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST || attempt == Attempts)
            ThrowFileError(errno);
    }
}

// The new file beside the target, removed again unless it was renamed into place.
struct TemporaryFile {
    std::string path;
    FileDescriptor file;

    explicit TemporaryFile(const std::string& directory)
        : file(CreateUniqueFile(directory, path)) {}
    ~TemporaryFile() {
        if (!path.empty())
            ::unlink(path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
};

// Makes the rename itself durable. Failure is not reported: the new contents are in
// place by now, and some file systems cannot sync a directory at all.
void SyncDirectory(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    FileDescriptor dir(fd);
    static_cast<void>(::fsync(dir.fd()));
}

void WriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes) {
    FileDescriptor file(Open(path, O_WRONLY | O_NOCTTY));
    WriteAll(file.fd(), bytes);
    Close(file);
}

void ReplaceRegularFile(const std::string& target, const struct stat* existing,
                        std::span<const std::uint8_t> bytes) {
    // Renaming would overwrite a file that the user may not write to.
    if (existing && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        ThrowFileError(errno);
    const std::string directory = DirectoryOf(target);
    TemporaryFile temporary(directory);
    if (existing && ::fchmod(temporary.file.fd(), existing->st_mode & 07777) != 0)
        ThrowFileError(errno);
    WriteAll(temporary.file.fd(), bytes);
    if (::fsync(temporary.file.fd()) != 0)
        ThrowFileError(errno);
    Close(temporary.file);
    if (::rename(temporary.path.c_str(), target.c_str()) != 0)
        ThrowFileError(errno);
    temporary.path.clear();
    SyncDirectory(directory);
}

} // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::size_t limit) {
    CheckPathName(path);
    FileDescriptor file(Open(path, O_RDONLY));
    std::vector<std::uint8_t> bytes(limit + 1);
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(file.fd(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ThrowFileError(errno);
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    Close(file);
    return bytes;
}

void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    CheckPathName(path);
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno != ENOENT)
            ThrowFileError(errno);
        ReplaceRegularFile(path, nullptr, bytes);
    } else if (S_ISDIR(status.st_mode)) {
        ThrowFileError(EISDIR);
    } else if (S_ISREG(status.st_mode)) {
        ReplaceRegularFile(RealPath(path), &status, bytes);
    } else {
        WriteInPlace(path, bytes);
    }
}
