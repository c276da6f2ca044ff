#include "InstallRecordReader.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace vx7::install {

std::optional<InstallRecordFile> InstallRecordReader::Read(const QString& path, std::size_t limit,
                                                           QString* error) {
    auto fail = [&](const QString& text) -> std::optional<InstallRecordFile> {
        if (error)
            *error = text;
        return std::nullopt;
    };
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("%1: no such file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    limit = std::min(limit, InstallRecord::kSize);
    std::vector<char> buffer(limit);
    qint64 total = 0;
    while (total < static_cast<qint64>(limit)) {
        const qint64 got = file.read(buffer.data() + total, static_cast<qint64>(limit) - total);
        if (got < 0)
            return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
        if (got == 0)
            break;
        total += got;
    }
    InstallRecordFile out;
    out.bytesRead = static_cast<std::size_t>(total);
    out.record = InstallRecord::FromBytes(std::span<const char>(buffer.data(), out.bytesRead));
    return out;
}

} // namespace vx7::install
