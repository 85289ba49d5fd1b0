#include "StandardStreams.h"

#include "FileError.h"
#include "PerfilError.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// A full disk or a closed pipe behind standard output shows only when its buffer is
// flushed and the stream closed; the output is then incomplete, which is a failure.
void CloseStandardOutput() {
    int error = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        error = errno != 0 ? errno : EIO;
    if (std::fclose(stdout) != 0 && error == 0)
        error = errno;
    if (error != 0)
        throw PerfilError(QStringLiteral("Não foi possível escrever na saída padrão: %1")
                              .arg(QString::fromStdString(FileErrorMessage(error)))
                              .toStdString());
}

bool KeepStandardPlaces() {
    bool outputClosed = false;
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        outputClosed = outputClosed || fd == STDOUT_FILENO;
        // The lowest free descriptor: this very one, the lower ones being open by now.
        ::open("/dev/null", O_RDONLY);
    }
    return outputClosed;
}
