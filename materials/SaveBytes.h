#pragma once

#include <QByteArray>
#include <QString>

namespace vx7::materials {

// Writes a whole file or nothing: the bytes go to a temporary file that replaces
// path only when everything was written. On failure error (if given) says why.
bool SaveBytes(const QString& path, const QByteArray& bytes, QString* error);

} // namespace vx7::materials
