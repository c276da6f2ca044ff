#include "AviRepair.h"

#include "core/LittleEndian.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>

namespace vx7::camera {
namespace {

constexpr qint64 kHeaderSize = 12; // "RIFF", size, "AVI "
constexpr qint64 kMaxHeaderList = 1 << 20;

// The caller has checked that four bytes lie at offset.
quint32 U32(const QByteArray& b, qint64 at) {
    return quint32(core::ReadLeInt32(b.constData(), std::size_t(at)));
}

bool WriteAt(QFile& file, qint64 at, quint32 value) {
    QByteArray field;
    core::AppendLe32(field, value);
    return file.seek(at) && file.write(field) == 4;
}

} // namespace

int CloseUnfinishedAvi(const QString& path, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return -1;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return fail(QStringLiteral("无法打开文件: %1").arg(path));
    const qint64 size = file.size();
    if (size > qint64(0xFFFFFFFFu))
        return fail(QStringLiteral("文件太大"));
    const QByteArray head = file.read(kHeaderSize);
    if (head.size() < kHeaderSize || !head.startsWith("RIFF") || head.mid(8, 4) != "AVI ")
        return fail(QStringLiteral("不是 AVI 文件"));

    // The top-level lists: the header list ("hdrl") and the frames ("movi").
    qint64 at = kHeaderSize;
    qint64 hdrlAt = -1, hdrlSize = 0, moviAt = -1;
    while (at + 12 <= size && moviAt < 0) {
        if (!file.seek(at))
            break;
        const QByteArray chunk = file.read(12);
        if (chunk.size() < 12)
            break;
        const quint32 length = U32(chunk, 4);
        if (chunk.startsWith("LIST") && chunk.mid(8, 4) == "hdrl") {
            hdrlAt = at;
            hdrlSize = length;
        } else if (chunk.startsWith("LIST") && chunk.mid(8, 4) == "movi") {
            moviAt = at;
            break;
        }
        at += 8 + qint64(length) + (length & 1);
    }
    if (hdrlAt < 0 || moviAt < 0 || hdrlSize < 4 || hdrlSize > kMaxHeaderList)
        return fail(QStringLiteral("AVI 文件缺少头部或数据"));

    if (!file.seek(moviAt + 4))
        return fail(QStringLiteral("读文件失败"));
    const QByteArray moviField = file.read(4);
    if (moviField.size() < 4)
        return fail(QStringLiteral("读文件失败"));
    const quint32 recordedMovi = U32(moviField, 0);
    const quint32 recordedRiff = U32(head, 4);
    // A finished file: the frames list holds more than its type and both lists end
    // inside the file (the index follows the frames).
    const bool complete =
        recordedMovi > 4 && moviAt + 8 + qint64(recordedMovi) <= size && 8 + qint64(recordedRiff) <= size;

    // Every complete chunk of the frames list; a cut-off one ends the list.
    const qint64 limit = complete ? moviAt + 8 + qint64(recordedMovi) : size;
    qint64 end = moviAt + 12;
    int frames = 0;
    while (end + 8 <= limit) {
        if (!file.seek(end))
            break;
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            break;
        const quint32 length = U32(chunk, 4);
        const qint64 next = end + 8 + qint64(length) + (length & 1);
        if (next > limit && end + 8 + qint64(length) != limit)
            break;
        if (chunk.startsWith("00dc") || chunk.startsWith("00db"))
            ++frames;
        end = std::min(next, limit);
    }
    if (complete)
        return frames;
    const quint32 actualMovi = quint32(end - moviAt - 8);

    // The header list: the main header's frame count and the video stream's length.
    if (!file.seek(hdrlAt))
        return fail(QStringLiteral("读文件失败"));
    const QByteArray hdrl = file.read(8 + hdrlSize);
    if (hdrl.size() < 8 + hdrlSize)
        return fail(QStringLiteral("AVI 头部不完整"));
    const qint64 avih = hdrl.indexOf("avih");
    if (avih < 0 || avih + 8 + 20 > hdrl.size())
        return fail(QStringLiteral("AVI 头部不完整"));
    qint64 strhVideo = -1;
    for (qint64 s = hdrl.indexOf("strh"); s >= 0; s = hdrl.indexOf("strh", s + 4)) {
        if (s + 8 + 36 <= hdrl.size() && hdrl.mid(s + 8, 4) == "vids") {
            strhVideo = s;
            break;
        }
    }

    bool ok = file.resize(end);
    ok = ok && WriteAt(file, 4, quint32(end - 8));
    ok = ok && WriteAt(file, moviAt + 4, actualMovi);
    ok = ok && WriteAt(file, hdrlAt + avih + 8 + 16, quint32(frames)); // dwTotalFrames
    if (strhVideo >= 0)
        ok = ok && WriteAt(file, hdrlAt + strhVideo + 8 + 32, quint32(frames)); // dwLength
    if (!ok || !file.flush())
        return fail(QStringLiteral("写文件失败: %1").arg(file.errorString()));
    return frames;
}

} // namespace vx7::camera
