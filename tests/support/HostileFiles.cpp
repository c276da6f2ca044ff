#include "HostileFiles.h"

#include <QFile>

#include <sys/stat.h>

namespace vx7::test {
namespace {

void PutLe16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

} // namespace

QByteArray DecodedMemoryBombGif(int side, int frames) {
    QByteArray gif("GIF89a");
    PutLe16(gif, side);
    PutLe16(gif, side);
    gif.append(char(0x80)); // global table of 2 entries
    gif.append(char(0));
    gif.append(char(0));
    gif.append("\x00\x00\x00\xFF\xFF\xFF", 6);
    for (int i = 0; i < frames; ++i) {
        gif.append("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8); // 0.1 s, no transparency
        gif.append(char(0x2C));
        PutLe16(gif, 0);
        PutLe16(gif, 0);
        PutLe16(gif, side);
        PutLe16(gif, side);
        gif.append(char(0));
        // Minimum code size 2; 3-bit codes, low bits first: clear (4), index 0, end (5)
        // give 100 000 101 -> bytes 0x44 0x01.
        gif.append("\x02\x02\x44\x01\x00", 5);
    }
    gif.append(char(0x3B));
    return gif;
}

bool MakeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool LinkToDevZero(const QString& path) {
    return QFile::link(QStringLiteral("/dev/zero"), path);
}

} // namespace vx7::test
