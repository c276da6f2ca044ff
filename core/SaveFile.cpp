#include "SaveFile.h"

#include <QSaveFile>

namespace vx7::core {

bool SaveWholeFileWith(const QString& path, const std::function<bool(QIODevice& file, QString* why)>& write,
                       QString* why) {
    QSaveFile file(path);
    // Unbuffered, so a write the volume cannot take whole fails here, at the write,
    // and the temporary file is discarded instead of committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (why)
            *why = file.errorString();
        return false;
    }
    QString reason;
    if (!write(file, &reason)) {
        if (reason.isEmpty())
            reason = file.errorString();
        file.cancelWriting();
        if (why)
            *why = reason;
        return false;
    }
    if (!file.commit()) {
        if (why)
            *why = file.errorString();
        return false;
    }
    return true;
}

bool SaveWholeFile(const QString& path, const QByteArray& bytes, QString* why) {
    return SaveWholeFileWith(
        path, [&bytes](QIODevice& file, QString*) { return file.write(bytes) == bytes.size(); }, why);
}

} // namespace vx7::core
