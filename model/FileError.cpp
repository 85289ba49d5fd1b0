#include "FileError.h"

#include "PerfilError.h"

#include <cerrno>

std::string FileErrorMessage(int errorCode) {
    switch (errorCode) {
    case ENOENT:
        return "File not found";
    // A name the system cannot use at all, or a path that runs through a plain file.
    case EINVAL:
    case ENAMETOOLONG:
    case ENOTDIR:
    case ELOOP:
    case EILSEQ:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    // Refusals of the file itself: its permissions, a read-only medium, or a directory
    // where a file was expected.
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
        return "File access denied";
    default:
        return "I/O error " + std::to_string(errorCode);
    }
}

void ThrowFileError(int errorCode) {
    throw PerfilError(FileErrorMessage(errorCode));
}
