#include "RegularFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vx7::platform {
namespace {

void SetError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

// Closes a descriptor when the read ends, however it ends.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

  private:
    int fd_;
};

} // namespace

bool IsRegularFile(const QString& path) {
    if (path.isEmpty())
        return false;
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString* error) {
    bytes.clear();
    if (path.isEmpty()) {
        SetError(error, QStringLiteral("no file name given"));
        return false;
    }
    // O_NONBLOCK: opening a FIFO for reading returns at once instead of waiting for a
    // writer. The type is then checked on the open descriptor, so a swap after any
    // earlier check cannot slip a special file in.
    const Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) {
        SetError(
            error,
            QStringLiteral("cannot open %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        SetError(error, QStringLiteral("%1 is not a regular file").arg(path));
        return false;
    }
    if (st.st_size > maxBytes) {
        SetError(error, QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(maxBytes));
        return false;
    }
    // The size is only a hint: a file that grows while it is read stops at the cap.
    QByteArray data;
    data.reserve(static_cast<qsizetype>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            SetError(
                error,
                QStringLiteral("cannot read %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
            return false;
        }
        if (got == 0)
            break;
        if (data.size() + got > maxBytes) {
            SetError(error, QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(maxBytes));
            return false;
        }
        data.append(buffer, static_cast<qsizetype>(got));
    }
    bytes = std::move(data);
    return true;
}

} // namespace vx7::platform
