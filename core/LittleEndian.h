#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstddef>
#include <cstring>

// Fixed-offset little-endian fields of the program's binary formats (settings, material
// packages, record lists, GIF, BMP). Readers and writers take the start of a buffer and
// a byte offset; the caller has checked that the field lies within the buffer.
namespace vx7::core {

inline quint16 ReadLe16(const void* base, std::size_t offset) {
    return qFromLittleEndian<quint16>(static_cast<const char*>(base) + offset);
}

inline qint32 ReadLeInt32(const void* base, std::size_t offset) {
    return qFromLittleEndian<qint32>(static_cast<const char*>(base) + offset);
}

inline float ReadLeFloat32(const void* base, std::size_t offset) {
    const quint32 bits = qFromLittleEndian<quint32>(static_cast<const char*>(base) + offset);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void WriteLe16(void* base, std::size_t offset, quint16 value) {
    qToLittleEndian<quint16>(value, static_cast<char*>(base) + offset);
}

inline void WriteLe32(void* base, std::size_t offset, quint32 value) {
    qToLittleEndian<quint32>(value, static_cast<char*>(base) + offset);
}

inline void WriteLeInt32(void* base, std::size_t offset, qint32 value) {
    qToLittleEndian<qint32>(value, static_cast<char*>(base) + offset);
}

inline void WriteLeFloat32(void* base, std::size_t offset, float value) {
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian<quint32>(bits, static_cast<char*>(base) + offset);
}

// Append a field to the end of out.
inline void AppendLe16(QByteArray& out, quint16 value) {
    char bytes[2];
    WriteLe16(bytes, 0, value);
    out.append(bytes, 2);
}

inline void AppendLe32(QByteArray& out, quint32 value) {
    char bytes[4];
    WriteLe32(bytes, 0, value);
    out.append(bytes, 4);
}

} // namespace vx7::core
