#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstring>

namespace vx7::materials {

// Fixed-offset field access for the binary formats of this folder. Callers check
// that offset + 4 lies within the buffer before calling.
inline qint32 ReadInt32(const char* base, qsizetype offset) {
    return qFromLittleEndian<qint32>(base + offset);
}

inline float ReadFloat32(const char* base, qsizetype offset) {
    const quint32 bits = qFromLittleEndian<quint32>(base + offset);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void WriteInt32(char* base, qsizetype offset, qint32 value) {
    qToLittleEndian<qint32>(value, base + offset);
}

inline void WriteFloat32(char* base, qsizetype offset, float value) {
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian<quint32>(bits, base + offset);
}

} // namespace vx7::materials
