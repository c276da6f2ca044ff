#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace vx7::core {

// Writes a whole file or nothing: the bytes go to a temporary file next to path, which
// replaces path only when every byte was written and flushed. A full disk, a refused
// write or a crash mid-write leaves the file that was there before untouched. On
// failure, why (if given) holds the system's reason; callers add the path as they need.
bool SaveWholeFile(const QString& path, const QByteArray& bytes, QString* why = nullptr);

// The same for a file written in pieces: write gets the open temporary file and returns
// false to give up (its reason, if any, in why); nothing replaces path then either.
bool SaveWholeFileWith(const QString& path, const std::function<bool(QIODevice& file, QString* why)>& write,
                       QString* why = nullptr);

} // namespace vx7::core
