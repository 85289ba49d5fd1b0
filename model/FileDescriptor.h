#pragma once

#include <cerrno>
#include <unistd.h>

// Owns one open POSIX file descriptor and closes it when destroyed, so that every way
// out of a file operation, an exception included, releases the file. On the success
// path call close() instead, whose result must be checked: a close can be the first
// to report a failed write.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int fd() const { return m_fd; }

    // Releases the descriptor; returns 0, or the errno of a failed close.
    int close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

  private:
    int m_fd;
};
