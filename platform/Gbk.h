#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>
#include <span>

namespace vx7::platform {

// Conversion between the program's UTF-8/UTF-16 texts and the GBK (code page 936)
// texts of the binary records. Conversion happens only at the record boundary.

// The GBK bytes of text, or nullopt when a character has no GBK form.
std::optional<QByteArray> ToGbk(const QString& text);

// Decodes GBK bytes up to the first NUL or the end of the span, whichever comes first.
// Bytes that are not valid GBK become U+FFFD; never reads past the span.
QString FromGbk(std::span<const char> bytes);
QString FromGbk(const QByteArray& bytes);

// Cuts GBK bytes to at most maxBytes without splitting a double-byte character.
QByteArray TruncateGbk(const QByteArray& gbk, std::size_t maxBytes);

// Writes text as GBK into a fixed field: at most maxChars bytes (whole characters only),
// then a terminating NUL. Bytes of the field after the terminator are left as they were.
// Requires maxChars < field.size(). Returns false, writing nothing, when the text has no
// GBK form.
bool WriteGbkField(std::span<char> field, const QString& text, std::size_t maxChars);

// Reads a NUL-terminated GBK text from a fixed field (never past its end).
QString ReadGbkField(std::span<const char> field);

} // namespace vx7::platform
