#include "FileBytes.h"

#include "ExtendedAttributes.h"
#include "FileDescriptor.h"
#include "FileError.h"
#include "PerfilError.h"
#include "RemovalOnSignal.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* StandardOutputName = "-";

void CheckPathName(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos)
        ThrowFileError(EINVAL);
}

// O_NONBLOCK keeps the open of a pipe from waiting for its other end; it changes
// nothing for regular files.
int Open(const std::string& path, int flags, mode_t mode = 0) {
    int fd = 0;
    do
        fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, mode);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        ThrowFileError(errno);
    return fd;
}

void Check(int result) {
    if (result != 0)
        ThrowFileError(errno);
}

void Close(FileDescriptor& file) {
    if (const int error = file.close())
        ThrowFileError(error);
}

struct stat Status(int fd) {
    struct stat status {};
    Check(::fstat(fd, &status));
    return status;
}

// Fills bytes from the file's current position; returns how many the file had, fewer at
// its end.
std::size_t ReadUpTo(int fd, std::span<std::uint8_t> bytes) {
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ThrowFileError(errno);
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    return filled;
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

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links one by one, so that a dangling link yields the path of the
// file it names, which the save then creates. Too many links (a loop) is ELOOP.
std::string FinalPath(std::string path) {
    // The same bound as the kernel's for one path lookup.
    constexpr int MaxLinks = 40;
    for (int followed = 0;; ++followed) {
        struct stat link {};
        if (::lstat(path.c_str(), &link) != 0) {
            if (errno == ENOENT)
                return path;
            ThrowFileError(errno);
        }
        if (!S_ISLNK(link.st_mode))
            return path;
        if (followed == MaxLinks)
            ThrowFileError(ELOOP);
        std::string target(static_cast<std::size_t>(link.st_size ? link.st_size : PATH_MAX) + 1,
                           '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0)
            ThrowFileError(errno);
        target.resize(static_cast<std::size_t>(length));
        path = target.starts_with('/') ? target : DirectoryOf(path) + "/" + target;
    }
}

// A name that tells a user, should a killed save leave it behind, which file it was
// meant to become and who made it.
std::string TemporaryName(const std::string& target, std::uint64_t tag) {
    constexpr std::size_t Room = NAME_MAX - 40; // leaves space for the dot and the suffix
    char suffix[40];
    std::snprintf(suffix, sizeof suffix, ".perfil-save-%08llx",
                  static_cast<unsigned long long>(tag & 0xffffffffu));
    return DirectoryOf(target) + "/." + NameOf(target).substr(0, Room) + suffix;
}

// The new file beside the target, created exclusively so that nobody else can have it
// open, and removed again unless it was renamed into place.
class TemporaryFile {
  public:
    // Returns no file when the folder does not let us create one.
    static std::unique_ptr<TemporaryFile> create(const std::string& target) {
        static std::mt19937_64 random{std::random_device{}()};
        constexpr int Attempts = 100;
        for (int attempt = 1;; ++attempt) {
            const std::string path = TemporaryName(target, random());
            // 0666 lets the umask decide a new file's permissions, as for any other file.
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0)
                return std::unique_ptr<TemporaryFile>(new TemporaryFile(path, fd));
            if (errno == EACCES || errno == EPERM || errno == EROFS)
                return nullptr;
            if (errno != EEXIST || attempt == Attempts)
                ThrowFileError(errno);
        }
    }
    ~TemporaryFile() {
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return m_file.fd(); }

    // Takes on the old file's owner, mode, ACL and other extended attributes; false when
    // one of them cannot be given.
    bool adopt(const std::string& oldPath, const struct stat& old) {
        const struct stat own = Status(fd());
        if ((own.st_uid != old.st_uid || own.st_gid != old.st_gid) &&
            ::fchown(fd(), old.st_uid, old.st_gid) != 0)
            return false;
        Check(::fchmod(fd(), old.st_mode & 07777));
        return CopyExtendedAttributes(oldPath, fd());
    }

    void renameOver(const std::string& target) {
        Check(::fsync(fd()));
        Close(m_file);
        Check(::rename(m_path.c_str(), target.c_str()));
        m_path.clear();
    }

  private:
    TemporaryFile(std::string path, int fd)
        : m_path(std::move(path)), m_file(fd), m_removal(m_path) {}
    std::string m_path;
    FileDescriptor m_file;
    // A save ended by a signal must not leave the half-written file behind.
    RemovalOnSignal m_removal;
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

// Waits until no other save rewrites the same file: two rewrites at once would
// interleave their bytes. Where the file system keeps no locks the rewrite goes on.
void LockAgainstOtherSaves(int fd) {
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

// The limit on file sizes fails a write only once part of it is done.
void CheckSizeLimit(off_t size) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(size) > limit.rlim_cur)
        ThrowFileError(EFBIG);
}

void Rewind(int fd) {
    if (::lseek(fd, 0, SEEK_SET) != 0)
        ThrowFileError(errno);
}

// Best effort after a failed rewrite: the old bytes where they were, the old length.
void PutBack(int fd, std::span<const std::uint8_t> old) noexcept {
    try {
        Rewind(fd);
        WriteAll(fd, old);
        Check(::ftruncate(fd, static_cast<off_t>(old.size())));
        Check(::fsync(fd));
    } catch (const PerfilError&) {
    }
}

// Rewrites an open regular file, which must keep its inode, in a way that a failure at
// any step leaves the old contents: what can be known before the first byte is checked
// then (the file size limit; room for growth is reserved), and the old bytes are kept to
// be put back should a later step still fail. Only a crash or power cut mid-rewrite can
// leave part of each.
void RewriteRegularFile(int fd, std::span<const std::uint8_t> bytes) {
    LockAgainstOtherSaves(fd);
    const auto newSize = static_cast<off_t>(bytes.size());
    CheckSizeLimit(newSize);
    std::vector<std::uint8_t> old(static_cast<std::size_t>(std::max<off_t>(Status(fd).st_size, 0)));
    old.resize(ReadUpTo(fd, old));
    Rewind(fd);
    try {
        if (newSize > static_cast<off_t>(old.size()))
            if (const int error = ::posix_fallocate(fd, 0, newSize))
                ThrowFileError(error);
        WriteAll(fd, bytes);
        Check(::ftruncate(fd, newSize));
        Check(::fsync(fd));
    } catch (const PerfilError&) {
        PutBack(fd, old);
        throw;
    }
}

// Devices, pipes with a reader, and regular files that must not be replaced. A regular
// file is opened for reading too, to keep its old bytes.
void WriteInPlace(const std::string& path, const struct stat& known,
                  std::span<const std::uint8_t> bytes) {
    FileDescriptor file(Open(path, S_ISREG(known.st_mode) ? O_RDWR : O_WRONLY));
    const struct stat status = Status(file.fd());
    // Opened for reading, a pipe would not wait for its reader: it must still be a file.
    if (S_ISREG(status.st_mode) != S_ISREG(known.st_mode))
        ThrowFileError(EAGAIN);
    // The reader is there; from now on a full pipe may wait for it like any writer.
    Check(::fcntl(file.fd(), F_SETFL, ::fcntl(file.fd(), F_GETFL) & ~O_NONBLOCK));
    if (S_ISREG(status.st_mode))
        RewriteRegularFile(file.fd(), bytes);
    else
        WriteAll(file.fd(), bytes);
    Close(file);
}

// Returns false, having changed nothing, when the file must be written in place.
bool ReplaceRegularFile(const std::string& target, const struct stat* existing,
                        std::span<const std::uint8_t> bytes) {
    if (existing && existing->st_nlink > 1)
        return false;
    const std::unique_ptr<TemporaryFile> temporary = TemporaryFile::create(target);
    if (!temporary) {
        if (existing)
            return false;
        ThrowFileError(EACCES);
    }
    if (existing && !temporary->adopt(target, *existing))
        return false;
    WriteAll(temporary->fd(), bytes);
    temporary->renameOver(target);
    SyncDirectory(DirectoryOf(target));
    return true;
}

void WriteStandardOutput(std::span<const std::uint8_t> bytes) {
    // Whatever the program printed before must come first.
    if (std::fflush(stdout) != 0)
        ThrowFileError(errno);
    WriteAll(STDOUT_FILENO, bytes);
}

} // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::size_t limit) {
    CheckPathName(path);
    FileDescriptor file(Open(path, O_RDONLY));
    const struct stat status = Status(file.fd());
    if (S_ISDIR(status.st_mode))
        ThrowFileError(EISDIR);
    if (!S_ISREG(status.st_mode))
        throw PerfilError(NotARegularFileMessage);
    // A regular file tells its size, so one read of exactly that much does: no buffer of
    // the largest size to clear, no second call to meet the end.
    const auto size = static_cast<std::uint64_t>(std::max<off_t>(status.st_size, 0));
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min<std::uint64_t>(size, limit + 1)));
    bytes.resize(ReadUpTo(file.fd(), bytes));
    Close(file);
    return bytes;
}

void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    CheckPathName(path);
    if (path == StandardOutputName)
        return WriteStandardOutput(bytes);
    const std::string target = FinalPath(path);
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) {
        if (errno != ENOENT)
            ThrowFileError(errno);
        ReplaceRegularFile(target, nullptr, bytes);
        return;
    }
    if (S_ISDIR(status.st_mode))
        ThrowFileError(EISDIR);
    if (S_ISREG(status.st_mode)) {
        // A rename would overwrite a file that the user may not write to.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            ThrowFileError(errno);
        if (ReplaceRegularFile(target, &status, bytes))
            return;
    }
    WriteInPlace(target, status, bytes);
}
